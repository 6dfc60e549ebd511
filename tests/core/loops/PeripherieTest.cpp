#include <gtest/gtest.h>

#include <cstdio>

#include "loops/PERIPHPresenter.h"
#include "loops/PeriStromPresenter.h"
#include "support/Programme.h"
#include "projekt/Texte.h"

using namespace tarvis;
using test::ScriptedMessages;

namespace {

class PeripherieTest : public ::testing::Test {
protected:
    void SetUp() override { p = test::musterProgramm(); }

    void panel(int typ) {
        p.z.ZentralenTyp = static_cast<Integer>(typ);
        ZentralenNameSetzen(p.z, typ);
    }

    // Types a quantity into the box of a record's row.
    template <class P> void eingeben(P& pr, int satz, const std::string& menge) {
        auto r = pr.raster().zeileVon(satz);
        ASSERT_TRUE(r) << satz;
        pr.zelleWaehlen(*r, 3);
        ASSERT_EQ(pr.rasterTaste(static_cast<char32_t>(menge[0])), RasterTaste::Ziffer);
        if (menge.size() > 1) pr.zaehlText(0, menge);
    }

    std::string ergebnis(int r12, int a12, int r28, int a28) const {
        auto z = [](int t, int w) {
            char b[16];
            std::snprintf(b, sizeof b, "%05d", w);
            return Text(t) + " " + b + " mA";
        };
        return z(496, r12) + "\n" + z(497, a12) + "\n" + z(498, r28) + "\n" + z(499, a28) + "\n     " + Text(280);
    }

    Programm p;
    ScriptedMessages ms;
};

}  // namespace

TEST_F(PeripherieTest, TransmissionDevicesPerPanel) {
    panel(5);
    PERIPHPresenter rw(p, ms);
    rw.aktivieren();
    eingeben(rw, 354, "2");
    ms.protokoll.clear();
    EXPECT_FALSE(rw.ok());
    EXPECT_EQ(ms.texte(), std::vector<std::string>{Text(390)});
    EXPECT_EQ(p.z.AnzUE, 2);
    eingeben(rw, 354, "1");
    EXPECT_TRUE(rw.ok());

    panel(3);
    PERIPHPresenter pr(p, ms);
    pr.aktivieren();
    eingeben(pr, 354, "1");
    eingeben(pr, 416, "1");
    EXPECT_TRUE(pr.ok());
    eingeben(pr, 430, "1");
    EXPECT_FALSE(pr.ok());
    EXPECT_EQ(p.z.AnzUE, 3);
}

TEST_F(PeripherieTest, QX400SupplyQuestion) {
    panel(4);
    p.z.PeriEingabe = "J";
    PERIPHPresenter pr(p, ms);
    pr.aktivieren();
    eingeben(pr, 400, "1");
    ms.antworten = {Antwort::Nein};
    EXPECT_TRUE(pr.ok());
    EXPECT_EQ(ms.texte(), std::vector<std::string>{Text(360)});
    EXPECT_EQ(p.z.PeriEingabe, "N");
    ms.antworten = {Antwort::Ja};
    EXPECT_TRUE(pr.ok());
    EXPECT_EQ(p.z.PeriEingabe, "J");
}

TEST_F(PeripherieTest, StandaloneSumsWithSoundersCouplerAndDUV) {
    PeriStromDaten daten;
    PeriStromPresenter pr(p, ms, daten);
    pr.aktivieren();
    eingeben(pr, 366, "12");
    PeriStromSummen s = pr.summen();
    EXPECT_EQ(s.alarm28, 12 * 110);  // element 480 at 28 V
    EXPECT_EQ(s.ruhe12 + s.alarm12 + s.ruhe28, 0);

    eingeben(pr, 321, "3");  // 14 mA quiescent, 16 mA alarm at 12 V
    pr.koppler(1);           // PQK 100: element 457 at 12 V
    s = pr.summen();
    EXPECT_EQ(s.ruhe12, 42 + 30);
    EXPECT_EQ(s.alarm12, 48 + 120);
    pr.koppler(4);  // PQB 100: 90 mA quiescent, 250 x 12 x 0.8 / 28 = 85.7 in the alarm case
    p.z.AnzDUV = 2;
    s = pr.summen();
    EXPECT_EQ(s.ruhe28, 90 + 120);
    EXPECT_EQ(s.alarm28, 1320 + 86 + 120);

    // Yes corrects: the window stays with everything entered.
    ms.antworten = {Antwort::Ja};
    EXPECT_FALSE(pr.ok());
    EXPECT_EQ(ms.texte().back(), ergebnis(42, 48, 210, 1526));
}

// Each sounder of the standalone calculation draws its element's 28 V alarm current.
TEST_F(PeripherieTest, StandaloneSoundersDrawTheirElementsAlarmCurrent) {
    for (auto [satz, element] : std::vector<std::pair<int, int>>{{366, 480}, {367, 480}, {436, 480}, {437, 480}, {434, 481},
                                                                 {433, 482}, {438, 483}, {439, 484}, {441, 485}, {399, 490}}) {
        PeriStromDaten daten;
        daten.PeriMenge[static_cast<std::size_t>(satz)] = 2;
        p.estrom.EStrom5.fill(0);
        p.estrom.EStrom5[static_cast<std::size_t>(element - 450)] = 35;
        PeriStromPresenter pr(p, ms, daten);
        EXPECT_EQ(pr.summen().alarm28, 70) << satz;
    }
}

TEST_F(PeripherieTest, StandaloneDUVCountNeverBelowZero) {
    PeriStromDaten daten;
    PeriStromPresenter pr(p, ms, daten);
    pr.aktivieren();
    pr.duv().zaehlText(0, "-3");
    EXPECT_EQ(p.z.AnzDUV, 0);
}
