#include <gtest/gtest.h>

#include <algorithm>

#include "CalcHilfe.h"
#include "calc/AusgabePresenter.h"
#include "calc/Bericht.h"
#include "calc/HinweisPresenter.h"

using namespace tarvis;
using test::ScriptedMessages;

namespace {

using Zeile = std::array<std::string, 4>;

}  // namespace

TEST(Ausgabe, AnEmptyListShowsTheHeaderRowOnly) {
    Programm p = test::musterProgramm();
    test::zentrale(p.z, 4);
    ScriptedMessages ms;
    AusgabePresenter a(p, ms);
    a.aktivieren();
    EXPECT_EQ(a.ansicht().titel, "Risultato");
    EXPECT_EQ(a.ansicht().weiter, "&Avanti");
    EXPECT_EQ(a.ansicht().kopf, (Zeile{"Articolo ", "Quantità ", "Denominazione", "LIBEX"}));
    EXPECT_TRUE(a.ansicht().zeilen.empty());
}

TEST(Ausgabe, ListsRecords6To700InOrderButNeverTheCatalogueHeader) {
    Programm p = test::musterProgramm();
    test::zentrale(p.z, 4);
    p.z.CodeModus = "S";
    for (int i = 1; i <= 5; ++i) p.z.Menge[i] = 3;
    p.z.Menge[534] = 16;
    p.z.Menge[108] = 1;
    p.z.Menge[700] = 2;
    p.z.Menge[46] = -1;  // nothing below 1 is listed
    ScriptedMessages ms;
    AusgabePresenter a(p, ms);
    a.aktivieren();
    const AusgabeAnsicht& v = a.ansicht();
    EXPECT_EQ(v.kopf[3], "Codice ");
    ASSERT_EQ(v.zeilen.size(), 3u);
    EXPECT_EQ(v.zeilen[0], (Zeile{"108 ", "1 ", "KVT 2000 B deutsch            ", "4.996.110.155"}));
    EXPECT_EQ(v.zeilen[1][0], "534 ");
    EXPECT_EQ(v.zeilen[1][1], "16 ");
    EXPECT_EQ(v.zeilen[2][0], "700 ");
    EXPECT_EQ(v.aktuelleZeile, 1);
    EXPECT_EQ(v.aktuelleSpalte, 0);
}

TEST(Ausgabe, TheWindowTakesTheFireCodeForEveryTypeButTheIntrusionPanels) {
    Programm p = test::musterProgramm();
    const KatSatz& dkm = p.katalog.satz(154);  // both codes present, they differ
    p.z.CodeModus = "V";
    p.z.ZentralenTyp = 6;
    EXPECT_EQ(AusgabeCode(dkm, p.z), "K51046851");
    p.z.ZentralenTyp = 4;
    EXPECT_EQ(AusgabeCode(dkm, p.z), "K52046851");
    // The standalone DXA 1000: fire code here, intrusion code in the printout.
    p.z.ZentralenTyp = 7;
    EXPECT_EQ(AusgabeCode(dkm, p.z), "K52046851");
    EXPECT_EQ(LIBEXCode(dkm, 7), "K51046851");
}

TEST(Ausgabe, LeavingItEnablesTheResultCommandsAndShowsTheReport) {
    Programm p = test::musterProgramm();
    test::zentrale(p.z, 4);
    ScriptedMessages ms;
    AusgabePresenter a(p, ms);
    a.aktivieren();
    EXPECT_TRUE(a.weiter());
    EXPECT_EQ(p.z.ProjektBefehleAktiv, 0);
    a.nachSchliessen();
    EXPECT_EQ(p.z.ProjektBefehleAktiv, 1);
    EXPECT_EQ(ms.fenster(), std::vector<Fenster>{Fenster::Hinweis});
}

TEST(Hinweis, ACalculatedProjectShowsItsReportFromTheFirstLine) {
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
    const HinweisAnsicht& v = h.ansicht();
    EXPECT_EQ(v.titel, "Indicazioni &risultati del calcolo di corrente");
    EXPECT_EQ(v.drucken, "&Stampa");
    ASSERT_FALSE(v.zeilen.empty());
    EXPECT_EQ(v.zeilen[0], "Indicazioni di calcolo al progetto:  Nord");
    EXPECT_EQ(static_cast<int>(v.zeilen.size()), p.z.HinweisAnz - 1);
    // The panel's display name, although no title refresh has set it yet.
    EXPECT_NE(std::find(v.zeilen.begin(), v.zeilen.end(),
                        "Alimentazione universale DXA 1000/PSM 300 KBN a KVT 2000 Incendio:"),
              v.zeilen.end());
    EXPECT_EQ(p.z.TypFehler, 0);
    h.drucken();
    EXPECT_EQ(gedruckt, 1);
    EXPECT_TRUE(h.ok());
}

TEST(Hinweis, ALinkedProjectShowsOnlyTheLinkNotesAndThePageBreakAsAnEmptyRow) {
    Programm p = test::musterProgramm();
    p.z.Verknuepft = 1;
    p.z.Projektname = "Halle";
    ScriptedMessages ms;
    HinweisPresenter h(p, ms, {});
    h.aktivieren();
    const auto& zeilen = h.ansicht().zeilen;
    ASSERT_GE(zeilen.size(), 3u);
    EXPECT_EQ(zeilen.front(), "Hinweise zu Projekt: Halle");
    EXPECT_EQ(zeilen.back(), "");  // the "Seitenwechsel" marker
    EXPECT_EQ(p.z.Hinweiszeile[static_cast<std::size_t>(zeilen.size())], kSeitenwechsel);
    h.drucken();  // no print command handed in: nothing happens
}
