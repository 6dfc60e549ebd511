#include <gtest/gtest.h>

#include "calc/Artikelliste.h"
#include "projekt/Texte.h"
#include "support/Programme.h"

using namespace tarvis;
using test::ScriptedMessages;

namespace {

KatSatz satz(const std::string& name, const std::string& sachnummer, const std::string& intr = "",
             const std::string& brand = "") {
    KatSatz s;
    s.Bezeichnung = name;
    s.Sachnummer = sachnummer;
    s.LIBEXIntr = intr;
    s.LIBEXBrand = brand;
    return s;
}

// A small catalogue whose codes the search rules can be followed on by hand.
Katalog suchkatalog() {
    Katalog k;
    k.setzen(6, satz("1.) Melder", ""));
    k.setzen(7, satz("Rauchmelder RM 1", "9.876.540.269", "K51013234", "K52013234"));
    k.setzen(8, satz("Wärmemelder WM 269", "9.876.541.269", "K51014040", ""));
    k.setzen(9, satz("Sirene", "1.234.567.890", "", "K52010269"));
    k.setzen(10, satz("     Altmelder", "1.111.110.269", "K51019999", "K52019999"));
    return k;
}

using V = std::vector<std::string>;

V nummern(const Katalog& k, const char* suche, const char* modus, const char* schwerpunkt) {
    V v;
    for (const auto& x : ArtikelSuchen(k, suche, modus, schwerpunkt)) v.push_back(x.nummer);
    return v;
}

}  // namespace

TEST(Artikelliste, WhichRecordsTheListShowsInEachCodeMode) {
    Programm p = test::musterProgramm();
    struct Fall { const char* modus; int satz; bool gezeigt; };
    for (Fall f : {Fall{"S", 46, true},     // part-number mode: an article without a LIBEX code is listed
                   Fall{"S", 7, false},     // blank record
                   Fall{"V", 46, false}, Fall{"V", 108, false},  // no intrusion code
                   Fall{"V", 13, true}, Fall{"V", 107, true}}) {  // headings stay
        p.z.CodeModus = f.modus;
        p.z.Schwerpunkt = "N";
        const auto a = ListesehAktivieren(p);
        EXPECT_EQ(a.kopfCode, Text(f.modus[0] == 'S' ? 106 : 107));
        const bool gezeigt =
            std::any_of(a.zeilen.begin(), a.zeilen.end(), [&](const auto& z) { return z.satz == f.satz; });
        EXPECT_EQ(gezeigt, f.gezeigt) << f.modus << " " << f.satz;
    }
    p.z.CodeModus = "S";
    const auto a = ListesehAktivieren(p);
    EXPECT_EQ(a.zeilen[0].satz, 6);  // a heading: no number, no code
    EXPECT_EQ(a.zeilen[0].nummer + a.zeilen[0].code, "");
    EXPECT_EQ(a.zeilen[1].nummer, "8 ");
    EXPECT_EQ(a.zeilen[1].code, "4.996.100.111");
}

TEST(Artikelsuche, FormatCheckOfDotTexts) {
    for (const char* gut : {"0.269", "540.269", "9.876.540.269", ".269", "4040", "OM 301", "a.b"})
        EXPECT_TRUE(SuchformatGueltig(gut, "S")) << gut;
    for (const char* schlecht : {"02.69", "0.2.69", "1.9.876.540.269", "9.876.540.2690"})
        EXPECT_FALSE(SuchformatGueltig(schlecht, "S")) << schlecht;
    EXPECT_FALSE(SuchformatGueltig("0.269", "V"));  // LIBEX codes have no dots
    EXPECT_TRUE(SuchformatGueltig("RM 1.5", "V"));  // not a dot text
}

TEST(Artikelsuche, RulesByCodeModeAndFocus) {
    const Katalog k = suchkatalog();
    struct Fall { const char* suche; const char* modus; const char* schwerpunkt; V treffer; };
    const Fall faelle[] = {
        {"9.876.540.269", "S", "N", {"007"}},
        {"0.269", "S", "N", {"007", "010"}},  // the last five of the part number
        {".269", "S", "N", {"007", "008", "010"}},
        {"41.269", "S", "N", {"008"}},
        {"0.268", "S", "N", {}},
        {"269", "S", "N", {"008"}},  // digits without a dot: the designation only
        {"melder", "S", "N", {"006", "007", "008", "010"}},  // any letter case, headings and withdrawn included
        {"wärme", "S", "N", {"008"}},
        {"3234", "V", "B", {"007"}},
        {"4040", "V", "N", {"008"}},
        {"4040", "V", "B", {}},  // no fire code
        {"k52010269", "V", "B", {"009"}},
        {"0269", "V", "B", {"009"}},
        {"269", "V", "B", {"008"}},
    };
    for (const Fall& f : faelle) EXPECT_EQ(nummern(k, f.suche, f.modus, f.schwerpunkt), f.treffer) << f.suche << " " << f.modus << f.schwerpunkt;
    auto t = ArtikelSuchen(k, "sirene", "S", "N");
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].bezeichnung, "Sirene" + std::string(24, ' '));
    EXPECT_EQ(t[0].code, "1.234.567.890");
    // The sample catalogue's OM 301 carries the position key 1725 from the sixth character.
    const Programm p = test::musterProgramm();
    EXPECT_EQ(nummern(p.katalog, "1725", "V", "B"), V{"534"});
    EXPECT_EQ(nummern(p.katalog, "0.923", "S", "B"), V{"534"});
    EXPECT_EQ(SuchergAktivieren(p).titel, Text(657));  // the window of the matches
}

