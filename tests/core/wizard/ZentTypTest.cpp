#include <gtest/gtest.h>
#include <array>

#include "projekt/Texte.h"
#include "support/ScriptedMessages.h"
#include "wizard/Auswahldialoge.h"
#include "wizard/ZentTypPresenter.h"
#include "wizard/HY100Presenter.h"
#include "wizard/PQSloeschenPresenter.h"
#include "wizard/OLNVernetzPresenter.h"
#include "projekt/Schnittstellen.h"

using namespace tarvis;
using test::ScriptedMessages;

namespace {

class ZentTypTest : public ::testing::Test {
protected:
    void SetUp() override { ProjektZuruecksetzen(p.z); }
    void schleifenFuellen() {
        for (int k = 1; k <= 4; ++k) p.z.KBNMenge(k)[600] = k;
    }

    Programm p;
    ScriptedMessages ms;
    ZentTypPresenter zt{p, ms};
};

}  // namespace

TEST_F(ZentTypTest, WithoutAChoiceForwardRefusesWith292AndNothingChanges) {
    zt.aktivieren();
    EXPECT_FALSE(zt.weiter());
    EXPECT_EQ(ms.nummern(), std::vector<int>{292});
    EXPECT_EQ(p.z.ZentralenTypBest, 0);
    EXPECT_EQ(p.z.WeiterOK, 0);
}

TEST_F(ZentTypTest, EachOptionSetsTheVariablesOfItsRow) {
    p.z.Sprache = 1;
    zt.waehlen(5);
    EXPECT_EQ(p.z.Alarmart, "B");
    EXPECT_EQ(p.z.AnzMG, 64);
    zt.waehlen(6);  // TL 300: intrusion, zones kept
    EXPECT_EQ(p.z.Alarmart, "N");
    EXPECT_EQ(p.z.AnzMG, 64);
    zt.waehlen(7);  // standalone parts keep alarm kind and zones
    EXPECT_EQ(p.z.ZentralenTyp, 7);
    EXPECT_EQ(p.z.Alarmart, "N");
}

TEST_F(ZentTypTest, ActivationSelectsTheCurrentTypeAndRunsItsClick) {
    p.z.Sprache = 1;
    p.z.ZentralenTyp = 5;
    p.z.AnzMG = 10;
    p.z.OLNMenueAktiv = 1;
    zt.aktivieren();
    EXPECT_TRUE(zt.ansicht().optionen[5].gewaehlt);
    EXPECT_EQ(p.z.AnzMG, 64);
    EXPECT_EQ(p.z.OLNMenueAktiv, 0);  // no networking for a RW 500

    // The click runs before the language disables the option.
    struct Fall { Byte sprache; Integer typ; const char* alarmart; Integer anzMG; };
    for (Fall f : {Fall{2, 2, "B", 127}, Fall{3, 1, "N", 10}}) {
        p.z.Sprache = f.sprache;
        p.z.ZentralenTyp = f.typ;
        p.z.Alarmart = f.alarmart[0] == 'B' ? "N" : "B";
        p.z.AnzMG = 10;
        zt.aktivieren();
        EXPECT_EQ(p.z.Alarmart, f.alarmart) << f.typ;
        EXPECT_EQ(p.z.AnzMG, f.anzMG) << f.typ;
        EXPECT_TRUE(zt.ansicht().optionen[static_cast<std::size_t>(f.typ)].gewaehlt);
        EXPECT_FALSE(zt.ansicht().optionen[static_cast<std::size_t>(f.typ)].aktiv);
    }
}

// Confirming a type opens its follow-up window and keeps only the loops the panel has.
TEST_F(ZentTypTest, ConfirmingATypeOpensItsWindowAndClearsTheLoopsThePanelLacks) {
    struct Fall { int typ; std::vector<Fenster> fenster; bool folgeNoetig; std::array<Long, 4> schleifen; };
    for (const Fall& f : {Fall{1, {Fenster::MG1000}, false, {1, 0, 0, 0}},  // its close box does not matter
                          Fall{5, {Fenster::MG_EAZ}, true, {1, 2, 0, 0}}, Fall{3, {Fenster::OLNVernetz}, true, {1, 2, 3, 4}},
                          Fall{6, {}, false, {1, 0, 0, 0}}, Fall{8, {}, false, {1, 2, 3, 4}}}) {
        SCOPED_TRACE(f.typ);
        ProjektZuruecksetzen(p.z);
        ms = ScriptedMessages{};
        schleifenFuellen();
        zt.waehlen(f.typ);
        // The follow-up window closed with its close box keeps this dialog open where it matters.
        EXPECT_EQ(zt.weiter(), !f.folgeNoetig);
        EXPECT_EQ(ms.fenster(), f.fenster);
        for (int k = 1; k <= 4; ++k) EXPECT_EQ(p.z.KBNMenge(k)[600], f.schleifen[static_cast<std::size_t>(k - 1)]) << k;
        if (!f.fenster.empty()) ms.fensterSkript[f.fenster[0]] = [] { return true; };
        EXPECT_TRUE(zt.weiter());
        EXPECT_EQ(p.z.ZentralenTypBest, f.typ);
        EXPECT_EQ(p.z.WeiterOK, 1);
    }
}

