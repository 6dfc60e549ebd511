// Supply limits, the DXA 1000 criteria, the ZOLW proposal and the supply
// proposal window.
#include <gtest/gtest.h>

#include "support/Programme.h"

#include "projekt/Netzgrenzwerte.h"
#include "projekt/ExtSummen.h"

using namespace tarvis;
using namespace tarvis::test;

TEST(Netzgrenzwerte, LimitsByPanelType) {
    struct Fall { int typ; float n12, n28, t28, tz; };
    for (Fall f : {Fall{1, 3200, 500, 0, 0}, Fall{2, 5400, 600, 0, 0}, Fall{5, 5400, 600, 0, 0},
                   Fall{6, 2400, 0, 600, 500}, Fall{7, 0, 0, 0, 0}, Fall{8, 0, 0, 0, 0}}) {
        Zustand z;
        z.NetzMax12 = z.Trafo28Max = 99;
        z.ZentralenTyp = static_cast<Integer>(f.typ);
        Netzgrenzwerte(z);
        EXPECT_EQ(z.NetzMax12, f.n12) << f.typ;
        EXPECT_EQ(z.NetzMax28, f.n28);
        EXPECT_EQ(z.Trafo28Max, f.t28);
        EXPECT_EQ(z.Trafo28Zus, f.tz);
        EXPECT_EQ(z.DXAMax12, 5400);
        EXPECT_EQ(z.DXAMax28, 600);
    }
    Zustand z;
    z.ZentralenTyp = 6;
    z.PSMParallel = 2;
    Netzgrenzwerte(z);
    EXPECT_EQ(z.NetzMax12, 2400);  // the parallel supply needs a PSM 300 KBN on the loops
    z.AnzPSM = 1;
    Netzgrenzwerte(z);
    EXPECT_EQ(z.NetzMax12, 4700);
    z.ZentralenTyp = 0;
    Netzgrenzwerte(z);
    EXPECT_EQ(z.NetzMax12, 0);
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
    EXPECT_EQ(p.z.AnzDXA, p.z.DXAVorschlag);
    EXPECT_EQ(m(p, 282), 2);
    EXPECT_EQ(p.z.EPOKennz, "J");

    p = lasten(4, 0, 0, 600);
    EXPECT_EQ(p.z.DXABedarf[5], 0);
    EXPECT_EQ(p.z.ZOLWVorschlag, 0);
    p = lasten(4, 0, 0, 601);
    EXPECT_EQ(p.z.ZOLWVorschlag, 1);
}

TEST(DXAGeh, TheProposalHasADXA1000PerZOLWCardAndTheCountsAreChecked) {
    Zustand z;
    z.DXAVorschlag = 1;
    z.ZOLWVorschlag = 3;
    DXAGehVorschlagUebernehmen(z);
    EXPECT_EQ(z.DXAVorschlag, 3);
    EXPECT_EQ(z.AnzDXA, 3);
    EXPECT_EQ(z.AnzZOLW, 3);
    EXPECT_EQ(DXAGehPruefen(0, 1), 163);
    EXPECT_EQ(DXAGehPruefen(1, 2), 164);
    EXPECT_EQ(DXAGehPruefen(2, 2), 0);
    EXPECT_EQ(DXAGehPruefen(0, 0), 0);
}

