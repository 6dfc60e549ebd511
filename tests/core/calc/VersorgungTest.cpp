// Supply limits, the DXA 1000 criteria and the ZOLW proposal (the supply
// proposal window's checks are the loop tests' DXAGeh window).
#include <gtest/gtest.h>

#include "support/Programme.h"
#include "projekt/Netzgrenzwerte.h"
#include "projekt/ExtSummen.h"
#include "calc/DXAErg.h"
#include "projekt/Texte.h"

using namespace tarvis;
using namespace tarvis::test;

TEST(Netzgrenzwerte, LimitsByPanelType) {
    struct Fall { int typ, psm, parallel; float n12, n28, t28, tz; };
    for (Fall f : {Fall{1, 0, 0, 3200, 500, 0, 0}, Fall{2, 0, 0, 5400, 600, 0, 0}, Fall{5, 0, 0, 5400, 600, 0, 0},
                   Fall{6, 0, 0, 2400, 0, 600, 500}, Fall{7, 0, 0, 0, 0, 0, 0}, Fall{8, 0, 0, 0, 0, 0, 0},
                   Fall{6, 0, 2, 2400, 0, 600, 500},  // the parallel supply needs a PSM 300 KBN on the loops
                   Fall{6, 1, 2, 4700, 0, 600, 500}, Fall{0, 1, 2, 0, 0, 0, 0}}) {
        Zustand z;
        z.NetzMax12 = z.Trafo28Max = 99;
        z.ZentralenTyp = static_cast<Integer>(f.typ);
        z.AnzPSM = static_cast<Integer>(f.psm);
        z.PSMParallel = static_cast<Byte>(f.parallel);
        Netzgrenzwerte(z);
        EXPECT_EQ(z.NetzMax12, f.n12) << f.typ << " " << f.psm << " " << f.parallel;
        EXPECT_EQ(z.NetzMax28, f.n28);
        EXPECT_EQ(z.Trafo28Max, f.t28);
        EXPECT_EQ(z.Trafo28Zus, f.tz);
        if (f.typ == 0) continue;  // no panel: no limits at all
        EXPECT_EQ(z.DXAMax12, 5400);
        EXPECT_EQ(z.DXAMax28, 600);
    }
}

namespace {

// A project with external loads only (the blank catalogue draws nothing).
Programm lasten(int typ, int ruhe12, int alarm12, int ruhe28) {
    Programm p = leeresProgramm();
    zentrale(p.z, typ);
    p.z.Ext12Menge[0] = 1;
    p.z.Ext12RuheI[0] = ruhe12;
    p.z.Ext12AlarmI[0] = alarm12;
    p.z.Ext28Menge[1] = 1;
    p.z.Ext28RuheI[1] = ruhe28;
    EXPECT_EQ(rechnen(p), AuswertenHalt::Keiner);
    return p;
}

}  // namespace

TEST(Versorgung, AlarmCurrentCriterionOnlyForTypes1To3) {
    Programm p = lasten(3, 1000, 6000, 0);
    EXPECT_EQ(p.z.DXABedarf[2], 1);  // 600 mA above 5400
    EXPECT_EQ(p.z.DXABedarf[3], 0);
    EXPECT_EQ(p.z.DXABedarf[4], 0);
    EXPECT_EQ(p.z.DXAVorschlag, 1);

    // A fire panel sizes by quiescent plus excess alarm current instead.
    p = lasten(4, 1000, 6000, 0);
    EXPECT_EQ(p.z.DXABedarf[2], 0);
    EXPECT_EQ(p.z.DXABedarf[4], 1);  // 1100 + 6000 - 5400 = 1700
    p = lasten(4, 1000, 3000, 0);
    EXPECT_EQ(p.z.DXABedarf[4], 0);
    EXPECT_EQ(p.z.DXAVorschlag, 0);
}

TEST(Versorgung, ZOLWConvertersFor28V) {
    // 2400 mA at 28 V: 1800 above the 600 of the panel, 1200 per converter.
    Programm p = lasten(4, 0, 0, 2400);
    EXPECT_EQ(p.z.DXABedarf[5], 2);
    EXPECT_EQ(p.z.ZOLWVorschlag, 2);
    EXPECT_GE(p.z.DXAVorschlag, 2);
    EXPECT_EQ(p.z.AnzZOLW, 2);
    EXPECT_EQ(m(p, 282), 2);

    p = lasten(4, 0, 0, 600);
    EXPECT_EQ(p.z.DXABedarf[5], 0);
    EXPECT_EQ(p.z.ZOLWVorschlag, 0);
    p = lasten(4, 0, 0, 601);
    EXPECT_EQ(p.z.ZOLWVorschlag, 1);
}

namespace {

DXAErgAnsicht ergebnis(const char* art, int ueZeit, int ruhe12, int alarm12, int ruhe24, Zustand& z) {
    z.Alarmart = art;
    z.UeZeit = static_cast<Integer>(ueZeit);
    z.DXARuhe12 = ruhe12;
    z.DXAAlarm12 = alarm12;
    z.DXARuhe24 = ruhe24;
    return DXAErgAktivieren(z);
}

}  // namespace

TEST(DXAErg, CapacityBatteriesConvertersAndUnitsFollowTheCurrents) {
    // a12s: the alarm current the units are sized by, for a fire alarm with the quiescent current.
    struct Fall { const char* art; int ue, r12, a12, r24; long long k, b40, z, n, a12s; };
    for (Fall f : {Fall{"N", 0, 500, 0, 0, 0, 0, 0, 1, 0},     // no standby time: no battery
                   Fall{"B", 0, 500, 0, 0, 0, 0, 0, 1, 500},   // neither for a fire alarm
                   Fall{"N", 0, 0, 0, 1, 0, 0, 1, 1, 0},       // 1 mA at 24 V: one converter channel
                   Fall{"B", 30, 2000, 1000, 600, 118, 3, 1, 2, 4491},
                   Fall{"B", 24, 1000, 0, 0, 34, 1, 0, 1, 1000},  // 24 h take the factor 1.25: 24.5 x 1.25 x 1.1
                   Fall{"N", 12, 1234, 0, 0, 18, 1, 0, 1, 0},  // 16.29 -> 17, + 0.5 -> 18 (half to even)
                   Fall{"N", 12, 1300, 0, 0, 18, 1, 0, 1, 0},  // 17.16 -> 18, + 0.5 -> 18
                   Fall{"N", 12, 1300, 12000, 0, 18, 1, 0, 3, 12000}}) {
        SCOPED_TRACE(testing::Message() << f.art << " " << f.ue << " h " << f.r12 << "/" << f.a12 << "/" << f.r24);
        Zustand z;
        z.BatAhGesamt = 99;
        z.Ladestrom = 99;
        const DXAErgAnsicht a = ergebnis(f.art, f.ue, f.r12, f.a12, f.r24, z);
        EXPECT_EQ(a.werte.k, f.k);
        EXPECT_EQ(a.werte.b40, f.b40);
        EXPECT_EQ(a.werte.z, f.z);
        EXPECT_EQ(z.ZOLWKarten, f.z);
        EXPECT_EQ(a.werte.n, f.n);
        EXPECT_EQ(a.lblAlarmstrom, std::to_string(f.a12s));
        EXPECT_EQ(z.BatAhGesamt, 40 * f.b40);
        // Several units with fewer battery sets are to run in parallel.
        EXPECT_EQ(a.lblParallel1, f.n > 1 && f.b40 < f.n ? Text(646) : "");
    }
}

