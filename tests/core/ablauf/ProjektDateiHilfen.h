#pragma once
#include <bit>
#include <cstdint>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "io/FieldWriter.h"
#include "loops/KBNGrenzen.h"
#include "loops/KBNUebernahme.h"
#include "projekt/ProjektDatei.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"

namespace tarvis::test {

// The lines of a file text with CR LF line ends.
inline std::vector<std::string> zeilen(const std::string& text) {
    std::vector<std::string> z;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t e = text.find("\r\n", pos);
        if (e == std::string::npos) e = text.size();
        z.push_back(text.substr(pos, e - pos));
        pos = e + 2;
    }
    return z;
}


// Every variable the project file keeps, as "name=value" lines, so that two
// projects compare field by field and a difference names its variable. The
// clerk who wrote the file comes back as AltSachbearbeiter.
class Gespeichert {
public:
    static std::vector<std::string> von(const Zustand& z, const std::string& sachbearbeiter) {
        Gespeichert g;
#define TARVIS_F(x) g.feld(#x, z.x)
        g.feld("Sachbearbeiter", sachbearbeiter);
        TARVIS_F(Projektname); TARVIS_F(Angebotsnummer); TARVIS_F(Bestellnummer); TARVIS_F(Baupapiernummer);
        TARVIS_F(Auftragsnummer); TARVIS_F(Bemerkung1); TARVIS_F(Bemerkung2); TARVIS_F(Bemerkung3);
        TARVIS_F(YAwahl); TARVIS_F(PQVspeis); TARVIS_F(Frei1); TARVIS_F(AnzJUBL); TARVIS_F(RAVI1); TARVIS_F(CodeModus);
        TARVIS_F(QUFwahl); TARVIS_F(AnzDrucker); TARVIS_F(OLNName); TARVIS_F(AnzMG); TARVIS_F(Flaechwahl);
        TARVIS_F(FSKAwahl); TARVIS_F(AnzFBF); TARVIS_F(PeriEingabe); TARVIS_F(Tele); TARVIS_F(Sprache);
        TARVIS_F(ZusKennz); TARVIS_F(RAVI2); TARVIS_F(ZusStrom); TARVIS_F(PQSspeis); TARVIS_F(PQBspeis);
        TARVIS_F(DUVspeis); TARVIS_F(SchaltenNorm); TARVIS_F(SchaltenInv); TARVIS_F(SDwahl);
        TARVIS_F(Ext12Ruhe); TARVIS_F(Ext28Ruhe); TARVIS_F(Ext12Alarm); TARVIS_F(Ext28Alarm); TARVIS_F(PSMParallel);
        TARVIS_F(Vert20DA); TARVIS_F(Loeschen);
        TARVIS_F(PQKnorm28); TARVIS_F(PQKinv28); TARVIS_F(PQKnorm12); TARVIS_F(PQKinv12);
        TARVIS_F(PQVnorm28); TARVIS_F(PQVinv28); TARVIS_F(PQVnorm12); TARVIS_F(PQVinv12);
        TARVIS_F(UeZeit); TARVIS_F(VOGanz); TARVIS_F(MGEAZ); TARVIS_F(Schlwahl); TARVIS_F(TIRwahl); TARVIS_F(KOPwahl);
        TARVIS_F(MRVNnorm); TARVIS_F(MRVNinv); TARVIS_F(VRXnorm); TARVIS_F(VRXinv); TARVIS_F(KPLnorm); TARVIS_F(KPLinv);
        TARVIS_F(RWZusatzkarte); TARVIS_F(TabloNorm); TARVIS_F(TabloInv);
        TARVIS_F(PSMVRX); TARVIS_F(Doppeln); TARVIS_F(Wandler28);
        TARVIS_F(OLNJa); TARVIS_F(OLN1a); TARVIS_F(OLN2a); TARVIS_F(OLN1b); TARVIS_F(OLN2b); TARVIS_F(OLN1c); TARVIS_F(OLN2c);
        TARVIS_F(PQK28); TARVIS_F(HYZusatz); TARVIS_F(DIPwahl); TARVIS_F(Schnitt2); TARVIS_F(PQK12);
        TARVIS_F(AnzBE); TARVIS_F(AnzBETL); TARVIS_F(Schnitt1); TARVIS_F(AnzBE2);
        TARVIS_F(Typ1Zusatz); TARVIS_F(ParaSpeichern); TARVIS_F(ZentralenTyp); TARVIS_F(Kennz11E); TARVIS_F(OLMAwahl);
        TARVIS_F(AnzZOLW); TARVIS_F(AnzDXA); TARVIS_F(Frei2); TARVIS_F(Frei3); TARVIS_F(Verzwahl);
        for (std::size_t k = 0; k < 10; ++k) {
            g.feld("Ext12Name", z.Ext12Name[k], k); g.feld("Ext12RuheI", z.Ext12RuheI[k], k);
            g.feld("Ext12AlarmI", z.Ext12AlarmI[k], k); g.feld("Ext12Menge", z.Ext12Menge[k], k);
            g.feld("Ext28Name", z.Ext28Name[k], k); g.feld("Ext28RuheI", z.Ext28RuheI[k], k);
            g.feld("Ext28AlarmI", z.Ext28AlarmI[k], k); g.feld("Ext28Menge", z.Ext28Menge[k], k);
        }
        for (std::size_t i = 320; i <= 499; ++i) g.feld("Menge", z.Menge[i], i);
        for (std::size_t i = 504; i <= 700; ++i) {
            g.feld("Menge", z.Menge[i], i);
            for (int k = 1; k <= 4; ++k) g.feld("KBNMenge" + std::to_string(k), z.KBNMenge(k)[i], i);
            for (int a = 1; a <= 2; ++a)
                for (int b = 1; b <= 2; ++b)
                    g.feld("KBNWert(" + std::to_string(a) + "," + std::to_string(b) + ")",
                           z.KBNWert(a, static_cast<int>(i), b), i);
        }
        // What the loop entry derives from the loops (not saved, recounted on opening).
        TARVIS_F(AnzPQS); TARVIS_F(AnzPQB); TARVIS_F(AnzDUV); TARVIS_F(AnzPQK); TARVIS_F(AnzPQV); TARVIS_F(AnzPSM);
        TARVIS_F(AnzHY); TARVIS_F(AnzArt646);
#undef TARVIS_F
        return g.zeilen_;
    }

private:
    template <typename T> void feld(const std::string& name, const T& wert, std::size_t index = 9999) {
        std::ostringstream o;
        o << name;
        if (index != 9999) o << "[" << index << "]";
        o << "=";
        if constexpr (std::is_same_v<T, Single>) o << io::FieldWriter::formatSingle(wert);
        else if constexpr (std::is_same_v<T, Byte> || std::is_same_v<T, Integer> || std::is_same_v<T, Long>)
            o << static_cast<long long>(wert);
        else o << "\"" << static_cast<const std::string&>(wert) << "\"";
        zeilen_.push_back(o.str());
    }
    std::vector<std::string> zeilen_;
};

