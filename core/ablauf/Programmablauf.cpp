#include "ablauf/Programmablauf.h"

#include "ablauf/NachweisPresenter.h"
#include "ablauf/OeffnenPresenter.h"
#include "ablauf/SpeichernAblauf.h"
#include "ablauf/SpeichuPresenter.h"
#include "ablauf/Verknuepfen.h"
#include "calc/Auswerten.h"
#include "calc/Ergebnisliste.h"
#include "calc/Exportdateien.h"
#include "einstellungen/SachbearbeiterHinzufuegen.h"
#include "projekt/Dateiliste.h"
#include "projekt/Projektverzeichnis.h"
#include "projekt/Texte.h"

namespace tarvis {

Programmablauf::Programmablauf(Programm& p, MessageService& meldungen, Ansichten& ansichten)
    : p_(p),
      ansichten_(ansichten),
      weiter_(meldungen, *this),
      menue_(p, weiter_),
      folge_(p, weiter_,
             Eingabefolge::Haken{[this] { menue_.startseiteLoeschen(); },
                                 [this] { menue_.ausfuehren(Befehl::Berechnen); },
                                 [this](const Druckauftrag& auftrag) { ansichten_.drucken(auftrag); }}) {
    befehleSetzen();
}

void Programmablauf::befehleSetzen() {
    Menue1Presenter& m = menue_;
    MessageService& ms = weiter_;
    std::set<Befehl> alle;
    for (int b = static_cast<int>(Befehl::Neu); b <= static_cast<int>(Befehl::Berechnen); ++b)
        alle.insert(static_cast<Befehl>(b));
    m.setzeVerfuegbar(alle);

    // The project: calculation, print, save and the PRN files.
    m.setzeAktion(Befehl::Berechnen, [this] { berechnet_ = Auswerten(p_, weiter_); });
    m.setzeAktion(Befehl::Drucken, [this] { drucken(); });
    m.setzeAktion(Befehl::Speichern, [this] { Speichern(p_, weiter_, [this] { menue_.startseiteLoeschen(); }); });
    m.setzeAktion(Befehl::PRN1, [this] { prnDatei(PRNModus::Text); });
    m.setzeAktion(Befehl::PRN2, [this] { prnDatei(PRNModus::Tabelle); });

    // The article list: the main window has shown the code-mode and focus
    // windows already.
    m.setzeAktion(Befehl::ArtSuch, [this] { ArtikelsucheAblauf(p_, weiter_); });
    m.setzeAktion(Befehl::ListeDru, [this] {
        if (weiter_.frage(Nr(286), Schaltflaechen::JaNein, Symbol::Frage, {}, Antwort::Keine) == Antwort::Ja)
            ansichten_.drucken(ArtikellisteSeiten(p_));
    });

    // The Edit menu; the main window prints the loop entry (item 5) itself.
    for (int i = 0; i < 10; ++i) {
        if (i == 5) continue;
        m.setzeAktion(static_cast<Befehl>(static_cast<int>(Befehl::Bearb0) + i), [this, i] { folge_.bearbeiten(i); });
    }
    m.setzeDruckausgabe([this](const Druckauftrag& auftrag) { ansichten_.drucken(auftrag); });

    // Applications.
    m.setzeAktion(Befehl::Sachbe, [this, &ms] { SachbearbeiterHinzufuegen(p_, ms); });
    m.setzeAktion(Befehl::PVerz, [this, &ms] { ProjektverzeichnisErstellen(p_, ms); });
}

// The print command of the main window and of the report window.
void Programmablauf::drucken() {
    if (auto auftrag = ErgebnislisteDrucken(p_, weiter_)) ansichten_.drucken(*auftrag);
}

// A PRN file is saved under a name of its own: the save-as window shows
// ".PRN" beside the name box meanwhile.
void Programmablauf::prnDatei(PRNModus modus) {
    PRNDatei(p_, weiter_, modus, [this] {
        speichuEndung_ = ".PRN";
        fenster(Fenster::Speichu);
        speichuEndung_ = ".PLM";
    });
}

namespace {

template <class P> bool mitMeldungen(Ansichten& a, Fenster f, Programm& p, MessageService& ms) {
    P presenter(p, ms);
    return a.zeigen(f, presenter);
}

}  // namespace

bool Programmablauf::fenster(Fenster f) {
    Ansichten& a = ansichten_;
    MessageService& ms = weiter_;
    switch (f) {
    // Master data, remarks and settings.
    case Fenster::Stammdaten: return mitMeldungen<StammdatenPresenter>(a, f, p_, ms);
    case Fenster::Texteingabe: return mitMeldungen<TexteingabePresenter>(a, f, p_, ms);
    case Fenster::Modus: return mitMeldungen<ModusPresenter>(a, f, p_, ms);
    case Fenster::Drucker: {
        DruckerPresenter presenter(p_);
        return a.zeigen(f, presenter);
    }
    case Fenster::SBWahl: {
        SBWahlPresenter presenter(p_, ms);
        const bool gewaehlt = a.zeigen(f, presenter);
        presenter.nachSchliessen();
        return gewaehlt;
    }
    case Fenster::Druckereinrichtung: return a.druckerEinrichten();
    case Fenster::Kontakt:
        a.kontakt(p_.z.PrgVersion);
        return true;

    // The panel type and the input windows of the wizard.
    case Fenster::ZentTyp: return mitMeldungen<ZentTypPresenter>(a, f, p_, ms);
    case Fenster::MG1000: return mitMeldungen<MG1000Presenter>(a, f, p_, ms);
    case Fenster::MG_EAZ: return mitMeldungen<MGEAZPresenter>(a, f, p_, ms);
    case Fenster::GMAwechsel: return mitMeldungen<GMAwechselPresenter>(a, f, p_, ms);
    case Fenster::WEKfrage: return mitMeldungen<WEKfragePresenter>(a, f, p_, ms);
    case Fenster::BranotWahl: return mitMeldungen<BranotWahlPresenter>(a, f, p_, ms);
    case Fenster::OLNVernetz: return mitMeldungen<OLNVernetzPresenter>(a, f, p_, ms);
    case Fenster::HY100: return mitMeldungen<HY100Presenter>(a, f, p_, ms);
    case Fenster::PQSloeschen: return mitMeldungen<PQSloeschenPresenter>(a, f, p_, ms);
    case Fenster::Zusaetze: {
        ZusaetzePresenter presenter(p_, ms, zusaetzeReiter_);
        presenter.setzeVorhandeneFenster({Fenster::PERIPH, Fenster::Ex12, Fenster::Ex28});
        const bool ok = a.zeigen(f, presenter);
        // Left with forward, the window was only hidden: it comes back on the
        // tab that was in front.
        zusaetzeReiter_ = ok ? presenter.reiterVorn() : 0;
        return ok;
    }

    // The loop entry closes before its follow-up windows open; when a check
    // after them refuses, it comes back with everything entered.
    case Fenster::KBNEIN: {
        KBNEINPresenter presenter(p_, ms);
        for (;;) {
            if (!a.zeigen(f, presenter)) return false;
            if (presenter.nachSchliessen()) return true;
        }
    }
    case Fenster::PQKSpeisung: return mitMeldungen<PQKSpeisungPresenter>(a, f, p_, ms);
    case Fenster::PQVSpeisung: {
        PQVSpeisungPresenter presenter(p_);
        return a.zeigen(f, presenter);
    }
    case Fenster::PQSPQBsp: return mitMeldungen<PQSPQBspPresenter>(a, f, p_, ms);
    case Fenster::DUV100Sp: return mitMeldungen<DUV100SpPresenter>(a, f, p_, ms);
    case Fenster::JUBLSpeis: return mitMeldungen<JUBLSpeisPresenter>(a, f, p_, ms);
    case Fenster::DXAGeh: return mitMeldungen<DXAGehPresenter>(a, f, p_, ms);
    case Fenster::PSM300: return mitMeldungen<PSM300Presenter>(a, f, p_, ms);
    case Fenster::DXA1000: return mitMeldungen<DXA1000Presenter>(a, f, p_, ms);
    case Fenster::PERIPH: return mitMeldungen<PERIPHPresenter>(a, f, p_, ms);
    case Fenster::Ex12:
    case Fenster::Ex28: {
        ExtPresenter presenter(p_, ms, f == Fenster::Ex12 ? ExtSpannung::V12 : ExtSpannung::V28);
        return a.zeigen(f, presenter);
    }
    case Fenster::PeriStrom: {
        PeriStromPresenter presenter(p_, ms, periStrom_);
        return a.zeigen(f, presenter);
    }

    // Results, files and the article list.
    case Fenster::Ausgabe: {
        const bool zeigen = berechnet_.value_or(true);
        berechnet_.reset();
        if (!zeigen) return false;
        AusgabePresenter presenter(p_, ms);
        a.zeigen(f, presenter);
        presenter.nachSchliessen();
        return true;
    }
    case Fenster::Hinweis: {
        HinweisPresenter presenter(p_, ms, [this] { drucken(); });
        a.zeigen(f, presenter);
        return true;
    }
    case Fenster::DXAErg:
        a.zeigen(f, DXAErgAktivieren(p_.z));
        return true;
    case Fenster::Nachweis: {
        // A standby time taken over is calculated as the calculation
        // command does it; the result window does not follow.
        NachweisPresenter presenter(
            p_, ms, [this](const Druckauftrag& auftrag) { ansichten_.drucken(auftrag); },
            [this] { Auswerten(p_, weiter_); });
        a.zeigen(f, presenter);
        return true;
    }
    case Fenster::Speichu: {
        SpeichuPresenter presenter(p_, ms, speichuEndung_, [this] { menue_.startseiteLoeschen(); });
        const bool ok = a.zeigen(f, presenter);
        presenter.nachSchliessen();
        return ok;
    }
    case Fenster::Oeffnen: return mitMeldungen<OeffnenPresenter>(a, f, p_, ms);
    case Fenster::Oeffnen6: {
        Verknuepfung v(p_, ms);
        return a.zeigen(f, v, DialogStartverzeichnis(p_, ms).string());
    }
    case Fenster::EPOspei: {
        EPOspeiPresenter presenter(p_);
        return a.zeigen(f, presenter);
    }
    case Fenster::SpeiRep:
        a.zeigen(f, SpeiRepNachSpeichern(p_.z));
        return true;
    case Fenster::Listeseh:
        a.zeigen(f, ListesehAktivieren(p_));
        return true;
    case Fenster::Sucherg:
        a.zeigen(f, SuchergAktivieren(p_));
        return true;
    }
    return false;
}

}  // namespace tarvis
