#include "calc/Ergebnisliste.h"

#include <algorithm>

#include "projekt/Format.h"
#include "io/Cp1252.h"
#include "projekt/Texte.h"

namespace tarvis {

const std::string& ArtikelCode(const KatSatz& s, const Zustand& z) {
    if (z.CodeModus == "S") return s.Sachnummer.str();
    return LIBEXCode(s, z.ZentralenTyp);
}

std::string KMATText(std::uint8_t druckKennz) {
    switch (druckKennz) {
    case 0: return "nein";
    case 1: return "ja";
    case 3: return "KMAT DXA";
    default: return {};
    }
}

Druckauftrag ErgebnislisteSeiten(const Programm& p, const Zeitstempel& t) {
    const Zustand& z = p.z;
    Druckauftrag a;
    a.schrift = z.DruckSchrift;
    a.groesse = z.DruckGroesse;

    // Banner and master data; the left margin is column 5.
    a.leer(2);
    const std::string& banner = Text(321);
    a.zeile().bei(22, banner);
    a.zeile().bei(22, std::string(io::utf8Length(banner), '_'));
    a.leer(2);
    a.zeile().bei(5, Text(322)).bei(23, z.Projektname).bei(51, "TARVIS Version " + z.PrgVersion);
    a.zeile().bei(5, Text(323)).bei(23, z.Angebotsnummer).bei(51, "Datum: " + t.datum);
    a.zeile().bei(5, Text(324)).bei(23, z.Bestellnummer).bei(51, "Zeit:  " + t.zeit);
    a.zeile().bei(5, Text(325)).bei(23, z.Baupapiernummer);
    a.zeile().bei(5, Text(327)).bei(23, z.Auftragsnummer);
    a.zeile().bei(5, Text(328)).bei(23, z.Sachbearbeiter);
    if (!z.AltSachbearbeiter.empty() && z.AltSachbearbeiter != z.Sachbearbeiter)
        a.bei(51, Text(341) + " " + z.AltSachbearbeiter);

    a.leer(2);
    const std::string& titel = Text(329);
    a.zeile().bei(5, titel);
    a.zeile().bei(5, std::string(io::utf8Length(titel), '*'));
    a.leer();
    if (z.OLNJa == 1 && istKVT2000(z.ZentralenTyp)) {
        a.zeile().bei(5, Text(340) + " " + z.OLNName.str());
        a.leer();
    }

    bool sachnummern = z.CodeModus == "S";
    a.zeile().bei(5, Text(330)).bei(11, Text(331)).bei(17, Text(332)).bei(50, Text(sachnummern ? 334 : 333)).bei(65, "KMAT");
    a.leer();
    for (int i = 6; i <= kMaxSatz; ++i) {
        if (z.Menge[i] < 1) continue;
        const KatSatz& s = p.katalog.satz(i);
        // In LIBEX mode an article without a code for this panel is not listed.
        if (!sachnummern && LIBEXCode(s, z.ZentralenTyp).starts_with("    ")) continue;
        a.zeile()
            .bei(5, FormatText(std::to_string(i), "@@@"))
            .bei(10, FormatText(std::to_string(z.Menge[i]), "@@@@"))
            .bei(17, s.Bezeichnung.str())
            .bei(50, ArtikelCode(s, z))
            .bei(65, KMATText(s.DruckKennz));
    }

    // The notes and current report on pages of their own.
    a.neueSeite();
    a.leer(2);
    int bis = std::min<int>(z.HinweisAnz, static_cast<int>(z.Hinweiszeile.size()) - 1);
    for (int k = 1; k <= bis; ++k) {
        const std::string& zeile = z.Hinweiszeile[static_cast<std::size_t>(k)];
        if (zeile == "Seitenwechsel") {
            a.neueSeite();
            continue;
        }
        a.zeile();
        if (!zeile.empty()) a.bei(5, zeile);
    }
    return a;
}

std::optional<Druckauftrag> ErgebnislisteDrucken(Programm& p, MessageService& ms, const Zeitstempel& t) {
    if (p.z.CodeModus != p.z.ProjCodeModus) {
        ms.meldung(Symbol::Ausrufezeichen, Nr(178));
        return std::nullopt;
    }
    if (ms.frage(Nr(60), Schaltflaechen::JaNein, Symbol::Frage) != Antwort::Ja) return std::nullopt;
    return ErgebnislisteSeiten(p, t);
}

}  // namespace tarvis
