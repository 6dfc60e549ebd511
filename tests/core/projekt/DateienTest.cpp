#include <gtest/gtest.h>

#include "io/TextFile.h"
#include "projekt/EStrom.h"
#include "projekt/Einstellungen.h"
#include "support/TempDir.h"
#include "projekt/Texte.h"
#include "projekt/Version.h"
#include "projekt/Zustand.h"

using namespace tarvis;

TEST(EStrom, EntriesInAnyOrderAndMissingOnesKeepZero) {
    auto t = EStromParsen(
        "1,\"Nr\",\"a\",\"b\",\"c\",\"d\",\"e\",\"f\"\r\n"
        "452,\"Sirene\",12.5,1,80,0,3.5,\"\"\r\n"
        "450,\"Blitz\",1,2,3,4,5,\"\"\r\n"
        "501,\"ausserhalb\",9,9,9,9,9,\"\"\r\n");
    ASSERT_TRUE(t);
    EXPECT_FLOAT_EQ(t->EStrom1[2], 12.5f);
    EXPECT_FLOAT_EQ(t->EStrom3[2], 80.0f);
    EXPECT_FLOAT_EQ(t->EStrom5[2], 3.5f);
    EXPECT_FLOAT_EQ(t->EStrom4[0], 4.0f);
    EXPECT_FLOAT_EQ(t->EStrom1[1], 0.0f);
    EXPECT_FLOAT_EQ(t->EStrom1[50], 0.0f);
}

TEST(EStrom, AnUnreadableHeaderOrMissingFileFails) {
    EXPECT_FALSE(EStromParsen("1,\"a\",\"b\""));
    EXPECT_FALSE(EStromParsen(""));
    test::TempDir dir;
    EXPECT_FALSE(EStromLesen(dir / "ESTROMK.DAT"));
}

TEST(Einstellungen, ClerkSettingsRoundTripInTheirLineFormat) {
    test::TempDir dir;
    Zustand z;
    z.Sachbearbeiter = "Müller";
    z.ProjPfad = "/srv/tarvis/PROJEKTE";
    z.CodeModus = "S";
    z.WEKAbfrage = 1;
    z.PrgVersion = "26.1.0";
    z.DruckSchrift = "COURIER";
    z.DruckGroesse = 10;
    z.EPOPeri = 0;
    z.EPONetz = 1;
    z.Sprache = 3;
    ASSERT_TRUE(KonfigDateiSchreiben(dir / "PERS.DAT", z, KonfigWerteAus(z)));

    auto bytes = io::readBytes(dir / "PERS.DAT");
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->substr(0, 29), "\"Sachbearbeiter: \",\"M\xFCller\"\r\n");

    Zustand g;
    ASSERT_TRUE(KonfigDateiLesen(dir / "PERS.DAT", g));
    EXPECT_EQ(g.Sachbearbeiter + g.ProjPfad + g.CodeModus.str() + g.KonfigVersion + g.DruckSchrift,
              "Müller/srv/tarvis/PROJEKTES26.1.0COURIER");
    EXPECT_EQ((std::vector<int>{g.WEKAbfrage, g.DruckGroesse, g.EPOPeri, g.Sprache}), (std::vector<int>{1, 10, 0, 3}));
}

TEST(Einstellungen, AQuoteInANameCannotBreakTheFile) {
    test::TempDir dir;
    Zustand z;
    z.Sachbearbeiter = "O\"Brien";
    ASSERT_TRUE(KonfigDateiSchreiben(dir / "PERS.DAT", z, KonfigWerteAus(z)));
    Zustand g;
    g.DruckGroesse = 8;
    ASSERT_TRUE(KonfigDateiLesen(dir / "PERS.DAT", g));
    EXPECT_EQ(g.Sachbearbeiter, "O'Brien");
    EXPECT_EQ(g.DruckGroesse, 12);  // the lines after it were read too
}

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
