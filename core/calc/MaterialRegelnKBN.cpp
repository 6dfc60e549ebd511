#include "calc/MaterialRegeln.h"
#include "projekt/Zahlen.h"
#include "projekt/Texte.h"

namespace tarvis::calc {
namespace {

// A record without a designation, or one whose designation begins with
// blanks, is no article that can be ordered (any more).
bool nichtBestellbar(const KatSatz& s) {
    const std::string& b = s.Bezeichnung.str();
    return b.find_first_not_of(' ') == std::string::npos || b.compare(0, 4, "    ") == 0;
}

}  // namespace

void KBNElemente(const Programm& p, Zustand& z, MessageService& ms) {
    for (int i = 504; i <= kMaxSatz; ++i) {
        const auto ui = static_cast<std::size_t>(i);
        const double summe = static_cast<double>(z.KBNMenge1[ui]) + z.KBNMenge2[ui] + z.KBNMenge3[ui] + z.KBNMenge4[ui];
        z.Menge[ui] = alsInteger(summe);
    }

    // Records 500..503 hold nothing in a project of a current panel type;
    // old projects may carry quantities there.
    if (z.AusDatei == 1)
        for (int i = 500; i <= 503; ++i) z.Menge[i] = 0;

    // Elements the catalogue no longer offers are dropped; the user is told
    // only when the project actually held one of them.
    bool geloescht = false;
    for (int i = 504; i <= kMaxSatz; ++i) {
        const auto ui = static_cast<std::size_t>(i);
        if (!nichtBestellbar(p.katalog.satz(i))) continue;
        if (z.Menge[ui] > 0) geloescht = true;
        z.Menge[ui] = 0;
    }
    if (geloescht) ms.meldung(Symbol::Ausrufezeichen, Nr(162));
}

}  // namespace tarvis::calc
