#include <gtest/gtest.h>

#include <algorithm>

#include "calc/Bericht.h"
#include "calc/BerichtZeilen.h"
#include "CalcHilfe.h"
#include "projekt/Texte.h"
#include "support/ScriptedMessages.h"

using namespace tarvis;
using test::ScriptedMessages;

namespace {

std::vector<std::string> zeilen(const Zustand& z) {
    std::vector<std::string> v;
    for (int k = 1; k < z.HinweisAnz; ++k) v.push_back(z.Hinweiszeile[static_cast<std::size_t>(k)]);
    return v;
}

bool enthaelt(const std::vector<std::string>& v, const std::string& s) {
    return std::find(v.begin(), v.end(), s) != v.end();
}

std::size_t position(const std::vector<std::string>& v, const std::string& s) {
    return static_cast<std::size_t>(std::find(v.begin(), v.end(), s) - v.begin());
}

// A calculated KVT 2000 B as the report reads it, the results set by hand.
Programm kvt2000b() {
    Programm p = test::musterProgramm();
    Zustand& z = p.z;
    z.ZentralenTyp = 4;
    ZentralenNameSetzen(z, 4);
    z.Projektname = "Lager";
    z.Tele = 1;
    z.IRuhe = 1825.4f;
    z.IAlarm = 2310.6f;
    z.IKBN35 = 40;
    z.I28 = 12;
    z.UeZeit = 30;
    z.BatKapazitaet = 62.5f;
    z.BatAhGesamt = 80;
    z.Ladestrom = 3333.333f;
    z.AnzBatterien = 2;
    z.Menge[278] = 2;
    z.NetzMax12 = 5400;
    z.NetzMax28 = 600;
    return p;
}

}  // namespace

TEST(Bericht, LinkedProjectShowsOnlyTheLinkNotes) {
    Programm p = kvt2000b();
    p.z.Verknuepft = 1;
    p.z.EPOKennz = "N";
    ScriptedMessages ms;
    HinweisErstellen(p, ms);
    auto v = zeilen(p.z);
    ASSERT_EQ(v.size(), 12u);
    EXPECT_EQ(v[0], "Hinweise zu Projekt: Lager");
    EXPECT_EQ(v[1], std::string(26, '*'));
    EXPECT_EQ(v[2], "Sie haben 2 KVT 2000 KBN Brand verknüpft zu 1 KVT 2000/6 B");
    EXPECT_EQ(v[10], "2xKVT 2000 B, 2xRAVI 1, 4xWX 20, 1xDKM 100.");
    EXPECT_EQ(v[11], "Seitenwechsel");
    EXPECT_TRUE(ms.protokoll.empty());  // no 605 for a linked project
    EXPECT_EQ(p.z.EPOKennz, "N");
}

TEST(Bericht, ItemsStartWithOneEmptyLineAndValuesJoinWithOneBlank) {
    Programm p = kvt2000b();
    ScriptedMessages ms;
    HinweisErstellen(p, ms);
    auto v = zeilen(p.z);
    // Item 1: label (ending in a blank), one blank, the name; stars as long.
    EXPECT_EQ(v[0], "Indicazioni di calcolo al progetto:  Lager");
    EXPECT_EQ(v[1], std::string(42, '*'));
    EXPECT_EQ(v[2], "");
    EXPECT_EQ(v[3], "");  // item 2 starts with its empty line
    EXPECT_EQ(v[4], Text(337));
    // Items 3 and 4 write nothing and add no empty line.
    std::size_t i5 = position(v, Text(549));
    EXPECT_EQ(v[i5 - 1], "");
    EXPECT_EQ(v[i5 - 2], Text(694));

    std::size_t ruhe = position(v, "Corrente di riposo:  1825 mA");
    ASSERT_LT(ruhe, v.size());
    EXPECT_EQ(v[ruhe - 1], "");
    EXPECT_EQ(v[ruhe - 2], "");  // the empty line ending item 24, then item 25's own
    EXPECT_EQ(v[ruhe - 4], "Bilancio energetico al progetto: Lager");
    EXPECT_TRUE(enthaelt(v, "Allarme, corrente eccessiva:  2311 mA"));
    EXPECT_TRUE(enthaelt(v, "Corrente per KBN a 28V:  12 mA"));
    EXPECT_TRUE(enthaelt(v, "Alimentazione universale DXA 1000/PSM 300 KBN a KVT 2000 Incendio:"));
    EXPECT_TRUE(enthaelt(v, "Autonomia di funzionamento: 30 ore"));
    EXPECT_TRUE(enthaelt(v, "Capacità della batteria necessaria:  62,5 Ah"));
    EXPECT_TRUE(enthaelt(v, "Tempo di ritardo perdita di rete:  0 Minuti"));
    EXPECT_TRUE(enthaelt(v, "Pezzo, misura: 2 12 V/40 Ah"));
    EXPECT_TRUE(enthaelt(v, "Corrente di carico:  3.333,3 mA"));
    EXPECT_EQ(p.z.EPOKennz, "J");
    EXPECT_TRUE(ms.protokoll.empty());
}

