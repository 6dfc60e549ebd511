#include <gtest/gtest.h>

#include "loops/KBNGrenzen.h"
#include "loops/KBNNachzaehlen.h"
#include "projekt/KBNSummen.h"
#include "projekt/Texte.h"
#include "support/Programme.h"
#include "support/ScriptedMessages.h"

using namespace tarvis;
using test::ScriptedMessages;

namespace {

KatSatz element(const char* kennung, float strom35, Integer rlm = 0, Integer ram = 0) {
    KatSatz s = test::schleifenelement(kennung, "Element", strom35);
    s.SpeicherRLM = rlm;
    s.SpeicherRAM = ram;
    return s;
}

// A small loop catalogue: 503 a heading, 534 a detector of 0.5 mA, 540 one of
// 1 mA, 580 an accessory without address, 600 a module with addresses,
// memory and a 28 V current.
class KBNTest : public ::testing::Test {
protected:
    void SetUp() override {
        p.katalog.setzen(503, test::schleifenelement("", "1.) Koppelmodule"));
        p.katalog.setzen(534, element("OM", 0.5f, 16, 32));
        p.katalog.setzen(540, element("FM", 1.0f, 24, 40));
        KatSatz zubehoer = element("!", 10.0f, 100, 100);
        zubehoer.AdrEin = 5;
        p.katalog.setzen(580, zubehoer);
        KatSatz modul = element("DUV", 1.2f, 40, 64);
        modul.Strom28 = 60.5f;
        modul.AdrEin = 1;
        modul.AdrAus = 2;
        modul.SpeicherRLMTL = 10;
        p.katalog.setzen(600, modul);
        p.katalog.setzen(700, KatSatz{});
        p.z.ZentralenTyp = 4;
    }

    KBNSummen summen() { return KBNSummenBilden(p.z, p.katalog); }
    std::optional<std::string> meldung() {
        auto m = KBNGrenzmeldung(summen(), p.z.ZentralenTyp);
        return m ? std::optional<std::string>(m->text()) : std::nullopt;
    }

    Programm p;
    ScriptedMessages ms;
};

}  // namespace

TEST_F(KBNTest, SumsPerLoopLeaveOutAccessoriesAndRoundTheCurrentAfterEachRecord) {
    p.z.KBNMenge1[534] = 3;  // 1.5 mA -> 2
    p.z.KBNMenge1[540] = 2;  // 2 + 2 = 4
    p.z.KBNMenge1[580] = 50; // "!" counts nowhere
    p.z.KBNMenge2[534] = 1;  // 0.5 -> 0 (half to even)
    p.z.KBNMenge2[600] = 2;  // 0 + 2.4 -> 2
    KBNSummen s = summen();
    EXPECT_EQ(s.elemente[1], 5);
    EXPECT_EQ(s.elemente[2], 3);
    EXPECT_EQ(s.gesamt, 8);
    EXPECT_EQ(s.strom[1], 4);
    EXPECT_EQ(s.strom[2], 2);
    EXPECT_EQ(s.speicherRLM[1], 3 * 16 + 2 * 24);
    EXPECT_EQ(s.speicherRAM[2], 32 + 2 * 64);
    EXPECT_EQ(s.adrEin, 0);  // only loop 1 counts addresses, and 580 is left out
    EXPECT_FLOAT_EQ(s.strom28, 121.0f);
}

TEST_F(KBNTest, ElementAndCurrentLimitsAreInclusive) {
    p.z.KBNMenge3[534] = 27;   // 13.5 mA -> 14
    p.z.KBNMenge3[540] = 100;  // 127 elements, 114 mA
    EXPECT_EQ(meldung(), "La corrente massima per LOOP (100 mA) viene superato!");
    p.z.KBNMenge3[540] = 86;   // 113 elements, exactly 100 mA
    EXPECT_EQ(meldung(), std::nullopt);
    p.z.KBNMenge3[534] = 41;   // 127 elements, 20.5 -> 20, + 86 = 106 mA
    EXPECT_EQ(meldung(), Text(173) + "100 mA" + Text(154));
    p.z.KBNMenge3[534] = 28;
    p.z.KBNMenge3[540] = 0;
    p.z.KBNMenge3[580] = 99;   // accessories: 28 elements, 14 mA
    p.z.KBNMenge1[534] = 127;  // exactly 127 elements on loop 1, 63.5 -> 64 mA
    EXPECT_EQ(meldung(), std::nullopt);
    p.z.KBNMenge1[534] = 128;  // 128 elements: the element message comes before all others
    p.z.KBNMenge2[540] = 101;
    EXPECT_EQ(meldung(), "L'importo massimo di elementi per LOOP (127) viene superato!");
    p.z.KBNMenge1[534] = 0;
    EXPECT_EQ(meldung(), Text(173) + "100 mA" + Text(154));
}

