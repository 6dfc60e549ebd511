#pragma once
#include <optional>
#include <string>

#include "projekt/Meldungstext.h"

namespace tarvis {

enum class Symbol { Keins, Information, Ausrufezeichen, Frage, Kritisch };
enum class Schaltflaechen { Ok, JaNein, JaNeinAbbrechen, OkAbbrechen };
enum class Antwort { Keine, Ok, Ja, Nein, Abbrechen };

// The modal windows a presenter can open.
enum class Fenster {
    ZentTyp, MG1000, MG_EAZ, GMAwechsel, WEKfrage, BranotWahl,
    Stammdaten, Texteingabe, Modus, Drucker, Kontakt, SBWahl,
    KBNEIN, Zusaetze, OLNVernetz, HY100, PQSloeschen,
    PERIPH, PeriStrom, Ex12, Ex28,
    PQKSpeisung, PQVSpeisung, PQSPQBsp, DUV100Sp, JUBLSpeis, DXA1000, DXAGeh, PSM300,
    Ausgabe, Hinweis, Speichu, Oeffnen, Oeffnen6, EPOspei, DXAErg, SpeiRep, Listeseh, Sucherg,
    Druckereinrichtung,
    Nachweis,  // the calculation evidence
};

// A message or a question as a value: its text (string numbers and parts),
// icon, title, buttons and default answer. It becomes text in one place,
// Meldungstext::text(), when it is shown.
struct Meldung {
    Meldungstext text;
    Symbol symbol = Symbol::Keins;
    Meldungstext titel;
    Schaltflaechen knoepfe = Schaltflaechen::Ok;
    Antwort standard = Antwort::Keine;
};

// Everything a presenter says to the user or asks of the user goes through
// this interface: the program shows message boxes and windows, the batch tool
// prints the numbers, the tests answer from a script.
class MessageService {
public:
    virtual ~MessageService() = default;

    // A message with OK.
    void meldung(Symbol symbol, Meldungstext text, Meldungstext titel = {}) {
        zeigen(Meldung{std::move(text), symbol, std::move(titel), Schaltflaechen::Ok, Antwort::Keine});
    }
    // A question; returns the button pressed.
    Antwort frage(Meldungstext text, Schaltflaechen knoepfe, Symbol symbol = Symbol::Frage, Meldungstext titel = {},
                  Antwort standard = Antwort::Keine) {
        return fragen(Meldung{std::move(text), symbol, std::move(titel), knoepfe, standard});
    }
    // An input box; nullopt when cancelled.
    std::optional<std::string> eingabe(Meldungstext text, Meldungstext titel = {}, const std::string& vorgabe = {}) {
        return eingeben(Meldung{std::move(text), Symbol::Keins, std::move(titel), Schaltflaechen::OkAbbrechen,
                                Antwort::Keine},
                        vorgabe);
    }

    // What each kind of service does with them.
    virtual void zeigen(const Meldung& m) = 0;
    virtual Antwort fragen(const Meldung& m) = 0;
    virtual std::optional<std::string> eingeben(const Meldung& m, const std::string& vorgabe) = 0;
    // Opens a window modally; true when it was confirmed (forward or OK).
    virtual bool oeffnen(Fenster fenster) = 0;
    // Shows the help page of a context number.
    virtual void hilfe(int kontext) = 0;
    // The short beep for a refused key.
    virtual void piepen() = 0;
};

}  // namespace tarvis
