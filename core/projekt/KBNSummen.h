#pragma once
#include <array>
#include <cstdint>

#include "projekt/Katalog.h"
#include "projekt/Zustand.h"

namespace tarvis {

// The loop elements occupy the catalogue records 503..700; 503 is listed and
// summed, while the article quantities, the copy KBNWert and the project
// file cover 504..700.
constexpr int kKBNErster = 503;
constexpr int kKBNUebernahmeErster = 504;
constexpr int kKBNLetzter = 700;

// The running sums of the loop entry (its labels), over the loop elements
// whose Kennung does not begin with "!". Index 1..4 is the loop, index 0 is
// unused. The sums are held wider than the program stores them, so that
// three-digit quantities on many elements cannot wrap around before a limit
// is reported.
struct KBNSummen {
    std::array<std::int64_t, 5> elemente{};  // elements per loop
    std::array<double, 5> strom{};           // loop current at 35 V, mA, a whole number
    std::array<std::int64_t, 5> speicherRLM{}, speicherRAM{};  // program and data memory
    std::int64_t adrEin = 0, adrAus = 0;     // TL 300 input and output addresses (loop 1)
    Single strom28 = 0;                      // 28 V current of all loops, mA
    std::int64_t gesamt = 0;                 // elements of all loops

    friend bool operator==(const KBNSummen&, const KBNSummen&) = default;
};

// Computes the sums from KBNMenge1..4 and the catalogue. The loop current is
// rounded to a whole number after each record (halves to even); a current
// that is not a number counts as endless, so that it fails the limit.
KBNSummen KBNSummenBilden(const Zustand& z, const Katalog& katalog);

// Stores the per-loop sums in SumElem1..4 and SumStrom1..4.
void KBNSummenSetzen(Zustand& z, const KBNSummen& s);

}  // namespace tarvis
