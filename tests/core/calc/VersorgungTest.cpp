// Supply limits, the DXA 1000 criteria and the ZOLW proposal (the supply
// proposal window's checks are the loop tests' DXAGeh window).
#include <gtest/gtest.h>

#include "support/Programme.h"

#include "projekt/Netzgrenzwerte.h"
#include "projekt/ExtSummen.h"

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
