// The report's rules that the golden projects do not reach: the link notes,
// the notes and the flag for limits broken, tables left out and the line
// limit. Whole reports of calculated projects are pinned by ExportGoldenTest.
#include <gtest/gtest.h>

#include "calc/Bericht.h"
#include "calc/BerichtZeilen.h"
#include "projekt/Texte.h"
#include "support/Programme.h"

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
