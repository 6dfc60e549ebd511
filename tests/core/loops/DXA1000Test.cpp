#include <gtest/gtest.h>

#include "loops/DXA1000Presenter.h"
#include "projekt/Texte.h"
#include "support/ScriptedMessages.h"

using namespace tarvis;
using test::ScriptedMessages;

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
