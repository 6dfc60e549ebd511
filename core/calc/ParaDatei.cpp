#include "calc/Exportdateien.h"
#include "io/Cp1252.h"
#include "io/FieldWriter.h"
#include "io/TextFile.h"
#include "projekt/Texte.h"

namespace tarvis {
namespace {

int M(const Zustand& z, int i) { return z.Menge[i]; }

const char* zentraleKurz(int typ) {
    switch (typ) {
    case 1: return "KVT1000";
    case 2: case 3: case 4: return "KVT2000";
    case 5: return "RW500";
    case 6: return "TL300";
    default: return nullptr;
    }
}

int linienkarten(const Zustand& z) {
    bool zwei = (istRW500(z.ZentralenTyp) && z.Kennz11E == "J") || istKVT2000N(z.ZentralenTyp) ||
                (istKVT2000B(z.ZentralenTyp) && (z.Kennz11E == "J" || z.Doppeln == "J"));
    return zwei ? 2 : 1;
}

}  // namespace

std::string ParaDateiInhalt(const Programm& p, const std::string& name, const Zeitstempel& t) {
    const Zustand& z = p.z;
    io::FieldWriter w;
    auto zahl = [&](const char* key, const char* label, long long wert) {
        w.text(key).text(label).number(wert).endLine();
    };
    auto text = [&](const char* key, const char* label, const std::string& wert) {
        w.text(key).text(label).text(wert).endLine();
    };

    text("000", (Grossbuchstaben(name) + ".NPA").c_str(), t.datum);
    if (const char* kurz = zentraleKurz(z.ZentralenTyp)) text("001", "Typ (OPX,KVT,RW)", kurz);
    text("002", "Brand/Notruf (B,N,undef)", z.Alarmart);
    text("004", "Linientechnik (KBN,GLT)", "KBN");
    zahl("005", "Meldergruppen KBN", z.AnzMG);
    zahl("006", "Linienkarten", linienkarten(z));
    text("007", "Doppelung DKM (J,N)", z.Doppeln);
    zahl("009", "Blockschl. KBN", z.AnzPQV);
    // Transmission devices, counted from the material list (the stored count
    // would be stale after opening a project).
    int anzUE = 0;
    for (int i = 354; i <= 362; ++i) anzUE += M(z, i);
    for (int i = 416; i <= 430; ++i) anzUE += M(z, i);
    zahl("010", "Uebertragungseinr.", anzUE);
    int signalgeber = 0;
    for (int i = 364; i <= 380; ++i) signalgeber += M(z, i) > 0;
    for (int i = 431; i <= 451; ++i) signalgeber += M(z, i) > 0;
    zahl("011", "Externsignalg. opt./ak.", signalgeber);
    zahl("015", "BE eingeb.", 1);
    zahl("016", "BE abges.", z.AnzBE);
    zahl("018", "Drucker", z.AnzDrucker > 0 ? 1 : 0);
    zahl("020", "FBF", z.AnzFBF > 0 ? 1 : 0);
    zahl("021", "FSK-A", z.FSKAwahl > 0 ? 1 : 0);
    zahl("022", "Abges. Schluesselschalter", z.Schlwahl);
    zahl("024", "BIX300", M(z, 224) + M(z, 227) + M(z, 228));
    zahl("025", "OLMA", M(z, 149));
    zahl("026", "WX20", M(z, 156) + M(z, 162));
    zahl("027", "WX485", M(z, 155));
    zahl("028", "WX24", M(z, 157) + M(z, 163));

    // One line per loop element and loop, card a outer, loop b of the card inner.
    for (int i = 504; i <= kMaxSatz; ++i) {
        const KatSatz& s = p.katalog.satz(i);
        if (s.Kennung == "!  ") continue;
        for (int a = 1; a <= 2; ++a)
            for (int b = 1; b <= 2; ++b)
                if (Long q = z.KBNWert(a, i, b); q > 0)
                    w.text(s.Kennung.str()).text(s.Bezeichnung.str()).number(static_cast<long long>(a)).number(static_cast<long long>(b)).number(static_cast<long long>(q)).endLine();
    }
    return w.str();
}

bool ParaSpeich(Programm& p, MessageService& ms, const std::string& pfad, const std::string& name,
                const Zeitstempel& t) {
    Zustand& z = p.z;
    if (z.ProjektGeladen == 0 && z.Berechnet == 0) {
        ms.meldung(Symbol::Ausrufezeichen, Nr(475));
        return false;
    }
    // Without a file name of its own (at least a letter before ".PLM") there
    // is nothing to put the extension on.
    if (io::utf8Length(pfad) < 4) return false;
    const std::string datei = DateiMitEndung(pfad, ".NPA");
    std::vector<std::string> eingaben = Eingabedateien(p);
    eingaben.push_back(pfad);
    if (datei.empty() || !ZielErlaubt(ms, datei, eingaben)) return false;
    auto ok = io::writeText(datei, ParaDateiInhalt(p, name, t));
    if (!ok) {
        SchreibfehlerMelden(ms, ok.error(), datei);
        return false;
    }
    z.ParaDatei = datei;
    return true;
}

}  // namespace tarvis
