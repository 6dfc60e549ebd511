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
    for (Fall f : {Fall{0.5f, 1, 0, 0}, Fall{23.5f, 1, 0, 0}, Fall{24.5f, 2, 0, 0}, Fall{48.5f, 1, 1, 1},
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
    // The mains-failure delay adds whole hours, halves to even.
    EXPECT_FLOAT_EQ(brandzentrale(24, 30).z.BatKapazitaet, 17);   // 0.5 h -> 0
    EXPECT_FLOAT_EQ(brandzentrale(24, 90).z.BatKapazitaet, 19);   // 1.5 h -> 2: 14.675 x 1.25
    EXPECT_FLOAT_EQ(brandzentrale(24, 150).z.BatKapazitaet, 19);  // 2.5 h -> 2
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

TEST(Batterien, TL300ChargingAndQuiescentCurrentAgainstTheMainsUnit) {
    auto fall = [](int parallel) {
        Programm p = musterProgramm();  // TL 300: 180 mA quiescent
        zentrale(p.z, 6);
        p.z.AnzPSM = 1;
        p.z.PSMParallel = static_cast<Byte>(parallel);
        p.z.BatKapazitaet = 34;  // 2 batteries: 1416.7 mA charging current
        p.z.Ext12Menge[0] = 1;
        p.z.Ext12RuheI[0] = 1000;  // (180 + 1000) x 1.1 = 1298 mA
        p.z.Ext12AlarmI[0] = 1000;
        EXPECT_EQ(rechnen(p), AuswertenHalt::Keiner);
        return p;
    };
    EXPECT_EQ(fall(1).z.EPOKennz, "N");  // 2714.7 mA above 2400
    EXPECT_EQ(fall(2).z.EPOKennz, "J");  // the PSM 300 KBN in parallel: 4700
}

TEST(Batterien, TL300At28V) {
    auto fall = [](int ruhe28, int psm, int parallel) {
        Programm p = musterProgramm();
        zentrale(p.z, 6);
        p.z.AnzPSM = static_cast<Integer>(psm);
        p.z.PSMParallel = static_cast<Byte>(parallel);
        p.z.Ext28Menge[0] = 1;
        p.z.Ext28RuheI[0] = ruhe28;
        EXPECT_EQ(rechnen(p), AuswertenHalt::Keiner);
        return p;
    };
    Programm p = fall(600, 0, 0);
    EXPECT_EQ(p.z.Trafo28Ueber, 0);
    EXPECT_EQ(p.z.EPOKennz, "J");
    EXPECT_EQ(m(p, 150), 1);  // any 28 V load needs the TL 300's transformer

    p = fall(700, 0, 0);
    EXPECT_EQ(p.z.Trafo28Ueber, 1);
    EXPECT_EQ(p.z.EPOKennz, "N");

    p = fall(1100, 1, 2);  // with a PSM 300 KBN in parallel up to 600 + 500 mA
    EXPECT_EQ(p.z.Trafo28Ueber, 1);
    EXPECT_EQ(p.z.EPOKennz, "J");
    p = fall(1101, 1, 2);
    EXPECT_EQ(p.z.EPOKennz, "N");

    // The flag tells about the last run only.
    p = fall(700, 0, 0);
    p.z.Ext28RuheI[0] = 100;
    ASSERT_EQ(rechnen(p), AuswertenHalt::Keiner);
    EXPECT_EQ(p.z.Trafo28Ueber, 0);
    EXPECT_EQ(p.z.EPOKennz, "J");

    p = fall(0, 0, 0);
    EXPECT_EQ(m(p, 150), 0);
}

