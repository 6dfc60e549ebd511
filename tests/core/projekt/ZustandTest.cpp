#include <gtest/gtest.h>

#include "projekt/Texte.h"
#include "projekt/Version.h"
#include "projekt/Zustand.h"

using namespace tarvis;

TEST(ProjektZuruecksetzen, GivesAnEmptyProjectAndKeepsTheSettings) {
    Zustand z;
    z.ZentralenTyp = 4;
    z.Projektname = "Halle 3";
    z.Sachbearbeiter = "Meier";
    z.CodeModus = "S";
    z.Sprache = 3;
    z.AnzMG = 96;
    z.Menge[154] = 2;
    z.KBNMenge1[600] = 5;
    z.Ext12Name[3] = "Blitzleuchte";
    z.Doppeln = "J";
    ProjektZuruecksetzen(z);
    EXPECT_EQ(z.ZentralenTyp, 0);
    EXPECT_EQ(z.Projektname, "Projekt1");
    EXPECT_EQ(z.Doppeln, "N");
    EXPECT_EQ(z.Menge[154] + z.KBNMenge1[600], 0);
    EXPECT_EQ(z.Ext12Name[3], "");
    // Program settings and the panel's zone count stay.
    EXPECT_EQ(z.Sachbearbeiter + z.CodeModus.str(), "MeierS");
    EXPECT_EQ(z.Sprache + z.AnzMG, 99);
}

TEST(ZentralenNameSetzen, NamesEveryPanelAndFlagsUnknownCodes) {
    Zustand z;
    ZentralenNameSetzen(z, 2);
    EXPECT_EQ(z.ZentralenName, "KVT 2000/1 " + Text(191) + " D");
    EXPECT_EQ(z.TypFehler, 0);
    ZentralenNameSetzen(z, 8);
    EXPECT_EQ(z.ZentralenName, Text(219));
    EXPECT_EQ(z.TypFehler, 1);
}

TEST(Werte, RoundingUpFixedTextsVersionsAndTheStringTable) {
    EXPECT_EQ(Aufrunden(2.0), 2);
    EXPECT_EQ(Aufrunden(2.01), 3);
    EXPECT_EQ(Aufrunden(-1.5), -1);
    FestText<3> k = "ABCDE";
    EXPECT_EQ(k.str(), "ABC");
    FestText<4> u = "äö";
    EXPECT_EQ(u.str(), "äö  ");  // padded in characters
    EXPECT_EQ(VersionText(2002, 5, 8), "02.5.8");
    auto t = TexteParsen("1\tzwei\\nZeilen\n2\tback\\\\slash\r\nkaputt\n");
    EXPECT_EQ(t.at(1), "zwei\nZeilen");
    EXPECT_EQ(t.at(2), "back\\slash");
    EXPECT_EQ(t.size(), 2u);
}
