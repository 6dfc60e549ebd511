#include <cctype>
#include <cmath>
#include <limits>
#include <optional>
#include <system_error>

#include "io/FieldReader.h"
#include "io/TextFile.h"
#include "loops/KBNNachzaehlen.h"
#include "projekt/Saettigung.h"
#include "projekt/ProjektDatei.h"
#include "projekt/ProjektFelder.h"
#include "projekt/Texte.h"
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
    Leser(std::string text, MessageService& ms, const Zustand& z) : r_(std::move(text)), ms_(ms), typ_(&z.ZentralenTyp) {}

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
    // The language version; a project without one asks for it in the code-mode window.
    void sprache(Byte& v) {
        std::string s = r_.text();
        if (!ok()) return;
        double d = std::nearbyint(io::FieldReader::leadingNumber(s));
        if (d > 0) {
            if (d > 255) fehlerSetzen(io::fehlerUeberlauf());
            else v = static_cast<Byte>(d);
        } else {
            ms_.oeffnen(Fenster::Modus);
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
    MessageService& ms_;
    const Integer* typ_;
    std::optional<io::IoError> fehler_;
    double glt_ = 0;
    Byte bedien_ = 0;
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

LadeErgebnis lesefehler(MessageService& ms, const io::IoError& e) {
    ms.meldung(Symbol::Kritisch, Nr(394) + " " + std::to_string(e.nummer) + "\n" + e.beschreibung);
    return LadeErgebnis::Lesefehler;
}

void mengeSetzen(Zustand& z, int satz, Integer menge) { z.Menge[satz] = menge; }

// Reads the file's text into the state. What a stop leaves there is thrown
// away by the caller; a KVT 1000 with GLT (Abgelehnt) was read whole and
// stays, marked for the report.
LadeErgebnis lesen(Programm& p, MessageService& ms, const fs::path& datei, std::string text) {
    Zustand& z = p.z;
    zuruecksetzen(z, datei);
    Leser r(std::move(text), ms, z);

    // 3. The version of the writing program.
    const std::string DateiVersion = r.text();
    if (!r.ok()) {
        ms.meldung(Symbol::Kritisch, Nr(86));
        return LadeErgebnis::NichtLesbar;
    }
    const int v = VersionWert(DateiVersion);
    const std::string versionMax = z.VersionMax.empty() ? std::string(TARVIS_VERSION_TEXT).substr(0, 4) : z.VersionMax;
    if (v < VersionWert(z.VersionMin) || v > VersionWert(versionMax))
        ms.meldung(Symbol::Ausrufezeichen,
                   "Projekt " + datei.filename().string() + " " + Nr(58) + "\n" + Nr(59));

    // 4. Master data and the marker: "TARVIS" now, the alarm kind in older files.
    const std::string DateiProjektname = r.text();
    std::string stamm[5];
    for (auto& s : stamm) s = r.text();
    const std::string marke = r.text();
    if (!r.ok()) return lesefehler(ms, r.fehler());
    const bool altesFormat = marke == "B" || marke == "N" || marke.empty();
    if (!altesFormat && !istTarvisMarke(marke)) {
        ms.meldung(Symbol::Ausrufezeichen, "Kein TARVIS-Projekt!");
        return LadeErgebnis::KeinProjekt;
    }
    z.AltSachbearbeiter = stamm[0];
    z.Angebotsnummer = stamm[1];
    z.Bestellnummer = stamm[2];
    z.Baupapiernummer = stamm[3];
    z.Auftragsnummer = stamm[4];
    if (altesFormat) z.Alarmart = marke;

    // 5., 6. The project variables and the external loads.
    projektdatei::ProjektFelder(z, r);
    if (!r.ok()) return lesefehler(ms, r.fehler());

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
            if (kbn && p.katalog.satz(satz).Bezeichnung.str().starts_with("     ")) z.NichtLieferbar = 1;
        }
    };
    mengenLesen(false);
    if (!r.ok()) return lesefehler(ms, r.fehler());
    if (v < 1004) {
        for (int i = 443; i <= 445; ++i) {
            z.Menge[i + 10] = z.Menge[i];
            z.Menge[i] = 0;
        }
    }

    // 8. Loop elements.
    mengenLesen(true);
    if (!r.ok()) return lesefehler(ms, r.fehler());

    // 9. The loop quantities, one tuple card, loop of the card, record,
    // quantity each, up to the end of the file.
    r.reserviert(5);
    if (!r.ok()) return lesefehler(ms, r.fehler());
    bool unplausibel = false;
    while (!r.amEnde()) {
        Integer a = r.ganz(), b = r.ganz(), i = r.ganz(), q = r.ganz();
        if (!r.ok()) {
            // A last tuple cut short is left out.
            if (r.amDateiende()) break;
            return lesefehler(ms, r.fehler());
        }
        if (a < 1 || b < 1 || i < 1 || q <= 0) continue;
        if (a > 2 || b > 2 || i < 504 || i > 700) return lesefehler(ms, fehlerIndex());
        z.KBNWert(a, i, b) = q;
        Long& menge = z.KBNMenge(2 * (a - 1) + b)[static_cast<std::size_t>(i)];
        menge = gesaettigt<Long>(static_cast<std::int64_t>(menge) + q);
        // More than a loop can hold, except for the accessories without an address.
        if ((i < 576 || i >= 598) && q > 127) unplausibel = true;
    }

    // 10. What was read, and the recount of the loops.
    if (unplausibel) ms.meldung(Symbol::Ausrufezeichen, Nr(640) + "\n" + Nr(641));
    if (z.CodeModus != "S" && z.CodeModus != "V") z.CodeModus = "V";
    z.ProjektGeoeffnet = 1;
    KBNNachzaehlen(p, ms);
    if (z.AnzPQS > 0) z.PQSBestaetigt = 1;
    if (z.AnzPQB > 0) z.PQBBestaetigt = 1;
    if (z.AnzDUV > 0) z.DUVBestaetigt = 1;
    z.AnzBETL = z.Menge[620];
    z.ProjektGeladen = 1;
    z.ProjektBefehleAktiv = 1;

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

    // 12. What was read, by panel type.
    const std::string weiter = "\n" + Text(62);
    if (istKVT1000(z.ZentralenTyp)) {
        if (r.gltAnzahlWert() > 0) {
            ms.meldung(Symbol::Ausrufezeichen, Nr(168));
            z.TypFehler = 1;
            return LadeErgebnis::Abgelehnt;
        }
        ms.meldung(Symbol::Information,
                   Nr(64) + " " + z.ZentralenName + " " + std::to_string(z.AnzMG) + " MG" + weiter);
    } else if ((z.ZentralenTyp >= 3 && z.ZentralenTyp <= 8) || z.ZentralenTyp == 0) {
        ms.meldung(Symbol::Information, Nr(64) + " " + z.ZentralenName + weiter);
    } else if (istKVT2000_1(z.ZentralenTyp)) {
        // Versions 00.0 to 02.3 knew code 2 as the KVT 1000 B; it now means the KVT 2000/1 fire D.
        const int jahrWert = v >= 1000 ? v - 1000 : v;
        if (jahrWert + 2000 < 2024)
            ms.meldung(Symbol::Ausrufezeichen, "Das Projekt war KVT 1000 B und ist nicht mehr lieferbar!\n"
                                               "Es erfolgt Umstellung auf KVT 2000/1.");
    }

    // 13., 14.
    if (z.NichtLieferbar == 1) ms.meldung(Symbol::Ausrufezeichen, Nr(642) + "\n" + Nr(643));
    if (!z.Bemerkung1.empty())
        ms.meldung(Symbol::Information,
                   Nr(53) + "\n" + z.Bemerkung1 + "\n" + z.Bemerkung2 + "\n" + z.Bemerkung3);

    // 15.
    if (DateiProjektname != z.Projektname) z.Projektname = DateiProjektname;
    return LadeErgebnis::Geladen;
}

}  // namespace

