#pragma once
#include <array>
#include <map>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "projekt/Druckseiten.h"
#include "projekt/MessageService.h"
#include "projekt/Programm.h"
#include "projekt/Version.h"

namespace tarvis {

// The commands of the main window: menu items and tool pictures.
enum class Befehl {
    Neu, Oeffnen, Speichern, SpeichernUnter, DruckerEinrichten, Drucken, Nachweis, PRN1, PRN2, Verknuepfen, PVerz, Ende,
    Bearb0, Bearb1, Bearb2, Bearb3, Bearb4, Bearb5, Bearb6, Bearb7, Bearb8, Bearb9,
    ListeSeh, ListeDru, ArtSuch, SnVep, Sachbe, Uebergabe, WEKfragen, Druckbild,
    Hilfe, Kurz, Neues, Finden, Kontakt,
    // Not menu items: the remarks picture and the calculation with its result.
    Notiz, Berechnen,
};

struct MenueEintrag {
    Befehl befehl;
    std::string text;
    bool aktiv = true;
};

struct MenueGruppe {
    std::string text;
    // An entry without a text is a separator.
    std::vector<std::optional<MenueEintrag>> eintraege;
};

struct Werkzeug {
    Befehl befehl;
    std::string name;  // picture name: neu, oeffnen, drucken, projekt, speichern, zeigen, notiz
    std::string hinweis;
    bool sichtbar = true;
};

// What the main window shows.
struct Menue1Ansicht {
    std::string titel;
    std::vector<MenueGruppe> menues;
    std::vector<Werkzeug> werkzeuge;
    bool startseite = true;
    // Start screen labels; empty once the start screen is cleared.
    std::string proHilfe, tarvis, kvt1, kvt2, rw, tl, strom, wachen, version, hersteller, abteilung;
};

// Everything start-up needs from outside the core.
struct StartUmgebung {
    std::filesystem::path programmVerzeichnis;
    std::optional<std::string> sachbearbeiterArgument;
    Datum heute;
    Datum buildDatum;
    int hauptversion = kHauptversion, nebenversion = kNebenversion, revision = kRevision;
    // Stores the program directory for the order configurator (per-user store).
    std::function<void(const std::string& app, const std::string& section, const std::string& key,
                       const std::string& value)>
        registrieren;
};

// The behaviour of the main window Menue1: start-up, captions and enabling,
// the new-project and exit sequences, and the dispatch of every command.
class Menue1Presenter {
public:
    Menue1Presenter(Programm& p, MessageService& ms);

    // The start-up sequence. False when the program has to end (catalogue
    // files missing or defective).
    bool starten(const StartUmgebung& u);

    // What the window does when it becomes active again (title and panel name).
    void aktivieren();
    Menue1Ansicht ansicht() const;
    std::string titel() const;

    // Commands built so far; the others stay disabled.
    void setzeVerfuegbar(std::set<Befehl> befehle) { verfuegbar_ = std::move(befehle); }
    void verfuegbarMachen(std::initializer_list<Befehl> befehle) { verfuegbar_.insert(befehle); }
    // Actions that are not windows (save, print, exports ...) are handed in by
    // the layer that owns them.
    void setzeAktion(Befehl b, std::function<void()> aktion) { aktionen_[b] = std::move(aktion); }

    // Runs a command; for Ende the return value tells whether the program ends.
    bool ausfuehren(Befehl b);
    void startseiteLoeschen() {
        bool war = startseite_;
        startseite_ = false;
        if (war && beiStartseiteGeloescht_) beiStartseiteGeloescht_();
    }
    // The view repaints at once, before the command's window opens.
    void setzeBeiStartseiteGeloescht(std::function<void()> f) { beiStartseiteGeloescht_ = std::move(f); }
    bool startseite() const { return startseite_; }

    // Where printouts go (the view's printer).
    void setzeDruckausgabe(std::function<void(const Druckauftrag&)> f) { druckausgabe_ = std::move(f); }

    // The new-project sequence.
    void neu();
    // The loop entry printout (Edit item 5, and the input sequence right
    // after the loop entry): question 361/362, then the job to the printer.
    void kbnDrucken();
    // The exit command; true when the program ends.
    bool beenden();
    // The window's close box; true when the window may close.
    bool schliessen();

private:
    bool aktiv(Befehl b) const;
    bool beendenAblauf(bool ausSchliessfeld);
    // Question 67 "save input?" with Yes, No and Cancel, titled with the
    // string `titel` of the command that asks (exit or open).
    Antwort sichernFragen(int titel);
    // The answer carried out: Yes saves; true when the command may go on
    // (No, or Yes and the project was saved).
    bool gesichert(Antwort antwort);
    void hilfe(int kontext);
    void fensterBefehl(Befehl b);

    Programm& p_;
    MessageService& ms_;
    bool startseite_ = true;
    std::set<Befehl> verfuegbar_;
    std::map<Befehl, std::function<void()>> aktionen_;
    std::function<void()> beiStartseiteGeloescht_;
    std::function<void(const Druckauftrag&)> druckausgabe_;
};

}  // namespace tarvis
