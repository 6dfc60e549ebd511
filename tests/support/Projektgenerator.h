#pragma once
#include <bit>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "loops/KBNGrenzen.h"
#include "loops/KBNUebernahme.h"
#include "projekt/Programm.h"
#include "support/ScriptedMessages.h"
#include "support/Schleifen.h"

namespace tarvis::test {

// Random projects for the property tests and the output comparisons.
class Generator {
public:
    explicit Generator(unsigned seed) : rng_(seed) {}

    int zahl(int von, int bis) { return std::uniform_int_distribution<int>(von, bis)(rng_); }
    bool ja(double wahrscheinlichkeit) { return std::bernoulli_distribution(wahrscheinlichkeit)(rng_); }
    template <typename T> T wert(int von, int bis) { return static_cast<T>(zahl(von, bis)); }

    // A project as the input windows could leave it; now and then one with
    // quantities far beyond what the windows allow (as a damaged file might).
    void projekt(Programm& p, const std::vector<int>& schleifenElemente) {
        Zustand& z = p.z;
        const bool extrem = ja(0.05);
        const int typ = ja(0.03) ? (ja(0.5) ? 0 : 9) : zahl(1, 8);
        z.ZentralenTyp = static_cast<Integer>(typ);
        z.Sprache = wert<Byte>(0, 11);
        const int mg[] = {10, 16, 24, 127, 32};
        z.AnzMG = static_cast<Integer>(mg[zahl(0, 4)]);
        z.MGEAZ = wert<Integer>(0, 2);
        z.CodeModus = ja(0.3) ? "S" : "V";
        z.YAwahl = wert<Integer>(1, 3);
        z.Schnitt1 = wert<Integer>(0, 3);
        z.Schnitt2 = wert<Integer>(0, 3);
        z.RAVI1 = wert<Integer>(0, 1);
        z.RAVI2 = wert<Integer>(0, 1);
        z.QUFwahl = wert<Integer>(0, 1);
        z.AnzDrucker = wert<Integer>(0, 3);
        z.Flaechwahl = wert<Integer>(0, 1);
        z.AnzFBF = wert<Integer>(0, 1);
        z.Tele = ja(0.6) ? 1 : wert<Byte>(0, 2);
        z.SDwahl = wert<Byte>(0, 8);
        z.DIPwahl = wert<Integer>(0, 2);
        z.Schlwahl = wert<Integer>(0, 2);
        z.TIRwahl = wert<Byte>(0, 2);
        z.KOPwahl = wert<Integer>(0, 1);
        z.OLMAwahl = wert<Integer>(0, 1);
        z.AnzBE = ja(0.5) ? 0 : wert<Integer>(0, 4);
        z.AnzBE2 = wert<Integer>(0, z.AnzBE);
        z.ZusStrom = wert<Integer>(0, 300);
        z.Vert20DA = wert<Integer>(0, 2);
        z.Verzwahl = ja(0.5) ? 0 : wert<Integer>(0, 240);
        z.MRVNnorm = wert<Integer>(0, 1);
        z.MRVNinv = wert<Integer>(0, 1);
        z.VRXnorm = wert<Integer>(0, 12);
        z.VRXinv = wert<Integer>(0, 6);
        z.KPLnorm = wert<Integer>(0, 24);
        z.KPLinv = wert<Integer>(0, 8);
        z.TabloNorm = wert<Integer>(0, 24);
        z.TabloInv = wert<Integer>(0, 8);
        z.UeZeit = ja(0.1) ? 0 : wert<Integer>(1, 99);
        z.BatKapazitaet = static_cast<Single>(zahl(0, 300)) + 0.5f;
        z.OLNJa = wert<Byte>(0, 1);
        if (z.OLNJa == 1) {
            int s1 = zahl(0, 2), s2 = zahl(0, 2);
            z.OLN1a = s1 == 0; z.OLN1b = s1 == 1; z.OLN1c = s1 == 2;
            z.OLN2a = s2 == 0; z.OLN2b = s2 == 1; z.OLN2c = s2 == 2;
        }
        z.Doppeln = ja(0.2) ? "J" : "N";
        z.SchaltenNorm = wert<Integer>(0, 5);
        z.SchaltenInv = wert<Integer>(0, 5);
        z.Loeschen = wert<Integer>(0, 1);
        z.VOGanz = wert<Integer>(0, 5);
        z.PQKnorm28 = wert<Integer>(0, 8); z.PQKinv28 = wert<Integer>(0, 8);
        z.PQKnorm12 = wert<Integer>(0, 8); z.PQKinv12 = wert<Integer>(0, 8);
        z.PQVnorm28 = wert<Integer>(0, 8); z.PQVinv28 = wert<Integer>(0, 8);
        z.PQVnorm12 = wert<Integer>(0, 8); z.PQVinv12 = wert<Integer>(0, 8);
        z.PQVspeis = wert<Integer>(1, 3);
        z.AnzJUBL = wert<Integer>(0, 9);
        z.PSMVRX = wert<Integer>(0, 19);
        z.Wandler28 = wert<Byte>(0, 19);
        z.PSMParallel = wert<Byte>(0, 2);
        z.Typ1Zusatz = wert<Integer>(0, 3);
        z.PeriEingabe = ja(0.5) ? "J" : "N";
        for (std::size_t k = 0; k < 10; ++k) {
            if (ja(0.7)) continue;
            z.Ext12Menge[k] = wert<Integer>(0, extrem ? 32767 : 20);
            z.Ext12RuheI[k] = zahl(0, 500);
            z.Ext12AlarmI[k] = zahl(0, 2000);
            z.Ext28Menge[k] = wert<Integer>(0, extrem ? 32767 : 20);
            z.Ext28RuheI[k] = zahl(0, 500);
            z.Ext28AlarmI[k] = zahl(0, 2000);
        }
        // Peripherals.
        for (int n = zahl(0, 30); n > 0; --n)
            z.Menge[zahl(320, 499)] = wert<Integer>(1, extrem ? 32767 : 30);
        // Loop elements on the loops used, as the loop entry stores them.
        const int schleifen = zahl(0, 4);
        for (int k = 1; k <= 4; ++k) {
            if (k > schleifen && ja(0.8)) continue;
            for (int n = zahl(1, 12); n > 0; --n) {
                int i = schleifenElemente[static_cast<std::size_t>(zahl(0, static_cast<int>(schleifenElemente.size()) - 1))];
                schleife(z, k, i, zahl(1, extrem ? 20000 : 30));
            }
        }
        // The counts the loop entry derives from the loops.
        auto m = [&](int i) { return static_cast<int>(z.Menge[i]); };
        auto anzahl = [](int n) { return static_cast<Integer>(std::min(n, 32767)); };
        z.AnzPQS = anzahl(m(529) + m(530) + m(531));
        z.AnzPQB = anzahl(m(527) + m(528));
        z.AnzDUV = anzahl(m(600) + m(601));
        z.AnzPSM = anzahl(m(514));
        z.AnzBETL = anzahl(m(620) + m(621));
        z.PQSspeis = wert<Integer>(0, z.AnzPQS);
        z.PQBspeis = wert<Integer>(0, z.AnzPQB);
        z.DUVspeis = wert<Integer>(0, z.AnzDUV);
        z.PQK12 = anzahl(m(626));
        z.PQK28 = wert<Integer>(0, 3);
    }

    // A project with every value the project file keeps, often at the ends
    // of the range a file holds, texts with the characters a user types;
    // what the loop entry derives is derived by its own routines.
    void dateiProjekt(Programm& p) {
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

// The loop elements of the catalogue (its headings begin with four blanks).
inline std::vector<int> SchleifenElemente(const Programm& p) {
    std::vector<int> elemente;
    for (int i = 504; i <= 700; ++i)
        if (p.katalog.satz(i).Bezeichnung.str().compare(0, 4, "    ") != 0) elemente.push_back(i);
    return elemente;
}

}  // namespace tarvis::test
