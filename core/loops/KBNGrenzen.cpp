#include "loops/KBNGrenzen.h"

#include "projekt/Meldungstext.h"
#include "projekt/Texte.h"

namespace tarvis {

namespace {

Meldungstext meldung(int text, int grenze, const std::string& einheit = {}) {
    return Nr(text) + std::to_string(grenze) + einheit + Nr(154);
}

}  // namespace

std::optional<Meldungstext> KBNGrenzmeldung(const KBNSummen& s, int zentralenTyp) {
    const bool tl300 = istTL300(zentralenTyp);
    for (int k = 1; k <= 4; ++k)
        if (s.elemente[static_cast<std::size_t>(k)] > kMaxElementeJeLoop) return meldung(153, kMaxElementeJeLoop);
    for (int k = 1; k <= 4; ++k)
        if (s.strom[static_cast<std::size_t>(k)] > kMaxStromJeLoop) return meldung(173, kMaxStromJeLoop, " mA");
    if (tl300 && s.adrEin > kMaxAdrEinTL300) return meldung(165, kMaxAdrEinTL300);
    if (tl300 && s.adrAus > kMaxAdrAusTL300) return meldung(180, kMaxAdrAusTL300);
    const int rlm13 = tl300 ? kMaxRLMTL300 : kMaxRLMLoop13;
    if (s.speicherRLM[1] > rlm13 || s.speicherRLM[3] > rlm13) return meldung(236, rlm13);
    if (s.speicherRLM[2] > kMaxRLMLoop24 || s.speicherRLM[4] > kMaxRLMLoop24) return meldung(236, kMaxRLMLoop24);
    if (s.speicherRAM[1] > kMaxRAMLoop13 || s.speicherRAM[3] > kMaxRAMLoop13) return meldung(237, kMaxRAMLoop13);
    if (s.speicherRAM[2] > kMaxRAMLoop24 || s.speicherRAM[4] > kMaxRAMLoop24) return meldung(237, kMaxRAMLoop24);
    return std::nullopt;
}

bool KBNGrenzenPruefen(Zustand& z, const KBNSummen& s, MessageService& ms) {
    if (auto m = KBNGrenzmeldung(s, z.ZentralenTyp)) {
        ms.meldung(Symbol::Ausrufezeichen, *m);
        return false;
    }
    KBNWertFuellen(z);
    return true;
}

void KBNWertFuellen(Zustand& z) {
    z.KBNWert.loeschen();
    for (int a = 1; a <= 2; ++a)
        for (int i = kKBNUebernahmeErster; i <= kKBNLetzter; ++i)
            for (int b = 1; b <= 2; ++b) z.KBNWert(a, i, b) = z.KBNMenge(2 * (a - 1) + b)[static_cast<std::size_t>(i)];
}

}  // namespace tarvis
