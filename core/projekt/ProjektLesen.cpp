#include "projekt/ProjektLesen.h"

#include <cctype>
#include <cmath>
#include <limits>
#include <optional>
#include <system_error>

#include "io/FieldReader.h"
#include "projekt/ProjektFelder.h"
#include "projekt/Saettigung.h"
#include "projekt/Version.h"

namespace tarvis {

namespace fs = std::filesystem;

namespace {

io::IoError fehlerIndex() { return {9, "Subscript out of range"}; }

// Reads the fields of ProjektFelder (and the rest of the file) into the
// state. The first error stops the reading: every later read leaves its
// variable as it was, so what was read before the error stays. Numbers are
// counts, currents and choices, none below zero; a negative one is out of
// its range like an overflow. Only the panel type has its own check (an
// unknown type opens, marked invalid).
class Leser {
public:
    Leser(std::string text, const Zustand& z) : r_(std::move(text)), typ_(&z.ZentralenTyp) {}

    bool ok() const { return r_.ok() && !fehler_; }
    io::IoError fehler() const { return fehler_ ? *fehler_ : r_.error().value_or(io::IoError{}); }
    void fehlerSetzen(io::IoError e) {
        if (ok()) fehler_ = std::move(e);
    }
    bool amEnde() { return r_.atEnd(); }
    bool amDateiende() const { return !fehler_ && r_.error() && r_.error()->nummer == io::fehlerEndeDerDatei().nummer; }

    std::string text() {
        std::string s = r_.text();
        return ok() ? s : std::string();
    }
    Integer ganz() {
        Integer v = nichtNegativ(r_.integer());
        return ok() ? v : Integer{0};
    }

    void text(std::string& ziel) {
        std::string s = r_.text();
        if (ok()) ziel = std::move(s);
    }
    template <std::size_t N> void fest(FestText<N>& ziel) {
        std::string s = r_.text();
        if (ok()) ziel = s;
    }
    void zahl(Integer& v) { setzen(v, &v == typ_ ? r_.integer() : nichtNegativ(r_.integer())); }
    void zahl(Byte& v) { setzen(v, r_.byte()); }
    void zahl(Long& v) { setzen(v, nichtNegativ(r_.longValue())); }
    // A Single: any number that rounds to a finite float, also the largest
    // one, whose shortest text lies a little above it.
    void zahl(Single& v) {
        double d = r_.number();
        if (!ok()) return;
        if (std::abs(d) >= 0x1.ffffffp127) {
            fehlerSetzen(io::fehlerUeberlauf());
            return;
        }
        d = nichtNegativ(d);
        if (ok()) v = static_cast<Single>(d);
    }
    // A number read as text and converted: its leading number, rounded half
    // to even; beyond the variable's range an overflow.
    template <typename T> void zahlAlsText(T& v) {
        std::string s = r_.text();
        if (!ok()) return;
        double d = std::nearbyint(io::FieldReader::leadingNumber(s));
        if (d < static_cast<double>(std::numeric_limits<T>::min()) ||
            d > static_cast<double>(std::numeric_limits<T>::max())) {
            fehlerSetzen(io::fehlerUeberlauf());
            return;
        }
        d = nichtNegativ(d);
        if (ok()) v = static_cast<T>(d);
    }
    void reserviert(int n) {
        for (int i = 0; i < n; ++i) r_.text();
    }
    // Files of the time when a KVT 1000 could drive a GLT kept its count here.
    void gltAnzahl() {
        std::string s = r_.text();
        if (ok()) glt_ = io::FieldReader::leadingNumber(s);
    }
    // The language version; a project without one has it chosen once it is
    // read (the code-mode window).
    void sprache(Byte& v) {
        std::string s = r_.text();
        if (!ok()) return;
        double d = std::nearbyint(io::FieldReader::leadingNumber(s));
        if (d > 0) {
            if (d > 255) fehlerSetzen(io::fehlerUeberlauf());
            else v = static_cast<Byte>(d);
        } else {
            ohneSprache_ = true;
        }
    }
    void bedienteile(Zustand&) {
        Byte b = r_.byte();
        if (ok()) bedien_ = b;
    }
    void bedienteileZuordnen(Zustand& z) {
        if (!ok()) return;
        if (istTL300(z.ZentralenTyp)) z.AnzBETL = bedien_;
        else z.AnzBE = bedien_;
    }
    void zeilenende() {}

    double gltAnzahlWert() const { return glt_; }
    bool ohneSprache() const { return ohneSprache_; }

private:
    template <typename T> void setzen(T& ziel, T wert) {
        if (ok()) ziel = wert;
    }
    template <typename T> T nichtNegativ(T wert) {
        if (wert >= 0) return wert;
        fehlerSetzen(io::fehlerNegativ());
        return T{};
    }

