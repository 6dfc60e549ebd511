#include <gtest/gtest.h>

#include "loops/ExtPresenter.h"
#include "support/Programme.h"
#include "projekt/Texte.h"

using namespace tarvis;
using test::ScriptedMessages;

namespace {

class ExtTest : public ::testing::Test {
protected:
    void SetUp() override {
        ProjektZuruecksetzen(p.z);
        panel(6);
    }
    void panel(int typ) { p.z.ZentralenTyp = static_cast<Integer>(typ); }

    void zeile(ExtPresenter& pr, int i, const char* menge, const char* ruhe, const char* alarm) {
        pr.felder().zaehlText(ExtPresenter::feld(i, ExtPresenter::Menge), menge);
        pr.felder().zaehlText(ExtPresenter::feld(i, ExtPresenter::Ruhe), ruhe);
        pr.felder().zaehlText(ExtPresenter::feld(i, ExtPresenter::Alarm), alarm);
    }

    Programm p;
    ScriptedMessages ms;
};

}  // namespace

TEST_F(ExtTest, ARowProductBeyond32767IsRefused) {
    panel(4);
    ExtPresenter pr(p, ms, ExtSpannung::V12);
    pr.aktivieren();
    zeile(pr, 0, "1", "10", "20");
    zeile(pr, 3, "300", "100", "100");
    EXPECT_TRUE(ms.protokoll.empty());
    EXPECT_EQ(pr.ansicht().summeRuhe.text, "30010");
    pr.felder().zaehlText(ExtPresenter::feld(3, ExtPresenter::Menge), "400");
    EXPECT_EQ(ms.texte(), std::vector<std::string>{Text(147)});
    // OK does not take the incomplete totals.
    EXPECT_FALSE(pr.ok());
    pr.fokusAbholen();
    pr.felder().zaehlText(ExtPresenter::feld(3, ExtPresenter::Menge), "300");
    EXPECT_TRUE(pr.ok());
    EXPECT_EQ(p.z.Ext12Ruhe, 30010.0f);
    EXPECT_EQ(p.z.Ext12Alarm, 30020.0f);
}

TEST_F(ExtTest, TL300WithoutPSM300TakesAtMost300mAAt12V) {
    p.z.AnzPSM = 0;
    ExtPresenter pr(p, ms, ExtSpannung::V12);
    pr.aktivieren();
    zeile(pr, 0, "3", "100", "100");
    EXPECT_TRUE(pr.ok());
    zeile(pr, 1, "1", "1", "1");
    EXPECT_FALSE(pr.ok());
    EXPECT_EQ(ms.texte().back(), Text(179) + "\n" + Text(742));
    // With a PSM 300 KBN in parallel the mains unit's 4700 mA count.
    p.z.AnzPSM = 1;
    p.z.PSMParallel = 2;
    EXPECT_TRUE(pr.ok());
    zeile(pr, 1, "1", "4401", "4401");
    EXPECT_FALSE(pr.ok());
    EXPECT_EQ(ms.texte().back(), Text(748));
}

TEST_F(ExtTest, TL300At28V) {
    ExtPresenter pr(p, ms, ExtSpannung::V28);
    pr.aktivieren();
    zeile(pr, 0, "1", "500", "700");  // the alarm alone is over the 600 mA
    // No PSM 300 KBN and no transformer: a warning, the window closes.
    EXPECT_TRUE(pr.ok());
    EXPECT_EQ(ms.texte(), std::vector<std::string>{Text(745) + " 600 mA!\n" + Text(746)});
    // With a 28 V transformer the limit is 1100 mA.
    p.z.Wandler28 = 1;
    ms.protokoll.clear();
    zeile(pr, 0, "1", "1100", "1100");
    EXPECT_TRUE(pr.ok());
    EXPECT_TRUE(ms.protokoll.empty());
    zeile(pr, 0, "1", "1100", "1101");
    EXPECT_FALSE(pr.ok());
    EXPECT_EQ(ms.texte().back(), Text(747) + " 1100 mA!");
    EXPECT_EQ(p.z.Ext28Alarm, 1101.0f);
    panel(2);  // other panels: no transformer limit here
    p.z.Wandler28 = 0;
    ms.protokoll.clear();
    EXPECT_TRUE(pr.ok());
    EXPECT_TRUE(ms.protokoll.empty());
}

