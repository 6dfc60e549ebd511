#pragma once
#include <array>
#include <string>
#include <vector>

#include "projekt/MessageService.h"
#include "projekt/Programm.h"

namespace tarvis {

// What the result window shows: a grid of four columns (record number,
// quantity, designation, code) under a header row.
struct AusgabeAnsicht {
    std::string titel, weiter;
    std::array<std::string, 4> kopf{};
    std::vector<std::array<std::string, 4>> zeilen;
    // Column widths in the grid's proportion; columns 0 and 1 are right-aligned.
    std::array<int, 4> breiten{600, 600, 3000, 1200};
    // The current cell: the first article row (grid row 1), column 0.
    int aktuelleZeile = 1, aktuelleSpalte = 0;
};

// The code shown in the result window: the part number in part-number mode,
// otherwise the intrusion LIBEX code for panel types 1, 3 and 6 and the fire
// code for every other type. (The printout and the exports choose by
// LIBEXCode, which differs for the types without a panel.)
const std::string& AusgabeCode(const KatSatz& s, const Zustand& z);

// The result window Ausgabe, shown after a calculation that ran to its end.
// Leaving it, by its forward button or its close box, enables the result
// commands of the main window and then shows the report window Hinweis.
class AusgabePresenter {
public:
    AusgabePresenter(Programm& p, MessageService& ms) : p_(p), ms_(ms) {}

    // Fills the grid from the material list (records 6..700 with a quantity).
    void aktivieren();
    const AusgabeAnsicht& ansicht() const { return ansicht_; }
    // The forward button: always closes the window.
    bool weiter() { return true; }
    // Once the window is gone (forward or close box): the result commands
    // and the tool pictures of the main window, then the report window.
    void nachSchliessen();

private:
    Programm& p_;
    MessageService& ms_;
    AusgabeAnsicht ansicht_;
};

}  // namespace tarvis
