// Properties of the calculation over many generated projects: it never
// crashes, never reports a kept limit that is exceeded, and a second run
// gives the same result as the first.
#include <algorithm>
#include <cmath>
#include <random>

#include "CalcHilfe.h"

using namespace tarvis;
using namespace tarvis::test;

namespace {

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
            z.Menge[static_cast<std::size_t>(zahl(320, 499))] = wert<Integer>(1, extrem ? 32767 : 30);
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
        auto m = [&](int i) { return static_cast<int>(z.Menge[static_cast<std::size_t>(i)]); };
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

// The limits of the current budget and supply sizing that the hand-over
// flag reports on; the battery and transformer limits of the TL 300 are
// known before the supply window, the supply counts only after it.
bool tl300GrenzeUeberschritten(const Zustand& z) {
    if (z.ZentralenTyp != 6) return false;
    const int akkus = z.Menge[274];
    const double t28 = static_cast<double>(z.I28) + z.Ext28Ruhe + z.Ext28Alarm + z.I28Alarm;
    return (akkus > 2 && z.AnzPSM == 0) || (akkus > 2 && z.AnzPSM >= 1 && z.PSMParallel < 2) || akkus > 4 ||
           (t28 > z.Trafo28Max && !(z.PSMParallel >= 2 && z.AnzPSM != 0)) ||
           static_cast<double>(z.Trafo28Zus) + z.Trafo28Max < t28;
}

bool grenzeUeberschritten(const Zustand& z) {
    return tl300GrenzeUeberschritten(z) || z.AnzDXA < z.DXAVorschlag || z.AnzZOLW < z.ZOLWVorschlag ||
           (z.ZentralenTyp == 6 && static_cast<double>(z.Ladestrom) + z.IRuhe > z.NetzMax12);
}

bool endlich(const Zustand& z) {
    for (float f : {z.IRuhe, z.IAlarm, z.IKBN35, z.I28, z.I28Ruhe, z.I28Alarm, z.I28AlarmBasis, z.INetz12,
                    z.BatKapazitaet, z.Ladestrom, z.NetzRest12, z.DXARest12, z.Ext12Ruhe, z.Ext28Alarm})
        if (!std::isfinite(f)) return false;
    return true;
}

}  // namespace

