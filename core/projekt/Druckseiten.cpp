#include "projekt/Druckseiten.h"

#include <algorithm>

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

Spaltenbereich SpaltenVon(const Druckauftrag& auftrag) {
    Spaltenbereich b{0, 0};
    for (const auto& seite : auftrag.seiten)
        for (const auto& zeile : seite.zeilen) {
            const std::string text = ZeileAlsText(zeile);
            const auto anfang = text.find_first_not_of(' ');
            if (anfang == std::string::npos) continue;
            const int erste = static_cast<int>(anfang) + 1;  // blanks are one byte each
            b.erste = b.erste == 0 ? erste : std::min(b.erste, erste);
            b.letzte = std::max(b.letzte, static_cast<int>(io::utf8Length(text)));
        }
    if (b.erste == 0) b.erste = 1;
    return b;
}

namespace {

bool leer(const DruckZeile& zeile) {
    return std::all_of(zeile.begin(), zeile.end(),
                       [](const DruckText& t) { return t.text.find_first_not_of(' ') == std::string::npos; });
}

}  // namespace

std::vector<Blatt> AufBlaetter(const DruckSeite& seite, const std::function<int(const DruckZeile&)>& hoehe,
                               int zeilenProBlatt) {
    const std::size_t n = seite.zeilen.size();
    std::vector<int> h(n);
    std::vector<bool> frei(n);
    for (std::size_t i = 0; i < n; ++i) {
        h[i] = std::max(1, hoehe(seite.zeilen[i]));
        frei[i] = leer(seite.zeilen[i]);
    }
    const int platz = std::max(1, zeilenProBlatt);
    auto blockEnde = [&](std::size_t i) {
        while (i < n && !frei[i]) ++i;
        return i;
    };
    auto reihen = [&](std::size_t von, std::size_t bis) {
        int r = 0;
        for (std::size_t i = von; i < bis; ++i) r += h[i];
        return r;
    };
    // A one-line block, one empty line, then a block: a heading and what it
    // introduces.
    auto ueberschrift = [&](std::size_t i) {
        const std::size_t ende = blockEnde(i);
        return ende == i + 1 && ende + 1 < n && frei[ende] && !frei[ende + 1];
    };
    // The rows that must stand on one sheet from the block at line i on (0
    // when they are more than a sheet holds), and where that group ends.
    auto gruppe = [&](std::size_t i) {
        std::size_t ende = blockEnde(i);
        int noetig = reihen(i, ende);
        if (ueberschrift(i)) {
            const std::size_t folgende = blockEnde(ende + 1);
            const int ganz = reihen(i, folgende);
            noetig = ganz <= platz ? ganz : reihen(i, ende + 2);
            ende = folgende;
        }
        return std::pair{noetig <= platz ? noetig : 0, ende};
    };

    std::vector<Blatt> blaetter{Blatt{0, 0}};
    int belegt = 0;
    std::size_t gruppenEnde = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (!frei[i] && i >= gruppenEnde) {
            const auto [noetig, ende] = gruppe(i);
            gruppenEnde = ende;
            if (noetig > 0 && belegt > 0 && belegt + noetig > platz) {
                blaetter.back().bis = i;
                blaetter.push_back({i, i});
                belegt = 0;
            }
        }
        if (belegt > 0 && belegt + h[i] > platz) {
            blaetter.back().bis = i;
            blaetter.push_back({i, i});
            belegt = 0;
        }
        // No empty line at the top of a sheet that a break started.
        if (belegt == 0 && frei[i] && blaetter.size() > 1) {
            blaetter.back().von = i + 1;
            continue;
        }
        belegt += h[i];
    }
    blaetter.back().bis = n;
    for (auto& b : blaetter) b.von = std::min(b.von, b.bis);
    return blaetter;
}

}  // namespace tarvis
