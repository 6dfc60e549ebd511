#pragma once
#include <functional>
#include <map>
#include <vector>

#include "ablauf/Ansichten.h"
#include "ablauf/NachweisPresenter.h"

namespace tarvis::test {

// Views for tests of the flow layer: records every window shown and every
// printout, and answers from a script. An unscripted window is not confirmed.
class ScriptedAnsichten : public Ansichten {
public:
    std::vector<Fenster> gezeigt;
    std::vector<Druckauftrag> gedruckt;
    std::map<Fenster, std::function<bool()>> skript;

#define TARVIS_ZEIGEN(P) \
    bool zeigen(Fenster f, P&) override { return antwort(f); }
    TARVIS_ZEIGEN(StammdatenPresenter)
    TARVIS_ZEIGEN(TexteingabePresenter)
    TARVIS_ZEIGEN(ModusPresenter)
    TARVIS_ZEIGEN(DruckerPresenter)
    TARVIS_ZEIGEN(SBWahlPresenter)
    TARVIS_ZEIGEN(ZentTypPresenter)
    TARVIS_ZEIGEN(AuswahlPresenter)
    TARVIS_ZEIGEN(OLNVernetzPresenter)
    TARVIS_ZEIGEN(ZusaetzePresenter)
    TARVIS_ZEIGEN(HY100Presenter)
    TARVIS_ZEIGEN(PQSloeschenPresenter)
    TARVIS_ZEIGEN(KBNEINPresenter)
    TARVIS_ZEIGEN(PQKSpeisungPresenter)
    TARVIS_ZEIGEN(PQVSpeisungPresenter)
    TARVIS_ZEIGEN(PQSPQBspPresenter)
    TARVIS_ZEIGEN(DUV100SpPresenter)
    TARVIS_ZEIGEN(JUBLSpeisPresenter)
    TARVIS_ZEIGEN(DXAGehPresenter)
    TARVIS_ZEIGEN(PSM300Presenter)
    TARVIS_ZEIGEN(DXA1000Presenter)
    TARVIS_ZEIGEN(PERIPHPresenter)
    TARVIS_ZEIGEN(ExtPresenter)
    TARVIS_ZEIGEN(PeriStromPresenter)
    TARVIS_ZEIGEN(AusgabePresenter)
    TARVIS_ZEIGEN(HinweisPresenter)
    TARVIS_ZEIGEN(EPOspeiPresenter)
    TARVIS_ZEIGEN(SpeichuPresenter)
    TARVIS_ZEIGEN(OeffnenPresenter)
    TARVIS_ZEIGEN(NachweisPresenter)
#undef TARVIS_ZEIGEN
    bool zeigen(Fenster f, Verknuepfung&, const std::string&) override { return antwort(f); }
    void zeigen(Fenster f, const DXAErgAnsicht&) override { antwort(f); }
    void zeigen(Fenster f, const SpeiRepAnsicht&) override { antwort(f); }
    void zeigen(Fenster f, const ListesehAnsicht&) override { antwort(f); }
    void zeigen(Fenster f, const SuchergAnsicht&) override { antwort(f); }
    void kontakt(const std::string&) override { antwort(Fenster::Kontakt); }
    bool druckerEinrichten() override { return antwort(Fenster::Druckereinrichtung); }
    void drucken(const Druckauftrag& auftrag) override { gedruckt.push_back(auftrag); }

protected:
    bool antwort(Fenster f) {
        gezeigt.push_back(f);
        auto it = skript.find(f);
        return it != skript.end() && it->second();
    }
};

}  // namespace tarvis::test
