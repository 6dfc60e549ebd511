#include <gtest/gtest.h>

#include "calc/DXAErg.h"
#include "projekt/Texte.h"

using namespace tarvis;

TEST(DXAErg, WithoutStandbyTimeNoBatteryAndNoCharge) {
    Zustand z;
    z.Alarmart = "N";
    z.DXARuhe12 = 500;
    z.BatAhGesamt = 99;
    z.Ladestrom = 99;
    auto a = DXAErgAktivieren(z);
    EXPECT_EQ(a.werte.k, 0);
    EXPECT_EQ(a.werte.b40, 0);
    EXPECT_EQ(z.BatAhGesamt, 0);
    EXPECT_EQ(z.Ladestrom, 0.0f);
    EXPECT_EQ(a.lblBattkap, "0");
    EXPECT_EQ(a.lblLadestrom, ",0");
    EXPECT_EQ(a.lblBattZahl, "0");
    EXPECT_EQ(a.lblDXAZahl, "1");
    EXPECT_EQ(a.lblDXA, "DXA 1000");
    EXPECT_EQ(a.lblAlarm, Text(446));
}

TEST(DXAErg, OneMilliampereAt24VNeedsOneConverterChannelAndOneCard) {
    Zustand z;
    z.Alarmart = "N";
    z.DXARuhe24 = 1;
    auto a = DXAErgAktivieren(z);
    EXPECT_EQ(a.werte.r12, 2);  // 24 / 9.66 = 2.48
    EXPECT_EQ(a.werte.z, 1);
    EXPECT_EQ(z.ZOLWKarten, 1);
    EXPECT_EQ(a.lblZOLWZahl, "1");
    EXPECT_EQ(a.werte.n, 1);
}

TEST(DXAErg, FirePanelSumsQuiescentAndAlarm) {
    Zustand z;
    z.Alarmart = "B";
    z.UeZeit = 30;
    z.DXARuhe12 = 2000;
    z.DXAAlarm12 = 1000;
    z.DXARuhe24 = 600;
    auto a = DXAErgAktivieren(z);
    EXPECT_EQ(a.werte.r12, 3491);   // 600 x 24 / 9.66 + 2000
    EXPECT_EQ(a.werte.a12, 1000);
    EXPECT_EQ(a.werte.a12s, 4491);
    EXPECT_EQ(a.werte.k, 118);      // (104.73 + 0.5 + 1.7455) x 1.0 x 1.1, rounded up
    EXPECT_EQ(a.werte.b40, 3);
    EXPECT_EQ(z.BatAhGesamt, 120);
    EXPECT_FLOAT_EQ(z.Ladestrom, 5000.0f);
    EXPECT_EQ(a.lblLadestrom, "5,0");
    EXPECT_EQ(z.ZOLWKarten, 1);     // 600 mA at 24 V: one channel
    EXPECT_EQ(a.werte.n, 2);        // (5000 + 3491) / 5400, rounded up
    EXPECT_EQ(a.lblDXA, Text(645));
    EXPECT_EQ(a.lblParallel1, "");  // three batteries for two units
    EXPECT_EQ(a.lblRuhestrom, "3491");
    EXPECT_EQ(a.lblAlarmstrom, "4491");  // the alarm value the units are sized against
    EXPECT_EQ(a.lblAlarm, Text(447));
}

TEST(DXAErg, IntrusionCapacityHalfRoundsToEvenAndParallelNote) {
    Zustand z;
    z.Alarmart = "N";
    z.UeZeit = 12;
    z.DXARuhe12 = 1234;  // 12 x 1.1 x 1.234 = 16.29 -> 17, + 0.5 -> 18
    EXPECT_EQ(DXAErgAktivieren(z).werte.k, 18);
    z.DXARuhe12 = 1300;  // 17.16 -> 18, + 0.5 -> 18
    EXPECT_EQ(DXAErgAktivieren(z).werte.k, 18);

    // Much alarm current: several units but one battery set.
    z.DXAAlarm12 = 12000;
    auto a = DXAErgAktivieren(z);
    EXPECT_EQ(a.werte.n, 3);
    EXPECT_EQ(a.werte.b40, 1);
    EXPECT_EQ(a.lblParallel1, Text(646));
    EXPECT_EQ(a.lblParallel2, Text(647));
}
