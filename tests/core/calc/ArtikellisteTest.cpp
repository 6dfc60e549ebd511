#include <gtest/gtest.h>

#include "calc/Artikelliste.h"
#include "projekt/Texte.h"
#include "support/Programme.h"
#include "calc/AusgabePresenter.h"

using namespace tarvis;
using test::ScriptedMessages;

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
    EXPECT_EQ(SuchergAktivieren(p).titel, Text(657));  // the window of the matches

    // The search as the user runs it: a key in the wrong format is refused
    // (470) and asked again, one that finds nothing says so (44), a match
    // opens the window and 43 asks for another search.
    Programm q = test::musterProgramm();
    q.z.CodeModus = "S";
    ScriptedMessages ms;
    ms.fensterSkript[Fenster::Modus] = [] { return true; };
    ms.eingaben = {"09.23", "9.999", "0.923"};
    ms.antworten = {Antwort::Ja, Antwort::Nein};
    ArtikelsucheAblauf(q, ms);
    EXPECT_EQ(ms.nummern(), (std::vector<int>{466, 470, 466, 44, 43, 466, 43}));
    EXPECT_EQ(ms.fenster(), (std::vector<Fenster>{Fenster::Modus, Fenster::Sucherg}));
    EXPECT_EQ(q.z.SuchArtNr, std::vector<std::string>{"534"});
}

namespace {

using Zeile = std::array<std::string, 4>;

}  // namespace

TEST(Ausgabe, ListsRecords6To700WithAQuantity) {
    Programm p = test::musterProgramm();
    test::zentrale(p.z, 4);
    p.z.CodeModus = "S";
    ScriptedMessages ms;

    for (int i = 1; i <= 5; ++i) p.z.Menge[i] = 3;  // the catalogue's header records
    p.z.Menge[534] = 16;
    p.z.Menge[108] = 1;
    p.z.Menge[700] = 2;
    p.z.Menge[46] = -1;  // nothing below 1 is listed
    AusgabePresenter a(p, ms);
    a.aktivieren();
    const AusgabeAnsicht& v = a.ansicht();
    ASSERT_EQ(v.zeilen.size(), 3u);
    EXPECT_EQ(v.zeilen[0], (Zeile{"108 ", "1 ", "KVT 2000 B deutsch            ", "4.996.110.155"}));
    EXPECT_EQ(v.zeilen[1][1], "16 ");
    EXPECT_EQ(v.zeilen[2][0], "700 ");
}
