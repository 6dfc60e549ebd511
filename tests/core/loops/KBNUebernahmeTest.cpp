#include <gtest/gtest.h>

#include "loops/KBNNachzaehlen.h"
#include "loops/KBNUebernahme.h"
#include "projekt/Texte.h"
#include "support/ScriptedMessages.h"

using namespace tarvis;
using test::ScriptedMessages;

namespace {

class UebernahmeTest : public ::testing::Test {
protected:
    void SetUp() override { p.katalog.setzen(700, KatSatz{}); }

    void menge(int satz, Long q1, Long q2 = 0, Long q3 = 0, Long q4 = 0) {
        auto i = static_cast<std::size_t>(satz);
        p.z.KBNMenge1[i] = q1;
        p.z.KBNMenge2[i] = q2;
        p.z.KBNMenge3[i] = q3;
        p.z.KBNMenge4[i] = q4;
    }

    Programm p;
    ScriptedMessages ms;
};

}  // namespace

TEST_F(UebernahmeTest, ArticleQuantitiesAreTheLoopSumsOf504To700) {
    menge(503, 5);
    menge(504, 1, 2, 3, 4);
    menge(700, 0, 0, 0, 9);
    p.z.Menge[505] = 7;  // no longer on any loop
    KBNMengenUebernehmen(p.z);
    EXPECT_EQ(p.z.Menge[503], 0);
    EXPECT_EQ(p.z.Menge[504], 10);
    EXPECT_EQ(p.z.Menge[505], 0);
    EXPECT_EQ(p.z.Menge[700], 9);
    // A quantity beyond the Integer range stops at its end.
    menge(580, 30000, 30000);
    KBNMengenUebernehmen(p.z);
    EXPECT_EQ(p.z.Menge[580], 32767);
}

TEST_F(UebernahmeTest, DerivedModuleCounts) {
    p.z.ZentralenTyp = 4;
    p.z.Menge[529] = 1;
    p.z.Menge[530] = 2;
    p.z.Menge[531] = 3;
    p.z.Menge[527] = 4;
    p.z.Menge[528] = 5;
    p.z.Menge[600] = 6;
    p.z.Menge[601] = 7;
    p.z.Menge[625] = 8;
    p.z.Menge[626] = 9;
    p.z.Menge[627] = 10;
    p.z.Menge[646] = 11;
    p.z.Menge[670] = 12;
    p.z.Menge[514] = 13;
    p.z.Menge[620] = 2;
    p.z.Menge[621] = 3;
    p.z.PQSspeis = 6;   // all six PQS fed from the system
    p.z.PQBspeis = 4;   // four of nine PQB
    p.z.DUVspeis = 20;  // more than there are
    p.z.PQK12 = 1;
    p.z.Wandler28 = 1;
    p.z.PSMParallel = 2;
    KBNModuleAbleiten(p.z, ms);
    KBNBedienteileZaehlen(p.z);
    EXPECT_EQ(p.z.AnzPQS, 6);
    EXPECT_EQ(p.z.PQSWahl, 1);
    EXPECT_EQ(p.z.PQSspeis, 6);
    EXPECT_EQ(p.z.AnzPQB, 9);
    EXPECT_EQ(p.z.PQBWahl, 2);
    EXPECT_EQ(p.z.PQBspeis, 4);
    EXPECT_EQ(p.z.AnzDUV, 13);
    EXPECT_EQ(p.z.DUVWahl, 2);
    EXPECT_EQ(p.z.AnzPQK, 17);
    EXPECT_EQ(p.z.PQK12, 9);
    EXPECT_EQ(p.z.AnzPQV, 10);
    EXPECT_EQ(p.z.AnzArt646, 11);
    EXPECT_EQ(p.z.AnzHY, 12);
    EXPECT_EQ(p.z.AnzPSM, 13);
    EXPECT_EQ(p.z.Wandler28, 1);
    EXPECT_EQ(p.z.PSMParallel, 2);
    EXPECT_EQ(p.z.AnzBETL, 5);
    EXPECT_TRUE(ms.protokoll.empty());  // the parallel-supply question is the TL 300's

    // Without modules nothing is fed and the PSM 300 options go.
    p.z.Menge = {};
    KBNModuleAbleiten(p.z, ms);
    EXPECT_EQ(p.z.AnzPQS, 0);
    EXPECT_EQ(p.z.PQSWahl, 2);  // the count changed from 6 to 0
    EXPECT_EQ(p.z.PQSspeis, 0);
    EXPECT_EQ(p.z.PQBspeis, 0);
    EXPECT_EQ(p.z.DUVspeis, 0);
    EXPECT_EQ(p.z.Wandler28, 0);
    EXPECT_EQ(p.z.PSMParallel, 0);
    KBNModuleAbleiten(p.z, ms);
    EXPECT_EQ(p.z.PQSWahl, 1);
}

