// Battery capacity, the batteries per panel type and the TL 300 limits.
#include <gtest/gtest.h>

#include "support/Programme.h"

using namespace tarvis;
using namespace tarvis::test;

namespace {

// A project whose capacity is given: with no standby time the calculation
// keeps the capacity and recounts the batteries from it.
Programm mitKapazitaet(int typ, float kap) {
    Programm p = musterProgramm();
    zentrale(p.z, typ);
    p.z.AnzMG = 10;
    p.z.UeZeit = 0;
    p.z.BatKapazitaet = kap;
    EXPECT_EQ(rechnen(p), AuswertenHalt::Keiner);
    EXPECT_FLOAT_EQ(p.z.BatKapazitaet, kap);
    return p;
}

// A fire panel drawing 500 mA quiescent (550 with the reserve) and 200 mA
// excess alarm current.
Programm brandzentrale(int ueZeit, int verzwahl) {
    Programm p = leeresProgramm();
    p.katalog.setzen(122, artikel("KVT 2000/1 Brand D", 500, 200, 700));
    zentrale(p.z, 2);
    p.z.UeZeit = static_cast<Integer>(ueZeit);
    p.z.Verzwahl = static_cast<Integer>(verzwahl);
    EXPECT_EQ(rechnen(p), AuswertenHalt::Keiner);
    EXPECT_FLOAT_EQ(p.z.IRuhe, 550);
    return p;
}

}  // namespace

TEST(Batterien, KVT1000NTable) {
    struct Fall { float kap; int b24, b40, dxa; };
    for (Fall f : {Fall{0.5f, 1, 0, 0}, Fall{24, 1, 0, 0}, Fall{24.5f, 2, 0, 0}, Fall{48.5f, 1, 1, 1},
                   Fall{64.5f, 2, 1, 1}, Fall{88.5f, 1, 2, 1}, Fall{104.5f, 2, 2, 1}, Fall{128.5f, 2, 3, 2},
                   Fall{208.5f, 2, 5, 3}}) {
        Programm p = mitKapazitaet(1, f.kap);
        EXPECT_EQ(m(p, 272), f.b24) << f.kap;
        EXPECT_EQ(m(p, 273), f.b40) << f.kap;
        EXPECT_EQ(p.z.DXABedarf[1], f.dxa) << f.kap;
        EXPECT_EQ(p.z.AnzBatterien, f.b24 + f.b40);
        EXPECT_FLOAT_EQ(p.z.Ladestrom, static_cast<float>((24 * f.b24 + 40 * f.b40) / 24.0 * 1000));
    }
}

TEST(Batterien, FortyAhBatteriesOfTheOtherPanels) {
    struct Fall { int typ; float kap; int satz, anzahl, dxa; };
    for (Fall f : {Fall{3, 80, 278, 2, 0}, Fall{3, 81, 278, 3, 1}, Fall{2, 160, 278, 4, 1}, Fall{4, 161, 278, 5, 2},
                   Fall{5, 40, 279, 1, 0}, Fall{5, 240, 279, 6, 2}, Fall{3, 0, 278, 0, 0}}) {
        Programm p = mitKapazitaet(f.typ, f.kap);
        EXPECT_EQ(m(p, f.satz), f.anzahl) << f.typ << " " << f.kap;
        EXPECT_EQ(p.z.DXABedarf[1], f.dxa) << f.typ << " " << f.kap;
        EXPECT_EQ(p.z.BatAhGesamt, 40 * f.anzahl);
    }
}

