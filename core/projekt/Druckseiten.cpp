#include "projekt/Druckseiten.h"

#include "io/Cp1252.h"

namespace tarvis {

Druckauftrag& Druckauftrag::zeile() {
    seiten.back().zeilen.emplace_back();
    return *this;
}

Druckauftrag& Druckauftrag::bei(int spalte, std::string text) {
    if (seiten.back().zeilen.empty()) zeile();
    seiten.back().zeilen.back().push_back({spalte, std::move(text)});
    return *this;
}

Druckauftrag& Druckauftrag::leer(int n) {
    for (int i = 0; i < n; ++i) zeile();
    return *this;
}

Druckauftrag& Druckauftrag::neueSeite() {
    seiten.emplace_back();
    return *this;
}

void AnSpalte(std::string& zeile, int spalte, std::string_view text) {
    if (text.empty()) return;
    auto laenge = io::utf8Length(zeile);
    auto ziel = static_cast<std::size_t>(spalte > 1 ? spalte - 1 : 0);
    if (laenge < ziel) zeile.append(ziel - laenge, ' ');
    else if (laenge > ziel) zeile += ' ';
    zeile += text;
}

std::string ZeileAlsText(const DruckZeile& zeile) {
    std::string out;
    for (const auto& t : zeile) AnSpalte(out, t.spalte, t.text);
    return out;
}

std::string AlsText(const Druckauftrag& auftrag) {
    std::string out;
    for (std::size_t s = 0; s < auftrag.seiten.size(); ++s) {
        if (s > 0) out += '\f';
        for (const auto& z : auftrag.seiten[s].zeilen) {
            out += ZeileAlsText(z);
            out += '\n';
        }
    }
    return out;
}

}  // namespace tarvis