LadeErgebnis ProjektTextOeffnen(Programm& p, MessageService& ms, const fs::path& datei, std::string text) {
    // The file is read into the program's own state, so that the code-mode
    // window a project without a language opens on the way works on the
    // project being read. The project open before is set aside and comes
    // back whole unless the file was read to its end: a damaged file must
    // not leave half a project behind, under its own name, for the next
    // New or Save to build on.
    Zustand vorher = p.z;
    LadeErgebnis e = LadeErgebnis::NichtLesbar;
    try {
        e = lesen(p, ms, datei, std::move(text));
    } catch (...) {
        p.z = std::move(vorher);
        throw;
    }
    if (e != LadeErgebnis::Geladen && e != LadeErgebnis::Abgelehnt) p.z = std::move(vorher);
    return e;
}

LadeErgebnis ProjektOeffnen(Programm& p, MessageService& ms, const fs::path& datei) {
    auto text = io::readText(datei);
    if (!text) {
        ms.meldung(Symbol::Kritisch, Nr(86));
        return LadeErgebnis::NichtLesbar;
    }
    return ProjektTextOeffnen(p, ms, datei, std::move(*text));
}

bool ProjektLaden(Programm& p, MessageService& ms, const fs::path& datei) {
    return ProjektOeffnen(p, ms, datei) == LadeErgebnis::Geladen;
}

}  // namespace tarvis
