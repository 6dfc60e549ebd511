#pragma once
#include <random>
#include <vector>

#include "projekt/Programm.h"
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