TEST(Bericht, PowerEstimateOnlyWithAQuiescentCurrent) {
    Programm p = kvt2000b();
    ScriptedMessages ms;
    HinweisErstellen(p, ms);
    auto v = zeilen(p.z);
    std::size_t k = position(v, Text(621));
    ASSERT_LT(k + 9, v.size());
    EXPECT_EQ(v[k + 3], std::string(26, ' ') + "Senza carico delle batterie Con carico della batteria");
    // 13.8 / 230 x 1825.4 / 850 = 0.129 A; with the charge (1.8254 + 80/24) / 0.85 x 13.8/230 = 0.364 A.
    EXPECT_EQ(v[k + 5], "Corrente di rete assorbita: 0,13 A" + std::string(17, ' ') + "0,36 A");
    EXPECT_EQ(v[k + 6].substr(0, 33), "Potenza d'azione assorbita:  30  ");

    p.z.IRuhe = 0;
    HinweisErstellen(p, ms);
    EXPECT_FALSE(enthaelt(zeilen(p.z), Text(621)));
}

TEST(Bericht, TL300WithoutArticle28VCurrentHasNo28VLoopLine) {
    Programm p = test::musterProgramm();
    Zustand& z = p.z;
    z.ZentralenTyp = 6;
    ZentralenNameSetzen(z, 6);
    z.Ext28Ruhe = 35;
    z.Ext28Name[0] = "Sirene";
    z.Ext28Menge[0] = 1;
    z.Ext28RuheI[0] = 35;
    z.IRuhe = 300;
    ScriptedMessages ms;
    HinweisErstellen(p, ms);
    auto v = zeilen(z);
    for (const auto& s : v) EXPECT_FALSE(s.starts_with(Text(587))) << s;
    EXPECT_TRUE(enthaelt(v, "Alimentazione TL 300:"));

    z.I28 = 20;
    HinweisErstellen(p, ms);
    EXPECT_TRUE(enthaelt(zeilen(z), "Corrente per KBN a 28V:  20 mA"));
}

TEST(Bericht, ExternalLoadTablesListOnlyRowsWithAQuantity) {
    Programm p = kvt2000b();
    Zustand& z = p.z;
    z.Ext12Name[2] = "Lichtschranke mit einer sehr langen Bezeichnung";
    z.Ext12Menge[2] = 3;
    z.Ext12RuheI[2] = 45;
    z.Ext12AlarmI[2] = 120;
    z.Ext12Name[5] = "ohne Menge";
    z.Ext12RuheI[5] = 99;
    z.Ext12Ruhe = 135;
    z.Ext12Alarm = 360;
    ScriptedMessages ms;
    HinweisErstellen(p, ms);
    auto v = zeilen(z);
    std::size_t k = position(v, Text(610));
    ASSERT_LT(k + 5, v.size());
    EXPECT_EQ(v[k - 1], "");
    EXPECT_EQ(v[k + 1],
              "Denominazione                         Quant.  Corrente di r Allarme corre");  // fire: 615 cut to 13
    EXPECT_EQ(v[k + 2], std::string(73, '-'));
    EXPECT_EQ(v[k + 3], "Lichtschranke mit einer sehr langen B       3            45           120");
    EXPECT_EQ(v[k + 4], std::string(73, '='));
    EXPECT_EQ(v[k + 5], "Summe:" + std::string(50, ' ') + "135           360");
    for (const auto& s : v) {
        EXPECT_EQ(s.find("ohne Menge"), std::string::npos);
        if (s.starts_with("Lichtschranke") || s.starts_with("Summe:")) {
            EXPECT_EQ(s.size(), 73u);
        }
    }
    // No 28 V table: every quantity is 0.
    EXPECT_FALSE(enthaelt(v, Text(617)));
}

