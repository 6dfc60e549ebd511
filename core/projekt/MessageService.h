#pragma once
#include <optional>
#include <string>

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
};

// Everything a presenter says to the user or asks of the user goes through
// this interface: the program shows message boxes and windows, the tests
// answer from a script.
class MessageService {
public:
    virtual ~MessageService() = default;

    // A message with OK.
    virtual void meldung(Symbol symbol, const std::string& text, const std::string& titel = {}) = 0;
    // A question; returns the button pressed.
    virtual Antwort frage(const std::string& text, Schaltflaechen knoepfe, Symbol symbol = Symbol::Frage,
                          const std::string& titel = {}, Antwort standard = Antwort::Keine) = 0;
    // An input box; nullopt when cancelled.
    virtual std::optional<std::string> eingabe(const std::string& text, const std::string& titel = {},
                                               const std::string& vorgabe = {}) = 0;
    // Opens a window modally; true when it was confirmed (forward or OK).
    virtual bool oeffnen(Fenster fenster) = 0;
    // Shows the help page of a context number.
    virtual void hilfe(int kontext) = 0;
    // The short beep for a refused key.
    virtual void piepen() = 0;
};

}  // namespace tarvis
