#include <gtest/gtest.h>

#include "projekt/Texte.h"
#include "support/ScriptedMessages.h"
#include "wizard/HY100Presenter.h"
#include "wizard/PQSloeschenPresenter.h"

using namespace tarvis;
using test::ScriptedMessages;

namespace {

class RelaisTest : public ::testing::Test {
protected:
    void SetUp() override { ProjektZuruecksetzen(p.z); }
    Programm p;
    ScriptedMessages ms;
};

}  // namespace

TEST_F(RelaisTest, TooManyContactsForTwoPQKIsAWarningThenTheCardCount) {
    p.z.AnzPQK = 2;
    p.z.AnzHY = 4;
    HY100Presenter pr(p, ms);
    pr.felder().zaehlText(HY100Presenter::PQKnorm28, "5");
    pr.felder().zaehlText(HY100Presenter::PQKinv12, "4");
    ms.antworten = {Antwort::Nein};
    EXPECT_FALSE(pr.weiter());
    EXPECT_EQ(ms.texte(), std::vector<std::string>{Text(391) + " 2 PQK! OK?"});
    // Yes goes on: 9 contacts are not twice the 4 cards.
    ms.antworten = {Antwort::Ja, Antwort::Ja};
    EXPECT_TRUE(pr.weiter());
    EXPECT_EQ(ms.texte().back(), Text(300));
}

TEST_F(RelaisTest, ContactsMatchingTheCardsCloseWithoutAQuestion) {
    p.z.AnzPQK = 1;
    p.z.AnzPQV = 1;
    p.z.AnzHY = 3;
    HY100Presenter pr(p, ms);
    pr.felder().zaehlText(HY100Presenter::PQKnorm28, "2");
    pr.felder().zaehlText(HY100Presenter::PQKnorm12, "1");
    pr.felder().zaehlText(HY100Presenter::PQVinv28, "3");
    EXPECT_TRUE(pr.weiter());
    EXPECT_TRUE(ms.protokoll.empty());
    EXPECT_EQ(p.z.PQVinv28, 3);
}

TEST_F(RelaisTest, PQSSwitchingOutputsOnePerCoupler) {
    p.z.ZentralenTyp = 4;
    p.z.AnzPQS = 2;
    PQSloeschenPresenter pr(p, ms);
    pr.aktivieren();
    pr.felder().zaehlText(PQSloeschenPresenter::SchaltenNorm, "2");
    pr.felder().zaehlText(PQSloeschenPresenter::SchaltenInv, "1");
    EXPECT_FALSE(pr.weiter());
    EXPECT_EQ(ms.texte(), std::vector<std::string>{Text(272)});
    pr.felder().zaehlText(PQSloeschenPresenter::SchaltenNorm, "1");
    EXPECT_TRUE(pr.weiter());
}

TEST_F(RelaisTest, VOGRelaysPerCouplerAndPanel) {
    p.z.ZentralenTyp = 5;
    p.z.AnzPQS = 20;
    PQSloeschenPresenter pr(p, ms);
    pr.felder().zaehlText(PQSloeschenPresenter::VOG, "17");
    EXPECT_FALSE(pr.weiter());
    EXPECT_EQ(ms.texte(), std::vector<std::string>{Text(273)});
    pr.felder().zaehlText(PQSloeschenPresenter::VOG, "16");
    EXPECT_TRUE(pr.weiter());
}

TEST_F(RelaisTest, DKMDoublingOnlyOnAKVT2000BWithFewerThanThreeLoops) {
    p.z.ZentralenTyp = 4;
    p.z.AnzPQS = 1;
    p.z.KBNWert(1, 534, 1) = 3;
    p.z.KBNWert(1, 600, 2) = 1;
    p.z.Doppeln = " ";  // values no option shows: held as "no" once shown
    p.z.Loeschen = 2;
    PQSloeschenPresenter pr(p, ms);
    pr.aktivieren();
    EXPECT_EQ(pr.belegteSchleifen(), 2);
    PQSloeschenAnsicht a = pr.ansicht();
    EXPECT_TRUE(a.doppeln.aktiv);
    EXPECT_TRUE(a.doppeln.nein);
    EXPECT_TRUE(a.loeschen.nein);
    EXPECT_EQ(p.z.Doppeln, "N");
    EXPECT_EQ(p.z.Loeschen, 0);
    pr.doppeln(true);
    pr.loeschen(true);
    EXPECT_EQ(p.z.Doppeln, "J");
    EXPECT_EQ(p.z.Loeschen, 1);
    p.z.KBNWert(2, 534, 1) = 1;
    EXPECT_FALSE(pr.ansicht().doppeln.aktiv);
    p.z.KBNWert(2, 534, 1) = 0;
    p.z.ZentralenTyp = 3;
    EXPECT_FALSE(pr.ansicht().doppeln.aktiv);
}
