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
