#include "projekt/Zaehleingabe.h"

#include <algorithm>

namespace tarvis {

int ZaehlWert(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negativ = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negativ = text[i] == '-';
        ++i;
    }
    long wert = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        wert = wert * 10 + (text[i] - '0');
        if (wert > 32768) wert = 32768;
    }
    if (negativ) wert = -wert;
    return static_cast<int>(std::clamp(wert, -32768L, 32767L));
}

bool ZaehlTasteErlaubt(const ZaehlRegel& r, char32_t zeichen) {
    if (!r.nurZiffern) return true;
    return zeichen >= U'0' && zeichen <= U'9';
}

bool Zaehlbox::taste(char32_t zeichen, MessageService& ms) const {
    if (ZaehlTasteErlaubt(regel_, zeichen)) return true;
    ms.piepen();
    return false;
}

int Zaehlbox::textAendern(std::string_view text, int grenze) {
    text_ = std::string(text);
    int wert = ZaehlWert(text);
    if (wert < 0) {
        wert = 0;
        text_ = "0";
    }
    if (wert > grenze) {
        wert = grenze;
        text_ = std::to_string(grenze);
    }
    return wert;
}

ZaehlAnsicht Zaehlbox::ansicht(int wert, bool aktiv, int maximum) const {
    ZaehlAnsicht a;
    a.text = text_;
    a.wert = std::clamp(wert, 0, std::max(maximum, 0));
    a.maximum = std::max(maximum, 0);
    a.maxLaenge = regel_.maxLaenge;
    a.aktiv = aktiv;
    a.mitBalken = regel_.mitBalken;
    return a;
}

}  // namespace tarvis
