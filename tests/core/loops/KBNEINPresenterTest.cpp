#include <gtest/gtest.h>

#include <limits>

#include "projekt/Format.h"
#include "loops/KBNEINPresenter.h"
#include "support/Programme.h"
#include "projekt/Texte.h"

using namespace tarvis;
using test::ScriptedMessages;

namespace {

// Messages that can look at the window while a message is up.
struct Meldungen : ScriptedMessages {
    std::function<void()> beiMeldung;
    void zeigen(const Meldung& m) override {
        if (beiMeldung) beiMeldung();
        ScriptedMessages::zeigen(m);
    }
};

class KBNEINTest : public ::testing::Test {
protected:
    void SetUp() override { p = test::musterProgramm(); }

    void panel(int typ) {
        p.z.ZentralenTyp = static_cast<Integer>(typ);
        ZentralenNameSetzen(p.z, typ);
        pr.aktivieren();
    }

    // Selects the record's cell of a loop and types the quantity: the first
    // digit in the grid, the rest in the box.
    void eingeben(int satz, int loop, const std::string& menge) {
        auto r = pr.raster().zeileVon(satz);
        ASSERT_TRUE(r) << satz;
        pr.zelleWaehlen(*r, ElementRaster::kErsteMengenSpalte + loop - 1);
        ASSERT_EQ(pr.rasterTaste(static_cast<char32_t>(menge[0])), RasterTaste::Ziffer);
        if (menge.size() > 1) pr.zaehlText(loop - 1, menge);
    }

    Long q(int loop, int satz) const { return p.z.KBNMenge(loop)[satz]; }
    std::vector<std::string> texte() const { return ms.texte(); }

    Programm p;
    Meldungen ms;
    KBNEINPresenter pr{p, ms};
};

}  // namespace

TEST_F(KBNEINTest, ElementAndCurrentLimitsWhileTypingAndOnForward) {
    panel(4);
    eingeben(558, 1, "127");  // 127 magnetic contacts: 25 mA
    EXPECT_EQ(pr.ansicht().elemente[0].text, "127");
    EXPECT_TRUE(ms.protokoll.empty());
    eingeben(558, 1, "128");
    ASSERT_EQ(texte().size(), 1u);
    EXPECT_EQ(texte()[0], Text(153) + "127" + Text(154));
    EXPECT_EQ(q(1, 558), 128);  // the typed quantity stays for correction
    EXPECT_FALSE(pr.weiter());
    EXPECT_EQ(texte().size(), 2u);

    // The view shows the new sums before the message stands over them.
    eingeben(558, 1, "55");
    std::string gezeigt, ueberDerMeldung;
    pr.setzeBeiNeuenSummen([&] { gezeigt = pr.ansicht().elemente[0].text; });
    ms.beiMeldung = [&] { ueberDerMeldung = gezeigt; };
    eingeben(534, 1, "111");
    EXPECT_EQ(ueberDerMeldung, "166");
    ms.beiMeldung = nullptr;

    eingeben(534, 1, "0");
    eingeben(558, 1, "0");
    EXPECT_EQ(q(1, 558), 0);
    EXPECT_EQ(pr.raster().zelle(*pr.raster().zeileVon(558), 3), "");  // 0 empties the cell
    eingeben(506, 2, "125");  // 125 x 0.8 mA = 100 mA on loop 2
    EXPECT_EQ(pr.ansicht().strom[1].text, "100");
    EXPECT_EQ(texte().size(), 3u);
    eingeben(506, 2, "126");
    EXPECT_EQ(texte().back(), Text(173) + "100 mA" + Text(154));
    EXPECT_EQ(pr.raster().zelle(*pr.raster().zeileVon(506), 7), "126");  // row total
}

TEST_F(KBNEINTest, ACurrentThatIsNoNumberExceedsTheLimitAndShowsAsSuch) {
    KatSatz s = p.katalog.satz(558);
    s.Strom35 = std::numeric_limits<float>::infinity();
    s.Strom28 = std::numeric_limits<float>::quiet_NaN();
    p.katalog.setzen(558, s);
    panel(4);
    eingeben(558, 2, "1");
    EXPECT_EQ(texte(), std::vector<std::string>{Text(173) + "100 mA" + Text(154)});
    EXPECT_EQ(pr.ansicht().strom[1].text, KeineZahlText());
    EXPECT_EQ(pr.ansicht().lbl28.text, KeineZahlText());
    EXPECT_EQ(pr.ansicht().strom[0].text, "0");
}

