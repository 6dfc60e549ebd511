#include "shell/ShellFenster.h"

#include "shell/Anwendung.h"
#include "shell/DruckerDialog.h"
#include "shell/ModusDialog.h"
#include "shell/Projektverzeichnis.h"
#include "shell/SBWahlDialog.h"
#include "shell/SachbearbeiterHinzufuegen.h"
#include "shell/StammdatenDialog.h"
#include "shell/TexteingabeDialog.h"

namespace tarvis::ui {

void shellFensterRegistrieren(Anwendung& a) {
    QtMessageService& ms = a.meldungen();
    ms.registrieren(Fenster::Stammdaten, [&a](QWidget* eltern) {
        StammdatenPresenter p(a.programm(), a.meldungen());
        StammdatenDialog d(p, eltern);
        return d.exec() == QDialog::Accepted;
    });
    ms.registrieren(Fenster::Texteingabe, [&a](QWidget* eltern) {
        TexteingabePresenter p(a.programm(), a.meldungen());
        TexteingabeDialog d(p, eltern);
        return d.exec() == QDialog::Accepted;
    });
    ms.registrieren(Fenster::Modus, [&a](QWidget* eltern) {
        ModusPresenter p(a.programm(), a.meldungen());
        ModusDialog d(p, eltern);
        return d.exec() == QDialog::Accepted;
    });
    // The printer takes DruckSchrift and DruckGroesse when a printout starts.
    ms.registrieren(Fenster::Drucker, [&a](QWidget* eltern) {
        DruckerPresenter p(a.programm());
        DruckerDialog d(p, eltern);
        return d.exec() == QDialog::Accepted;
    });
    ms.registrieren(Fenster::SBWahl, [&a](QWidget* eltern) {
        SBWahlPresenter p(a.programm(), a.meldungen());
        bool gewaehlt = false;
        {
            SBWahlDialog d(p, eltern);
            gewaehlt = d.exec() == QDialog::Accepted;
        }
        p.nachSchliessen();
        return gewaehlt;
    });

    a.presenter().verfuegbarMachen({Befehl::Sachbe, Befehl::SnVep, Befehl::Druckbild, Befehl::PVerz, Befehl::Notiz});
    a.presenter().setzeAktion(Befehl::Sachbe, [&a] { SachbearbeiterHinzufuegen(a.programm(), a.meldungen()); });
    a.presenter().setzeAktion(Befehl::PVerz, [&a] { ProjektverzeichnisErstellen(a.programm(), a.meldungen()); });
}

}  // namespace tarvis::ui
