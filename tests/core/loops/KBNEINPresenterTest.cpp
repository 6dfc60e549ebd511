#include <gtest/gtest.h>

#include <deque>
#include <limits>
#include <tuple>

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

// The limits are KBNGrenzenTest's; here how the window shows them while typing.
TEST_F(KBNEINTest, ALimitBrokenWhileTypingIsShownOverTheNewSumsAndKeepsTheWindow) {
    panel(4);
    eingeben(558, 1, "127");  // 127 magnetic contacts: 25 mA
    EXPECT_EQ(pr.ansicht().elemente[0].text, "127");
    EXPECT_TRUE(ms.protokoll.empty());
    eingeben(558, 1, "128");
    EXPECT_EQ(texte(), std::vector<std::string>{Text(153) + "127" + Text(154)});
    EXPECT_EQ(q(1, 558), 128);  // the typed quantity stays for correction
    EXPECT_FALSE(pr.weiter());
    EXPECT_EQ(texte().size(), 2u);

    eingeben(558, 1, "55");
    std::string gezeigt, ueberDerMeldung;
    pr.setzeBeiNeuenSummen([&] { gezeigt = pr.ansicht().elemente[0].text; });
    ms.beiMeldung = [&] { ueberDerMeldung = gezeigt; };
    eingeben(534, 1, "111");
    EXPECT_EQ(ueberDerMeldung, "166");
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

// The limits themselves are KBNGrenzenTest's; here what the window lists and shows.
TEST_F(KBNEINTest, ATL300ListsOnlyAddressedElementsAndShowsItsAddressesOthersTheirMemory) {
    panel(6);
    EXPECT_FALSE(pr.raster().zeileVon(503));  // headings hold no address
    EXPECT_FALSE(pr.raster().zeileVon(534));  // fire detectors neither
    eingeben(561, 1, "70");  // 140 input addresses
    eingeben(558, 1, "1");
    EXPECT_EQ(texte().back(), Text(165) + "140" + Text(154));
}

TEST_F(KBNEINTest, HeadingsAndSpacersTakeNoQuantity) {
    p.z.KBNMenge2[558] = 7;
    panel(4);
    EXPECT_EQ(pr.raster().zelle(*pr.raster().zeileVon(558), ElementRaster::kErsteMengenSpalte + 1), "7");  // as entered before
    auto kopf = *pr.raster().zeileVon(503);
    auto abstand = *pr.raster().zeileVon(511);
    EXPECT_FALSE(pr.raster().zeileVon(545));  // no longer delivered
    for (int r : {kopf, abstand}) {
        pr.zelleWaehlen(r, 4);
        EXPECT_EQ(pr.rasterTaste(U'5'), RasterTaste::Keine);
        pr.zaehlText(1, "5");
    }
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(q(k, 503) + q(k, 511), 0);
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


// What forward asks and refuses, per panel, and what the checks after it refuse.
TEST_F(KBNEINTest, ForwardQuestionsAndRefusals) {
    using Mengen = std::vector<std::tuple<int, int, const char*>>;  // record, loop, quantity
    struct Fall {
        const char* wie;
        int typ;
        Mengen mengen;
        std::deque<Antwort> antworten;
        bool weiter, danach;
        std::string meldung;  // the last one
        Integer mgeaz = 2;
        Byte bedienFrage = 1, wek = 0;
    };
    const Fall faelle[] = {
        {"nothing entered", 3, {}, {Antwort::Nein}, false, false, Text(155), 2, 0},
        {"PQK on a fire panel", 2, {{625, 1, "1"}}, {Antwort::Nein}, false, false, Text(158)},
        {"intrusion without setting device", 3, {{558, 1, "4"}}, {Antwort::Nein}, false, false, Text(160), 2, 0},
        {"RW 500: 17 PQS", 5, {{529, 1, "17"}}, {}, false, false, Text(274)},
        {"RW 500: 519 on loop 2", 5, {{519, 2, "1"}}, {}, false, false, Text(697)},
        {"WEK not chosen", 4, {{534, 1, "3"}}, {Antwort::Nein}, false, false,
         "WEK 100 KBN und/oder JAG 100 KBN nicht ausgewählt!\nRichtig?", 2, 1, 1},
        {"WEK chosen", 4, {{534, 1, "3"}, {608, 1, "1"}}, {}, true, true, "", 2, 1, 1},
        {"KVT 1000: no operating panel", 1, {{614, 1, "1"}}, {}, true, false, Text(389)},
        {"KVT 2000: no TS 32", 3, {{612, 1, "1"}}, {}, true, false, Text(389)},
        {"RW 500 without EAZ: quantity + 2", 5, {{612, 1, "1"}}, {}, true, false, Text(389), 1},
        {"BE 300 off the TL 300", 3, {{620, 1, "1"}}, {}, true, false, Text(522)},
        {"six BE 300", 6, {{620, 1, "6"}}, {}, true, false, "Max. 5 BE 300 in TL 300!"},
        {"five BE 300", 6, {{620, 1, "5"}}, {}, true, true, ""},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.wie);
        for (int k = 1; k <= 4; ++k) p.z.KBNMenge(k).fill(0);
        p.z.MGEAZ = f.mgeaz;
        p.z.BedienFrageGestellt = f.bedienFrage;
        p.z.WEKAbfrage = f.wek;
        panel(f.typ);
        for (auto [satz, loop, menge] : f.mengen) eingeben(satz, loop, menge);
        ms.protokoll.clear();
        ms.antworten = f.antworten;
        ASSERT_EQ(pr.weiter(), f.weiter);
        if (f.weiter) {
            EXPECT_EQ(pr.nachSchliessen(), f.danach);
        }
        EXPECT_EQ(texte().empty() ? "" : texte().back(), f.meldung);
    }
    EXPECT_EQ(p.z.AnzBETL, 5);
}

