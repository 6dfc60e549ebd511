#include "calc/Exportdateien.h"
#include "io/Cp1252.h"
#include "io/FieldReader.h"
#include "io/FieldWriter.h"
#include "io/TextFile.h"

namespace tarvis {
namespace {

bool imUmfang(const Zustand& z, int i) {
    if (z.EPONetz == 0 && i >= 504) return false;
    if (z.EPOPeri == 0 && i >= 320 && i <= 499) return false;
    return true;
}

// The number part of a LIBEX code begins at its sixth character.
bool libexNummerFehlt(const KatSatz& s, int zentralenTyp) {
    bool intrusion = istEinbruchzentrale(zentralenTyp);
    const std::string& feld = intrusion ? s.LIBEXIntr.str() : s.LIBEXBrand.str();
    return io::FieldReader::leadingNumber(feld.size() > 5 ? std::string_view(feld).substr(5) : std::string_view{}) == 0;
}

}  // namespace

EPOInhaltErgebnis EPOInhalt(const Programm& p) {
    const Zustand& z = p.z;
    EPOInhaltErgebnis e;
    io::FieldWriter w;
    w.text(z.EPOKennz.str()).endLine();
    for (int i = 6; i <= kMaxSatz; ++i) {
        Integer m = z.Menge[i];
        if (m <= 0 || !imUmfang(z, i)) continue;
        const KatSatz& s = p.katalog.satz(i);
        const std::string& code = LIBEXCode(s, z.ZentralenTyp);
        if (!code.starts_with("    ")) w.text(code).number(static_cast<long long>(m)).text(s.Bezeichnung.str()).number(0LL).endLine();
        // A missing LIBEX number is reported for every article in range, written or not.
        if (libexNummerFehlt(s, z.ZentralenTyp)) e.libexFehlt = true;
    }
    e.text = w.str();
    return e;
}

bool EPOSchreiben(Programm& p, MessageService& ms) {
    Zustand& z = p.z;
    if (z.EPOAbgefragt == 0) ms.oeffnen(Fenster::EPOspei);
    if (io::utf8Length(z.ProjektDatei) < 4) return false;
    const std::string datei = DateiMitEndung(z.ProjektDatei, ".EPO");
    if (datei.empty() || !ZielErlaubt(ms, datei, Eingabedateien(p))) return false;
    z.EPODatei = datei;
    EPOInhaltErgebnis e = EPOInhalt(p);
    auto ok = io::writeText(z.EPODatei, e.text);
    if (!ok) {
        SchreibfehlerMelden(ms, ok.error(), z.EPODatei);
        return false;
    }
    z.LIBEXFehlt = e.libexFehlt ? 1 : 0;
    z.EPOGeschrieben = 1;
    return true;
}

}  // namespace tarvis
