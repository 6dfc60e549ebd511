#include "wizard/WizardFenster.h"

#include <memory>

#include "calc/Drucken.h"
#include "shell/Anwendung.h"
#include "wizard/AuswahlDialog.h"
#include "wizard/Eingabefolge.h"
#include "wizard/OLNVernetzDialog.h"
#include "wizard/ZentTypDialog.h"
#include "wizard/ZusaetzeDialog.h"

namespace tarvis::ui {

namespace {

template <class P> void auswahlRegistrieren(Anwendung& a, Fenster f) {
    a.meldungen().registrieren(f, [&a](QWidget* eltern) {
        P presenter(a.programm(), a.meldungen());
        AuswahlDialog d(presenter, eltern);
        return d.exec() == QDialog::Accepted;
    });
}

}  // namespace

void wizardFensterRegistrieren(Anwendung& a) {
    QtMessageService& ms = a.meldungen();

    ms.registrieren(Fenster::ZentTyp, [&a](QWidget* eltern) {
        ZentTypPresenter presenter(a.programm(), a.meldungen());
        ZentTypDialog d(presenter, eltern);
        return d.exec() == QDialog::Accepted;
    });
    auswahlRegistrieren<MG1000Presenter>(a, Fenster::MG1000);
    auswahlRegistrieren<MGEAZPresenter>(a, Fenster::MG_EAZ);
    auswahlRegistrieren<GMAwechselPresenter>(a, Fenster::GMAwechsel);
    auswahlRegistrieren<WEKfragePresenter>(a, Fenster::WEKfrage);
    auswahlRegistrieren<BranotWahlPresenter>(a, Fenster::BranotWahl);

    ms.registrieren(Fenster::OLNVernetz, [&a](QWidget* eltern) {
        OLNVernetzPresenter presenter(a.programm(), a.meldungen());
        OLNVernetzDialog d(presenter, eltern);
        return d.exec() == QDialog::Accepted;
    });

    // Left with forward, the window is only hidden: shown again, it opens on
    // the tab that was in front.
    auto letzterReiter = std::make_shared<int>(0);
    ms.registrieren(Fenster::Zusaetze, [&a, letzterReiter](QWidget* eltern) {
        ZusaetzePresenter presenter(a.programm(), a.meldungen(), *letzterReiter);
        std::set<Fenster> vorhanden;
        for (Fenster f : {Fenster::PERIPH, Fenster::Ex12, Fenster::Ex28})
            if (a.meldungen().hat(f)) vorhanden.insert(f);
        presenter.setzeVorhandeneFenster(vorhanden);
        ZusaetzeDialog d(presenter, eltern);
        bool ok = d.exec() == QDialog::Accepted;
        *letzterReiter = ok ? presenter.reiterVorn() : 0;
        return ok;
    });

    // The Edit menu.
    auto folge = std::make_shared<Eingabefolge>(
        a.programm(), a.meldungen(),
        Eingabefolge::Haken{[&a] { a.presenter().startseiteLoeschen(); },
                            [&a] { a.presenter().ausfuehren(Befehl::Berechnen); },
                            [&a](const Druckauftrag& auftrag) { DruckauftragAusgeben(a, auftrag); }});
    const Befehl bearb[] = {Befehl::Bearb0, Befehl::Bearb1, Befehl::Bearb2, Befehl::Bearb3, Befehl::Bearb4,
                            Befehl::Bearb5, Befehl::Bearb6, Befehl::Bearb7, Befehl::Bearb8, Befehl::Bearb9};
    for (int i = 0; i < 10; ++i) {
        if (i == 5) continue;  // the main window prints the loop entry itself
        a.presenter().setzeAktion(bearb[i], [folge, i] { folge->bearbeiten(i); });
    }
    a.presenter().verfuegbarMachen({Befehl::Neu, Befehl::Bearb0, Befehl::Bearb1, Befehl::Bearb2, Befehl::Bearb3,
                                    Befehl::Bearb4, Befehl::Bearb6, Befehl::Bearb7, Befehl::Bearb8, Befehl::Bearb9,
                                    Befehl::WEKfragen});
}

}  // namespace tarvis::ui