TEST_F(KBNEINTest, TL300AddressLimitsAndOnlyAddressedElementsListed) {
    panel(6);
    EXPECT_FALSE(pr.raster().zeileVon(503));  // headings hold no address
    EXPECT_FALSE(pr.raster().zeileVon(534));  // fire detectors neither
    EXPECT_TRUE(pr.raster().zeileVon(558));
    eingeben(561, 1, "70");  // 140 input addresses
    EXPECT_EQ(pr.ansicht().lblAdr1.text, "140");
    EXPECT_TRUE(pr.ansicht().lblAdrEin.sichtbar);
    EXPECT_TRUE(ms.protokoll.empty());
    eingeben(558, 1, "1");
    EXPECT_EQ(texte().back(), Text(165) + "140" + Text(154));
    eingeben(558, 1, "0");
    eingeben(561, 1, "0");

    eingeben(506, 1, "64");  // 64 output addresses
    EXPECT_EQ(texte().size(), 1u);
    eingeben(506, 1, "65");
    EXPECT_EQ(texte().back(), Text(180) + "64" + Text(154));
}

TEST_F(KBNEINTest, ProgramMemoryOfLoop1And2) {
    panel(3);
    eingeben(505, 1, "68");  // 68 x 64 = 4352 (and 6528 of data memory)
    EXPECT_EQ(pr.ansicht().speicherRLM[0].text, "4352"); 
    EXPECT_TRUE(ms.protokoll.empty());
    eingeben(505, 1, "69");
    EXPECT_EQ(texte().back(), Text(236) + "4352" + Text(154));
    eingeben(505, 1, "0");
    eingeben(505, 2, "69");  // loop 2 takes twice as much
    EXPECT_EQ(texte().size(), 1u);
    EXPECT_FALSE(pr.ansicht().lblAdrEin.sichtbar);
}

TEST_F(KBNEINTest, HeadingsAndSpacersTakeNoQuantity) {
    panel(4);
    auto kopf = *pr.raster().zeileVon(503);
    auto abstand = *pr.raster().zeileVon(511);
    EXPECT_EQ(pr.raster().zeile(abstand).art, RasterZeilenArt::Abstand);
    EXPECT_EQ(pr.raster().zelle(abstand, 0), " ");
    EXPECT_FALSE(pr.raster().zeileVon(545));  // no longer delivered
    for (int r : {kopf, abstand}) {
        pr.zelleWaehlen(r, 4);
        EXPECT_FALSE(pr.ansicht().boxSichtbar[1]);
        EXPECT_EQ(pr.rasterTaste(U'5'), RasterTaste::Keine);
        pr.zaehlText(1, "5");
    }
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(q(k, 503) + q(k, 511), 0);
    // The selection stays within the loop columns of the panel.
    pr.zelleWaehlen(kopf, 0);
    EXPECT_EQ(pr.raster().gewaehlteSpalte(), 3);
    panel(2);
    pr.zelleWaehlen(kopf, 7);
    EXPECT_EQ(pr.raster().gewaehlteSpalte(), 4);
    EXPECT_FALSE(pr.boxPfeil(1, 1));  // no third loop to the right
    EXPECT_TRUE(pr.boxPfeil(1, -1));
    EXPECT_EQ(pr.raster().gewaehlteSpalte(), 3);
}

TEST_F(KBNEINTest, BoxesTakeDigitsOnly) {
    panel(1);
    EXPECT_TRUE(pr.zaehlTaste(0, U'7'));
    EXPECT_FALSE(pr.zaehlTaste(0, U'x'));
    EXPECT_FALSE(pr.zaehlTaste(0, U'\b'));
    EXPECT_EQ(test::piepser(ms), 2);
    EXPECT_EQ(pr.zaehlAnsicht(0).maxLaenge, 3);
}

TEST_F(KBNEINTest, QuickSearchByInitialLetters) {
    panel(4);
    pr.rasterTaste(U'M');
    pr.rasterTaste(U'a');
    EXPECT_EQ(pr.raster().gewaehlt()->satz, 558);  // "Magnetkontakt"
    EXPECT_EQ(pr.ansicht().lblSuche.text, "MA");
    EXPECT_EQ(pr.rasterTaste(U'\b'), RasterTaste::Suche);
    EXPECT_EQ(pr.ansicht().lblSuche.text, "M");
    EXPECT_EQ(pr.raster().gewaehlt()->satz, 558);  // Backspace does not search
    pr.rasterTaste(U'E');
    pr.rasterTaste(U'l');
    EXPECT_EQ(pr.raster().gewaehlt()->satz, 546);  // "Meldersockel"
    EXPECT_EQ(pr.rasterTaste(U'Q'), RasterTaste::Suche);
    EXPECT_EQ(pr.raster().gewaehlt()->satz, 546);  // no match: the selection stays
    pr.zelleWaehlen(0, 3);
    EXPECT_EQ(pr.ansicht().lblSuche.text, "");
}

