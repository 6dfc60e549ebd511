// Properties of the calculation over many generated projects: it never
// crashes, never reports a kept limit that is exceeded, and a second run
// gives the same result as the first.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "support/Programme.h"
#include "support/Projektgenerator.h"

using namespace tarvis;
using namespace tarvis::test;

namespace {

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
    const std::vector<int> schleifenElemente = SchleifenElemente(muster);
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
