#include <gtest/gtest.h>

#include "loops/KBNDruck.h"
#include "projekt/Texte.h"
#include "support/ScriptedMessages.h"

using namespace tarvis;
using test::ScriptedMessages;

namespace {

const Zeitstempel kZeit{"06/12/2026", "14:05:09"};

Programm programm() {
    Programm p;
    KatSatz kopf;
    kopf.Bezeichnung = "1.) Koppelmodule";
    p.katalog.setzen(503, kopf);
    KatSatz om;
    om.Kennung = "OM";
    om.Bezeichnung = "Optischer Rauchmelder OM 301";
    om.Strom35 = 0.5f;
    p.katalog.setzen(534, om);
    KatSatz sockel;
    sockel.Kennung = "!";
    sockel.Bezeichnung = "Meldersockel MS 301";
    sockel.Strom35 = 9;
    p.katalog.setzen(546, sockel);
    KatSatz rm;
    rm.Kennung = "RM";
    rm.Bezeichnung = "Relaismodul RM 100 KBN";
    rm.Strom35 = 1;
    p.katalog.setzen(646, rm);
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

TEST(KBNDruck, CancelPrintsNothingYesEveryElementNoTheEnteredOnes) {
    Programm p = programm();
    ScriptedMessages ms;
    ms.antworten = {Antwort::Abbrechen};
    EXPECT_FALSE(KBNDrucken(p, ms, kZeit));
    ASSERT_EQ(ms.protokoll.size(), 1u);
    EXPECT_EQ(ms.protokoll[0].text, Text(361) + "\n" + Text(362));
    EXPECT_EQ(ms.protokoll[0].titel, Text(363));

    ms.antworten = {Antwort::Ja};
    auto alle = KBNDrucken(p, ms, kZeit);
    ASSERT_TRUE(alle);
    auto v = zeilen(*alle);
    // Every element, with zeros; the heading and the empty records are left out.
    ASSERT_EQ(v.size(), 19u);
    EXPECT_EQ(v[15], "    Optischer Rauchmelder OM 301        0      0       0       0       0");
    EXPECT_EQ(v[16], "    Meldersockel MS 301                 0      0       0       0       0");
    EXPECT_EQ(v[17], "    Relaismodul RM 100 KBN              0      0       0       0       0");

    ms.antworten = {Antwort::Nein};
    auto eingegeben = KBNDrucken(p, ms, kZeit);
    ASSERT_TRUE(eingegeben);
    v = zeilen(*eingegeben);
    ASSERT_EQ(v.size(), 16u);  // header and the two sum lines (zeros) only
    EXPECT_EQ(v[12], "    Somma elementi" + std::string(29, ' ') + "0       0       0       0");
    EXPECT_EQ(v.back(), "");
}

TEST(KBNDruck, HeaderSumsAndEnteredElements) {
    Programm p = programm();
    p.z.KBNMenge1[534] = 12;
    p.z.KBNMenge3[534] = 20000;  // five digits widen their column
    p.z.KBNMenge2[546] = 3;
    p.z.KBNMenge4[646] = 2;
    Druckauftrag a = KBNDruckSeiten(p, false, kZeit);
    auto v = zeilen(a);
    ASSERT_EQ(v.size(), 19u);
    EXPECT_EQ(v[2], std::string(21, ' ') + Text(321));
    EXPECT_EQ(v[6], "    Progetto:         Lager" + std::string(17, ' ') + "KVT 2000 Incendio");
    EXPECT_EQ(v[7], "    Data: 06/12/2026" + std::string(24, ' ') + "Tempo: 14:05:09");
    EXPECT_EQ(v[8], "    Immissioni KBN");
    EXPECT_EQ(v[9], std::string(37, ' ') + "Somma  TPX1    TPX2    TPX3    TPX4");
    EXPECT_EQ(v[10], "    " + std::string(75, '_'));
    // The accessory "!" counts in neither sum.
    EXPECT_EQ(v[12], "    Somma elementi" + std::string(28, ' ') + "12       0    20000      2");
    EXPECT_EQ(v[13], "    Somma corrente (mA)" + std::string(24, ' ') + "6       0    10000      2");
    EXPECT_EQ(v[15], "    Optischer Rauchmelder OM 301     20012    12       0    20000      0");
    EXPECT_EQ(v[16], "    Meldersockel MS 301                 3      0       3       0       0");
    EXPECT_EQ(v[17], "    Relaismodul RM 100 KBN              2      0       0       0       2");
    EXPECT_EQ(p.z.SumElem3, 20000);
    EXPECT_EQ(p.z.SumStrom1, 6);

    // The print routine sums with the limit check of the loop entry: an
    // exceeded limit is shown and leaves KBNWert, a kept one refills it.
    ScriptedMessages ms;
    ms.antworten = {Antwort::Nein, Antwort::Nein};
    ASSERT_TRUE(KBNDrucken(p, ms, kZeit));
    EXPECT_EQ(ms.texte().back(), Text(153) + "127" + Text(154));
    EXPECT_EQ(p.z.KBNWert(1, 534, 1), 0);
    p.z.KBNMenge3[534] = 20;
    ASSERT_TRUE(KBNDrucken(p, ms, kZeit));
    EXPECT_EQ(ms.texte().size(), 3u);
    EXPECT_EQ(p.z.KBNWert(1, 534, 1), 12);
    EXPECT_EQ(p.z.KBNWert(2, 534, 1), 20);
}
