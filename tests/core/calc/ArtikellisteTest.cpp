#include <gtest/gtest.h>

#include "calc/Artikelliste.h"
#include "projekt/Texte.h"
#include "support/Programme.h"

using namespace tarvis;

namespace {

using V = std::vector<std::string>;

V nummern(const Katalog& k, const char* suche, const char* modus, const char* schwerpunkt) {
    V v;
    for (const auto& x : ArtikelSuchen(k, suche, modus, schwerpunkt)) v.push_back(x.nummer);
    return v;
}

}  // namespace

// Which records the window lists is the printed list's rule (ArtikellisteGolden).
TEST(Artikelliste, TheWindowShowsHeadingsBareAndArticlesWithTheirCode) {
    Programm p = test::musterProgramm();
    p.z.CodeModus = "S";
    const auto a = ListesehAktivieren(p);
    EXPECT_EQ(a.zeilen[0].satz, 6);  // a heading: no number, no code
    EXPECT_EQ(a.zeilen[0].nummer + a.zeilen[0].code, "");
    EXPECT_EQ(a.zeilen[1].nummer, "8 ");
    EXPECT_EQ(a.zeilen[1].code, "4.996.100.111");
}

// Searching the sample catalogue by a LIBEX position key and by a part number.
TEST(Artikelsuche, ByPositionKeyAndPartNumber) {
    // The sample catalogue's OM 301 carries the position key 1725 from the sixth character.
    const Programm p = test::musterProgramm();
    EXPECT_EQ(nummern(p.katalog, "1725", "V", "B"), V{"534"});
    EXPECT_EQ(nummern(p.katalog, "0.923", "S", "B"), V{"534"});
    EXPECT_EQ(SuchergAktivieren(p).titel, Text(657));  // the window of the matches
}

