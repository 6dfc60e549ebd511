#include <gtest/gtest.h>
#include <limits>

#include "projekt/Format.h"
#include "loops/JUBLSpeisPresenter.h"
#include "loops/PQKSpeisungPresenter.h"
#include "loops/PQSPQBspPresenter.h"
#include "loops/PQVSpeisungPresenter.h"
#include "support/Programme.h"
#include "projekt/Texte.h"
#include "loops/ExtPresenter.h"

using namespace tarvis;
using test::ScriptedMessages;

namespace {

class SpeisungTest : public ::testing::Test {
protected:
    void SetUp() override { p = test::musterProgramm(); }
    Programm p;
    ScriptedMessages ms;
};

}  // namespace

TEST_F(SpeisungTest, PQKFeedsOtherThanTheModuleCountAreAsked) {
    p.z.AnzPQK = 3;
    PQKSpeisungPresenter pr(p, ms);
    pr.aktivieren();
    EXPECT_EQ(p.z.PQK12, 3);  // nothing entered yet: all at 12 V
    pr.felder().zaehlText(PQKSpeisungPresenter::PQK12, "2");
    ms.antworten = {Antwort::Nein};
    EXPECT_FALSE(pr.weiter());
    ASSERT_EQ(ms.protokoll.size(), 1u);
    EXPECT_EQ(ms.protokoll[0].text, Text(416) + "\n" + Text(418));
    ms.antworten = {Antwort::Ja};
    EXPECT_TRUE(pr.weiter());
    pr.felder().zaehlText(PQKSpeisungPresenter::PQK28, "1");
    EXPECT_TRUE(pr.weiter());
    EXPECT_EQ(ms.protokoll.size(), 2u);
}

TEST_F(SpeisungTest, APQVFeedNoOptionShowsBecomesTheFirstOption) {
    for (Integer gespeichert : {Integer{0}, Integer{7}}) {
        p.z.PQVspeis = gespeichert;
        PQVSpeisungPresenter pr(p);
        pr.aktivieren();
        EXPECT_EQ(p.z.PQVspeis, 1) << gespeichert;
        EXPECT_TRUE(pr.ansicht().optionen[0].gewaehlt);
    }
}

TEST_F(SpeisungTest, PQSAndPQBFrames) {
    p.z.Menge[529] = 2;
    p.z.Menge[530] = 2;
    p.z.AnzPQS = 4;
    p.z.PQSspeis = 0;
    p.z.AnzPQB = 0;
    p.z.PQBspeis = 3;  // left from an earlier entry
    PQSPQBspPresenter pr(p, ms);
    pr.aktivieren();
    auto a = pr.ansicht();
    // Never confirmed: all four PQS are fed from the system.
    EXPECT_EQ(p.z.PQSspeis, 4);
    EXPECT_TRUE(a.pqs.alle.gewaehlt);
    // No PQB: its frame is disabled and nothing is fed.
    EXPECT_FALSE(a.pqb.aktiv);
    EXPECT_EQ(p.z.PQBspeis, 0);
    // A damaged catalogue: the information line names no made-up current.
    KatSatz kaputt = p.katalog.satz(529);
    kaputt.Strom28 = std::numeric_limits<float>::quiet_NaN();
    p.katalog.setzen(529, kaputt);
    EXPECT_NE(pr.ansicht().pqs.info.text.find(KeineZahlText()), std::string::npos);
    p.katalog.setzen(529, test::musterProgramm().katalog.satz(529));

    pr.pqs().nichtAlle();
    pr.felder().zaehlText(pr.pqs().feld(), "9");  // more than there are
    EXPECT_EQ(p.z.PQSspeis, 4);
    pr.felder().zaehlText(pr.pqs().feld(), "1");
    EXPECT_TRUE(pr.weiter());
    EXPECT_EQ(p.z.PQSBestaetigt + p.z.PQBBestaetigt, 2);
}

TEST_F(SpeisungTest, JUBLRefusesMoreThanTheProjectHas) {
    p.z.Menge[453] = 1;
    p.z.Menge[456] = 1;
    JUBLSpeisPresenter pr(p, ms);
    pr.felder().zaehlText(0, "3");
    EXPECT_FALSE(pr.ok());
    EXPECT_EQ(ms.texte(), std::vector<std::string>{Text(122) + "?"});
    pr.felder().zaehlText(0, "2");
    EXPECT_TRUE(pr.ok());
    EXPECT_EQ(p.z.AnzJUBL, 2);
}

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

