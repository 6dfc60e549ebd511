// The current budget: 12 V equivalents, the reserve, the modules not fed
// from the panel and the peripheral outputs, followed by hand.
#include <gtest/gtest.h>

#include "support/Programme.h"

using namespace tarvis;
using namespace tarvis::test;

TEST(Strombilanz, FirePanelCountsExcessAlarmCurrentAndConvertsLoopAnd28V) {
    Programm p = leeresProgramm();
    p.katalog.setzen(122, artikel("KVT 2000/1 Brand D", 450, 200, 650));
    p.katalog.setzen(534, artikel("OM 301", 0, 0, 0, 0.5f));
    p.katalog.setzen(607, artikel("JUB 100", 0, 0, 0, 0, 20));
    zentrale(p.z, 2);
    schleife(p.z, 1, 534, 40);
    schleife(p.z, 2, 607, 3);
    p.estrom.EStrom1[477 - 450] = 35.5f;
    p.estrom.EStrom3[477 - 450] = 90;
    p.katalog.setzen(5, artikel("Kopfsatz", 1000, 1000, 1000));  // the catalogue's header: no article
    p.z.Menge[5] = 1;
    ASSERT_EQ(rechnen(p), AuswertenHalt::Keiner);

    EXPECT_FLOAT_EQ(p.z.IKBN35, 20);
    EXPECT_FLOAT_EQ(p.z.I28, 60);
    // Fire panels add the loop and 28 V currents to the quiescent current
    // only; the display drivers count at 12 V.
    double ruhe = 450;
    ruhe = static_cast<float>(ruhe + v12(20, 35));
    ruhe = static_cast<float>(ruhe + v12(60, 28));
    ruhe = static_cast<float>(ruhe + 3 * 35.5);
    EXPECT_FLOAT_EQ(p.z.IRuhe, static_cast<float>(ruhe * 1.1));
    EXPECT_FLOAT_EQ(p.z.IAlarm, 200 + 3 * 90);
    EXPECT_FLOAT_EQ(p.z.INetz12, 0);  // only intrusion panels feed modules at 12 V
}

TEST(Strombilanz, ModulesFedFromTheSystemAtTwelveVolts) {
    Programm p = leeresProgramm();
    zentrale(p.z, 3);
    auto& e = p.estrom;
    e.EStrom1[455 - 450] = 35;  e.EStrom3[455 - 450] = 150;  // PQV at 12 V
    e.EStrom5[456 - 450] = 70;                               // PQV at 28 V
    e.EStrom1[487 - 450] = 45;  e.EStrom3[487 - 450] = 80;   // BE 300
    e.EStrom3[467 - 450] = 30;                               // HY 100 at 12 V
    e.EStrom5[469 - 450] = 15;                               // HY 100 PQK at 28 V
    e.EStrom1[457 - 450] = 30;  e.EStrom3[457 - 450] = 120;  // PQK at 12 V
    e.EStrom5[452 - 450] = 45;                               // PQK at 28 V
    schleife(p.z, 1, 627, 2);
    p.z.AnzBETL = 1;
    p.z.PQKinv12 = 1;
    p.z.PQKnorm28 = 2;
    p.z.PQKinv28 = 1;
    p.z.PQK12 = 1;
    p.z.PQK28 = 1;
    Stromprotokoll prot;  // the evidence names the PQV by its article
    Ablauf a(p);
    ASSERT_EQ(AuswertenAblauf(p, a.ms, &prot), AuswertenHalt::Keiner);
    EXPECT_TRUE(std::any_of(prot.ruhe.begin(), prot.ruhe.end(), [](const Stromterm& t) { return t.satz == 627 && t.menge == 2; }));

    // HY 100 PQK at 28 V: 15 x 28 / 11.04 = 38.04 -> 38; PQK at 28 V: 45 x 28 / 11.04 = 114.13 -> 114.
    EXPECT_FLOAT_EQ(p.z.INetz12, static_cast<float>(2 * 35 + 45 + 30 + 38 + 30 + 114));
    EXPECT_NEAR(p.z.IRuhe, (2 * 35 + 45 + 30 + 38 + 30 + 114) * 1.1, 1e-3);
    EXPECT_NEAR(p.z.IAlarm, 2 * 150 + 80 + v12(2 * 15, 28) + 120 + 114, 1e-3);
    EXPECT_FLOAT_EQ(p.z.I28Alarm, 2 * 15 + 45);

    // Fed at 28 V instead, the PQV counts in the 28 V budget.
    p.z.PQVspeis = 2;
    p.z.PQKinv12 = p.z.PQKnorm28 = p.z.PQKinv28 = p.z.PQK12 = p.z.PQK28 = 0;
    p.z.AnzBETL = 0;
    ASSERT_EQ(rechnen(p), AuswertenHalt::Keiner);
    EXPECT_FLOAT_EQ(p.z.I28, 140);
    EXPECT_FLOAT_EQ(p.z.I28Alarm, 140);
    EXPECT_FLOAT_EQ(p.z.INetz12, 0);
    // The 28 V sum was converted before the modules were added: counted once.
    EXPECT_NEAR(p.z.IRuhe, v12(140, 28) * 1.1, 1e-3);
}

