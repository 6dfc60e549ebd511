#pragma once
#include <string>

#include "calc/Artikelliste.h"
#include "calc/AusgabePresenter.h"
#include "calc/DXAErg.h"
#include "calc/EPOspeiPresenter.h"
#include "calc/HinweisPresenter.h"
#include "calc/SpeiRep.h"
#include "einstellungen/DruckerPresenter.h"
#include "einstellungen/ModusPresenter.h"
#include "einstellungen/SBWahlPresenter.h"
#include "einstellungen/StammdatenPresenter.h"
#include "einstellungen/TexteingabePresenter.h"
#include "loops/DXA1000Presenter.h"
#include "loops/DXAGehPresenter.h"
#include "loops/ExtPresenter.h"
#include "loops/JUBLSpeisPresenter.h"
#include "loops/KBNEINPresenter.h"
#include "loops/PERIPHPresenter.h"
#include "loops/PQKSpeisungPresenter.h"
#include "loops/PQSPQBspPresenter.h"
#include "loops/PQVSpeisungPresenter.h"
#include "loops/PSM300Presenter.h"
#include "loops/PeriStromPresenter.h"
#include "projekt/Druckseiten.h"
#include "wizard/Auswahldialoge.h"
#include "wizard/HY100Presenter.h"
#include "wizard/OLNVernetzPresenter.h"
#include "wizard/PQSloeschenPresenter.h"
#include "wizard/ZentTypPresenter.h"
#include "wizard/ZusaetzePresenter.h"

namespace tarvis {

class NachweisPresenter;
class OeffnenPresenter;
class SpeichuPresenter;
class Verknuepfung;

// The toolkit's part of the windows: each method shows the view of one kind
// of presenter modally (the view activates the presenter, binds its widgets
// and forwards the user's input) and tells whether the window was confirmed.
// What comes before and after a window is the flow layer's, which makes the
// presenters; a view decides nothing.
class Ansichten {
public:
    virtual ~Ansichten() = default;

    virtual bool zeigen(Fenster f, StammdatenPresenter& p) = 0;
    virtual bool zeigen(Fenster f, TexteingabePresenter& p) = 0;
    virtual bool zeigen(Fenster f, ModusPresenter& p) = 0;
    virtual bool zeigen(Fenster f, DruckerPresenter& p) = 0;
    virtual bool zeigen(Fenster f, SBWahlPresenter& p) = 0;

    virtual bool zeigen(Fenster f, ZentTypPresenter& p) = 0;
    // MG 1000, MG-EAZ, the change of panel type, WEK and the focus choice.
    virtual bool zeigen(Fenster f, AuswahlPresenter& p) = 0;
    virtual bool zeigen(Fenster f, OLNVernetzPresenter& p) = 0;
    virtual bool zeigen(Fenster f, ZusaetzePresenter& p) = 0;
    virtual bool zeigen(Fenster f, HY100Presenter& p) = 0;
    virtual bool zeigen(Fenster f, PQSloeschenPresenter& p) = 0;

    virtual bool zeigen(Fenster f, KBNEINPresenter& p) = 0;
    virtual bool zeigen(Fenster f, PQKSpeisungPresenter& p) = 0;
    virtual bool zeigen(Fenster f, PQVSpeisungPresenter& p) = 0;
    virtual bool zeigen(Fenster f, PQSPQBspPresenter& p) = 0;
    virtual bool zeigen(Fenster f, DUV100SpPresenter& p) = 0;
    virtual bool zeigen(Fenster f, JUBLSpeisPresenter& p) = 0;
    virtual bool zeigen(Fenster f, DXAGehPresenter& p) = 0;
    virtual bool zeigen(Fenster f, PSM300Presenter& p) = 0;
    virtual bool zeigen(Fenster f, DXA1000Presenter& p) = 0;
    virtual bool zeigen(Fenster f, PERIPHPresenter& p) = 0;
    virtual bool zeigen(Fenster f, ExtPresenter& p) = 0;
    virtual bool zeigen(Fenster f, PeriStromPresenter& p) = 0;

    virtual bool zeigen(Fenster f, AusgabePresenter& p) = 0;
    virtual bool zeigen(Fenster f, HinweisPresenter& p) = 0;
    virtual bool zeigen(Fenster f, EPOspeiPresenter& p) = 0;
    virtual bool zeigen(Fenster f, SpeichuPresenter& p) = 0;
    virtual bool zeigen(Fenster f, OeffnenPresenter& p) = 0;
    // The calculation evidence.
    virtual bool zeigen(Fenster f, NachweisPresenter& p) = 0;
    // The linking window: the first hand-over file, chosen from `start`.
    virtual bool zeigen(Fenster f, Verknuepfung& v, const std::string& start) = 0;

    // Windows that only show what was computed.
    virtual void zeigen(Fenster f, const DXAErgAnsicht& a) = 0;
    virtual void zeigen(Fenster f, const SpeiRepAnsicht& a) = 0;
    virtual void zeigen(Fenster f, const ListesehAnsicht& a) = 0;
    virtual void zeigen(Fenster f, const SuchergAnsicht& a) = 0;
    // The contact window with the program's version.
    virtual void kontakt(const std::string& version) = 0;

    // The toolkit's printer set-up; true when confirmed.
    virtual bool druckerEinrichten() = 0;
    // A printout on the printer set up, or into a PDF file the user chooses.
    virtual void drucken(const Druckauftrag& auftrag) = 0;
};

}  // namespace tarvis
