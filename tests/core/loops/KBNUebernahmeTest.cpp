#include <gtest/gtest.h>

#include "loops/KBNUebernahme.h"
#include "projekt/Programm.h"
#include "projekt/Texte.h"
#include "support/Programme.h"
#include "support/ScriptedMessages.h"
#include "loops/KBNDruck.h"

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
    const Zustand& z = p.z;
    EXPECT_EQ((std::vector<int>{z.AnzPQS, z.PQSWahl, z.PQSspeis, z.AnzPQB, z.PQBWahl, z.PQBspeis, z.AnzDUV, z.DUVWahl,
                                z.AnzPQK, z.PQK12, z.AnzPQV, z.AnzArt646, z.AnzHY, z.AnzPSM, z.Wandler28, z.PSMParallel,
                                z.AnzBETL}),
              (std::vector<int>{6, 1, 6, 9, 2, 4, 13, 2, 17, 9, 10, 11, 12, 13, 1, 2, 5}));
    EXPECT_TRUE(ms.protokoll.empty());  // the parallel-supply question is the TL 300's

    // Without modules nothing is fed and the PSM 300 options go.
    p.z.Menge = {};
    KBNModuleAbleiten(p.z, ms);
    EXPECT_EQ(p.z.AnzPQS + p.z.PQSspeis + p.z.PQBspeis + p.z.DUVspeis + p.z.Wandler28 + p.z.PSMParallel, 0);
}

TEST_F(UebernahmeTest, ATL300WithAPSM300AsksForTheParallelSupplyUnlessJustOpened) {
    p.z.ZentralenTyp = 6;
    p.z.Menge[514] = 1;

    ms.antworten = {Antwort::Nein};
    KBNModuleAbleiten(p.z, ms);
    ASSERT_EQ(ms.nummern(), std::vector<int>{735});
    EXPECT_EQ(ms.protokoll[0].titel, "TL 300 + PSM 300");
    EXPECT_EQ(p.z.PSMParallel, 1);

    ms.antworten = {Antwort::Ja};
    KBNModuleAbleiten(p.z, ms);
    EXPECT_EQ(p.z.PSMParallel, 2);

    // Just opened: no question, and the flag is spent.
    ms.protokoll.clear();
    p.z.ProjektGeoeffnet = 1;
    KBNModuleAbleiten(p.z, ms);
    EXPECT_TRUE(ms.protokoll.empty());
    EXPECT_EQ(p.z.ProjektGeoeffnet, 0);
    EXPECT_EQ(p.z.PSMParallel, 2);
}

namespace {

const Zeitstempel kZeit{"06/12/2026", "14:05:09"};

Programm programm() {
    Programm p;
    p.katalog.setzen(503, test::schleifenelement("", "1.) Koppelmodule"));
    p.katalog.setzen(534, test::schleifenelement("OM", "Optischer Rauchmelder OM 301", 0.5f));
    p.katalog.setzen(546, test::schleifenelement("!", "Meldersockel MS 301", 9));
    p.katalog.setzen(646, test::schleifenelement("RM", "Relaismodul RM 100 KBN", 1));
    ProjektZuruecksetzen(p.z);
    p.z.Projektname = "Lager";
    ZentralenNameSetzen(p.z, 4);
    return p;
}

std::vector<std::string> zeilen(const Druckauftrag& a) {
    std::vector<std::string> v;
    for (const auto& z : a.seiten.at(0).zeilen) v.push_back(ZeileAlsText(z));
    return v;
}

}  // namespace

// The printout of the loops entered is pinned by the golden files; here the
// question before it and the list of every element.
TEST(KBNDruck, CancelPrintsNothingYesEveryElementNoTheEnteredOnes) {
    Programm p = programm();
    p.z.KBNMenge3[534] = 20000;  // five digits widen their column
    ScriptedMessages ms;
    ms.antworten = {Antwort::Abbrechen};
    EXPECT_FALSE(KBNDrucken(p, ms, kZeit));
    ASSERT_EQ(ms.nummern(), std::vector<int>{361});

    ms.antworten = {Antwort::Ja};
    auto alle = KBNDrucken(p, ms, kZeit);
    ASSERT_TRUE(alle);
    auto v = zeilen(*alle);
    // Every element, with zeros; the heading and the empty records are left out.
    ASSERT_EQ(v.size(), 19u);
    EXPECT_EQ(v[15], "    Optischer Rauchmelder OM 301     20000     0       0    20000      0");
    EXPECT_EQ(v[16], "    Meldersockel MS 301                 0      0       0       0       0");

    ms.antworten = {Antwort::Nein};
    ASSERT_TRUE(KBNDrucken(p, ms, kZeit));  // the entered ones: the golden printouts
    // The printout sums with the loop entry's check: an exceeded limit is shown.
    EXPECT_EQ(ms.texte().back(), Text(153) + "127" + Text(154));
}
