#include <gtest/gtest.h>

#include "loops/DXAGehPresenter.h"
#include "loops/PSM300Presenter.h"
#include "support/Programme.h"
#include "projekt/Texte.h"

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
