#include <gtest/gtest.h>

#include <sstream>

#include "CalcHilfe.h"
#include "calc/Artikelliste.h"
#include "projekt/Texte.h"
#include "support/ScriptedMessages.h"

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

std::vector<std::string> nummern(const std::vector<Suchtreffer>& t) {
    std::vector<std::string> v;
    for (const auto& x : t) v.push_back(x.nummer);
    return v;
}

using V = std::vector<std::string>;

}  // namespace

TEST(Artikelliste, WhichRecordsTheListShows) {
    Programm p = test::musterProgramm();
    p.z.CodeModus = "S";
    auto a = ListesehAktivieren(p);
    EXPECT_EQ(a.titel, Text(265));
    EXPECT_EQ(a.kopfCode, Text(106));
    ASSERT_FALSE(a.zeilen.empty());
    // Record 6 is a heading: no number, no code.
    EXPECT_EQ(a.zeilen[0].satz, 6);
    EXPECT_EQ(a.zeilen[0].nummer, "");
    EXPECT_EQ(a.zeilen[0].code, "");
    EXPECT_EQ(a.zeilen[1].nummer, "8 ");
    EXPECT_EQ(a.zeilen[1].code, "4.996.100.111");
    auto gezeigt = [&](int satz) {
        for (const auto& z : a.zeilen)
            if (z.satz == satz) return true;
        return false;
    };
    EXPECT_TRUE(gezeigt(46));    // part-number mode: an article without a LIBEX code is listed
    EXPECT_TRUE(gezeigt(108));
    EXPECT_FALSE(gezeigt(443));  // withdrawn: its designation begins with five blanks
    EXPECT_FALSE(gezeigt(7));    // blank record

    p.z.CodeModus = "V";
    p.z.Schwerpunkt = "N";
    a = ListesehAktivieren(p);  // gezeigt() looks at the new rows
    EXPECT_EQ(a.kopfCode, Text(107));
    EXPECT_FALSE(gezeigt(46));
    EXPECT_FALSE(gezeigt(108));  // no intrusion code
    EXPECT_TRUE(gezeigt(13));
    EXPECT_TRUE(gezeigt(107));   // headings stay
    EXPECT_TRUE(ArtikelGezeigt(p.katalog.satz(108), "V", "B"));
}

TEST(Artikelsuche, FormatCheckOfDotTexts) {
    for (const char* gut : {"0.269", "540.269", "9.876.540.269", ".269", "4040", "OM 301", "a.b"})
        EXPECT_TRUE(SuchformatGueltig(gut, "S")) << gut;
    for (const char* schlecht : {"02.69", "0.2.69", "1.9.876.540.269", "9.876.540.2690"})
        EXPECT_FALSE(SuchformatGueltig(schlecht, "S")) << schlecht;
    // LIBEX codes have no dots: every dot text is refused there.
    EXPECT_FALSE(SuchformatGueltig("0.269", "V"));
    EXPECT_TRUE(SuchformatGueltig("3234", "V"));
    EXPECT_TRUE(SuchformatGueltig("RM 1.5", "V"));  // not a dot text
}

TEST(Artikelsuche, PartNumberModeRules) {
    Katalog k = suchkatalog();
    EXPECT_EQ(nummern(ArtikelSuchen(k, "9.876.540.269", "S", "N")), V{"007"});
    EXPECT_EQ(nummern(ArtikelSuchen(k, "0.269", "S", "N")), (V{"007", "010"}));     // last five
    EXPECT_EQ(nummern(ArtikelSuchen(k, "40.269", "S", "N")), V{"007"});             // code ending
    EXPECT_EQ(nummern(ArtikelSuchen(k, ".269", "S", "N")), (V{"007", "008", "010"}));
    EXPECT_EQ(nummern(ArtikelSuchen(k, "41.269", "S", "N")), V{"008"});
    EXPECT_EQ(nummern(ArtikelSuchen(k, "0.268", "S", "N")), V{});
    // Digits without a dot are looked for in the designation only.
    EXPECT_EQ(nummern(ArtikelSuchen(k, "269", "S", "N")), V{"008"});
    // Designations in capitals, headings and withdrawn records included.
    EXPECT_EQ(nummern(ArtikelSuchen(k, "melder", "S", "N")), (V{"006", "007", "008", "010"}));
    EXPECT_EQ(nummern(ArtikelSuchen(k, "wärme", "S", "N")), V{"008"});
    auto t = ArtikelSuchen(k, "sirene", "S", "N");
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].bezeichnung, "Sirene" + std::string(24, ' '));
    EXPECT_EQ(t[0].code, "1.234.567.890");
}

TEST(Artikelsuche, LIBEXModeRulesByFocus) {
    Katalog k = suchkatalog();
    EXPECT_EQ(nummern(ArtikelSuchen(k, "3234", "V", "N")), V{"007"});
    EXPECT_EQ(nummern(ArtikelSuchen(k, "3234", "V", "B")), V{"007"});
    EXPECT_EQ(nummern(ArtikelSuchen(k, "4040", "V", "N")), V{"008"});
    EXPECT_EQ(nummern(ArtikelSuchen(k, "4040", "V", "B")), V{});  // no fire code
    EXPECT_EQ(nummern(ArtikelSuchen(k, "k52010269", "V", "B")), V{"009"});
    EXPECT_EQ(nummern(ArtikelSuchen(k, "0269", "V", "B")), V{"009"});
    EXPECT_EQ(nummern(ArtikelSuchen(k, "269", "V", "B")), V{"008"});  // designation only
}