TEST_F(KBNTest, MemoryLimitsOfTheSmallAndTheLargeLoops) {
    p.katalog.setzen(510, element("X", 0, 64, 0));
    p.katalog.setzen(511, element("Y", 0, 1, 1));
    p.katalog.setzen(514, element("W", 0, 128, 0));
    p.katalog.setzen(515, element("S", 0, 0, 8191));
    p.katalog.setzen(516, element("T", 0, 0, 16383));
    auto pruefen = [&](SatzArray<Long>& loop, int satz, Long menge, const std::string& grenze) {
        loop = {};
        loop[static_cast<std::size_t>(satz)] = menge;
        EXPECT_EQ(meldung(), std::nullopt) << grenze;
        loop[511] = 1;
        EXPECT_EQ(meldung(), Text(grenze == "8191" || grenze == "16383" ? 237 : 236) + grenze + Text(154));
        loop = {};
    };
    // Program memory: 4352 on loops 1 and 3, 8704 on loops 2 and 4.
    pruefen(p.z.KBNMenge1, 510, 68, "4352");
    pruefen(p.z.KBNMenge2, 514, 68, "8704");
    // Data memory: 8191 on loops 1 and 3, 16383 on loops 2 and 4.
    pruefen(p.z.KBNMenge1, 515, 1, "8191");
    pruefen(p.z.KBNMenge2, 516, 1, "16383");
    // Loop 2 takes what loop 1 refuses.
    p.z.KBNMenge2[510] = 68;
    p.z.KBNMenge2[511] = 1;
    EXPECT_EQ(meldung(), std::nullopt);
}

TEST_F(KBNTest, WideQuantitiesDoNotWrapAround) {
    // 40 records x 999 would be 39960 elements: beyond 16 bits, still reported.
    for (int i = 620; i < 660; ++i) {
        p.katalog.setzen(i, element("E", 5.0f));
        p.z.KBNMenge1[i] = 999;
    }
    KBNSummen s = summen();
    EXPECT_EQ(s.elemente[1], 39960);
    EXPECT_EQ(s.strom[1], 199800);
    KBNSummenSetzen(p.z, s);
    EXPECT_EQ(p.z.SumElem1, 39960);
    EXPECT_EQ(p.z.SumStrom1, 199800);
    EXPECT_EQ(meldung(), Text(153) + "127" + Text(154));
}

// A current that is no number: KBNEINTest.ACurrentThatIsNoNumberExceedsTheLimitAndShowsAsSuch.
TEST_F(KBNTest, APassingCheckRefillsTheLoopCopyAFailingOneLeavesIt) {
    p.z.KBNMenge1[503] = 2;  // listed and summed, but not carried
    p.z.KBNMenge1[534] = 4;
    p.z.KBNMenge3[600] = 6;
    p.z.KBNMenge4[700] = 7;
    p.z.KBNWert(2, 580, 2) = 9;  // stale, cleared by the refill

    KBNSummenStand st = KBNSummieren(p, ms);
    EXPECT_TRUE(st.grenzenEingehalten);
    EXPECT_TRUE(ms.protokoll.empty());
    EXPECT_EQ(p.z.SumElem1, 6);
    EXPECT_EQ(p.z.KBNWert(1, 534, 1), 4);
    EXPECT_EQ(p.z.KBNWert(2, 600, 1), 6);
    EXPECT_EQ(p.z.KBNWert(2, 700, 2), 7);
    EXPECT_EQ(p.z.KBNWert(2, 580, 2), 0);

    p.z.KBNMenge1[534] = 200;
    st = KBNSummieren(p, ms);
    EXPECT_FALSE(st.grenzenEingehalten);
    EXPECT_EQ(p.z.SumElem1, 202);
    ASSERT_EQ(ms.texte().size(), 1u);
    EXPECT_EQ(ms.texte()[0], Text(153) + "127" + Text(154));
    EXPECT_EQ(ms.protokoll[0].symbol, Symbol::Ausrufezeichen);
    EXPECT_EQ(p.z.KBNWert(1, 534, 1), 4);
}
