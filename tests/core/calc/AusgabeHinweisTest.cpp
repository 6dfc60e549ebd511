#include <gtest/gtest.h>

#include <algorithm>

#include "calc/AusgabePresenter.h"
#include "calc/Bericht.h"
#include "calc/HinweisPresenter.h"
#include "support/Programme.h"

using namespace tarvis;
using test::ScriptedMessages;

namespace {

using Zeile = std::array<std::string, 4>;

}  // namespace

TEST(Ausgabe, ListsRecords6To700WithAQuantityAndLeavingItEnablesTheResultCommands) {
    Programm p = test::musterProgramm();
    test::zentrale(p.z, 4);
    p.z.CodeModus = "S";
    ScriptedMessages ms;
    AusgabePresenter leer(p, ms);
    leer.aktivieren();
    EXPECT_EQ(leer.ansicht().kopf, (Zeile{"Articolo ", "Quantità ", "Denominazione", "Codice "}));
    EXPECT_TRUE(leer.ansicht().zeilen.empty());

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
    EXPECT_EQ(v.aktuelleZeile, 1);

    EXPECT_TRUE(a.weiter());
    EXPECT_EQ(p.z.ProjektBefehleAktiv, 0);
    a.nachSchliessen();
    EXPECT_EQ(p.z.ProjektBefehleAktiv, 1);
    EXPECT_EQ(ms.fenster(), std::vector<Fenster>{Fenster::Hinweis});
}

TEST(Ausgabe, TheWindowTakesTheFireCodeForEveryTypeButTheIntrusionPanels) {
    Programm p = test::musterProgramm();
    const KatSatz& dkm = p.katalog.satz(154);  // both codes present, they differ
    p.z.CodeModus = "V";
    for (auto [typ, code] : {std::pair{6, "K51046851"}, std::pair{4, "K52046851"}, std::pair{7, "K52046851"}}) {
        p.z.ZentralenTyp = static_cast<Integer>(typ);
        EXPECT_EQ(AusgabeCode(dkm, p.z), code) << typ;
    }
    EXPECT_EQ(LIBEXCode(dkm, 7), "K51046851");  // the standalone DXA 1000 prints the intrusion code
}

TEST(Hinweis, TheWindowShowsTheReportFromItsFirstLineWithPageBreaksAsEmptyRows) {
    Programm p = test::musterProgramm();
    test::zentrale(p.z, 4);
    p.z.Projektname = "Nord";
    test::schleife(p.z, 1, 534, 10);
    ASSERT_EQ(test::rechnen(p), AuswertenHalt::Keiner);
    p.z.ZentralenName = "Nessun sistema attuale!";
    ScriptedMessages ms;
    int gedruckt = 0;
    HinweisPresenter h(p, ms, [&] { ++gedruckt; });
    h.aktivieren();
    const auto& zeilen = h.ansicht().zeilen;
    ASSERT_FALSE(zeilen.empty());
    EXPECT_EQ(zeilen[0], "Indicazioni di calcolo al progetto:  Nord");
    EXPECT_EQ(static_cast<int>(zeilen.size()), p.z.HinweisAnz - 1);
    // The panel's display name, although no title refresh has set it yet.
    EXPECT_NE(std::find(zeilen.begin(), zeilen.end(), "Alimentazione universale DXA 1000/PSM 300 KBN a KVT 2000 Incendio:"),
              zeilen.end());
    h.drucken();
    EXPECT_EQ(gedruckt, 1);

    // A linked project: the link notes, the marker as an empty row, the limits refreshed.
    p.z.Verknuepft = 1;
    p.z.NetzMax12 = 0;
    HinweisPresenter g(p, ms, {});
    g.aktivieren();
    EXPECT_EQ(g.ansicht().zeilen.front(), "Hinweise zu Projekt: Nord");
    EXPECT_EQ(g.ansicht().zeilen.back(), "");
    EXPECT_EQ(p.z.Hinweiszeile[g.ansicht().zeilen.size()], kSeitenwechsel);
    EXPECT_EQ(p.z.NetzMax12, 5400);
    g.drucken();  // no print command handed in: nothing happens
}