TEST(AuswertenEigenschaften, RandomProjects) {
    const Programm muster = musterProgramm();
    std::vector<int> schleifenElemente;
    for (int i = 504; i <= 700; ++i) {
        const std::string& b = muster.katalog.satz(i).Bezeichnung.str();
        if (b.compare(0, 4, "    ") != 0) schleifenElemente.push_back(i);
    }
    ASSERT_GT(schleifenElemente.size(), 100u);

    Generator g(20260601);
    std::map<AuswertenHalt, int> halte;
    int mitGrenzverletzung = 0;
    for (int lauf = 0; lauf < 1500; ++lauf) {
        Programm p = muster;
        g.projekt(p, schleifenElemente);
        const Integer typ = p.z.ZentralenTyp;
        const std::string fall = "project " + std::to_string(lauf) + " type " + std::to_string(typ);

        // The user takes the proposal, types own counts or closes the window.
        const int antwort = g.zahl(0, 9);
        const int eigeneDXA = g.zahl(0, 4), eigeneZOLW = g.zahl(0, 3);
        Ablauf a(p);
        a.ms.fensterSkript[Fenster::DXAGeh] = [&] {
            DXAGehVorschlagUebernehmen(p.z);
            if (antwort == 0) return false;
            if (antwort <= 2) {
                p.z.AnzDXA = static_cast<Integer>(eigeneDXA);
                p.z.AnzZOLW = static_cast<Integer>(eigeneZOLW);
            }
            return DXAGehWeiter(p.z, a.ms);
        };
        const AuswertenHalt halt = AuswertenAblauf(p, a.ms);
        ++halte[halt];
        const Zustand& z = p.z;

        switch (halt) {
        case AuswertenHalt::Zentralentyp:
            EXPECT_TRUE(typ < 1 || typ > 8) << fall;
            continue;
        case AuswertenHalt::Schnittstellen:
            EXPECT_EQ(z.ZusAbbruch, 1) << fall;
            continue;
        case AuswertenHalt::Laufzeitfehler:
            EXPECT_EQ(z.Berechnet, 0) << fall;
            continue;
        case AuswertenHalt::DXAGeh:
            EXPECT_TRUE(endlich(z)) << fall;
            if (tl300GrenzeUeberschritten(z)) {
                EXPECT_EQ(z.EPOKennz, "N") << fall;
            }
            EXPECT_EQ(z.Berechnet, 0) << fall;
            continue;
        case AuswertenHalt::Keiner:
            break;
        }

        EXPECT_TRUE(endlich(z)) << fall;
        EXPECT_EQ(z.Berechnet, 1) << fall;
        EXPECT_EQ(z.ProjektBefehleAktiv, 1) << fall;
        // "J" exactly when every limit is kept.
        const bool verletzt = grenzeUeberschritten(z);
        mitGrenzverletzung += verletzt;
        EXPECT_EQ(z.EPOKennz, verletzt ? "N" : "J") << fall;
        // The proposal covers every criterion; a converter needs a unit.
        for (std::size_t k = 1; k <= 5; ++k) {
            EXPECT_GE(z.DXABedarf[k], 0) << fall;
            EXPECT_LE(z.DXABedarf[k], z.DXAVorschlag) << fall;
        }
        EXPECT_GE(z.ZOLWVorschlag, 0);
        EXPECT_LE(z.ZOLWVorschlag, z.DXAVorschlag) << fall;
        EXPECT_LE(z.AnzZOLW, z.AnzDXA) << fall;

        // A second run of the unchanged project gives the same result.
        if (antwort >= 3) {
            Zustand erste = z;
            EXPECT_EQ(rechnen(p), AuswertenHalt::Keiner) << fall;
            EXPECT_EQ(p.z.Menge, erste.Menge) << fall;
            EXPECT_EQ(p.z.IRuhe, erste.IRuhe) << fall;
            EXPECT_EQ(p.z.IAlarm, erste.IAlarm) << fall;
            EXPECT_EQ(p.z.I28Alarm, erste.I28Alarm) << fall;
            EXPECT_EQ(p.z.INetz12, erste.INetz12) << fall;
            EXPECT_EQ(p.z.BatKapazitaet, erste.BatKapazitaet) << fall;
            EXPECT_EQ(p.z.DXAVorschlag, erste.DXAVorschlag) << fall;
            EXPECT_EQ(p.z.EPOKennz, erste.EPOKennz) << fall;
            EXPECT_EQ(p.z.Trafo28Ueber, erste.Trafo28Ueber) << fall;
        }
    }
    // The generator reaches every way through the calculation.
    EXPECT_GT(halte[AuswertenHalt::Keiner], 600);
    EXPECT_GT(halte[AuswertenHalt::Schnittstellen], 10);
    EXPECT_GT(halte[AuswertenHalt::DXAGeh], 10);
    EXPECT_GT(halte[AuswertenHalt::Zentralentyp], 5);
    EXPECT_GT(halte[AuswertenHalt::Laufzeitfehler], 0);
    EXPECT_GT(mitGrenzverletzung, 30);
    std::cout << "finished " << halte[AuswertenHalt::Keiner] << ", interfaces " << halte[AuswertenHalt::Schnittstellen]
              << ", supply window " << halte[AuswertenHalt::DXAGeh] << ", type " << halte[AuswertenHalt::Zentralentyp]
              << ", overflow " << halte[AuswertenHalt::Laufzeitfehler] << ", limits exceeded " << mitGrenzverletzung
              << "\n";
}
