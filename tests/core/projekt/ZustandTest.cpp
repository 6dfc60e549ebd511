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
    z.Alarmart = "B";
    z.YAwahl = 0;
    z.Menge[154] = 2;
    z.KBNMenge1[600] = 5;
    z.KBNWert(1, 600, 1) = 5;
    z.Ext12Name[3] = "Blitzleuchte";
    z.ProjektBefehleAktiv = 1;
    z.Doppeln = "J";

    ProjektZuruecksetzen(z);

    EXPECT_EQ(z.ZentralenTyp, 0);
    EXPECT_EQ(z.ZentralenName, Text(219));
    EXPECT_EQ(z.ZentralenName, "Nessun sistema attuale!");
    EXPECT_EQ(z.Projektname, "Projekt1");
    EXPECT_EQ(z.Hauptfenstertitel, "TARVIS - Projekt1");
    EXPECT_EQ(z.ProjCodeModus, " ");
    EXPECT_EQ(z.YAwahl, 1);
    EXPECT_EQ(z.Doppeln, "N");
    EXPECT_EQ(z.EPOKennz, "J");
    EXPECT_EQ(z.Menge[154], 0);
    EXPECT_EQ(z.KBNMenge1[600], 0);
    EXPECT_EQ(z.KBNWert(1, 600, 1), 0);
    EXPECT_EQ(z.Ext12Name[3], "");
    EXPECT_EQ(z.ProjektBefehleAktiv, 0);
    // Program settings and the panel's zone count stay.
    EXPECT_EQ(z.Sachbearbeiter, "Meier");
    EXPECT_EQ(z.CodeModus, "S");
    EXPECT_EQ(z.Sprache, 3);
    EXPECT_EQ(z.AnzMG, 96);
    EXPECT_EQ(z.Alarmart, "B");
}

TEST(ProjektZuruecksetzen, KeepsTheLoopQuantitiesWhenAsked) {
    Zustand z;
    z.NetzBehalten = 1;
    z.KBNMenge3[650] = 7;
    z.KBNWert(2, 650, 1) = 7;
    z.Menge[650] = 7;
    ProjektZuruecksetzen(z);
    EXPECT_EQ(z.KBNMenge3[650], 7);
    EXPECT_EQ(z.KBNWert(2, 650, 1), 0);
    EXPECT_EQ(z.Menge[650], 0);
}

TEST(ZentralenNameSetzen, NamesEveryPanelAndFlagsUnknownCodes) {
    Zustand z;
    ZentralenNameSetzen(z, 1);
    EXPECT_EQ(z.ZentralenName, "KVT 1000 " + Text(192));
    ZentralenNameSetzen(z, 2);
    EXPECT_EQ(z.ZentralenName, "KVT 2000/1 " + Text(191) + " D");
    ZentralenNameSetzen(z, 7);
    EXPECT_EQ(z.ZentralenName, "DXA 1000 autark");
    EXPECT_EQ(z.TypFehler, 0);
    ZentralenNameSetzen(z, 8);
    EXPECT_EQ(z.ZentralenName, Text(219));
    EXPECT_EQ(z.TypFehler, 1);
}

TEST(Aufrunden, RoundsUpToTheNextWholeNumber) {
    EXPECT_EQ(Aufrunden(2.0), 2);
    EXPECT_EQ(Aufrunden(2.01), 3);
    EXPECT_EQ(Aufrunden(-1.5), -1);
    EXPECT_EQ(Aufrunden(0.0), 0);
}

TEST(FestText, PadsAndCuts) {
    FestText<3> k = "!";
    EXPECT_EQ(k.str(), "!  ");
    EXPECT_TRUE(k == "!");
    k = "ABCDE";
    EXPECT_EQ(k.str(), "ABC");
    FestText<4> u = "äö";
    EXPECT_EQ(u.str(), "äö  ");
}

TEST(Version, ValuesKeepOldFilesOrderedAcrossTheCentury) {
    EXPECT_EQ(VersionWert("98.4"), 984);
    EXPECT_EQ(VersionWert("02.4"), 1024);
    EXPECT_EQ(VersionWert("26.1"), 1261);
    EXPECT_EQ(VersionWert(""), 1000);
    EXPECT_LT(VersionWert("98.4"), VersionWert("10.0"));
    EXPECT_EQ(VersionText(2026, 1, 0), "26.1.0");
    EXPECT_EQ(VersionText(2002, 5, 8), "02.5.8");
    EXPECT_EQ(MonateZwischen({2026, 5, 31}, {2026, 12, 1}), 7);
}

TEST(Texte, TableHoldsTheQuotedTextsAndTheMend) {
    EXPECT_EQ(Text(5), "&File");
    EXPECT_EQ(Text(131), "A 12V: ci sono immissioni");
    EXPECT_EQ(Text(132), "A 12V: non ci sono immissioni");
    EXPECT_EQ(Text(342), "Questa è probabilmente una vecchia  versione di TARVIS!");
    EXPECT_EQ(Text(99999), "[99999]");
    auto t = TexteParsen("1\tzwei\\nZeilen\n2\tback\\\\slash\r\nkaputt\n");
    EXPECT_EQ(t.at(1), "zwei\nZeilen");
    EXPECT_EQ(t.at(2), "back\\slash");
    EXPECT_EQ(t.size(), 2u);
}
