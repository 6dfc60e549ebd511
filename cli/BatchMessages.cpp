#include "BatchMessages.h"

#include "loops/DXAGehPruefung.h"
#include "shell/Texte.h"

namespace tarvis::cli {
namespace {

// Entries shorter than this ("Sì", "?") would match anything.
constexpr std::size_t kMindestLaenge = 4;
// The table is numbered densely from 1, and the program's own texts from
// 2000; after this many unused numbers in a row a block has no more entries.
constexpr int kLuecke = 500;

const std::vector<int>& tabellenNummern() {
    static const std::vector<int> nummern = [] {
        std::vector<int> n;
        for (int anfang : {1, 2000}) {
            for (int i = anfang, letzte = anfang - 1; i - letzte <= kLuecke; ++i) {
                if (!TextVorhanden(i)) continue;
                letzte = i;
                if (Text(i).size() >= kMindestLaenge) n.push_back(i);
            }
        }
        return n;
    }();
    return nummern;
}

}  // namespace

BatchMessages::BatchMessages(Programm& p, std::ostream& fehler) : p_(p), fehler_(fehler) {}

int BatchMessages::nummerVon(const std::string& text) {
    auto besser = [&](int kandidat, int bisher) {
        if (bisher == 0) return true;
        const std::size_t lk = Text(kandidat).size(), lb = Text(bisher).size();
        if (lk != lb) return lk > lb;
        // The same text under two numbers: a message usually goes on with the
        // entry that follows its own.
        const bool fk = TextVorhanden(kandidat + 1) && text.find(Text(kandidat + 1)) != std::string::npos;
        const bool fb = TextVorhanden(bisher + 1) && text.find(Text(bisher + 1)) != std::string::npos;
        return fk && !fb;
    };
    int anfang = 0, enthalten = 0;
    for (int n : tabellenNummern()) {
        const std::string& t = Text(n);
        if (text.compare(0, t.size(), t) == 0) {
            if (besser(n, anfang)) anfang = n;
        } else if (t.size() >= 2 * kMindestLaenge && text.find(t) != std::string::npos) {
            if (besser(n, enthalten)) enthalten = n;
        }
    }
    return anfang != 0 ? anfang : enthalten;
}

void BatchMessages::ausgeben(const std::string& text) {
    const int nummer = nummerVon(text);
    if (nummer != 0) nummern_.push_back(nummer);
    std::string zeile = text;
    for (std::size_t pos = 0; (pos = zeile.find('\n', pos)) != std::string::npos;) zeile.replace(pos, 1, " / ");
    fehler_ << (nummer != 0 ? std::to_string(nummer) : std::string("-")) << ": " << zeile << "\n";
}

void BatchMessages::meldung(Symbol, const std::string& text, const std::string&) { ausgeben(text); }

Antwort BatchMessages::frage(const std::string& text, Schaltflaechen knoepfe, Symbol, const std::string&,
                             Antwort standard) {
    ausgeben(text);
    if (standard != Antwort::Keine) return standard;
    switch (knoepfe) {
    case Schaltflaechen::Ok:
    case Schaltflaechen::OkAbbrechen:
        return Antwort::Ok;
    default:
        return Antwort::Ja;
    }
}

std::optional<std::string> BatchMessages::eingabe(const std::string& text, const std::string&, const std::string&) {
    ausgeben(text);
    return std::nullopt;
}

bool BatchMessages::oeffnen(Fenster fenster) {
    switch (fenster) {
    case Fenster::JUBLSpeis:
    case Fenster::Modus:
        return true;
    case Fenster::DXAGeh:
        DXAGehVorschlagUebernehmen(p_.z);
        if (dxa) p_.z.AnzDXA = static_cast<Integer>(*dxa);
        if (zolw) p_.z.AnzZOLW = static_cast<Integer>(*zolw);
        return DXAGehWeiter(p_.z, *this);
    default:
        return false;
    }
}

}  // namespace tarvis::cli
