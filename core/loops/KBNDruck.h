#pragma once
#include <optional>

#include "projekt/Druckseiten.h"
#include "projekt/Arbeitsplatz.h"
#include "projekt/MessageService.h"
#include "projekt/Programm.h"

namespace tarvis {

// The printed loop entry: header, the element and current sums per loop and
// one line per loop element (records 503..700, headings and empty records
// left out) with its total and its quantity on each of the four loops;
// `vollstaendig` prints every element, otherwise only those entered. The
// sums are brought up to date first (SumElem1..4, SumStrom1..4).
Druckauftrag KBNDruckSeiten(Programm& p, bool vollstaendig, const Zeitstempel& t);

// The print routine of Edit item 5 and of the input sequence after the loop
// entry: asks 361/362 (Yes the complete list, No the entered elements,
// Cancel nothing); before printing, the sum routine with its limit check.
std::optional<Druckauftrag> KBNDrucken(Programm& p, MessageService& ms, const Zeitstempel& t = Zeitstempel::jetzt());

}  // namespace tarvis