// A random project as the input windows could leave it. Whatever the loop
// entry derives (article quantities 504..700, module counts, PQK12, the
// supply choices) is derived by its own routines, as its forward button does.
class ZufallsProjekt {
public:
    explicit ZufallsProjekt(unsigned seed) : rng_(seed) {}

    void fuellen(Programm& p) {
        Zustand& z = p.z;
        z.PrgVersion = "26.1.0";
        z.VersionMax = "26.1";
        z.Sachbearbeiter = text(12);
        z.Projektname = text(8);
        z.Angebotsnummer = text(10);
        z.Bestellnummer = text(10);
        z.Baupapiernummer = text(10);
        z.Auftragsnummer = text(10);
        z.Bemerkung1 = text(60);
        z.Bemerkung2 = text(60);
        z.Bemerkung3 = text(60);
        for (Integer* v : {&z.YAwahl, &z.PQVspeis, &z.Frei1, &z.AnzJUBL, &z.RAVI1, &z.QUFwahl, &z.AnzDrucker, &z.AnzMG,
                           &z.Flaechwahl, &z.FSKAwahl, &z.AnzFBF, &z.RAVI2, &z.ZusStrom, &z.PQSspeis, &z.PQBspeis,
                           &z.DUVspeis, &z.SchaltenNorm, &z.SchaltenInv, &z.Vert20DA, &z.Loeschen, &z.PQKnorm28,
                           &z.PQKinv28, &z.PQKnorm12, &z.PQKinv12, &z.PQVnorm28, &z.PQVinv28, &z.PQVnorm12,
                           &z.PQVinv12, &z.UeZeit, &z.VOGanz, &z.MGEAZ, &z.Schlwahl, &z.KOPwahl, &z.MRVNnorm,
                           &z.MRVNinv, &z.VRXnorm, &z.VRXinv, &z.KPLnorm, &z.KPLinv, &z.RWZusatzkarte, &z.TabloNorm,
                           &z.TabloInv, &z.PSMVRX, &z.PQK28, &z.HYZusatz, &z.DIPwahl, &z.Schnitt2, &z.Schnitt1,
                           &z.AnzBE2, &z.Typ1Zusatz, &z.OLMAwahl, &z.AnzZOLW, &z.AnzDXA, &z.Frei2, &z.Frei3,
                           &z.Verzwahl})
            *v = ganz<Integer>();
        for (Byte* v : {&z.Tele, &z.ZusKennz, &z.SDwahl, &z.PSMParallel, &z.TIRwahl, &z.Wandler28, &z.OLNJa, &z.OLN1a,
                        &z.OLN2a, &z.OLN1b, &z.OLN2b, &z.OLN1c, &z.OLN2c, &z.ParaSpeichern})
            *v = ganz<Byte>();
        z.Sprache = static_cast<Byte>(zahl(1, 11));
        z.CodeModus = zahl(0, 1) ? "S" : "V";
        z.OLNName = text(24);  // cut to 20
        z.PeriEingabe = text(1);
        z.Doppeln = zahl(0, 1) ? "J" : "N";
        z.Kennz11E = text(2);
        z.ZentralenTyp = static_cast<Integer>(zahl(-2, 10));
        // The operating units are one field: a TL 300 keeps AnzBETL (from the
        // loops), the other panels AnzBE, a byte.
        if (z.ZentralenTyp != 6) z.AnzBE = static_cast<Integer>(zahl(0, 255));
        for (Single* v : {&z.Ext12Ruhe, &z.Ext28Ruhe, &z.Ext12Alarm, &z.Ext28Alarm}) *v = single();
        for (std::size_t k = 0; k < 10; ++k) {
            z.Ext12Name[k] = text(40);
            z.Ext28Name[k] = text(40);
            z.Ext12RuheI[k] = ganz<Long>();
            z.Ext12AlarmI[k] = ganz<Long>();
            z.Ext28RuheI[k] = ganz<Long>();
            z.Ext28AlarmI[k] = ganz<Long>();
            z.Ext12Menge[k] = ganz<Integer>();
            z.Ext28Menge[k] = ganz<Integer>();
        }
        // Peripheral elements, and the loop quantities as the loop entry keeps them.
        for (int n = zahl(0, 30); n > 0; --n) z.Menge[zahl(320, 499)] = static_cast<Integer>(zahl(0, 999));
        for (int n = zahl(0, 40); n > 0; --n) {
            int a = zahl(1, 2), b = zahl(1, 2), i = zahl(504, 700);
            Long q = zahl(0, 9) == 0 ? zahl(0, 32767) : zahl(0, 120);
            z.KBNMenge(2 * (a - 1) + b)[static_cast<std::size_t>(i)] = q;
        }
        KBNWertFuellen(z);
        ScriptedMessages stumm;
        z.ProjektGeoeffnet = 1;
        KBNMengenUebernehmen(z);
        KBNModuleAbleiten(z, stumm);
        z.AnzBETL = z.Menge[620];
    }

