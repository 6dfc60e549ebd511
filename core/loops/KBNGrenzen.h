#pragma once
#include <optional>
#include <string>

#include "projekt/KBNSummen.h"
#include "projekt/MessageService.h"
#include "projekt/Zustand.h"

namespace tarvis {

// The limits of a KBN loop, checked in this order: elements per loop,
// current per loop, at a TL 300 its input and output addresses, then the
// program and data memory of the loops (loops 2 and 4 sit on the larger
// half of a loop card and may hold twice as much).
constexpr int kMaxElementeJeLoop = 127;
constexpr int kMaxStromJeLoop = 100;  // mA at 35 V
constexpr int kMaxAdrEinTL300 = 140;
constexpr int kMaxAdrAusTL300 = 64;
constexpr int kMaxRLMLoop13 = 4352;
constexpr int kMaxRLMTL300 = 1000;
constexpr int kMaxRLMLoop24 = 8704;
constexpr int kMaxRAMLoop13 = 8191;
constexpr int kMaxRAMLoop24 = 16383;

// The message of the first limit the sums exceed, or nothing when every
// limit is kept.
std::optional<Meldungstext> KBNGrenzmeldung(const KBNSummen& s, int zentralenTyp);

// The limit check of the loop entry: the first exceeded limit shows its
// message (exclamation icon) and the check fails. When every limit is kept,
// KBNWert is refilled from the loop quantities.
bool KBNGrenzenPruefen(Zustand& z, const KBNSummen& s, MessageService& ms);

// Clears KBNWert and copies KBNMenge1..4 of the records 504..700 into it:
// KBNWert(a, i, b) is the quantity of record i on loop 2(a - 1) + b.
void KBNWertFuellen(Zustand& z);

}  // namespace tarvis
