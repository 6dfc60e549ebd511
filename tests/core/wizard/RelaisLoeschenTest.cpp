#include <gtest/gtest.h>

#include "projekt/Texte.h"
#include "support/ScriptedMessages.h"
#include "wizard/HY100Presenter.h"
#include "wizard/PQSloeschenPresenter.h"
#include "wizard/OLNVernetzPresenter.h"
#include "projekt/Schnittstellen.h"

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

namespace {

class OLNVernetzTest : public ::testing::Test {
protected:
    void SetUp() override {
        ProjektZuruecksetzen(p.z);
        p.z.ZentralenTyp = 4;
        p.z.Tele = 1;
    }
    std::array<int, 6> flags() const {
        const Zustand& z = p.z;
        return {z.OLN1a, z.OLN1b, z.OLN1c, z.OLN2a, z.OLN2b, z.OLN2c};
    }

    Programm p;
    ScriptedMessages ms;
    OLNVernetzPresenter oln{p, ms};
};

}  // namespace

TEST_F(OLNVernetzTest, ShownAsNotNetworkedHoldsNoLinks) {
    p.z.OLNJa = 2;  // shown "no", so held as no, without links
    p.z.OLN1b = 1;
    oln.aktivieren();
    EXPECT_EQ(p.z.OLNJa, 0);
    EXPECT_EQ(flags(), (std::array<int, 6>{0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(oln.weiter());
    EXPECT_EQ(p.z.OLNMenueAktiv, 1);
}

TEST_F(OLNVernetzTest, NoThenYesShowsTheOpticalCouplerOnBothSides) {
    oln.vernetzt(false);
    oln.vernetzt(true);
    EXPECT_EQ(flags(), (std::array<int, 6>{1, 0, 0, 1, 0, 0}));
}

TEST_F(OLNVernetzTest, FibreOnOneSideAndModemOnTheOtherAreTwoInterfaces) {
    oln.vernetzt(true);
    oln.anschluss(1, 1);
    oln.anschluss(2, 2);
    oln.name("Ala est del complesso ospedaliero");
    EXPECT_TRUE(oln.weiter());
    EXPECT_EQ(flags(), (std::array<int, 6>{0, 1, 0, 0, 0, 1}));
    EXPECT_EQ(SchnittstellenAnzahl(p.z), 2);
    EXPECT_EQ(p.z.OLNName, "Ala est del compless");  // cut to 20 characters
}

TEST_F(OLNVernetzTest, StoredLinksBecomeTheOnesShownAndInconsistentOnesAreStillRefused) {
    p.z.OLNJa = 1;
    p.z.OLN1a = p.z.OLN1b = p.z.OLN1c = 1;
    p.z.OLN2b = 2;  // no option shows it: side 2 shows the optical coupler
    oln.aktivieren();
    EXPECT_TRUE(oln.ansicht().seite1[0].gewaehlt);
    EXPECT_TRUE(oln.ansicht().seite2[0].gewaehlt);
    EXPECT_EQ(flags(), (std::array<int, 6>{1, 0, 0, 1, 0, 0}));

    // Flags set without the window (as a file may hold them) are refused.
    p.z.OLN1b = p.z.OLN1c = 1;
    EXPECT_FALSE(oln.weiter());
    EXPECT_EQ(ms.texte().back(), "Max. 2 collegamenti per lato!");
    EXPECT_EQ(p.z.WeiterOK, 0);

    // A link on one side only (as a file may hold it).
    p.z.OLN1b = p.z.OLN1c = 0;
    p.z.OLN2a = 0;
    EXPECT_FALSE(oln.weiter());
    EXPECT_EQ(ms.texte().back(), "Collegamento disponibile per entrambi i lati!");
    p.z.OLN1a = 0;
    EXPECT_FALSE(oln.weiter());
    EXPECT_EQ(ms.texte().back(), "Nessun collegamento stabilito!");
}

TEST_F(OLNVernetzTest, ConfirmingRunsTheInterfaceCountCheckWhichOnlyWarns) {
    oln.vernetzt(true);
    p.z.AnzDrucker = 1;
    p.z.Schnitt1 = 2;
    p.z.Schnitt2 = 2;
    p.z.Tele = 2;  // with the two links: six
    EXPECT_TRUE(oln.weiter());
    EXPECT_EQ(ms.texte(), std::vector<std::string>{"Max. 5 interfacce!"});
    EXPECT_EQ(p.z.ZusAbbruch, 1);
    EXPECT_EQ(p.z.WeiterOK, 1);
}
