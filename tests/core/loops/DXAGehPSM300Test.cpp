#include <gtest/gtest.h>

#include "loops/DXAGehPresenter.h"
#include "loops/PSM300Presenter.h"
#include "support/Programme.h"
#include "projekt/Texte.h"
#include "loops/DXA1000Presenter.h"
#include "support/ScriptedMessages.h"

using namespace tarvis;
using test::ScriptedMessages;

namespace {

class VersorgungTest : public ::testing::Test {
protected:
    void SetUp() override {
        p = test::musterProgramm();
        panel(4);
    }
    void panel(int typ) {
        p.z.ZentralenTyp = static_cast<Integer>(typ);
        ZentralenNameSetzen(p.z, typ);
    }
    Programm p;
    ScriptedMessages ms;
};

}  // namespace

TEST_F(VersorgungTest, DXAGehTakesTheProposalAndChecksTheCounts) {
    p.z.AnzDXA = 5;  // confirmed the time before
    p.z.DXAVorschlag = 1;
    p.z.ZOLWVorschlag = 2;
    DXAGehPresenter pr(p, ms);
    pr.aktivieren();
    EXPECT_EQ(p.z.DXAVorschlag, 2);  // at least one DXA 1000 per ZOLW card
    EXPECT_EQ(p.z.AnzDXA, 2);
    EXPECT_EQ(p.z.AnzZOLW, 2);

    pr.felder().zaehlText(DXAGehPresenter::DXA, "1");
    EXPECT_FALSE(pr.weiter());
    EXPECT_EQ(ms.texte().back(), Text(164));
    pr.felder().zaehlText(DXAGehPresenter::DXA, "0");
    pr.felder().zaehlText(DXAGehPresenter::ZOLW, "1");
    EXPECT_FALSE(pr.weiter());
    EXPECT_EQ(ms.texte().back(), Text(163));
    EXPECT_EQ(p.z.WeiterOK, 0);
    pr.felder().zaehlText(DXAGehPresenter::DXA, "1");
    EXPECT_TRUE(pr.weiter());
    EXPECT_EQ(p.z.WeiterOK, 1);
}

TEST_F(VersorgungTest, DXAGehOnATL300) {
    panel(6);
    p.z.Trafo28Max = 600;
    p.z.Trafo28Zus = 500;
    p.z.AnzPSM = 1;
    DXAGehPresenter pr(p, ms);
    pr.aktivieren();
    EXPECT_TRUE(pr.ansicht().psm.aktiv);

    // The 28 V limit with a transformer: only for one transformer in parallel
    // operation; any other set-up shows 0.
    p.z.Wandler28 = 1;
    p.z.PSMParallel = 2;
    EXPECT_EQ(pr.grenze28(), 1100);
    p.z.PSMParallel = 1;
    EXPECT_EQ(pr.grenze28(), 0);
    p.z.PSMParallel = 2;
    p.z.Wandler28 = 2;
    EXPECT_EQ(pr.grenze28(), 0);
}

TEST_F(VersorgungTest, PSM300AllowsTwoRelayModulesAndOneTransformerPerSupply) {
    p.z.AnzPSM = 2;
    PSM300Presenter pr(p, ms);
    pr.felder().zaehlText(PSM300Presenter::VRX, "4");
    pr.felder().zaehlText(PSM300Presenter::Wandler28, "2");
    EXPECT_TRUE(pr.weiter());
    pr.felder().zaehlText(PSM300Presenter::VRX, "5");
    EXPECT_FALSE(pr.weiter());
    EXPECT_EQ(ms.texte().back(), Text(730));
    pr.felder().zaehlText(PSM300Presenter::VRX, "4");
    pr.felder().zaehlText(PSM300Presenter::Wandler28, "3");
    EXPECT_FALSE(pr.weiter());
    EXPECT_EQ(ms.texte().back(), Text(731));
}

namespace {

class DXA1000Test : public ::testing::Test {
protected:
    void SetUp() override {
        ProjektZuruecksetzen(p.z);
        p.z.ZentralenTyp = 7;
        p.z.Alarmart = "N";
    }
    void setzen(DXA1000Presenter::Feld f, const char* wert) { pr.felder().zaehlText(f, wert); }

    Programm p;
    ScriptedMessages ms;
    DXA1000Presenter pr{p, ms};
};

}  // namespace

TEST_F(DXA1000Test, CurrentsAndStandbyTimeGoTogetherAndNothingAtAllIsComplete) {
    setzen(DXA1000Presenter::Ruhe12, "100");
    EXPECT_FALSE(pr.weiter());
    EXPECT_EQ(ms.texte(), std::vector<std::string>{Text(174)});
    setzen(DXA1000Presenter::Ruhe12, "0");
    setzen(DXA1000Presenter::Uezeit, "30");
    EXPECT_FALSE(pr.weiter());
    EXPECT_EQ(ms.texte().size(), 2u);
    setzen(DXA1000Presenter::Uezeit, "0");
    EXPECT_TRUE(pr.weiter());
    EXPECT_EQ(p.z.StammdatenOK, 1);
    EXPECT_EQ(ms.fenster(), std::vector<Fenster>{Fenster::DXAErg});
}

TEST_F(DXA1000Test, IntrusionAlarmBelowQuiescentIsAsked) {
    setzen(DXA1000Presenter::Uezeit, "60");
    setzen(DXA1000Presenter::Ruhe12, "60");
    setzen(DXA1000Presenter::Alarm12, "50");
    ms.antworten = {Antwort::Nein};
    EXPECT_FALSE(pr.weiter());
    EXPECT_EQ(ms.texte(), std::vector<std::string>{Text(161) + "\nrichtig?"});
    ms.antworten = {Antwort::Ja};
    EXPECT_TRUE(pr.weiter());
    // A fire alarm is the excess current: not asked.
    ms.protokoll.clear();
    pr.alarmart(true);
    EXPECT_EQ(pr.ansicht().lblAlarm.text, Text(447));
    EXPECT_TRUE(pr.weiter());
    EXPECT_EQ(ms.texte().size(), 0u);
}

TEST_F(DXA1000Test, AlarmWithoutQuiescentCurrentIsAsked) {
    setzen(DXA1000Presenter::Uezeit, "4");
    setzen(DXA1000Presenter::Alarm28, "300");
    ms.antworten = {Antwort::Nein};
    EXPECT_FALSE(pr.weiter());
    EXPECT_EQ(ms.texte(), std::vector<std::string>{Text(473) + "\n" + Text(472)});
}

TEST_F(DXA1000Test, NoAlarmKindYetIsHeldAsIntrusion) {
    p.z.Alarmart = " ";  // shown and held as intrusion, as the result counts it
    pr.aktivieren();
    EXPECT_EQ(p.z.Alarmart, "N");
    EXPECT_TRUE(pr.ansicht().notruf.gewaehlt);
}
