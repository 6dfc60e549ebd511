#include "ablauf/Menue1Presenter.h"

#include <system_error>

#include "io/TextFile.h"
#include "loops/KBNDruck.h"
#include "projekt/Arbeitsplatz.h"
#include "projekt/Einstellungen.h"
#include "projekt/Texte.h"

namespace tarvis {

namespace fs = std::filesystem;

namespace {

bool brauchtProjekt(Befehl b) {
    switch (b) {
    case Befehl::Speichern: case Befehl::SpeichernUnter: case Befehl::Drucken: case Befehl::PRN1:
    case Befehl::PRN2: case Befehl::Bearb1: case Befehl::Bearb3: case Befehl::Bearb4: case Befehl::Bearb8:
        return true;
    default:
        return false;
    }
}

Meldungstext fehlerText(int nummer, const std::string& beschreibung) {
    return Nr(394) + " " + std::to_string(nummer) + "\n" + beschreibung;
}

}  // namespace

Menue1Presenter::Menue1Presenter(Programm& p, MessageService& ms) : p_(p), ms_(ms) {}

bool Menue1Presenter::starten(const StartUmgebung& u) {
    Zustand& z = p_.z;
    p_.verzeichnis = u.programmVerzeichnis;

    // 1. Version.
    z.PrgVersion = VersionText(u.hauptversion, u.nebenversion, u.revision);
    z.VersionMin = "98.4";
    z.VersionMax = z.PrgVersion.substr(0, 4);

    // 2. Code mode from the language; 3./4. centring and captions are the view's.
    z.CodeModus = z.Sprache == 1 ? "V" : "S";
    z.ProjCodeModus = z.CodeModus;
    z.PQVspeis = 1;
    z.MGEAZ = 2;

    // 5. Print font defaults.
    if (z.DruckGroesse == 0) z.DruckGroesse = 12;
    if (z.DruckSchrift.empty()) z.DruckSchrift = "Courier NEW";

    // 6. An old build reminds the user to ask for a new version.
    if (MonateZwischen(u.buildDatum, u.heute) > 6)
        ms_.meldung(Symbol::Ausrufezeichen, Nr(342) + "\n" + Nr(343) + "\n" + Nr(344));

    try {
        // 9. The order configurator finds the program directory here.
        if (u.registrieren) u.registrieren("OKTA", "PRO", "TARVIS", Kleinbuchstaben(p_.verzeichnis.string()));

        // 10. The catalogue; without it the program cannot work.
        z.ArtDatei = p_.datei("TARVIS.ART").string();
        auto kat = Katalog::oeffnen(z.ArtDatei);
        if (!kat || !kat->vollstaendig()) {
            ms_.meldung(Symbol::Kritisch, Nr(45) + "\n" + Nr(91));
            return false;
        }
        p_.katalog = std::move(*kat);

        // 11. Workstation kind; 12. the settings of the single-user workstation.
        z.Arbeitsplatz = RechnerLesen(p_.datei("RECHNER.DAT"));
        bool einstellungenGelesen = KonfigDateiLesen(p_.datei("PERS.DAT"), z);
        z.ParaSpeichern = 0;

        // 13. After a version change the German catalogue shows what is new.
        // Only settings actually read tell of a version change: a multi-user
        // workstation deletes PERS.DAT at every exit and checks the clerk's
        // own file when it is read.
        if (einstellungenGelesen && DeutscherKatalog(p_.katalog) && z.KonfigVersion.substr(0, 4) != z.VersionMax)
            ms_.hilfe(3);

        // 14. The printer takes its font when printing; the code mode must be S or V.
        if (z.CodeModus != "S" && z.CodeModus != "V") z.CodeModus = "V";

        // 15. The element current table.
        auto estrom = EStromLesen(p_.datei("ESTROMK.DAT"));
        if (!estrom) {
            ms_.meldung(Symbol::Kritisch, Nr(51) + "\n" + Nr(91));
            return false;
        }
        p_.estrom = *estrom;

        // 16.
        ProjektZuruecksetzen(z);

        // 17. A project directory must exist.
        fs::path projekte = p_.datei("PROJEKTE");
        std::error_code ec;
        if (fs::is_directory(projekte, ec)) {
            // A first start without settings works in the folder that is there.
            if (z.ProjPfad.empty()) z.ProjPfad = projekte.string();
        } else {
            if (ms_.frage(Nr(87) + "\n" + projekte.string(), Schaltflaechen::JaNein) == Antwort::Ja) {
                fs::create_directory(projekte);
                if (z.ProjPfad.empty()) z.ProjPfad = projekte.string();
            } else {
                auto pfad = ms_.eingabe(Nr(314));
                if (!pfad || pfad->empty()) return true;
                fs::path neu(*pfad);
                if (neu.is_relative()) neu = p_.verzeichnis / neu;
                fs::create_directories(neu);
                z.ProjPfad = neu.string();
            }
        }

        // 18. A multi-user workstation chooses the clerk.
        if (z.Arbeitsplatz == 2) {
            if (!u.sachbearbeiterArgument) {
                ms_.oeffnen(Fenster::SBWahl);
            } else {
                z.KonfigDatei = Grossbuchstaben(*u.sachbearbeiterArgument) + ".KON";
                KonfigLesen(p_, ms_);
            }
        }
    } catch (const fs::filesystem_error& e) {
        ms_.meldung(Symbol::Kritisch, fehlerText(75, e.code().message()));
    }
    return true;
}

void Menue1Presenter::aktivieren() {
    Zustand& z = p_.z;
    // Refreshing the title also refreshes the panel's display name, which the
    // report and the printouts read (without flagging an error for the
    // standalone parts).
    if (z.ProjektGeladen == 1 || z.StammdatenOK == 1) z.ZentralenName = ZentralenNameFuer(z.ZentralenTyp);
}

std::string Menue1Presenter::titel() const {
    const Zustand& z = p_.z;
    if (z.ProjektGeladen == 1 || z.StammdatenOK == 1) {
        std::string t = "TARVIS  -  " + ZentralenNameFuer(z.ZentralenTyp);
        if (z.ZentralenTyp < 7) t += "  -  " + z.Projektname;
        return t;
    }
    return z.Hauptfenstertitel;
}

bool Menue1Presenter::aktiv(Befehl b) const {
    if (b == Befehl::Ende) return true;
    if (!verfuegbar_.count(b)) return false;
    // OLN networking: only the KVT 2000 types have it; a confirmed networking
    // window enables it before the project commands are.
    if (b == Befehl::Bearb8)
        return istKVT2000(p_.z.ZentralenTyp) &&
               (p_.z.ProjektBefehleAktiv != 0 || p_.z.OLNMenueAktiv != 0);
    // The loop entry items: a confirmed loop entry enables them before the
    // project commands are; the standalone parts have no loop entry and no
    // additional functions.
    const bool autark = istAutark(p_.z.ZentralenTyp);
    if (b == Befehl::Bearb4 || b == Befehl::Bearb5)
        return !autark && (p_.z.ProjektBefehleAktiv != 0 || p_.z.KBNMenueAktiv != 0);
    if (b == Befehl::Bearb7) return !autark;
    if (brauchtProjekt(b) && p_.z.ProjektBefehleAktiv == 0) return false;
    // The evidence shows a calculation: an opened project has none yet.
    if (b == Befehl::Nachweis) return p_.z.ProjektBefehleAktiv != 0 && p_.z.Berechnet != 0;
    if (b == Befehl::Bearb9 && !istKVT1000(p_.z.ZentralenTyp)) return false;
    return true;
}

Menue1Ansicht Menue1Presenter::ansicht() const {
    Menue1Ansicht a;
    a.titel = titel();
    auto e = [&](Befehl b, int text) { return std::optional<MenueEintrag>(MenueEintrag{b, Text(text), aktiv(b)}); };
    const std::optional<MenueEintrag> trenner;

    a.menues.push_back({Text(5),
                        {e(Befehl::Neu, 6), e(Befehl::Oeffnen, 7), e(Befehl::Speichern, 8),
                         e(Befehl::SpeichernUnter, 9), trenner, e(Befehl::DruckerEinrichten, 19),
                         e(Befehl::Drucken, 10), e(Befehl::Nachweis, 2141), trenner, e(Befehl::PRN1, 315),
                         e(Befehl::PRN2, 316),
                         e(Befehl::Verknuepfen, 755), trenner, e(Befehl::PVerz, 11), e(Befehl::Ende, 12)}});
    MenueGruppe bearb{Text(14), {}};
    const int bearbTexte[] = {21, 23, 22, 24, 31, 26, 25, 32, 156, 357};
    for (int i = 0; i < 10; ++i)
        bearb.eintraege.push_back(e(static_cast<Befehl>(static_cast<int>(Befehl::Bearb0) + i), bearbTexte[i]));
    a.menues.push_back(bearb);
    a.menues.push_back({Text(27), {e(Befehl::ListeSeh, 28), e(Befehl::ListeDru, 29), e(Befehl::ArtSuch, 30)}});
    a.menues.push_back({Text(33),
                        {e(Befehl::SnVep, 34), e(Befehl::Sachbe, 36), e(Befehl::Uebergabe, 303),
                         e(Befehl::WEKfragen, 388), e(Befehl::Druckbild, 318)}});
    a.menues.push_back({Text(37),
                        {e(Befehl::Hilfe, 38), e(Befehl::Kurz, 304), e(Befehl::Neues, 305), e(Befehl::Finden, 306),
                         std::optional<MenueEintrag>(MenueEintrag{Befehl::Kontakt, "&Kontakt", aktiv(Befehl::Kontakt)})}});

    bool projekt = p_.z.ProjektBefehleAktiv != 0;
    a.werkzeuge = {
        {Befehl::Neu, "neu", Text(686), true},
        {Befehl::Oeffnen, "oeffnen", Text(687), true},
        {Befehl::Drucken, "drucken", Text(688), projekt},
        {Befehl::Bearb0, "projekt", Text(689), true},
        {Befehl::Speichern, "speichern", Text(690), projekt},
        {Befehl::Bearb1, "zeigen", Text(23), projekt},
        {Befehl::Notiz, "notiz", Text(691), projekt},
    };

    a.startseite = startseite_;
    if (startseite_) {
        a.proHilfe = Text(2);
        a.tarvis = "TARVIS";
        a.kvt1 = "KVT 1000";
        a.kvt2 = "KVT 2000";
        a.rw = "RW 500";
        a.tl = "TL 300";
        a.strom = Text(4);
        a.wachen = Text(18);
        a.version = "Version: " + p_.z.PrgVersion;
        a.hersteller = "NORVEK Sicherheitstechnik";
        a.abteilung = "Planung und Projektierung";
    }
    return a;
}

void Menue1Presenter::hilfe(int kontext) {
    startseiteLoeschen();
    ms_.hilfe(kontext);
}

void Menue1Presenter::fensterBefehl(Befehl b) {
    auto it = aktionen_.find(b);
    if (it != aktionen_.end() && it->second) it->second();
}

bool Menue1Presenter::ausfuehren(Befehl b) {
    if (!aktiv(b) && b != Befehl::Notiz && b != Befehl::Berechnen) return false;
    Zustand& z = p_.z;
    switch (b) {
    case Befehl::Neu:
        startseiteLoeschen();
        neu();
        break;
    case Befehl::Oeffnen:
        startseiteLoeschen();
        // Opening replaces the project: unsaved input is offered for saving first.
        if (z.Bearbeitet == 1 && !gesichert(sichernFragen(46))) break;
        if (ms_.oeffnen(Fenster::Oeffnen)) ms_.oeffnen(Fenster::Stammdaten);
        break;
    case Befehl::SpeichernUnter:
        startseiteLoeschen();
        ms_.oeffnen(Fenster::Speichu);
        break;
    case Befehl::DruckerEinrichten:
        ms_.oeffnen(Fenster::Druckereinrichtung);
        break;
    case Befehl::Drucken:
        if (z.CodeModus != z.ProjCodeModus) {
            ms_.meldung(Symbol::Ausrufezeichen, Nr(178));
            break;
        }
        startseiteLoeschen();
        fensterBefehl(b);
        break;
    case Befehl::Verknuepfen:
        z.WeiterOK = 0;
        if (ms_.oeffnen(Fenster::Oeffnen6)) {
            z.Verknuepft = 1;
            ms_.oeffnen(Fenster::Hinweis);
        }
        break;
    case Befehl::Ende:
        return beenden();
    case Befehl::ListeSeh:
    case Befehl::ListeDru:
        z.WeiterOK = 0;
        if (!ms_.oeffnen(Fenster::Modus)) break;
        if (z.CodeModus == "V" && !ms_.oeffnen(Fenster::BranotWahl)) break;
        if (b == Befehl::ListeSeh) ms_.oeffnen(Fenster::Listeseh);
        else fensterBefehl(b);
        break;
    case Befehl::SnVep:
        startseiteLoeschen();
        ms_.oeffnen(Fenster::Modus);
        break;
    case Befehl::Uebergabe: ms_.oeffnen(Fenster::EPOspei); break;
    case Befehl::Nachweis:
        startseiteLoeschen();
        ms_.oeffnen(Fenster::Nachweis);
        break;
    case Befehl::WEKfragen: ms_.oeffnen(Fenster::WEKfrage); break;
    case Befehl::Druckbild: ms_.oeffnen(Fenster::Drucker); break;
    case Befehl::Kontakt: ms_.oeffnen(Fenster::Kontakt); break;
    case Befehl::Hilfe: hilfe(1); break;
    case Befehl::Kurz: hilfe(2); break;
    case Befehl::Neues: hilfe(3); break;
    case Befehl::Finden: hilfe(4); break;
    case Befehl::Notiz:
        startseiteLoeschen();
        ms_.oeffnen(Fenster::Texteingabe);
        break;
    case Befehl::Bearb5:
        z.Bearbeitet = 1;
        startseiteLoeschen();
        kbnDrucken();
        break;
    default:
        // Save, exports, the Edit items, the project directory, clerks and the
        // article search are actions of their own layers.
        startseiteLoeschen();
        fensterBefehl(b);
        break;
    }
    return false;
}

void Menue1Presenter::neu() {
    Zustand& z = p_.z;
    if (z.ProjektGeladen == 0 && (z.ZentralenTyp == 0 || z.ZentralenTypBest == 0)) {
        z.ZentralenTypAlt = z.ZentralenTyp;
        z.WeiterOK = 0;
        if (!ms_.oeffnen(Fenster::ZentTyp)) return;
    } else {
        startseiteLoeschen();
        if (z.ZentralenTyp > 0) ms_.oeffnen(Fenster::GMAwechsel);
        // A change of panel type that was not completed leaves no panel: the
        // input windows have nothing to work on.
        if (z.ZentralenTyp == 0) return;
    }
    z.Bearbeitet = 1;
    if (istDXA1000(z.ZentralenTyp)) {
        ms_.oeffnen(Fenster::DXA1000);
        return;
    }
    if (istPeriStrom(z.ZentralenTyp)) {
        ms_.oeffnen(Fenster::PeriStrom);
        return;
    }
    if (z.Projektname == "Projekt1" || z.Projektname.empty()) {
        z.Projektname = "Projekt1";
        z.WeiterOK = 0;
        if (!ms_.oeffnen(Fenster::Stammdaten)) return;
    }
    if (z.Sachbearbeiter.empty()) {
        z.Sachbearbeiter = "Nobody";
        z.WeiterOK = 0;
        if (!ms_.oeffnen(Fenster::Stammdaten)) return;
    }
    z.WeiterOK = 0;
    if (!ms_.oeffnen(Fenster::Modus)) return;
    // However the loop entry was left, its printout is offered before the
    // additional functions.
    ms_.oeffnen(Fenster::KBNEIN);
    kbnDrucken();
    z.WeiterOK = 0;
    if (!ms_.oeffnen(Fenster::Zusaetze)) {
        startseiteLoeschen();
        return;
    }
    fensterBefehl(Befehl::Berechnen);
    ms_.oeffnen(Fenster::Ausgabe);
    z.Bearbeitet = 1;
}

bool Menue1Presenter::beenden() { return beendenAblauf(false); }
bool Menue1Presenter::schliessen() { return beendenAblauf(true); }

void Menue1Presenter::kbnDrucken() {
    if (auto auftrag = KBNDrucken(p_, ms_))
        if (druckausgabe_) druckausgabe_(*auftrag);
}

// Titled as the exit while a project is being opened, the question would
// look as if the program were ending.
Antwort Menue1Presenter::sichernFragen(int titel) {
    return ms_.frage(Nr(67), Schaltflaechen::JaNeinAbbrechen, Symbol::Frage, Nr(titel));
}

bool Menue1Presenter::gesichert(Antwort antwort) {
    if (antwort == Antwort::Nein) return true;
    if (antwort != Antwort::Ja) return false;
    // A save that refuses (178, a failed write, a cancelled save-as) keeps
    // the project where it is.
    p_.z.SpeichAbbruch = 0;
    fensterBefehl(Befehl::Speichern);
    return p_.z.SpeichAbbruch == 0;
}

bool Menue1Presenter::beendenAblauf(bool /*ausSchliessfeld*/) {
    Zustand& z = p_.z;
    // Only the answer given now counts: an answer from an earlier, cancelled
    // exit must not keep the program open later.
    Antwort antwort = Antwort::Keine;
    if (z.Bearbeitet == 1) antwort = sichernFragen(66);

    // The settings are written on every way out (also the close box) and
    // also when the exit is cancelled, so that a changed font or code mode
    // is not lost.
    EinstellungenSpeichern(p_);
    if (z.Arbeitsplatz == 2) {
        std::error_code ec;
        fs::remove(p_.datei("PERS.DAT"), ec);
    }
    if (antwort != Antwort::Keine && !gesichert(antwort)) return false;
    // The markers of this run go on every way out: one left behind would tell
    // the other clerks that someone is still working.
    BelegtLoeschen(p_);
    return true;
}

}  // namespace tarvis