    int zahl(int von, int bis) { return std::uniform_int_distribution<int>(von, bis)(rng_); }

    template <typename T> T ganz() {
        // Mostly small values, sometimes the ends of the range a file holds
        // (counts and currents, never below zero).
        switch (zahl(0, 9)) {
        case 0: return T{0};
        case 1: return std::numeric_limits<T>::max();
        case 2: return static_cast<T>(std::uniform_int_distribution<long long>(0, std::numeric_limits<T>::max())(rng_));
        default: return static_cast<T>(zahl(0, 100));
        }
    }

    Single single() {
        switch (zahl(0, 5)) {
        case 0: return 0;
        case 1: return static_cast<Single>(zahl(0, 5000)) / 10.0f;
        case 2: return std::bit_cast<Single>(static_cast<std::uint32_t>(zahl(0, 0x7F7FFFFF)));  // any finite positive
        default: return std::uniform_real_distribution<Single>(0.0f, 1e6f)(rng_);
        }
    }

    // Texts of the characters a user types, commas, blanks and umlauts included.
    std::string text(int maxLaenge) {
        static const std::vector<std::string> zeichen = {"a", "Z", "0", "9", " ", ",", "'", ".", "-", "/", "ä", "Ö",
                                                         "ü", "ß", "é", "°", "€", "&", ";", "(", ")"};
        std::string s;
        for (int n = zahl(0, maxLaenge); n > 0; --n) s += zeichen[static_cast<std::size_t>(zahl(0, static_cast<int>(zeichen.size()) - 1))];
        return s;
    }

private:
    std::mt19937 rng_;
};

}  // namespace tarvis::test
