#include "projekt/KBNSummen.h"

#include <cmath>
#include <limits>

#include "projekt/Saettigung.h"

namespace tarvis {

KBNSummen KBNSummenBilden(const Zustand& z, const Katalog& katalog) {
    KBNSummen s;
    const bool tl300 = istTL300(z.ZentralenTyp);
    Single strom28 = 0;
    for (int i = kKBNErster; i <= kKBNLetzter; ++i) {
        const KatSatz& satz = katalog.satz(i);
        // Accessories without an address ("!") take no place on the loop.
        if (satz.Kennung.str().starts_with('!')) continue;
        std::int64_t q[5] = {0, 0, 0, 0, 0};
        std::int64_t alle = 0;
        for (int k = 1; k <= 4; ++k) {
            q[k] = z.KBNMenge(k)[i];
            alle += q[k];
        }
        for (int k = 1; k <= 4; ++k) {
            auto ku = static_cast<std::size_t>(k);
            s.elemente[ku] += q[k];
            // Only a loop that holds the element takes its current: a damaged
            // record (a current that is no number) must not spoil the others.
            if (q[k] != 0) {
                double strom = s.strom[ku] + static_cast<double>(satz.Strom35) * static_cast<double>(q[k]);
                s.strom[ku] = std::isnan(strom) ? HUGE_VAL : std::nearbyint(strom);
            }
            s.speicherRAM[ku] += q[k] * satz.SpeicherRAM;
            if (!tl300) s.speicherRLM[ku] += q[k] * satz.SpeicherRLM;
        }
        // A TL 300 has one loop; its program memory counts per element at a TL 300.
        if (tl300) s.speicherRLM[1] += q[1] * satz.SpeicherRLMTL;
        // The 28 V sum is a Single: rounded to float after each record.
        if (alle != 0) {
            double summe28 = static_cast<double>(strom28) + static_cast<double>(satz.Strom28) * static_cast<double>(alle);
            // Beyond the range of a Single the sum is endless, not a wrapped value.
            if (std::fabs(summe28) > static_cast<double>(std::numeric_limits<Single>::max()))
                summe28 = std::copysign(HUGE_VAL, summe28);
            strom28 = static_cast<Single>(summe28);
        }
        s.adrEin += q[1] * satz.AdrEin;
        s.adrAus += q[1] * satz.AdrAus;
    }
    s.strom28 = strom28;
    s.gesamt = s.elemente[1] + s.elemente[2] + s.elemente[3] + s.elemente[4];
    return s;
}

void KBNSummenSetzen(Zustand& z, const KBNSummen& s) {
    z.SumElem1 = gesaettigt<Long>(s.elemente[1]);
    z.SumElem2 = gesaettigt<Long>(s.elemente[2]);
    z.SumElem3 = gesaettigt<Long>(s.elemente[3]);
    z.SumElem4 = gesaettigt<Long>(s.elemente[4]);
    z.SumStrom1 = gesaettigt<Long>(s.strom[1]);
    z.SumStrom2 = gesaettigt<Long>(s.strom[2]);
    z.SumStrom3 = gesaettigt<Long>(s.strom[3]);
    z.SumStrom4 = gesaettigt<Long>(s.strom[4]);
}

}  // namespace tarvis