TEST_F(KBNEINTest, NothingEnteredIsAsked) {
    panel(3);
    ms.antworten = {Antwort::Nein};
    EXPECT_FALSE(pr.weiter());
    EXPECT_EQ(texte(), std::vector<std::string>{Text(155)});
    p.z.BedienFrageGestellt = 1;
    ms.antworten = {Antwort::Ja};
    EXPECT_TRUE(pr.weiter());
}

TEST_F(KBNEINTest, ForwardTransfersAndOpensTheFollowUpWindowsInOrder) {
    panel(4);
    for (int satz : {529, 527, 625, 627, 600}) eingeben(satz, 1, "2");
    eingeben(670, 2, "3");
    p.z.SchaltenNorm = 1;
    ms.antworten = {Antwort::Ja, Antwort::Ja};  // PQK and PQV on a fire panel
    ASSERT_TRUE(pr.weiter());
    EXPECT_EQ(texte(), (std::vector<std::string>{Text(158), Text(159)}));
    EXPECT_EQ(p.z.Menge[529], 2);
    EXPECT_EQ(p.z.AnzHY, 3);
    EXPECT_TRUE(pr.nachSchliessen());
    EXPECT_EQ(ms.fenster(), (std::vector<Fenster>{Fenster::PQSloeschen, Fenster::PQSPQBsp, Fenster::PQKSpeisung,
                                                  Fenster::PQVSpeisung, Fenster::HY100, Fenster::DUV100Sp}));
    EXPECT_EQ(p.z.SchaltenNorm, 1);
    EXPECT_EQ(p.z.KBNMenueAktiv, 1);

    // Without PQS, PQK and PQV their settings go.
    ms.protokoll.clear();
    for (int satz : {529, 527, 625, 627, 600, 670}) eingeben(satz, 1, "0");
    eingeben(670, 2, "0");
    eingeben(534, 1, "1");
    p.z.PQKnorm28 = p.z.HYZusatz = 2;
    ASSERT_TRUE(pr.weiter());
    EXPECT_TRUE(pr.nachSchliessen());
    EXPECT_TRUE(ms.fenster().empty());
    EXPECT_EQ(p.z.SchaltenNorm + p.z.PQKnorm28 + p.z.HYZusatz + p.z.AnzHY, 0);
}

TEST_F(KBNEINTest, FireAndIntrusionQuestions) {
    panel(2);
    eingeben(625, 1, "1");
    ms.antworten = {Antwort::Nein};
    EXPECT_FALSE(pr.weiter());
    EXPECT_EQ(texte().back(), Text(158));

    // An intrusion panel without a setting device asks once per project.
    ms.protokoll.clear();
    panel(3);
    eingeben(558, 1, "4");
    ms.antworten = {Antwort::Nein};
    EXPECT_FALSE(pr.weiter());
    EXPECT_EQ(texte(), std::vector<std::string>{Text(160)});
    EXPECT_TRUE(pr.weiter());
    EXPECT_EQ(texte().size(), 1u);
}

TEST_F(KBNEINTest, RW500Refusals) {
    panel(5);
    eingeben(529, 1, "17");
    EXPECT_FALSE(pr.weiter());
    EXPECT_EQ(texte().back(), Text(274));
    eingeben(529, 1, "16");
    eingeben(519, 2, "1");
    EXPECT_FALSE(pr.weiter());
    EXPECT_EQ(texte().back(), Text(697));
}

TEST_F(KBNEINTest, WEKSafetyQuery) {
    panel(4);
    p.z.WEKAbfrage = 1;
    eingeben(534, 1, "3");
    ms.antworten = {Antwort::Nein};
    EXPECT_FALSE(pr.weiter());
    EXPECT_EQ(texte().back(), "WEK 100 KBN und/oder JAG 100 KBN nicht ausgewählt!\nRichtig?");
    eingeben(608, 1, "1");
    EXPECT_TRUE(pr.weiter());
}

