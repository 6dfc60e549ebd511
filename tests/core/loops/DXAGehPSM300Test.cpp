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
    EXPECT_EQ(pr.ansicht().lblDXAakzept.text, "5");

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

TEST_F(VersorgungTest, DXAGehLinesOfTheCriteria) {
    p.z.DXAVorschlag = 1;
    p.z.DXABedarf[1] = 1;
    p.z.DXABedarf[2] = 1;
    p.z.DXABedarf[4] = 1;
    p.z.DXABedarf[5] = 1;
    p.z.BatKapazitaet = 95.4f;
    p.z.AnzBatterien = 3;
    p.z.IAlarm = 5600;
    p.z.IRuhe = 900;
    p.z.NetzMax12 = 5400;
    p.z.NetzMax28 = 600;
    p.z.I28Ruhe = 100;
    p.z.I28 = 250;
    p.z.Ext28Ruhe = 300;
    p.z.AnzPSM = 0;
    DXAGehPresenter pr(p, ms);
    pr.aktivieren();
    DXAGehAnsicht a = pr.ansicht();
    EXPECT_EQ(a.label2.text, Text(429) + " 95 Ah = 3 " + Text(431));
    EXPECT_EQ(a.label3.text, Text(432) + " 5600 mA. Maximal: 5400 mA.");
    EXPECT_FALSE(a.label4.sichtbar);
    EXPECT_EQ(a.label5.text, Text(433) + " 900 " + Text(435) + " 5600 = 6500 mA. Maximal: 5400 mA.");
    EXPECT_EQ(a.label6.text, Text(436) + " 650 mA. Maximal: 600 mA");
    EXPECT_EQ(a.label9.text, Text(437) + " 250 mA. Maximal: 600 mA");
    p.z.DXABedarf[2] = 0;  // each line follows its own criterion
    EXPECT_TRUE(pr.ansicht().label2.sichtbar);
    EXPECT_FALSE(pr.ansicht().label3.sichtbar);

    // A KVT 1000 has the smaller batteries; criterion 4 is for fire panels only.
    panel(1);
    a = pr.ansicht();
    EXPECT_EQ(a.label2.text, Text(429) + " 95 Ah = 3 " + Text(430));
    EXPECT_FALSE(a.label5.sichtbar);
}

TEST_F(VersorgungTest, DXAGehOnATL300) {
    panel(6);
    p.z.Trafo28Max = 600;
    p.z.Trafo28Zus = 500;
    p.z.DXABedarf[5] = 1;
    p.z.AnzPSM = 1;
    DXAGehPresenter pr(p, ms);
    pr.aktivieren();
    DXAGehAnsicht a = pr.ansicht();
    // Nothing at 28 V: no DXA 1000, greyed.
    EXPECT_EQ(a.label1.text, Text(448));
    EXPECT_FALSE(a.label1.aktiv);
    EXPECT_FALSE(a.korrekturAktiv);
    EXPECT_FALSE(pr.felder().zaehlAnsicht(DXAGehPresenter::DXA).aktiv);
    EXPECT_TRUE(a.psm.aktiv);
    EXPECT_EQ(a.label6.text, Text(436) + "  mA. Maximal: 600 mA " + Text(672));  // 0 shows as nothing

    // 28 V loads beyond transformer and PSM 300 together.
    p.z.I28 = 700;
    p.z.Ext28Alarm = 450;
    a = pr.ansicht();
    EXPECT_EQ(a.label1.text, Text(750) + "\n" + Text(438));
    p.z.Ext28Alarm = 0;
    EXPECT_EQ(pr.ansicht().label1.text, Text(750));

    // The 28 V limit with a transformer: only for one transformer in parallel
    // operation; any other set-up shows 0.
    p.z.Wandler28 = 1;
    p.z.PSMParallel = 2;
    EXPECT_EQ(pr.grenze28(), 1100);
    EXPECT_EQ(pr.ansicht().label6.text, Text(436) + " 700 mA. Maximal: 1.100 mA");
    p.z.PSMParallel = 1;
    EXPECT_EQ(pr.grenze28(), 0);
    p.z.PSMParallel = 2;
    p.z.Wandler28 = 2;
    EXPECT_EQ(pr.grenze28(), 0);
}

TEST_F(VersorgungTest, PSM300AllowsTwoRelayModulesAndOneTransformerPerSupply) {
    p.z.AnzPSM = 2;
    PSM300Presenter pr(p, ms);
    EXPECT_TRUE(pr.ansicht().label3.sichtbar);  // the notes only beside other panels than the TL 300
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
    // 25 is beyond the boxes' range.
    pr.felder().zaehlText(PSM300Presenter::Wandler28, "25");
    EXPECT_EQ(p.z.Wandler28, 19);
    EXPECT_EQ(pr.felder().zaehlAnsicht(PSM300Presenter::Wandler28).text, "19");
    pr.felder().zaehlText(PSM300Presenter::VRX, "25");
    EXPECT_EQ(p.z.PSMVRX, 19);
    panel(6);
    EXPECT_FALSE(pr.ansicht().label5.sichtbar);
}