TEST(Strombilanz, CouplersNotFedFromThePanelLeaveThe28VBudget) {
    Programm p = leeresProgramm();
    p.katalog.setzen(529, artikel("PQS 100", 0, 0, 0, 0, 150));
    p.katalog.setzen(527, artikel("PQB 100", 0, 0, 0, 0, 90));
    p.katalog.setzen(600, artikel("DUV 100", 0, 0, 0, 0, 60));
    p.katalog.setzen(400, artikel("QX 400", 0, 0, 0, 0, 350));
    zentrale(p.z, 4);
    schleife(p.z, 1, 529, 3);
    schleife(p.z, 1, 527, 2);
    schleife(p.z, 1, 600, 2);
    p.z.Menge[400] = 1;
    p.z.AnzPQS = 3;  p.z.PQSspeis = 1;  // two fed on site
    p.z.AnzPQB = 2;  p.z.PQBspeis = 2;
    p.z.AnzDUV = 2;  p.z.DUVspeis = 0;
    p.estrom.EStrom2[465 - 450] = 250;  // PQB alarm current
    ASSERT_EQ(rechnen(p), AuswertenHalt::Keiner);
    EXPECT_FLOAT_EQ(p.z.I28, 450 + 180 + 120 + 350 - 300 - 120 - 350);
    EXPECT_FLOAT_EQ(p.z.I28AlarmBasis, 250);

    p.z.PeriEingabe = "J";  // the QX 400 is supplied from the system
    ASSERT_EQ(rechnen(p), AuswertenHalt::Keiner);
    EXPECT_FLOAT_EQ(p.z.I28, 450 + 180 + 120 + 350 - 300 - 120);
}

TEST(Strombilanz, KeyDepotsWithTheirOwnSupplyAreListedNotCounted) {
    Programm p = leeresProgramm();
    p.katalog.setzen(252, artikel("SD 12V L", 150, 0, 150));
    zentrale(p.z, 4);
    p.z.SDwahl = 1;
    ASSERT_EQ(rechnen(p), AuswertenHalt::Keiner);
    EXPECT_FLOAT_EQ(p.z.IRuhe, 165);
    p.z.SDwahl = 5;
    ASSERT_EQ(rechnen(p), AuswertenHalt::Keiner);
    EXPECT_EQ(m(p, 252), 1);
    EXPECT_FLOAT_EQ(p.z.IRuhe, 0);
}

TEST(Strombilanz, SwitchingOutputsRaiseTheSounderBaseButNotThe28VAlarmCurrent) {
    Programm p = leeresProgramm();
    p.estrom.EStrom5[466 - 450] = 250;
    p.estrom.EStrom5[474 - 450] = 35;
    p.estrom.EStrom5[480 - 450] = 110;
    zentrale(p.z, 4);
    p.z.Menge[366] = 2;
    p.z.Loeschen = 1;
    p.z.VOGanz = 2;
    p.z.SchaltenNorm = 1;
    p.z.SchaltenInv = 1;
    ASSERT_EQ(rechnen(p), AuswertenHalt::Keiner);
    EXPECT_FLOAT_EQ(p.z.I28Alarm, 220);
    EXPECT_FLOAT_EQ(p.z.I28AlarmBasis, 220 + 250 + 70 + 250);
    EXPECT_FLOAT_EQ(p.z.I28Ruhe, 250);
    EXPECT_NEAR(p.z.IAlarm, v12(250 + 70 + 250, 28), 1e-3);
    EXPECT_NEAR(p.z.IRuhe, v12(250, 28) * 1.1, 1e-3);
}

