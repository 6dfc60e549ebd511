// The report's rules that the golden projects do not reach: the link notes,
// the notes and the flag for limits broken, tables left out and the line
// limit. Whole reports of calculated projects are pinned by ExportGoldenTest.
#include <gtest/gtest.h>

#include "calc/Bericht.h"
#include "calc/BerichtZeilen.h"
#include "projekt/Texte.h"
#include "support/Programme.h"
#include "projekt/Druckseiten.h"
#include "calc/Ergebnisliste.h"
#include "support/ScriptedMessages.h"

using namespace tarvis;
using test::ScriptedMessages;

namespace {

std::vector<std::string> zeilen(const Zustand& z) {
    std::vector<std::string> v;
    for (int k = 1; k < z.HinweisAnz; ++k) v.push_back(z.Hinweiszeile[static_cast<std::size_t>(k)]);
    return v;
}

// Whether the lines of `block` (joined by '\n') follow each other in the report.
bool enthaelt(const std::vector<std::string>& v, const std::string& block) {
    std::string text = "\n";
    for (const auto& z : v) text += z + "\n";
    return text.find("\n" + block + "\n") != std::string::npos;
}

// A calculated project as the report reads it, the results set by hand.
Programm berechnet(int typ) {
    Programm p = test::musterProgramm();
    Zustand& z = p.z;
    z.ZentralenTyp = static_cast<Integer>(typ);
    ZentralenNameSetzen(z, typ);
    z.Projektname = "Lager";
    z.Tele = 1;
    z.IRuhe = 1825.4f;
    z.IAlarm = 2310.6f;
    z.UeZeit = 30;
    z.BatKapazitaet = 62.5f;
    z.BatAhGesamt = 80;
    z.Ladestrom = 3333.333f;
    z.AnzBatterien = 2;
    z.NetzMax12 = 5400;
    z.NetzMax28 = 600;
    return p;
}

std::vector<std::string> erstellt(Programm& p, ScriptedMessages& ms) {
    HinweisErstellen(p, ms);
    return zeilen(p.z);
}

}  // namespace

TEST(Bericht, ALinkedProjectShowsOnlyTheLinkNotesAndKeepsItsFlag) {
    Programm p = berechnet(4);
    p.z.Verknuepft = 1;
    p.z.EPOKennz = "N";
    ScriptedMessages ms;
    auto v = erstellt(p, ms);
    ASSERT_EQ(v.size(), 12u);
    EXPECT_EQ(v[10], "2xKVT 2000 B, 2xRAVI 1, 4xWX 20, 1xDKM 100.");
    EXPECT_TRUE(ms.protokoll.empty());  // no 605 for a linked project
    EXPECT_EQ(p.z.EPOKennz, "N");
}

TEST(Bericht, LimitsBrokenTurnTheFlagAndShow605) {
    struct Fall {
        const char* wie;
        int typ;
        std::function<void(Zustand&)> setzen;
        std::vector<std::string> bloecke;
    };
    const Fall faelle[] = {
        {"proposal not taken", 4,
         [](Zustand& z) {
             z.DXAVorschlag = 2;
             z.AnzDXA = 1;
             z.ZOLWVorschlag = 1;
             z.CodeModus = "V";
             z.OLNJa = 1;
         },
         {"La quantità proposta di DXA 1000 ZOLW Non è stato accettato!\n" + Text(603), Text(550),
          Text(606)}},  // a networked KVT 2000 may share supplies
        {"TL 300 overloaded at 12 V", 6,
         [](Zustand& z) {
             z.INetz12 = 650.5f;
             z.IRuhe = 900;
         },
         {"650,5 mA per elementi di rete a 12V\nMax: 600 mA (2 x 300 mA) in TL 300!\n\n" + std::string(51, '!') + "\n" +
          Text(604) + "\n" + Text(661) + "\n" + Text(734)}},  // no PSM 300
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.wie);
        Programm p = berechnet(f.typ);
        f.setzen(p.z);
        ScriptedMessages ms;
        auto v = erstellt(p, ms);
        for (const auto& s : f.bloecke) EXPECT_TRUE(enthaelt(v, s)) << s;
        EXPECT_EQ(p.z.EPOKennz, "N");
        ASSERT_EQ(ms.nummern(), std::vector<int>{605});
        EXPECT_EQ(ms.protokoll[0].symbol, Symbol::Ausrufezeichen);
    }
}

TEST(Bericht, LinesBeyond149AreDroppedAndLine150StaysEmpty) {
    Zustand z;
    z.Hinweiszeile[150] = "alt";
    bericht::Zeilen zeilen(z);
    EXPECT_EQ(z.Hinweiszeile[150], "");
    for (int i = 1; i <= 200; ++i) {
        zeilen.punkt();
        zeilen.zeile("Zeile " + std::to_string(i));
    }
    EXPECT_EQ(z.HinweisAnz, 150);
    EXPECT_EQ(z.Hinweiszeile[2], "");
    EXPECT_EQ(z.Hinweiszeile[149], "Zeile 75");
    EXPECT_EQ(z.Hinweiszeile[150], "");
    zeilen.leer();
    EXPECT_EQ(z.HinweisAnz, 150);
}

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