TEST(Artikelsuche, TheSampleCatalogueFindsItsPositionKey) {
    Programm p = test::musterProgramm();
    // The OM 301's codes carry the position key 1725 from their sixth character.
    EXPECT_EQ(nummern(ArtikelSuchen(p.katalog, "1725", "V", "B")), V{"534"});
    EXPECT_EQ(nummern(ArtikelSuchen(p.katalog, "0.923", "S", "B")), V{"534"});
}

TEST(Artikelsuche, ScenarioWithWrongFormatNoMatchAndMatch) {
    Programm p = test::musterProgramm();
    p.katalog = suchkatalog();
    p.z.CodeModus = "S";
    ScriptedMessages ms;
    ms.fensterSkript[Fenster::Modus] = [] { return true; };
    ms.fensterSkript[Fenster::Sucherg] = [&p] {
        EXPECT_EQ(p.z.SuchArtNr, (V{"007", "010"}));
        return true;
    };
    ms.eingaben = {std::string("02.69"), std::string("0.269"), std::string("xyz"), std::string("")};
    ms.antworten = {Antwort::Ja, Antwort::Ja};
    ArtikelsucheAblauf(p, ms);

    EXPECT_EQ(ms.fenster(), (std::vector<Fenster>{Fenster::Modus, Fenster::Sucherg}));
    auto t = ms.texte();
    ASSERT_EQ(t.size(), 8u);
    EXPECT_EQ(t[0], "Criterio di ricerca:\n(Parte della denominaz.\noppure fine del codice, per es. 0.269)");
    EXPECT_EQ(t[1], Text(470));
    EXPECT_EQ(t[3], Text(43));
    EXPECT_EQ(t[5], Text(44));
    EXPECT_EQ(ms.protokoll[7].symbol, Symbol::Kritisch);
    EXPECT_EQ(t[6], Text(43));
    EXPECT_TRUE(p.z.SuchArtNr.empty());  // the last search found nothing

    auto a = SuchergAktivieren(p);
    EXPECT_EQ(a.titel, Text(657));
    EXPECT_EQ(a.kopfCode, Text(334));
}

TEST(Artikelsuche, UnconfirmedCodeModeOrCancelledInputEndsQuietly) {
    Programm p = test::musterProgramm();
    ScriptedMessages ms;
    ArtikelsucheAblauf(p, ms);
    EXPECT_EQ(ms.fenster(), std::vector<Fenster>{Fenster::Modus});
    EXPECT_TRUE(ms.texte().empty());

    ScriptedMessages ms2;
    p.z.CodeModus = "V";
    ms2.fensterSkript[Fenster::Modus] = [] { return true; };
    ms2.eingaben = {std::nullopt};
    ArtikelsucheAblauf(p, ms2);
    EXPECT_EQ(ms2.fenster(), (std::vector<Fenster>{Fenster::Modus, Fenster::BranotWahl}));
    ASSERT_EQ(ms2.texte().size(), 1u);
    EXPECT_NE(ms2.texte()[0].find(Text(471)), std::string::npos);
}

TEST(Artikelliste, Printout) {
    Programm p = test::musterProgramm();
    p.z.CodeModus = "V";
    p.z.Schwerpunkt = "B";
    p.z.PrgVersion = "26.1.0";
    ScriptedMessages ms;
    EXPECT_FALSE(ArtikellisteDrucken(p, ms));
    EXPECT_EQ(ms.fenster(), std::vector<Fenster>{Fenster::BranotWahl});
    EXPECT_EQ(ms.texte(), std::vector<std::string>{Text(286)});

    std::string text = AlsText(ArtikellisteSeiten(p));
    std::istringstream in(text);
    std::vector<std::string> z;
    for (std::string s; std::getline(in, s);) z.push_back(s);
    ASSERT_GT(z.size(), 10u);
    EXPECT_EQ(z[0], std::string(21, ' ') + Text(287));
    EXPECT_EQ(z[2], std::string(9, ' ') + "Elenco articoli TARVIS  Incendio +" + std::string(19, ' ') + "26.1.0");
    EXPECT_EQ(z[3], std::string(9, ' ') + std::string(19, '*'));
    EXPECT_EQ(z[4], std::string(9, ' ') + "Art." + std::string(8, ' ') + "Benennung" + std::string(29, ' ') + "LIBEX");
    EXPECT_EQ(z[5], std::string(21, ' ') + "1.) Zentralen KVT 1000 N      ");  // a heading without number
    // Record 24 is the first article with a fire code.
    EXPECT_EQ(z[7], std::string(10, ' ') + "24" + std::string(9, ' ') + "Erweiterungsgehäuse KVT 2000  " +
                        std::string(6, ' ') + "K52014142");
    EXPECT_EQ(text.find("K51"), std::string::npos);
}
