#include "calc/Artikelliste.h"

#include "projekt/Format.h"
#include "io/Cp1252.h"
#include "projekt/Arbeitsplatz.h"
#include "projekt/Texte.h"

namespace tarvis {
namespace {

bool sachnummernModus(std::string_view codeModus) { return codeModus == "S"; }

std::string ohneEndblanks(const std::string& s) {
    auto e = s.find_last_not_of(' ');
    return e == std::string::npos ? std::string() : s.substr(0, e + 1);
}

}  // namespace

bool ArtikelUeberschrift(const KatSatz& s) { return s.Bezeichnung.str().find(".)") != std::string::npos; }

bool ArtikelGezeigt(const KatSatz& s, std::string_view codeModus, std::string_view schwerpunkt) {
    if (s.Bezeichnung.str().starts_with("     ")) return false;
    if (ArtikelUeberschrift(s)) return true;
    if (s.Sachnummer.str().starts_with("    ")) return false;
    if (!sachnummernModus(codeModus) && LIBEXCodeSchwerpunkt(s, schwerpunkt).starts_with("    ")) return false;
    return true;
}

const std::string& ArtikellisteCode(const KatSatz& s, std::string_view codeModus, std::string_view schwerpunkt) {
    return sachnummernModus(codeModus) ? s.Sachnummer.str() : LIBEXCodeSchwerpunkt(s, schwerpunkt);
}

ListesehAnsicht ListesehAktivieren(const Programm& p) {
    const Zustand& z = p.z;
    ListesehAnsicht a;
    a.titel = Text(265);
    a.kopfNummer = Text(104);
    a.kopfBezeichnung = Text(105);
    a.kopfCode = Text(sachnummernModus(z.CodeModus.str()) ? 106 : 107);
    for (int i = 6; i <= kMaxSatz; ++i) {
        const KatSatz& s = p.katalog.satz(i);
        if (!ArtikelGezeigt(s, z.CodeModus.str(), z.Schwerpunkt.str())) continue;
        ArtikelZeile zeile;
        zeile.satz = i;
        zeile.bezeichnung = s.Bezeichnung.str();
        if (!ArtikelUeberschrift(s)) {
            zeile.nummer = std::to_string(i) + " ";
            zeile.code = ArtikellisteCode(s, z.CodeModus.str(), z.Schwerpunkt.str());
        }
        a.zeilen.push_back(std::move(zeile));
    }
    return a;
}

bool Punkttext(std::string_view eingabe) {
    if (eingabe.find('.') == std::string_view::npos) return false;
    return eingabe.find_first_not_of("0123456789.") == std::string_view::npos;
}

bool SuchformatGueltig(std::string_view eingabe, std::string_view codeModus) {
    if (!Punkttext(eingabe)) return true;
    if (!sachnummernModus(codeModus)) return false;
    // Aligned at the right end of #.###.###.###: the last character falls on
    // position 13.
    const std::size_t n = eingabe.size();
    if (n > 13) return false;
    for (std::size_t j = 0; j < n; ++j) {
        if (eingabe[j] != '.') continue;
        std::size_t pos = 14 - n + j;
        if (pos != 2 && pos != 6 && pos != 10) return false;
    }
    return true;
}

std::vector<Suchtreffer> ArtikelSuchen(const Katalog& k, std::string_view eingabe, std::string_view codeModus,
                                       std::string_view schwerpunkt) {
    const std::string t = Grossbuchstaben(std::string(eingabe));
    const bool sachnummern = sachnummernModus(codeModus);
    const bool punkte = Punkttext(t);
    const std::size_t laenge = io::utf8Length(t);
    std::vector<Suchtreffer> treffer;
    if (t.empty()) return treffer;
    for (int i = 6; i <= kMaxSatz; ++i) {
        const KatSatz& s = k.satz(i);
        const std::string& feld = ArtikellisteCode(s, codeModus, schwerpunkt);
        const std::string code = Grossbuchstaben(ohneEndblanks(feld));
        const std::string bezeichnung = Grossbuchstaben(s.Bezeichnung.str());
        bool passt = code == t || bezeichnung.find(t) != std::string::npos;
        if (sachnummern) {
            passt = passt || (laenge == 5 && code.ends_with(t)) || (punkte && code.ends_with(t));
        } else {
            // The position key: characters 6..9 of the LIBEX code.
            passt = passt || (laenge == 4 && code.size() >= 9 && code.substr(5, 4) == t);
        }
        if (passt) treffer.push_back({Format(i, "000"), s.Bezeichnung.str(), feld});
    }
    return treffer;
}

void ArtikelsucheAblauf(Programm& p, MessageService& ms) {
    Zustand& z = p.z;
    if (!ms.oeffnen(Fenster::Modus)) return;
    if (!sachnummernModus(z.CodeModus.str())) ms.oeffnen(Fenster::BranotWahl);
    std::string vorgabe;
    for (;;) {
        const bool sachnummern = sachnummernModus(z.CodeModus.str());
        const Meldungstext frage = Nr(466) + "\n(" + Nr(467) + "\n" + Nr(sachnummern ? 468 : 471) + ")";
        auto eingabe = ms.eingabe(frage, {}, vorgabe);
        vorgabe.clear();
        if (!eingabe || eingabe->empty()) return;
        if (!SuchformatGueltig(*eingabe, z.CodeModus.str())) {
            ms.meldung(Symbol::Ausrufezeichen, Nr(470));
            vorgabe = *eingabe;
            continue;
        }
        auto treffer = ArtikelSuchen(p.katalog, *eingabe, z.CodeModus.str(), z.Schwerpunkt.str());
        z.SuchArtNr.clear();
        z.SuchBezeichnung.clear();
        z.SuchCode.clear();
        for (const auto& t : treffer) {
            z.SuchArtNr.push_back(t.nummer);
            z.SuchBezeichnung.push_back(t.bezeichnung);
            z.SuchCode.push_back(t.code);
        }
        if (treffer.empty()) ms.meldung(Symbol::Kritisch, Nr(44));
        else ms.oeffnen(Fenster::Sucherg);
        if (ms.frage(Nr(43), Schaltflaechen::JaNein, Symbol::Frage) != Antwort::Ja) return;
    }
}

SuchergAnsicht SuchergAktivieren(const Programm& p) {
    const Zustand& z = p.z;
    SuchergAnsicht a;
    a.titel = Text(657);
    a.kopfNummer = Text(330);
    a.kopfBezeichnung = Text(332);
    a.kopfCode = Text(sachnummernModus(z.CodeModus.str()) ? 334 : 333);
    for (std::size_t k = 0; k < z.SuchArtNr.size(); ++k)
        a.zeilen.push_back({z.SuchArtNr[k], z.SuchBezeichnung.at(k), z.SuchCode.at(k)});
    return a;
}

Druckauftrag ArtikellisteSeiten(const Programm& p) {
    const Zustand& z = p.z;
    const bool sachnummern = sachnummernModus(z.CodeModus.str());
    Druckauftrag a;
    a.schrift = z.DruckSchrift;
    a.groesse = z.DruckGroesse;

    const std::string& banner = Text(287);
    a.zeile().bei(22, banner);
    a.zeile().bei(22, std::string(io::utf8Length(banner), '_'));
    std::string titel = Text(288) + "  ";
    if (!sachnummern) {
        if (z.Schwerpunkt == "N") titel += Text(192) + " +";
        else if (z.Schwerpunkt == "B") titel += Text(191) + " +";
    }
    a.zeile().bei(10, titel).bei(63, z.PrgVersion);
    a.zeile().bei(10, std::string(19, '*'));
    a.zeile().bei(10, "Art.").bei(22, "Benennung").bei(60, sachnummern ? "Sach-Nr." : "LIBEX");

    int letzter = 5;
    for (int i = 6; i <= kMaxSatz; ++i)
        if (p.katalog.satz(i).Bezeichnung.str().find_first_not_of(' ') != std::string::npos) letzter = i;
    for (int i = 6; i <= letzter; ++i) {
        const KatSatz& s = p.katalog.satz(i);
        if (!ArtikelGezeigt(s, z.CodeModus.str(), z.Schwerpunkt.str())) continue;
        a.zeile();
        if (ArtikelUeberschrift(s)) {
            a.bei(22, s.Bezeichnung.str());
        } else {
            a.bei(10, FormatText(std::to_string(i), "@@@"))
                .bei(22, s.Bezeichnung.str())
                .bei(58, ArtikellisteCode(s, z.CodeModus.str(), z.Schwerpunkt.str()));
        }
    }
    return a;
}

std::optional<Druckauftrag> ArtikellisteDrucken(Programm& p, MessageService& ms) {
    if (!sachnummernModus(p.z.CodeModus.str())) ms.oeffnen(Fenster::BranotWahl);
    if (ms.frage(Nr(286), Schaltflaechen::JaNein, Symbol::Frage) != Antwort::Ja) return std::nullopt;
    return ArtikellisteSeiten(p);
}

}  // namespace tarvis
