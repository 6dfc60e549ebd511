#include <gtest/gtest.h>

#include "calc/DXAErg.h"
#include "projekt/Texte.h"

using namespace tarvis;

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