TEST_F(KBNEINTest, OperatingPanelsPerPanelType) {
    struct Fall {
        int typ;
        std::vector<std::pair<int, const char*>> mengen;
        Integer mgeaz;
        bool ok;
    };
    const Fall faelle[] = {
        {1, {{614, "1"}}, 2, false},            // KVT 1000: none at all
        {3, {{612, "1"}}, 2, false},            // no TS 32 on a KVT 2000
        {3, {{614, "1"}}, 2, true},             // one operating panel
        {4, {{614, "1"}, {615, "1"}}, 2, false},
        {5, {{612, "1"}}, 2, true},             // RW 500 with EAZ: counted
        {5, {{612, "1"}}, 1, false},            // without: quantity + 2
        {6, {{607, "1"}}, 2, true},
        {6, {{607, "1"}, {609, "1"}}, 2, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.typ);
        for (int k = 1; k <= 4; ++k) p.z.KBNMenge(k).fill(0);
        p.z.MGEAZ = f.mgeaz;
        p.z.BedienFrageGestellt = 1;
        panel(f.typ);
        for (auto [satz, menge] : f.mengen) eingeben(satz, 1, menge);
        ms.protokoll.clear();
        ms.antworten = {Antwort::Ja, Antwort::Ja};
        ASSERT_TRUE(pr.weiter());
        EXPECT_EQ(pr.nachSchliessen(), f.ok);
        const auto t = texte();
        EXPECT_EQ(std::count(t.begin(), t.end(), Text(389)) > 0, !f.ok);
    }
}

TEST_F(KBNEINTest, BE300OnlyOnTheTL300) {
    panel(3);
    eingeben(620, 1, "1");
    ms.antworten = {Antwort::Ja};
    ASSERT_TRUE(pr.weiter());
    EXPECT_FALSE(pr.nachSchliessen());
    EXPECT_EQ(texte().back(), Text(522));

    panel(6);
    eingeben(620, 1, "6");
    ASSERT_TRUE(pr.weiter());
    EXPECT_FALSE(pr.nachSchliessen());
    EXPECT_EQ(texte().back(), "Max. 5 BE 300 in TL 300!");
    eingeben(620, 1, "5");
    ASSERT_TRUE(pr.weiter());
    EXPECT_TRUE(pr.nachSchliessen());
    EXPECT_EQ(p.z.AnzBETL, 5);
}

TEST_F(KBNEINTest, TL300WithPSM300AsksForTheParallelSupplyAndOpensItsOptions) {
    panel(6);
    eingeben(514, 1, "1");
    eingeben(677, 1, "1");
    ms.antworten = {Antwort::Ja};
    ASSERT_TRUE(pr.weiter());
    ASSERT_EQ(ms.protokoll.back().titel, "TL 300 + PSM 300");
    EXPECT_EQ(p.z.PSMParallel, 2);
    EXPECT_TRUE(pr.nachSchliessen());
    EXPECT_EQ(ms.fenster(), std::vector<Fenster>{Fenster::PSM300});
}

TEST_F(KBNEINTest, DeleteAllAfterTheQuestion) {
    panel(4);
    eingeben(534, 3, "5");
    ms.antworten = {Antwort::Nein};
    pr.allesLoeschen();
    EXPECT_EQ(q(3, 534), 5);
    ms.antworten = {Antwort::Ja};
    pr.allesLoeschen();
    EXPECT_EQ(texte(), (std::vector<std::string>{Text(378), Text(378)}));
    EXPECT_EQ(q(3, 534), 0);
    EXPECT_EQ(pr.ansicht().lblTotal.text, "0");
}

TEST_F(KBNEINTest, CaptionsAndColumnsFollowThePanel) {
    p.z.CodeModus = "S";
    panel(5);
    KBNEINAnsicht a = pr.ansicht();
    EXPECT_EQ(a.titel, p.z.ZentralenName + "   " + Text(103));
    EXPECT_EQ(a.schleifen, 2);
    EXPECT_FALSE(a.tpxOben[2].sichtbar);
    const auto& kopf = pr.raster().kopf();
    EXPECT_EQ(kopf[2], Text(106));
    EXPECT_EQ(kopf[4], "TPX2");
    EXPECT_EQ(kopf[5], "");
    int r = *pr.raster().zeileVon(534);
    EXPECT_EQ(pr.raster().zelle(r, 2), p.katalog.satz(534).Sachnummer.trimmed());
    p.z.CodeModus = "V";
    panel(5);
    EXPECT_EQ(pr.raster().zelle(r, 2), p.katalog.satz(534).LIBEXBrand.trimmed());
    // Reopened, the grid shows what was entered; the 28 V sum is a decimal number.
    p.z.KBNMenge2[603] = 3;
    panel(5);
    EXPECT_EQ(pr.raster().zelle(*pr.raster().zeileVon(603), 4), "3");
    EXPECT_EQ(pr.ansicht().lbl28.text, "4,5");
}
