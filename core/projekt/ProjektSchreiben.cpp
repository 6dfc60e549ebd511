#include <algorithm>

#include "io/FieldWriter.h"
#include "io/TextFile.h"
#include "projekt/ProjektDatei.h"
#include "projekt/ProjektFelder.h"

namespace tarvis {

namespace {

// Writes the fields of ProjektFelder.
class Schreiber {
public:
    io::FieldWriter w;

    void text(const std::string& s) {
        // A double quote would end the quoted field early.
        std::string t = s;
        std::replace(t.begin(), t.end(), '"', '\'');
        w.text(t);
    }
    template <std::size_t N> void fest(const FestText<N>& s) { text(s.str()); }
    void zahl(Integer v) { w.number(static_cast<long long>(v)); }
    void zahl(Byte v) { w.number(static_cast<long long>(v)); }
    void zahl(Long v) { w.number(static_cast<long long>(v)); }
    void zahl(Single v) { w.single(v); }
    template <typename T> void zahlAlsText(T v) { zahl(v); }
    void reserviert(int n) {
        for (int i = 0; i < n; ++i) w.text("");
    }
    void gltAnzahl() { reserviert(1); }
    void sprache(Byte v) { zahl(v); }
    void bedienteile(const Zustand& z) {
        // The field is a byte in the file; a count beyond it could not be read back.
        Integer n = istTL300(z.ZentralenTyp) ? z.AnzBETL : z.AnzBE;
        w.number(static_cast<long long>(std::clamp<Integer>(n, 0, 255)));
    }
    void bedienteileZuordnen(const Zustand&) {}
    void zeilenende() { w.endLine(); }
};

}  // namespace

std::string ProjektText(const Zustand& z) {
    Schreiber s;
    // 1, 2: the writing program's version and the master data.
    s.text(z.PrgVersion.empty() ? std::string(TARVIS_VERSION_TEXT) : z.PrgVersion);
    s.zeilenende();
    s.text(z.Projektname);
    s.text(z.Sachbearbeiter);
    s.text(z.Angebotsnummer);
    s.text(z.Bestellnummer);
    s.text(z.Baupapiernummer);
    s.text(z.Auftragsnummer);
    s.text("TARVIS");
    s.zeilenende();

    projektdatei::ProjektFelder(z, s);

    // The entered quantities: peripheral elements 320..499, then loop elements 504..700.
    auto mengen = [&](int von, int bis) {
        long long n = 0;
        for (int i = von; i <= bis; ++i)
            if (z.Menge[i] > 0) ++n;
        s.w.number(n).endLine();
        for (int i = von; i <= bis; ++i)
            if (z.Menge[i] > 0)
                s.w.number(static_cast<long long>(i)).number(static_cast<long long>(z.Menge[i])).endLine();
    };
    mengen(320, 499);
    mengen(504, 700);
    s.reserviert(5);
    s.zeilenende();

    // The loop quantities by card a, record i and loop b of the card. The
    // file holds them as Integer; a larger value could not be read back.
    for (int a = 1; a <= 2; ++a)
        for (int i = 504; i <= 700; ++i)
            for (int b = 1; b <= 2; ++b) {
                Long q = z.KBNWert(a, i, b);
                if (q <= 0) continue;
                s.w.number(static_cast<long long>(a)).number(static_cast<long long>(b)).number(static_cast<long long>(i));
                s.w.number(static_cast<long long>(std::min<Long>(q, 32767))).endLine();
            }
    return s.w.str();
}

io::Status ProjektSchreiben(Programm& p, const std::filesystem::path& datei) {
    io::Status st = io::writeText(datei, ProjektText(p.z));
    if (!st) return st;
    p.z.Gespeichert = 1;
    p.z.EPOGeschrieben = 0;
    return st;
}

}  // namespace tarvis