TEST(Bericht, ProposalNotTakenTurnsTheFlagAndShows605) {
    Programm p = kvt2000b();
    Zustand& z = p.z;
    z.DXAVorschlag = 2;
    z.AnzDXA = 1;
    z.ZOLWVorschlag = 1;
    z.CodeModus = "V";
    z.OLNJa = 1;
    ScriptedMessages ms;
    HinweisErstellen(p, ms);
    auto v = zeilen(z);
    EXPECT_TRUE(enthaelt(v, "La quantità proposta di DXA 1000 ZOLW Non è stato accettato!"));
    EXPECT_TRUE(enthaelt(v, Text(603)));
    EXPECT_TRUE(enthaelt(v, Text(606)));  // a networked KVT 2000 may share supplies
    EXPECT_TRUE(enthaelt(v, Text(550)));
    EXPECT_EQ(z.EPOKennz, "N");
    ASSERT_EQ(ms.protokoll.size(), 1u);
    EXPECT_EQ(ms.protokoll[0].text, Text(605));
    EXPECT_EQ(ms.protokoll[0].symbol, Symbol::Ausrufezeichen);
}

TEST(Bericht, TL300OverloadedBy12VLoopModules) {
    Programm p = test::musterProgramm();
    Zustand& z = p.z;
    z.ZentralenTyp = 6;
    ZentralenNameSetzen(z, 6);
    z.INetz12 = 650.5f;
    z.IRuhe = 900;
    ScriptedMessages ms;
    HinweisErstellen(p, ms);
    auto v = zeilen(z);
    std::size_t k = position(v, "650,5 mA per elementi di rete a 12V");
    ASSERT_LT(k + 4, v.size());
    EXPECT_EQ(v[k + 1], "Max: 600 mA (2 x 300 mA) in TL 300!");
    EXPECT_EQ(v[k + 2], "");
    EXPECT_EQ(v[k + 3], std::string(51, '!'));
    EXPECT_EQ(v[k + 4], Text(604));
    EXPECT_TRUE(enthaelt(v, Text(734)));  // no PSM 300
    EXPECT_EQ(z.EPOKennz, "N");
    EXPECT_EQ(ms.protokoll.size(), 1u);
}

TEST(Bericht, KBNArticlesWithoutCodeAreCounted) {
    Programm p = kvt2000b();
    p.z.Menge[544] = 2;  // its codes end in 0000
    p.z.Menge[534] = 5;
    ScriptedMessages ms;
    HinweisErstellen(p, ms);
    auto v = zeilen(p.z);
    std::size_t k = position(v, "Si hanno 1 Tipo/i di elemento KBN senza codice selezionato.");
    ASSERT_LT(k, v.size());
    EXPECT_EQ(v[k - 1], std::string(63, '!'));
    EXPECT_EQ(v[k + 2], std::string(63, '!'));
    EXPECT_TRUE(enthaelt(v, Text(571)));
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
    EXPECT_EQ(z.Hinweiszeile[1], "Zeile 1");
    EXPECT_EQ(z.Hinweiszeile[2], "");
    EXPECT_EQ(z.Hinweiszeile[149], "Zeile 75");
    EXPECT_EQ(z.Hinweiszeile[150], "");
    zeilen.leer();
    EXPECT_EQ(z.HinweisAnz, 150);
}

TEST(Bericht, WindowShowsPageBreaksAsEmptyRowsAndRefreshesTheLimits) {
    Programm p = kvt2000b();
    p.z.Verknuepft = 1;
    p.z.NetzMax12 = 0;
    ScriptedMessages ms;
    auto grid = HinweisAktivieren(p, ms);
    ASSERT_EQ(grid.size(), 12u);
    EXPECT_EQ(grid.back(), "");
    EXPECT_EQ(p.z.NetzMax12, 5400);
}

TEST(Bericht, AfterARealCalculation) {
    Programm p = test::musterProgramm();
    test::zentrale(p.z, 4);
    ZentralenNameSetzen(p.z, 4);
    p.z.UeZeit = 30;
    test::schleife(p.z, 1, 534, 20);
    ASSERT_EQ(test::rechnen(p), AuswertenHalt::Keiner);
    ScriptedMessages ms;
    HinweisErstellen(p, ms);
    auto v = zeilen(p.z);
    EXPECT_GT(v.size(), 60u);
    EXPECT_TRUE(enthaelt(v, Text(571)));
    EXPECT_LT(position(v, Text(621)), v.size());
}
