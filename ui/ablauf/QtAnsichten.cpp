#include "ablauf/QtAnsichten.h"

#include <QPointer>
#include <QPrintDialog>

#include "ablauf/NachweisPresenter.h"
#include "ablauf/OeffnenPresenter.h"
#include "ablauf/SpeichuPresenter.h"
#include "ablauf/Verknuepfen.h"
#include "calc/ArtikellisteDialog.h"
#include "calc/AusgabeDialog.h"
#include "calc/DXAErgDialog.h"
#include "calc/Drucken.h"
#include "calc/EPOspeiDialog.h"
#include "calc/HinweisDialog.h"
#include "calc/NachweisDialog.h"
#include "calc/SpeiRepDialog.h"
#include "loops/DXA1000Dialog.h"
#include "loops/DXAGehDialog.h"
#include "loops/ExtDialog.h"
#include "loops/KBNEINDialog.h"
#include "loops/PQSPQBspDialog.h"
#include "loops/PSM300Dialog.h"
#include "loops/PeripherieDialoge.h"
#include "loops/RelaisDialoge.h"
#include "loops/SpeisungDialoge.h"
#include "einstellungen/DruckerDialog.h"
#include "einstellungen/KontaktDialog.h"
#include "einstellungen/ModusDialog.h"
#include "ablauf/Oeffnen6Dialog.h"
#include "ablauf/OeffnenDialog.h"
#include "ablauf/Anwendung.h"
#include "ablauf/QtMessageService.h"
#include "einstellungen/SBWahlDialog.h"
#include "ablauf/SpeichuDialog.h"
#include "einstellungen/StammdatenDialog.h"
#include "einstellungen/TexteingabeDialog.h"
#include "wizard/AuswahlDialog.h"
#include "wizard/OLNVernetzDialog.h"
#include "wizard/ZentTypDialog.h"
#include "wizard/ZusaetzeDialog.h"

