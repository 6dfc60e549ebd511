#include "calc/CalcFenster.h"

#include <memory>
#include <optional>

#include "calc/ArtikellisteDialog.h"
#include "calc/AusgabeDialog.h"
#include "calc/Auswerten.h"
#include "calc/DXAErgDialog.h"
#include "calc/Drucken.h"
#include "calc/EPOspeiDialog.h"
#include "calc/Ergebnisliste.h"
#include "calc/Exportdateien.h"
#include "calc/HinweisDialog.h"
#include "calc/SpeiRepDialog.h"
#include "shell/Anwendung.h"
#include "shell/Dateiliste.h"
#include "shell/Oeffnen6Dialog.h"
#include "shell/OeffnenDialog.h"
#include "shell/SpeichernAblauf.h"
#include "shell/SpeichuDialog.h"
#include "shell/Texte.h"

namespace tarvis::ui {

namespace {

// The print command of the main window and of the report window.
void ergebnislisteDrucken(Anwendung& a) {
    if (auto auftrag = ErgebnislisteDrucken(a.programm(), a.meldungen())) DruckauftragAusgeben(a, *auftrag);
}

void ergebnisFensterRegistrieren(Anwendung& a) {
    QtMessageService& ms = a.meldungen();
    // A calculation that stopped (interface check, supply proposal not
    // confirmed, no panel type) shows no result window.
    auto berechnet = std::make_shared<std::optional<bool>>();
    a.presenter().setzeAktion(Befehl::Berechnen,
                              [&a, berechnet] { *berechnet = Auswerten(a.programm(), a.meldungen()); });
    ms.registrieren(Fenster::Ausgabe, [&a, berechnet](QWidget* eltern) {
        const bool zeigen = berechnet->value_or(true);
        berechnet->reset();
        if (!zeigen) return false;
        AusgabePresenter p(a.programm(), a.meldungen());
        {
            AusgabeDialog d(p, eltern);
            d.exec();
        }
        p.nachSchliessen();
        return true;
    });
    ms.registrieren(Fenster::Hinweis, [&a](QWidget* eltern) {
        HinweisPresenter p(a.programm(), a.meldungen(), [&a] { ergebnislisteDrucken(a); });
        HinweisDialog d(p, eltern);
        d.exec();
        return true;
    });
    ms.registrieren(Fenster::DXAErg, [&a](QWidget* eltern) {
        DXAErgDialog d(DXAErgAktivieren(a.programm().z), eltern);
        d.exec();
        return true;
    });
    a.presenter().setzeAktion(Befehl::Drucken, [&a] { ergebnislisteDrucken(a); });
}

void dateiFensterRegistrieren(Anwendung& a) {
    QtMessageService& ms = a.meldungen();
    auto startseite = [&a] { a.presenter().startseiteLoeschen(); };
    // The label beside the name box of the save-as window.
    auto endung = std::make_shared<std::string>(".PLM");

    ms.registrieren(Fenster::Speichu, [&a, endung, startseite](QWidget* eltern) {
        SpeichuPresenter p(a.programm(), a.meldungen(), *endung, startseite);
        bool ok = false;
        {
            SpeichuDialog d(p, eltern);
            ok = d.exec() == QDialog::Accepted;
        }
        p.nachSchliessen();
        return ok;
    });
    ms.registrieren(Fenster::Oeffnen, [&a](QWidget* eltern) {
        OeffnenPresenter p(a.programm(), a.meldungen());
        OeffnenDialog d(p, eltern);
        return d.exec() == QDialog::Accepted;
    });
    ms.registrieren(Fenster::Oeffnen6, [&a](QWidget* eltern) {
        Verknuepfung v(a.programm(), a.meldungen());
        const std::string start = DialogStartverzeichnis(a.programm(), a.meldungen()).string();
        Oeffnen6Dialog d(v, a.meldungen(), start, eltern);
        return d.exec() == QDialog::Accepted;
    });
    ms.registrieren(Fenster::EPOspei, [&a](QWidget* eltern) {
        EPOspeiPresenter p(a.programm());
        EPOspeiDialog d(p, eltern);
        return d.exec() == QDialog::Accepted;
    });
    ms.registrieren(Fenster::SpeiRep, [&a](QWidget* eltern) {
        SpeiRepDialog d(SpeiRepNachSpeichern(a.programm().z), eltern);
        d.exec();
        return true;
    });

    a.presenter().setzeAktion(Befehl::Speichern, [&a, startseite] { Speichern(a.programm(), a.meldungen(), startseite); });
    auto prn = [&a, endung](PRNModus modus) {
        PRNDatei(a.programm(), a.meldungen(), modus, [&a, endung] {
            *endung = ".PRN";
            a.meldungen().oeffnen(Fenster::Speichu);
            *endung = ".PLM";
        });
    };
    a.presenter().setzeAktion(Befehl::PRN1, [prn] { prn(PRNModus::Text); });
    a.presenter().setzeAktion(Befehl::PRN2, [prn] { prn(PRNModus::Tabelle); });
}

void artikelFensterRegistrieren(Anwendung& a) {
    QtMessageService& ms = a.meldungen();
    ms.registrieren(Fenster::Listeseh, [&a](QWidget* eltern) {
        ArtikellisteDialog d(ListesehAktivieren(a.programm()), eltern);
        d.exec();
        return true;
    });
    ms.registrieren(Fenster::Sucherg, [&a](QWidget* eltern) {
        ArtikellisteDialog d(SuchergAktivieren(a.programm()), eltern);
        d.exec();
        return true;
    });
    a.presenter().setzeAktion(Befehl::ArtSuch, [&a] { ArtikelsucheAblauf(a.programm(), a.meldungen()); });
    // The main window has shown the code-mode and focus windows already.
    a.presenter().setzeAktion(Befehl::ListeDru, [&a] {
        if (a.meldungen().frage(Text(286), Schaltflaechen::JaNein, Symbol::Frage, {}, Antwort::Keine) == Antwort::Ja)
            DruckauftragAusgeben(a, ArtikellisteSeiten(a.programm()));
    });
}

}  // namespace

void calcFensterRegistrieren(Anwendung& a) {
    ergebnisFensterRegistrieren(a);
    dateiFensterRegistrieren(a);
    artikelFensterRegistrieren(a);
    a.presenter().verfuegbarMachen({Befehl::Oeffnen, Befehl::Speichern, Befehl::SpeichernUnter, Befehl::Drucken,
                                    Befehl::PRN1, Befehl::PRN2, Befehl::Verknuepfen, Befehl::ListeSeh,
                                    Befehl::ListeDru, Befehl::ArtSuch, Befehl::Uebergabe});
}

}  // namespace tarvis::ui
