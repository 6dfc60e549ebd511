#include <array>
#include <cstdint>

#include "calc/MaterialRegeln.h"

namespace tarvis::calc {

// The RW 500 has four mounting positions for add-on modules. The counters
// say how many modules want each position; a position wanted twice needs
// the mounting frame, record 229. The counters are kept wide: they only
// grow, and only "more than one" matters.
void RW500Steckplaetze(Zustand& z) {
    if (!istRW500(z.ZentralenTyp)) return;
    std::array<std::int64_t, 5> p{};  // positions 1..4
    const std::int64_t k = static_cast<std::int64_t>(z.Menge[531]) + z.Menge[509];
    std::int64_t r = k;
    for (std::int64_t durchlauf = 0; durchlauf < k; ++durchlauf) {
        for (std::size_t j : {std::size_t{3}, std::size_t{4}}) {
            if (p[j] < 1 && r >= 1) {
                ++p[j];
                --r;
            }
        }
        if (p[3] < 2 && r >= 1) { ++p[3]; --r; }
        if (p[4] < 2 && r >= 1) { ++p[4]; --r; }
        if (r > 0) p[3] += r;
    }
    const bool sachnummern = z.CodeModus == "S";
    if (sachnummern && z.YAwahl >= 2)
        for (std::size_t j = 1; j <= 4; ++j) ++p[j];
    if (z.MRVNnorm > 0) ++p[1];
    if (z.Schnitt1 == 2) ++p[2];
    if (z.Schnitt2 == 2) ++p[2];
    if (z.Vert20DA == 1) { ++p[2]; ++p[4]; }
    if (z.Vert20DA == 2)
        for (std::size_t j = 1; j <= 4; ++j) ++p[j];
    if (z.RWZusatzkarte == 1) ++p[3];
    for (std::size_t j = 1; j <= 4; ++j)
        if (p[j] > 1) z.Menge[229] = 1;
    if (z.YAwahl > 1) z.Menge[229] = sachnummern ? 1 : 0;
}

}  // namespace tarvis::calc
