#include <gtest/gtest.h>

#include "support/Programme.h"
#include "projekt/Druckseiten.h"
#include "calc/Ergebnisliste.h"
#include "projekt/Texte.h"
#include "support/ScriptedMessages.h"

using namespace tarvis;
using test::ScriptedMessages;

namespace {

const Zeitstempel kZeit{"06/12/2026", "14:05:09"};

}  // namespace

TEST(Druckseiten, TextsAtColumns) {
    std::string s = "    Art.x";
    AnSpalte(s, 7, "y");  // the line already reaches the column: one blank
    EXPECT_EQ(s, "    Art.x y");
    std::string u = "Größe";
    AnSpalte(u, 8, "!");  // columns count characters
    EXPECT_EQ(u, "Größe  !");
    EXPECT_EQ(ZeileAlsText({{12, "b"}, {1, "a"}}), std::string(11, ' ') + "b a");
}

// A page as letters, one a line: '.' an empty line, 'L' a line two rows
// high, any other letter a line of text; the sheets joined by '|'.
TEST(Druckseiten, SheetsKeepWhatBelongsTogether) {
    struct Fall {
        const char* zeilen;
        int platz;
        const char* blaetter;
    } faelle[] = {
        {"aaa.bbb", 5, "aaa.|bbb"},            // a table moves whole to the next sheet
        {"aaaaaaa", 5, "aaaaa|aa"},            // longer than a sheet: filled as it comes
        {"aaaaa.bb", 5, "aaaaa|bb"},           // no empty line at the top of a sheet
        {"aa.h.bbb", 5, "aa.|h.bbb"},          // a heading goes with its block
        {"a.h.bbbbbbb", 5, "a.h.b|bbbbb|b"},   // ... with the first line of a long one
        {"aa.h.bbbbbbb", 5, "aa.|h.bbb|bbbb"},
        {"..aa.bbL", 5, "..aa.|bbL"},          // the job's own empty lines on top stay
        {"aaaL", 4, "aaa|L"},
    };
    for (const auto& f : faelle) {
        DruckSeite seite;
        for (const char* c = f.zeilen; *c; ++c)
            seite.zeilen.push_back(*c == '.' ? DruckZeile{} : DruckZeile{{5, std::string(1, *c)}});
        auto hoehe = [](const DruckZeile& z) { return !z.empty() && z[0].text == "L" ? 2 : 1; };
        std::string ergebnis;
        for (const Blatt& b : AufBlaetter(seite, hoehe, f.platz)) {
            if (!ergebnis.empty()) ergebnis += '|';
            for (std::size_t i = b.von; i < b.bis; ++i) ergebnis += f.zeilen[i];
        }
        EXPECT_EQ(ergebnis, f.blaetter) << f.zeilen;
    }
}

TEST(Ergebnisliste, RefusedInAnotherCodeMode) {
    Programm p = test::musterProgramm();
    p.z.CodeModus = "S";
    p.z.ProjCodeModus = "V";
    ScriptedMessages ms;
    EXPECT_FALSE(ErgebnislisteDrucken(p, ms, kZeit));
    EXPECT_EQ(ms.texte(), std::vector<std::string>{Text(178)});
}
