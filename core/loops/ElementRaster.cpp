#include "loops/ElementRaster.h"

#include <algorithm>

namespace tarvis {

namespace {

char gross(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool beginntMit(const std::string& text, const std::string& anfang) {
    if (text.size() < anfang.size()) return false;
    for (std::size_t i = 0; i < anfang.size(); ++i)
        if (gross(text[i]) != gross(anfang[i])) return false;
    return true;
}

std::string mengenText(long long q) { return q == 0 ? std::string() : std::to_string(q); }

}  // namespace

ElementRaster::ElementRaster(int mengenSpalten, bool summenSpalte, int boxLaenge, Lesen lesen, Schreiben schreiben)
    : mengenSpalten_(mengenSpalten),
      summenSpalte_(summenSpalte),
      nutzbar_(mengenSpalten),
      lesen_(std::move(lesen)),
      schreiben_(std::move(schreiben)),
      boxRegel_{0, true, false, boxLaenge, false},
      boxTexte_(static_cast<std::size_t>(mengenSpalten)) {}

void ElementRaster::aufbauen(const Katalog& katalog, const RasterAufbau& a) {
    zeilen_.clear();
    for (int i = a.von; i <= a.bis; ++i) {
        const KatSatz& s = katalog.satz(i);
        if (a.nurMitAdressen && s.AdrEin == 0 && s.AdrAus == 0) continue;
        RasterZeile z;
        z.satz = i;
        const std::string& name = s.Bezeichnung.str();
        // A spacer has no designation either; it is told apart by its type
        // before blank records are left out.
        if (s.Typ == "U") {
            z.art = RasterZeilenArt::Abstand;
            z.artikel = " ";
            z.bezeichnung = " ";
        } else if (name.substr(0, 5).find_first_not_of(' ') == std::string::npos) {
            continue;  // blank, or no longer delivered
        } else if (name[0] >= '1' && name[0] <= '9') {
            z.art = RasterZeilenArt::Ueberschrift;
            z.bezeichnung = s.Bezeichnung.trimmed();
        } else {
            z.artikel = std::to_string(i);
            z.bezeichnung = s.Bezeichnung.trimmed();
            z.code = a.sachnummer ? s.Sachnummer.trimmed() : (a.brandCode ? s.LIBEXBrand : s.LIBEXIntr).trimmed();
        }
        zeilen_.push_back(std::move(z));
    }
    suche_.clear();
    zeile_ = zeilen_.empty() ? -1 : 0;
    spalte_ = kErsteMengenSpalte;
    boxenLaden();
}

void ElementRaster::setzeNutzbareSpalten(int n) {
    nutzbar_ = std::clamp(n, 1, mengenSpalten_);
    spalte_ = std::min(spalte_, kErsteMengenSpalte + nutzbar_ - 1);
}

std::string ElementRaster::zelle(int r, int c) const {
    const RasterZeile& z = zeile(r);
    switch (c) {
    case 0: return z.artikel;
    case 1: return z.bezeichnung;
    case 2: return z.code;
    default: break;
    }
    if (istMengenSpalte(c)) return mengenText(lesen_(z.satz, c - kErsteMengenSpalte));
    if (summenSpalte_ && c == kErsteMengenSpalte + mengenSpalten_) return mengenText(zeilenSumme(r));
    return {};
}

long long ElementRaster::zeilenSumme(int r) const {
    long long s = 0;
    for (int k = 0; k < mengenSpalten_; ++k) s += lesen_(zeile(r).satz, k);
    return s;
}

void ElementRaster::waehlen(int r, int c) {
    suche_.clear();
    if (zeilen_.empty()) return;
    zeile_ = std::clamp(r, 0, zeilen() - 1);
    spalte_ = std::clamp(c, kErsteMengenSpalte, kErsteMengenSpalte + nutzbar_ - 1);
    boxenLaden();
}

const RasterZeile* ElementRaster::gewaehlt() const {
    if (zeile_ < 0 || zeile_ >= zeilen()) return nullptr;
    return &zeilen_[static_cast<std::size_t>(zeile_)];
}

bool ElementRaster::eingabeMoeglich() const {
    const RasterZeile* z = gewaehlt();
    return z && z->art == RasterZeilenArt::Element;
}

std::optional<int> ElementRaster::zeileVon(int satz) const {
    for (int r = 0; r < zeilen(); ++r)
        if (zeile(r).satz == satz) return r;
    return std::nullopt;
}

RasterTaste ElementRaster::taste(char32_t c) {
    if (c >= U'0' && c <= U'9') {
        int k = gewaehlteMenge();
        if (!boxAktiv(k)) return RasterTaste::Keine;
        std::string ziffer(1, static_cast<char>(c));
        boxTexte_[static_cast<std::size_t>(k)] = ziffer;
        boxText(k, ziffer);
        return RasterTaste::Ziffer;
    }
    if ((c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z')) {
        suche_ += gross(static_cast<char>(c));
        for (int r = 0; r < zeilen(); ++r) {
            if (beginntMit(zeile(r).bezeichnung, suche_)) {
                zeile_ = r;
                boxenLaden();
                return RasterTaste::Gefunden;
            }
        }
        return RasterTaste::Suche;
    }
    if (c == U'\b') {
        if (!suche_.empty()) suche_.pop_back();
        return RasterTaste::Suche;
    }
    return RasterTaste::Keine;
}

ZaehlAnsicht ElementRaster::boxAnsicht(int k) const {
    ZaehlAnsicht a;
    a.text = boxTexte_.at(static_cast<std::size_t>(k));
    a.maxLaenge = boxRegel_.maxLaenge;
    a.aktiv = boxAktiv(k);
    a.mitBalken = false;
    return a;
}

bool ElementRaster::boxTaste(char32_t c, MessageService& ms) const {
    if (ZaehlTasteErlaubt(boxRegel_, c)) return true;
    ms.piepen();
    return false;
}

bool ElementRaster::boxText(int k, std::string_view text) {
    boxTexte_.at(static_cast<std::size_t>(k)) = std::string(text);
    const RasterZeile* z = gewaehlt();
    if (!z || z->art != RasterZeilenArt::Element) return false;
    schreiben_(z->satz, k, std::max(ZaehlWert(text), 0));
    // The selection returns to the box's column, which ends a quick search.
    spalte_ = kErsteMengenSpalte + k;
    suche_.clear();
    return true;
}

bool ElementRaster::boxPfeil(int k, int richtung) {
    int neu = k + richtung;
    if (neu < 0 || neu >= nutzbar_) return false;
    suche_.clear();
    spalte_ = kErsteMengenSpalte + neu;
    return true;
}

void ElementRaster::boxenLaden() {
    const RasterZeile* z = gewaehlt();
    for (int k = 0; k < mengenSpalten_; ++k) {
        bool element = z && z->art == RasterZeilenArt::Element;
        boxTexte_[static_cast<std::size_t>(k)] = element ? mengenText(lesen_(z->satz, k)) : std::string();
    }
}

}  // namespace tarvis