TEST(Batterien, FirePanelsUseFactor1Point25UpTo24Hours) {
    // ((t x 550 + 0.5 x 200 + 0.5 x 550) / 1000) x k, rounded up.
    EXPECT_FLOAT_EQ(brandzentrale(24, 0).z.BatKapazitaet, 17);  // 13.575 x 1.25 = 16.97
    EXPECT_FLOAT_EQ(brandzentrale(25, 0).z.BatKapazitaet, 15);  // 14.125 x 1.0
    EXPECT_FLOAT_EQ(brandzentrale(30, 0).z.BatKapazitaet, 17);  // 16.875 x 1.0 (22 with 1.25)
    // The mains-failure delay adds whole hours, halves to even (Autonomie has 0.5 and 2.5 h).
    EXPECT_FLOAT_EQ(brandzentrale(24, 90).z.BatKapazitaet, 19);   // 1.5 h -> 2: 14.675 x 1.25
    EXPECT_FLOAT_EQ(brandzentrale(24, 210).z.BatKapazitaet, 20);  // 3.5 h -> 4: 15.775 x 1.25
}

TEST(Batterien, TL300TakesTwo17AhBatteriesOrFourWithAParallelPSM300) {
    struct Fall { float kap; int psm; int parallel; int anzahl; const char* kennz; };
    for (Fall f : {Fall{34, 0, 0, 2, "J"}, Fall{35, 0, 0, 3, "N"}, Fall{34, 1, 1, 2, "J"}, Fall{35, 1, 2, 3, "J"}, Fall{35, 1, 1, 3, "N"},
                   Fall{68, 1, 2, 4, "J"}, Fall{69, 1, 2, 5, "N"}}) {
        Programm p = musterProgramm();
        zentrale(p.z, 6);
        p.z.AnzPSM = static_cast<Integer>(f.psm);
        p.z.PSMParallel = static_cast<Byte>(f.parallel);
        p.z.BatKapazitaet = f.kap;
        ASSERT_EQ(rechnen(p), AuswertenHalt::Keiner);
        EXPECT_EQ(m(p, 274), f.anzahl) << f.kap;
        EXPECT_EQ(p.z.BatAhGesamt, 17 * f.anzahl);
        EXPECT_EQ(p.z.EPOKennz, f.kennz) << f.kap << " " << f.psm << " " << f.parallel;
    }
}

// One project run after the other, so that a flag left from the run before shows.
TEST(Batterien, TL300AgainstItsMainsUnitAndTransformer) {
    struct Fall { const char* was; int ext12, kap, ruhe28, psm, parallel, ueber; const char* kennz; int trafo; };
    const Fall faelle[] = {
        // 180 mA of the panel and 1000 external, x 1.1, with 1416.7 mA charging 2 batteries: 2714.7 mA.
        {"charging above 2400", 1000, 34, 0, 1, 1, 0, "N", 0},
        {"PSM 300 KBN in parallel: 4700", 1000, 34, 0, 1, 2, 0, "J", 0},
        {"700 mA at 28 V", 0, 0, 700, 0, 0, 1, "N", 1},
        {"600 mA: the transformer's", 0, 0, 600, 0, 0, 0, "J", 1},  // any 28 V load needs it
        {"with the PSM 300 KBN in parallel 600 + 500", 0, 0, 1100, 1, 2, 1, "J", 1},
        {"1101 mA", 0, 0, 1101, 1, 2, 1, "N", 1},
        {"nothing at 28 V", 0, 0, 0, 0, 0, 0, "J", 0},
    };
    Programm p = musterProgramm();  // TL 300: 180 mA quiescent
    zentrale(p.z, 6);
    p.z.Ext12Menge[0] = p.z.Ext28Menge[0] = 1;
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        p.z.Ext12RuheI[0] = p.z.Ext12AlarmI[0] = f.ext12;
        p.z.BatKapazitaet = static_cast<float>(f.kap);
        p.z.Ext28RuheI[0] = f.ruhe28;
        p.z.AnzPSM = static_cast<Integer>(f.psm);
        p.z.PSMParallel = static_cast<Byte>(f.parallel);
        ASSERT_EQ(rechnen(p), AuswertenHalt::Keiner);
        EXPECT_EQ(p.z.Trafo28Ueber, f.ueber);
        EXPECT_EQ(p.z.EPOKennz, f.kennz);
        EXPECT_EQ(m(p, 150), f.trafo);
    }
}