namespace tarvis::ui {

QWidget* QtAnsichten::eltern() const { return a_.qtMeldungen().elternfenster(); }

// Every window the same way: its dialog on top of the active window, run
// modally; confirmed when accepted. The window behind gets the keyboard back.
template <class D, class P> bool QtAnsichten::modal(Fenster f, P& p) {
    if (auto it = ersatz_.find(f); it != ersatz_.end()) return it->second();
    QPointer<QWidget> zurueck = eltern();
    bool bestaetigt = false;
    {
        D d(p, zurueck);
        bestaetigt = d.exec() == QDialog::Accepted;
    }
    tastaturZurueck(zurueck);
    return bestaetigt;
}

template <class D, class A> void QtAnsichten::anzeigen(Fenster f, const A& a) {
    if (auto it = ersatz_.find(f); it != ersatz_.end()) {
        it->second();
        return;
    }
    QPointer<QWidget> zurueck = eltern();
    {
        D d(a, zurueck);
        d.exec();
    }
    tastaturZurueck(zurueck);
}

bool QtAnsichten::zeigen(Fenster f, StammdatenPresenter& p) { return modal<StammdatenDialog>(f, p); }
bool QtAnsichten::zeigen(Fenster f, TexteingabePresenter& p) { return modal<TexteingabeDialog>(f, p); }
bool QtAnsichten::zeigen(Fenster f, ModusPresenter& p) { return modal<ModusDialog>(f, p); }
bool QtAnsichten::zeigen(Fenster f, DruckerPresenter& p) { return modal<DruckerDialog>(f, p); }
bool QtAnsichten::zeigen(Fenster f, SBWahlPresenter& p) { return modal<SBWahlDialog>(f, p); }
bool QtAnsichten::zeigen(Fenster f, ZentTypPresenter& p) { return modal<ZentTypDialog>(f, p); }
bool QtAnsichten::zeigen(Fenster f, AuswahlPresenter& p) { return modal<AuswahlDialog>(f, p); }
bool QtAnsichten::zeigen(Fenster f, OLNVernetzPresenter& p) { return modal<OLNVernetzDialog>(f, p); }
bool QtAnsichten::zeigen(Fenster f, ZusaetzePresenter& p) { return modal<ZusaetzeDialog>(f, p); }
bool QtAnsichten::zeigen(Fenster f, HY100Presenter& p) { return modal<HY100Dialog>(f, p); }
bool QtAnsichten::zeigen(Fenster f, PQSloeschenPresenter& p) { return modal<PQSloeschenDialog>(f, p); }
bool QtAnsichten::zeigen(Fenster f, KBNEINPresenter& p) { return modal<KBNEINDialog>(f, p); }
bool QtAnsichten::zeigen(Fenster f, PQKSpeisungPresenter& p) { return modal<PQKSpeisungDialog>(f, p); }
bool QtAnsichten::zeigen(Fenster f, PQVSpeisungPresenter& p) { return modal<PQVSpeisungDialog>(f, p); }
bool QtAnsichten::zeigen(Fenster f, PQSPQBspPresenter& p) { return modal<PQSPQBspDialog>(f, p); }
bool QtAnsichten::zeigen(Fenster f, DUV100SpPresenter& p) { return modal<DUV100SpDialog>(f, p); }
bool QtAnsichten::zeigen(Fenster f, JUBLSpeisPresenter& p) { return modal<JUBLSpeisDialog>(f, p); }
bool QtAnsichten::zeigen(Fenster f, DXAGehPresenter& p) { return modal<DXAGehDialog>(f, p); }
bool QtAnsichten::zeigen(Fenster f, PSM300Presenter& p) { return modal<PSM300Dialog>(f, p); }
bool QtAnsichten::zeigen(Fenster f, DXA1000Presenter& p) { return modal<DXA1000Dialog>(f, p); }
bool QtAnsichten::zeigen(Fenster f, PERIPHPresenter& p) { return modal<PERIPHDialog>(f, p); }
bool QtAnsichten::zeigen(Fenster f, ExtPresenter& p) { return modal<ExtDialog>(f, p); }
bool QtAnsichten::zeigen(Fenster f, PeriStromPresenter& p) { return modal<PeriStromDialog>(f, p); }
bool QtAnsichten::zeigen(Fenster f, AusgabePresenter& p) { return modal<AusgabeDialog>(f, p); }
bool QtAnsichten::zeigen(Fenster f, HinweisPresenter& p) { return modal<HinweisDialog>(f, p); }
bool QtAnsichten::zeigen(Fenster f, EPOspeiPresenter& p) { return modal<EPOspeiDialog>(f, p); }
bool QtAnsichten::zeigen(Fenster f, SpeichuPresenter& p) { return modal<SpeichuDialog>(f, p); }
bool QtAnsichten::zeigen(Fenster f, OeffnenPresenter& p) { return modal<OeffnenDialog>(f, p); }
bool QtAnsichten::zeigen(Fenster f, NachweisPresenter& p) { return modal<NachweisDialog>(f, p); }

bool QtAnsichten::zeigen(Fenster f, Verknuepfung& v, const std::string& start) {
    if (auto it = ersatz_.find(f); it != ersatz_.end()) return it->second();
    QPointer<QWidget> zurueck = eltern();
    bool bestaetigt = false;
    {
        Oeffnen6Dialog d(v, a_.meldungen(), start, zurueck);
        bestaetigt = d.exec() == QDialog::Accepted;
    }
    tastaturZurueck(zurueck);
    return bestaetigt;
}

void QtAnsichten::zeigen(Fenster f, const DXAErgAnsicht& a) { anzeigen<DXAErgDialog>(f, a); }
void QtAnsichten::zeigen(Fenster f, const SpeiRepAnsicht& a) { anzeigen<SpeiRepDialog>(f, a); }
void QtAnsichten::zeigen(Fenster f, const ListesehAnsicht& a) { anzeigen<ArtikellisteDialog>(f, a); }
void QtAnsichten::zeigen(Fenster f, const SuchergAnsicht& a) { anzeigen<ArtikellisteDialog>(f, a); }
void QtAnsichten::kontakt(const std::string& version) { anzeigen<KontaktDialog>(Fenster::Kontakt, version); }

bool QtAnsichten::druckerEinrichten() {
    if (auto it = ersatz_.find(Fenster::Druckereinrichtung); it != ersatz_.end()) return it->second();
    QPointer<QWidget> zurueck = eltern();
    bool bestaetigt = false;
    {
        QPrintDialog d(&a_.drucker(), zurueck);
        bestaetigt = d.exec() == QDialog::Accepted;
    }
    tastaturZurueck(zurueck);
    return bestaetigt;
}

void QtAnsichten::drucken(const Druckauftrag& auftrag) {
    DruckauftragAusgeben(a_, auftrag);
}

}  // namespace tarvis::ui
