#pragma once
#include <optional>
#include <vector>

#include "projekt/Zustand.h"

namespace tarvis {

// One term of the current budget as the calculation adds it: the label (a
// string-table number, or a catalogue record whose designation names it),
// the quantity (none for a sum carried over, such as the loop current), the
// current of one at its voltage, and what the term adds to its sum. In the
// quiescent and alarm sums a 28 V or 35 V current counts as its 12 V
// equivalent; in the loop and 28 V sums it counts as it is.
struct Stromterm {
    int text = 0;
    int satz = 0;
    std::optional<double> menge;
    double einzel = 0;
    int volt = 12;
    bool gerundet = false;  // the rule rounds the value to whole mA
    double mA = 0;          // negative where the rule takes the current off
};

// The load of the panel's own peripheral outputs against their limits;
// beyond them the fuse distributor is listed.
struct Ausgangslast {
    double last12 = 0, grenze12 = 0, last28 = 0, grenze28 = 0;
};

// What the current budget adds up, term by term, for the calculation
// evidence. `ruhe` and `alarm` hold the 12 V terms of IRuhe (before its
// reserve) and IAlarm; `kbn35` and `v28` the terms of the loop current
// IKBN35 and of the 28 V current I28 up to the point where they are turned
// into 12 V.
struct Stromprotokoll {
    std::vector<Stromterm> ruhe, alarm, kbn35, v28;
    Single ruheVorReserve = 0;
    Single alarmVorAnhebung = 0;
    bool alarmAngehoben = false;  // IAlarm was raised to IRuhe
    std::optional<Ausgangslast> ausgaenge;
};

}  // namespace tarvis