TEST_F(UebernahmeTest, ATL300WithAPSM300AsksForTheParallelSupplyUnlessJustOpened) {
    p.z.ZentralenTyp = 6;
    p.z.Menge[514] = 1;

    ms.antworten = {Antwort::Nein};
    KBNModuleAbleiten(p.z, ms);
    ASSERT_EQ(ms.protokoll.size(), 1u);
    EXPECT_EQ(ms.protokoll[0].text, Text(735));
    EXPECT_EQ(ms.protokoll[0].titel, "TL 300 + PSM 300");
    EXPECT_EQ(ms.protokoll[0].symbol, Symbol::Frage);
    EXPECT_EQ(p.z.PSMParallel, 1);

    // After a No the default is No; answering Yes gives 2.
    ms.antworten.clear();
    KBNModuleAbleiten(p.z, ms);
    EXPECT_EQ(p.z.PSMParallel, 1);  // the unscripted question takes its default
    ms.antworten = {Antwort::Ja};
    KBNModuleAbleiten(p.z, ms);
    EXPECT_EQ(p.z.PSMParallel, 2);
    ms.antworten.clear();
    KBNModuleAbleiten(p.z, ms);
    EXPECT_EQ(p.z.PSMParallel, 2);  // default Yes after a Yes

    // Just opened: no question, and the flag is spent.
    ms.protokoll.clear();
    p.z.ProjektGeoeffnet = 1;
    KBNModuleAbleiten(p.z, ms);
    EXPECT_TRUE(ms.protokoll.empty());
    EXPECT_EQ(p.z.ProjektGeoeffnet, 0);
    EXPECT_EQ(p.z.PSMParallel, 2);
}

TEST_F(UebernahmeTest, TheRecountAfterOpeningRunsTheSumsTheCheckAndTheForwardSteps) {
    KatSatz pqs;
    pqs.Kennung = "PQS";
    pqs.Bezeichnung = "Koppler PQS";
    pqs.Strom35 = 2;
    p.katalog.setzen(529, pqs);
    KatSatz be;
    be.Kennung = "BE3";
    be.Bezeichnung = "Bedienteil";
    be.Strom35 = 0.8f;
    p.katalog.setzen(620, be);
    p.katalog.setzen(621, be);
    p.z.ZentralenTyp = 6;
    menge(529, 3);
    menge(620, 2);
    menge(621, 1);
    menge(514, 1);
    p.z.ProjektGeoeffnet = 1;

    KBNNachzaehlen(p, ms);
    EXPECT_TRUE(ms.protokoll.empty());
    EXPECT_EQ(p.z.SumElem1, 7);
    EXPECT_EQ(p.z.SumStrom1, 9);  // 6, + 1.6 -> 8, + 0.8 -> 9 (rounded after each record)
    EXPECT_EQ(p.z.KBNWert(1, 529, 1), 3);
    EXPECT_EQ(p.z.Menge[529], 3);
    EXPECT_EQ(p.z.AnzPQS, 3);
    EXPECT_EQ(p.z.AnzBETL, 3);
    EXPECT_EQ(p.z.AnzPSM, 1);
    EXPECT_EQ(p.z.ProjektGeoeffnet, 0);

    // Over the limit: the message is shown, the loop copy stays, the forward
    // steps still run.
    ms.protokoll.clear();
    menge(529, 200);
    p.z.ProjektGeoeffnet = 1;
    KBNNachzaehlen(p, ms);
    ASSERT_EQ(ms.texte().size(), 1u);
    EXPECT_EQ(ms.texte()[0], Text(153) + "127" + Text(154));
    EXPECT_EQ(p.z.KBNWert(1, 529, 1), 3);
    EXPECT_EQ(p.z.Menge[529], 200);
    EXPECT_EQ(p.z.AnzPQS, 200);
}
