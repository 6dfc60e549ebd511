#pragma once
#include <algorithm>
#include <cstddef>

#include "projekt/Zustand.h"

namespace tarvis::test {

// Puts q elements of record i on loop k (1..4), as the loop entry does.
inline void schleife(Zustand& z, int k, int i, int q) {
    z.KBNMenge(k)[i] += q;
    z.KBNWert((k + 1) / 2, i, (k - 1) % 2 + 1) += q;
    // The list holds 16 bits; a damaged file can hold more on the loops.
    z.Menge[i] = static_cast<Integer>(std::min(z.Menge[i] + q, 32767));
}

}  // namespace tarvis::test