TEST(Strombilanz, PeripheralOutputsOverloadedNeedTheFuseDistributor) {
    // Linear smoke detectors LRM 12: 35 mA quiescent, 25 mA excess, 60 mA total alarm current.
    auto fall = [](int typ, int melder, int ext12Ruhe) {
        Programm p = musterProgramm();
        zentrale(p.z, typ);
        p.z.Menge[382] = static_cast<Integer>(melder);
        p.z.Ext12Menge[0] = 1;
        p.z.Ext12RuheI[0] = ext12Ruhe;
        p.z.Ext12AlarmI[0] = ext12Ruhe;
        EXPECT_EQ(rechnen(p), AuswertenHalt::Keiner);
        return p;
    };
    EXPECT_EQ(m(fall(2, 8, 0), 231), 0);
    EXPECT_EQ(m(fall(2, 9, 0), 231), 1);    // 540 mA
    EXPECT_EQ(m(fall(2, 8, 11), 231), 1);   // the fire panel adds the quiescent and alarm loads: 502
    EXPECT_EQ(m(fall(2, 8, 10), 231), 0);   // 500 is still fine
    // Only the KVT 2000/1 counts the excess alarm current of peripherals;
    // the KVT 2000 B counts their total alarm current, (60 + 35) mA each.
    EXPECT_EQ(m(fall(4, 5, 0), 231), 0);    // 475
    EXPECT_EQ(m(fall(4, 6, 0), 231), 1);    // 570
    EXPECT_EQ(m(fall(3, 8, 0), 231), 1);    // intrusion panels count the total alarm current: 8 x 95
    EXPECT_EQ(m(fall(1, 10, 0), 225), 0);   // the KVT 1000 carries 1000 mA: 950
    EXPECT_EQ(m(fall(1, 11, 0), 225), 1);
}

// The base sounder on the loop: an intrusion panel counts its 28 V value as a
// 12 V quiescent current, a fire panel counts it at 28 V and its alarm in
// the sounder base.
TEST(Strombilanz, TheBaseSounderDrawsFrom12VOnIntrusionPanels) {
    for (int typ : {3, 4}) {
        Programm p = leeresProgramm();
        p.katalog.setzen(603, artikel("Sockelsirene", 0, 0, 0, 0, 1.5f));
        p.estrom.EStrom5[491 - 450] = 20;
        zentrale(p.z, typ);
        schleife(p.z, 1, 603, 4);
        ASSERT_EQ(rechnen(p), AuswertenHalt::Keiner);
        const bool einbruch = typ == 3;
        EXPECT_FLOAT_EQ(p.z.I28, einbruch ? 0.0f : 6.0f) << typ;
        EXPECT_FLOAT_EQ(p.z.IRuhe, static_cast<float>((einbruch ? 6 : v12(6, 28)) * 1.1)) << typ;
        EXPECT_FLOAT_EQ(p.z.I28AlarmBasis, einbruch ? 0.0f : 80.0f) << typ;
    }
}

// Loop modules fed at 12 V from an intrusion panel: each draws its element's
// quiescent current (with the reserve) and alarm current and loads the mains unit.
TEST(Strombilanz, LoopModulesFedAt12VByIntrusionPanels) {
    for (auto [satz, element] : std::vector<std::pair<int, int>>{{648, 454}, {649, 453}, {677, 488}, {678, 488}, {679, 489}}) {
        for (int typ : {3, 4}) {
            Programm p = leeresProgramm();
            p.estrom.EStrom1[static_cast<std::size_t>(element - 450)] = 10;
            p.estrom.EStrom3[static_cast<std::size_t>(element - 450)] = 30;
            zentrale(p.z, typ);
            schleife(p.z, 1, satz, 2);
            ASSERT_EQ(rechnen(p), AuswertenHalt::Keiner);
            const float faktor = typ == 3 ? 1.0f : 0.0f;  // fire panels do not feed them
            EXPECT_FLOAT_EQ(p.z.INetz12, 20 * faktor) << satz << " " << typ;
            EXPECT_FLOAT_EQ(p.z.IRuhe, 22 * faktor) << satz << " " << typ;
            EXPECT_FLOAT_EQ(p.z.IAlarm, 60 * faktor) << satz << " " << typ;
        }
    }
}