    io::FieldReader r_;
    const Integer* typ_;
    std::optional<io::IoError> fehler_;
    double glt_ = 0;
    Byte bedien_ = 0;
    bool ohneSprache_ = false;
};

// Open step 2: a fresh project that knows its file. The marks of a refused
// or invalid panel type describe the opened project; one left over from the
// project before would put its note into the report of this one.
void zuruecksetzen(Zustand& z, const fs::path& datei) {
    ProjektZuruecksetzen(z);
    z.TypUngueltig = 0;
    z.TypFehler = 0;
    std::error_code ec;
    fs::path voll = fs::absolute(datei, ec);
    if (ec) voll = datei;
    z.ProjektDatei = voll.string();
    z.ProjPfad = voll.parent_path().string();
}

bool istTarvisMarke(const std::string& marke) {
    if (marke.size() != 6) return false;
    for (std::size_t i = 0; i < 6; ++i)
        if (std::toupper(static_cast<unsigned char>(marke[i])) != "TARVIS"[i]) return false;
    return true;
}

void mengeSetzen(Zustand& z, int satz, Integer menge) { z.Menge[satz] = menge; }


}  // namespace

ProjektGelesen ProjektLesen(const Zustand& basis, const Katalog& katalog, const fs::path& datei, std::string text) {
    ProjektGelesen g;
    g.z = basis;
    Zustand& z = g.z;
    zuruecksetzen(z, datei);
    Leser r(std::move(text), z);
    auto stopp = [&](LadeErgebnis e, io::IoError fehler = {}) {
        g.ergebnis = e;
        g.fehler = std::move(fehler);
        g.ohneSprache = false;
        return std::move(g);
    };

    // 3. The version of the writing program.
    const std::string DateiVersion = r.text();
    if (!r.ok()) return stopp(LadeErgebnis::NichtLesbar);
    const int v = VersionWert(DateiVersion);
    g.version = v;
    const std::string versionMax = z.VersionMax.empty() ? std::string(kVersionText).substr(0, 4) : z.VersionMax;
    g.versionFremd = v < VersionWert(z.VersionMin) || v > VersionWert(versionMax);

    // 4. Master data and the marker: "TARVIS" now, the alarm kind in older files.
    const std::string DateiProjektname = r.text();
    std::string stamm[5];
    for (auto& s : stamm) s = r.text();
    const std::string marke = r.text();
    if (!r.ok()) return stopp(LadeErgebnis::Lesefehler, r.fehler());
    const bool altesFormat = marke == "B" || marke == "N" || marke.empty();
    g.altesFormat = altesFormat;
    if (!altesFormat && !istTarvisMarke(marke)) return stopp(LadeErgebnis::KeinProjekt);
    z.AltSachbearbeiter = stamm[0];
    z.Angebotsnummer = stamm[1];
    z.Bestellnummer = stamm[2];
    z.Baupapiernummer = stamm[3];
    z.Auftragsnummer = stamm[4];
    if (altesFormat) z.Alarmart = marke;

    // 5., 6. The project variables and the external loads.
    projektdatei::ProjektFelder(z, r);
    if (!r.ok()) return stopp(LadeErgebnis::Lesefehler, r.fehler());

    // 7. Peripheral elements. Before version 00.4 the articles 443..445 were
    // withdrawn; their successors are 453..455.
    auto mengenLesen = [&](bool kbn) {
        Integer n = r.ganz();
        for (Integer k = 0; k < n && r.ok(); ++k) {
            Integer satz = r.ganz();
            Integer menge = r.ganz();
            if (!r.ok()) break;
            if (satz < 1 || satz > kMaxSatz) {
                r.fehlerSetzen(fehlerIndex());
                break;
            }
            mengeSetzen(z, satz, menge);
            // An article whose designation begins with five blanks can no longer be delivered.
            if (kbn && katalog.satz(satz).Bezeichnung.str().starts_with("     ")) z.NichtLieferbar = 1;
        }
    };
    mengenLesen(false);
    if (!r.ok()) return stopp(LadeErgebnis::Lesefehler, r.fehler());
    if (v < 1004) {
        for (int i = 443; i <= 445; ++i) {
            z.Menge[i + 10] = z.Menge[i];
            z.Menge[i] = 0;
        }
    }

    // 8. Loop elements.
    mengenLesen(true);
    if (!r.ok()) return stopp(LadeErgebnis::Lesefehler, r.fehler());

    // 9. The loop quantities, one tuple card, loop of the card, record,
    // quantity each, up to the end of the file.
    r.reserviert(5);
    if (!r.ok()) return stopp(LadeErgebnis::Lesefehler, r.fehler());
    while (!r.amEnde()) {
        Integer a = r.ganz(), b = r.ganz(), i = r.ganz(), q = r.ganz();
        if (!r.ok()) {
            // A last tuple cut short is left out.
            if (r.amDateiende()) break;
            return stopp(LadeErgebnis::Lesefehler, r.fehler());
        }
        if (a < 1 || b < 1 || i < 1 || q <= 0) continue;
        if (a > 2 || b > 2 || i < 504 || i > 700) return stopp(LadeErgebnis::Lesefehler, fehlerIndex());
        z.KBNWert(a, i, b) = q;
        Long& menge = z.KBNMenge(2 * (a - 1) + b)[i];
        menge = gesaettigt<Long>(static_cast<std::int64_t>(menge) + q);
        // More than a loop can hold, except for the accessories without an address.
        if ((i < 576 || i >= 598) && q > 127) g.unplausibel = true;
    }
    if (z.CodeModus != "S" && z.CodeModus != "V") z.CodeModus = "V";

    // 11. The panel type. A file of the current format carries no alarm
    // kind; it follows from the panel, so that the parameter file does not
    // carry that of the previous project.
    if (!istZentrale(z.ZentralenTyp)) {
        z.TypUngueltig = 1;
        z.AusDatei = 1;
    }
    if (!altesFormat) {
        if (istBrandzentrale(z.ZentralenTyp)) z.Alarmart = "B";
        else if (istEinbruchzentrale(z.ZentralenTyp)) z.Alarmart = "N";
    }
    ZentralenNameSetzen(z, z.ZentralenTyp);

    g.dateiProjektname = DateiProjektname;
    g.ohneSprache = r.ohneSprache();
    g.gltAnzahl = r.gltAnzahlWert();
    g.ergebnis = LadeErgebnis::Geladen;
    return g;
}

}  // namespace tarvis
