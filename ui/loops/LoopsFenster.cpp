#include "loops/LoopsFenster.h"

#include <memory>
#include <utility>

#include "calc/Drucken.h"
#include "loops/DXA1000Dialog.h"
#include "loops/DXAGehDialog.h"
#include "loops/ExtDialog.h"
#include "loops/KBNEINDialog.h"
#include "loops/PQSPQBspDialog.h"
#include "loops/PSM300Dialog.h"
#include "loops/PeripherieDialoge.h"
#include "loops/RelaisDialoge.h"
#include "loops/SpeisungDialoge.h"
#include "shell/Anwendung.h"

namespace tarvis::ui {

namespace {

// A window whose presenter is made from the program and the message service.
template <class P, class D> void fenster(Anwendung& a, Fenster f) {
    a.meldungen().registrieren(f, [&a](QWidget* eltern) {
        P presenter(a.programm(), a.meldungen());
        D d(presenter, eltern);
        return d.exec() == QDialog::Accepted;
    });
}

}  // namespace

void loopsFensterRegistrieren(Anwendung& a) {
    QtMessageService& ms = a.meldungen();

    // The loop entry closes before its follow-up windows open; when a check
    // after them refuses, it comes back with everything entered.
    ms.registrieren(Fenster::KBNEIN, [&a](QWidget* eltern) {
        KBNEINPresenter presenter(a.programm(), a.meldungen());
        for (;;) {
            KBNEINDialog d(presenter, eltern);
            if (d.exec() != QDialog::Accepted) return false;
            if (presenter.nachSchliessen()) return true;
        }
    });

    fenster<PQKSpeisungPresenter, PQKSpeisungDialog>(a, Fenster::PQKSpeisung);
    ms.registrieren(Fenster::PQVSpeisung, [&a](QWidget* eltern) {
        PQVSpeisungPresenter presenter(a.programm());
        PQVSpeisungDialog d(presenter, eltern);
        return d.exec() == QDialog::Accepted;
    });
    fenster<PQSPQBspPresenter, PQSPQBspDialog>(a, Fenster::PQSPQBsp);
    fenster<DUV100SpPresenter, DUV100SpDialog>(a, Fenster::DUV100Sp);
    fenster<JUBLSpeisPresenter, JUBLSpeisDialog>(a, Fenster::JUBLSpeis);
    fenster<DXAGehPresenter, DXAGehDialog>(a, Fenster::DXAGeh);
    fenster<PSM300Presenter, PSM300Dialog>(a, Fenster::PSM300);
    fenster<DXA1000Presenter, DXA1000Dialog>(a, Fenster::DXA1000);
    fenster<HY100Presenter, HY100Dialog>(a, Fenster::HY100);
    fenster<PQSloeschenPresenter, PQSloeschenDialog>(a, Fenster::PQSloeschen);

    fenster<PERIPHPresenter, PERIPHDialog>(a, Fenster::PERIPH);
    for (auto [f, spannung] : {std::pair{Fenster::Ex12, ExtSpannung::V12}, std::pair{Fenster::Ex28, ExtSpannung::V28}}) {
        ms.registrieren(f, [&a, spannung](QWidget* eltern) {
            ExtPresenter presenter(a.programm(), a.meldungen(), spannung);
            ExtDialog d(presenter, eltern);
            return d.exec() == QDialog::Accepted;
        });
    }
    // The standalone calculation keeps its entries for the whole run.
    auto peri = std::make_shared<PeriStromDaten>();
    ms.registrieren(Fenster::PeriStrom, [&a, peri](QWidget* eltern) {
        PeriStromPresenter presenter(a.programm(), a.meldungen(), *peri);
        PeriStromDialog d(presenter, eltern);
        return d.exec() == QDialog::Accepted;
    });

    // The loop entry printout (Edit item 5 and the input sequence) goes to
    // the printer set up in the program.
    a.presenter().setzeDruckausgabe([&a](const Druckauftrag& auftrag) { DruckauftragAusgeben(a, auftrag); });
    a.presenter().verfuegbarMachen({Befehl::Bearb5});
}

}  // namespace tarvis::ui