TEST_F(ZentTypTest, SettingDialogsHoldTheOptionTheyShow) {
    p.z.WEKAbfrage = 2;
    p.z.Schwerpunkt = "X";
    WEKfragePresenter wek(p, ms);
    wek.aktivieren();
    BranotWahlPresenter branot(p, ms);
    branot.aktivieren();
    EXPECT_TRUE(wek.ansicht().optionen[1].schalter.gewaehlt);
    EXPECT_TRUE(branot.ansicht().optionen[1].schalter.gewaehlt);
    EXPECT_EQ(p.z.WEKAbfrage, 0);
    EXPECT_EQ(p.z.Schwerpunkt, "N");
}

TEST_F(ZentTypTest, MGEAZOffers32ZonesOnlyInTheGermanVersion) {
    MGEAZPresenter eaz(p, ms);
    p.z.Sprache = 1;
    p.z.MGEAZ = 1;
    eaz.aktivieren();
    EXPECT_EQ(p.z.MGEAZ, 2);

    p.z.Sprache = 3;
    eaz.aktivieren();
    EXPECT_EQ(p.z.MGEAZ, 1);
    eaz.waehlen(1);
    EXPECT_EQ(p.z.MGEAZ, 1);
}

namespace {

class GMAwechselTest : public ZentTypTest {
protected:
    void SetUp() override {
        ZentTypTest::SetUp();
        p.z.ZentralenTyp = 4;
        p.z.ZentralenTypBest = 4;
        p.z.UeZeit = 30;
        p.z.AnzBE = 2;
        p.z.Projektname = "Ospedale";
        schleifenFuellen();
        g.aktivieren();
    }
    GMAwechselPresenter g{p, ms};
};

}  // namespace

TEST_F(GMAwechselTest, NoChangeClosesWithoutQuestions) {
    EXPECT_TRUE(g.ansicht().optionen[0].schalter.gewaehlt);
    EXPECT_TRUE(g.ok());
    EXPECT_TRUE(ms.protokoll.empty());
    EXPECT_EQ(p.z.AnzBE, 2);
}

TEST_F(GMAwechselTest, NewProjectWithTheSamePanelClearsEverythingElse) {
    g.waehlen(1);
    EXPECT_FALSE(g.ok());  // No to 289: the dialog stays
    EXPECT_EQ(p.z.AnzBE, 2);

    ms.antworten = {Antwort::Ja};
    EXPECT_TRUE(g.ok());
    EXPECT_EQ(ms.nummern(), (std::vector<int>{289, 289, 290}));
    EXPECT_EQ(p.z.ZentralenTyp, 4);
    EXPECT_EQ(p.z.AnzBE, 0);
    EXPECT_EQ(p.z.UeZeit, 0);
    EXPECT_EQ(p.z.KBNMenge3[600], 0);
    EXPECT_TRUE(ms.fenster().empty());
}

TEST_F(GMAwechselTest, ChangingThePanelClearsAllAndAsksForTheNewType) {
    g.waehlen(2);
    ms.antworten = {Antwort::Ja};
    EXPECT_FALSE(g.ok());  // the panel type dialog was closed: this dialog stays open
    EXPECT_EQ(p.z.WeiterOK, 0);
    EXPECT_EQ(p.z.ZentralenTyp, 0);
    EXPECT_EQ(p.z.ZentralenTypAlt, 4);
    EXPECT_EQ(ms.fenster(), std::vector<Fenster>{Fenster::ZentTyp});
    EXPECT_EQ(p.z.KBNMenge1[600], 0);

    ms.antworten = {Antwort::Ja};
    ms.fensterSkript[Fenster::ZentTyp] = [&] { p.z.ZentralenTyp = 5; return true; };
    EXPECT_TRUE(g.ok());
    EXPECT_EQ(p.z.ZentralenTyp, 5);
}

TEST_F(GMAwechselTest, Choice3KeepsLoopQuantitiesAndStandbyTimeButClearsTheRest) {
    g.waehlen(3);
    ms.antworten = {Antwort::Ja};
    ms.fensterSkript[Fenster::ZentTyp] = [&] { p.z.ZentralenTyp = 3; return true; };
    EXPECT_TRUE(g.ok());
    EXPECT_EQ(ms.texte(), (std::vector<std::string>{Text(685), Text(349)}));
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(p.z.KBNMenge(k)[600], k);
    EXPECT_EQ(p.z.UeZeit, 30);
    EXPECT_EQ(p.z.AnzBE, 0);
    EXPECT_EQ(p.z.NetzBehalten, 0);  // only for that one reset

    // A later clear of the project data takes the loops too.
    ProjektZuruecksetzen(p.z);
    EXPECT_EQ(p.z.KBNMenge4[600], 0);
}

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
