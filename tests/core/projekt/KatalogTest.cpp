#include <gtest/gtest.h>

#include "io/TextFile.h"
#include "projekt/Katalog.h"
#include "projekt/KatalogQuelle.h"
#include "support/TempDir.h"

using namespace tarvis;

namespace {

KatSatz beispiel() {
    KatSatz s;
    s.Frei = std::string("\x01\x02\x03\x04", 4);
    s.Kennung = "!";
    s.Bezeichnung = "Melder Größe ÄÖÜ äöü";
    s.Sachnummer = "4.998.012.345";
    s.LIBEXIntr = "K51012345";
    s.Typ = "U";
    s.LIBEXBrand = "B51012345";
    s.Ruhe12 = 0.3f;
    s.AlarmBrand = -12;
    s.AlarmIntr = 32767;
    s.Strom35 = 1.25f;
    s.Strom28 = 123.5f;
    s.AdrEin = 1;
    s.AdrAus = 2;
    s.SpeicherRLM = 3;
    s.SpeicherRAM = -4;
    s.SpeicherRLMTL = 5;
    s.DruckKennz = 255;
    return s;
}

}  // namespace

TEST(KatSatz, EveryFieldSitsAtItsOffsetAndReadsBack) {
    KatSatz s = beispiel();
    std::string b = s.zuBytes();
    ASSERT_EQ(b.size(), 96u);
    EXPECT_EQ(b.substr(4, 3), "!  ");
    EXPECT_EQ(b.substr(7, 6), "Melder");
    EXPECT_EQ(b.substr(37, 13), "4.998.012.345");
    EXPECT_EQ(b[59], 'U');
    EXPECT_EQ(b.substr(60, 9), "B51012345");
    EXPECT_EQ(static_cast<unsigned char>(b[75]), 0xFF);  // 32767 little-endian
    EXPECT_EQ(static_cast<unsigned char>(b[76]), 0x7F);
    EXPECT_EQ(static_cast<unsigned char>(b[95]), 255);
    EXPECT_EQ(KatSatz::ausBytes(b), s);
}

TEST(KatSatz, HeadingsAndBlankRows) {
    KatSatz s;
    for (auto [bezeichnung, art] : {std::pair{"1.) Automatische Melder", true}, {"12.) Zubehör", true}, {"", true},
                                    {"     Melder alt", true}, {"0.) keine Nummer", false}, {"Melder OM 1.) x", false}}) {
        s.Bezeichnung = bezeichnung;
        EXPECT_EQ(KatalogZeileArt(s), art) << bezeichnung;
    }
}

TEST(KatSatz, LibexCodeFollowsFireOrIntrusionPanel) {
    KatSatz s = beispiel();
    EXPECT_EQ(LIBEXCode(s, 2), "B51012345");
    EXPECT_EQ(LIBEXCode(s, 6), "K51012345");
    EXPECT_EQ(LIBEXCodeSchwerpunkt(s, "B"), "B51012345");
    EXPECT_EQ(LIBEXCodeSchwerpunkt(s, "N"), "K51012345");
}

TEST(Katalog, RecordsOutsideTheFileReadBlank) {
    test::TempDir dir;
    Katalog k;
    KatSatz s = beispiel();
    s.AlarmBrand = 12;  // a negative current would refuse the file
    k.setzen(2, s);
    ASSERT_TRUE(io::writeBytes(dir / "T.ART", k.zuBytes()));
    auto gelesen = Katalog::oeffnen(dir / "T.ART");
    ASSERT_TRUE(gelesen);
    EXPECT_EQ(gelesen->anzahl(), 2);
    EXPECT_EQ(gelesen->satz(2).Bezeichnung.trimmed(), "Melder Größe ÄÖÜ äöü");
    EXPECT_EQ(gelesen->satz(700).Bezeichnung.trimmed(), "");
    EXPECT_EQ(gelesen->satz(0).Bezeichnung.trimmed(), "");
    EXPECT_FALSE(Katalog::oeffnen(dir / "FEHLT.ART"));
}

TEST(KatalogQuelle, RoundTripsAndNamesTheBadLine) {
    Katalog k;
    k.setzen(1, KatSatz{});
    k.setzen(2, beispiel());
    std::string quelle = KatalogZuQuelle(k);
    auto zurueck = KatalogAusQuelle(quelle);
    ASSERT_TRUE(zurueck);
    EXPECT_EQ(KatalogZuQuelle(*zurueck), quelle);

    std::string fehler;
    std::string kaputt = quelle;
    kaputt.replace(kaputt.find("32767"), 5, "40000");
    EXPECT_FALSE(KatalogAusQuelle(kaputt, &fehler));
    EXPECT_NE(fehler.find("line 3"), std::string::npos);

    std::string zuLang = std::string(kKatalogQuelleKopf) + "\n1\t\t" + std::string(31, 'x') + std::string(15, '\t') + "\n";
    EXPECT_FALSE(KatalogAusQuelle(zuLang, &fehler));
    EXPECT_FALSE(KatalogAusQuelle("no header\n", &fehler));
    for (const std::string libex : {"K51012345", "B51012345"}) {  // nine characters, as the record holds them
        std::string lang = quelle;
        lang.replace(lang.find(libex), libex.size(), libex + "6");
        EXPECT_FALSE(KatalogAusQuelle(lang, &fehler)) << libex;
    }
}

