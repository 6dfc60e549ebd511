#include <gtest/gtest.h>
#include <fstream>
#include <tuple>

#include "io/TextFile.h"
#include "projekt/Einstellungen.h"
#include "projekt/KatalogQuelle.h"
#include "ablauf/Menue1Presenter.h"
#include "projekt/Texte.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"
#include "ablauf/Eingabefolge.h"

using namespace tarvis;
using test::ScriptedMessages;
namespace fs = std::filesystem;

namespace {

// A program directory with a small catalogue and element table.
class Menue1Test : public ::testing::Test {
protected:
    void SetUp() override {
        Katalog k;
        KatSatz deutsch;
        deutsch.Bezeichnung = "Katalog deutsch";
        k.setzen(2, deutsch);
        k.setzen(700, KatSatz{});
        ASSERT_TRUE(io::writeBytes(dir / "TARVIS.ART", k.zuBytes()));
        ASSERT_TRUE(io::writeText(dir / "ESTROMK.DAT", "1,\"a\",\"b\",\"c\",\"d\",\"e\",\"f\",\"g\"\r\n450,\"x\",1,2,3,4,5,\"\"\r\n"));
        fs::create_directory(dir / "PROJEKTE");
        umgebung.programmVerzeichnis = dir.path();
        umgebung.heute = {2026, 12, 6};
        umgebung.buildDatum = {2026, 12, 1};
        umgebung.registrieren = [this](const std::string& a, const std::string& s, const std::string& k2,
                                       const std::string& v) { registriert = a + "/" + s + "/" + k2 + "=" + v; };
    }

    bool starten() { return presenter.starten(umgebung); }

    test::TempDir dir;
    Programm p;
    ScriptedMessages ms;
    Menue1Presenter presenter{p, ms};
    StartUmgebung umgebung;
    std::string registriert;
};

}  // namespace

TEST_F(Menue1Test, FirstStartOnAFreshDirectory) {
    ASSERT_TRUE(starten());
    EXPECT_EQ(p.z.Arbeitsplatz, 1);  // no RECHNER.DAT
    EXPECT_EQ(registriert, "OKTA/PRO/TARVIS=" + dir.path().string());
    // The existing project folder becomes the project directory.
    EXPECT_EQ(p.z.ProjPfad, (dir / "PROJEKTE").string());
}

// Printing refuses when the code mode changed after the calculation.
TEST_F(Menue1Test, PrintingNeedsTheCodeModeTheProjectWasCalculatedIn) {
    ASSERT_TRUE(starten());
    presenter.setzeVerfuegbar({Befehl::Drucken});
    p.z.ProjektBefehleAktiv = 1;
    p.z.CodeModus = "S";
    p.z.ProjCodeModus = "V";
    bool gedruckt = false;
    presenter.setzeAktion(Befehl::Drucken, [&] { gedruckt = true; });
    presenter.ausfuehren(Befehl::Drucken);
    EXPECT_FALSE(gedruckt);
    EXPECT_EQ(ms.texte().back(), "Calcolare nuovam. solo dopo il cambio di metodo!");
    p.z.ProjCodeModus = "S";
    presenter.ausfuehren(Befehl::Drucken);
    EXPECT_TRUE(gedruckt);
}

TEST_F(Menue1Test, ExitAfterInputAsksAndCancelOrACancelledSaveKeepsTheProgramOpen) {
    ASSERT_TRUE(starten());
    p.z.Bearbeitet = 1;
    ms.antworten = {Antwort::Abbrechen};
    EXPECT_FALSE(presenter.beenden());
    EXPECT_EQ(ms.protokoll.back().text, "Salvare immissioni?");
    EXPECT_TRUE(fs::exists(dir / "PERS.DAT"));  // the settings are written all the same

    presenter.setzeAktion(Befehl::Speichern, [&] { p.z.SpeichAbbruch = 1; });
    ms.antworten = {Antwort::Ja};
    EXPECT_FALSE(presenter.beenden());

    ms.antworten = {Antwort::Nein};
    EXPECT_TRUE(presenter.schliessen());
}

TEST_F(Menue1Test, OpenWithUnsavedInputAsksToSaveFirst) {
    ASSERT_TRUE(starten());
    presenter.setzeVerfuegbar({Befehl::Oeffnen});
    int gespeichert = 0;
    presenter.setzeAktion(Befehl::Speichern, [&] { ++gespeichert; });
    // Yes saves, then opens. No and Cancel: the exit and question tests.
    p.z.Bearbeitet = 1;
    ms.antworten = {Antwort::Ja};
    presenter.ausfuehren(Befehl::Oeffnen);
    EXPECT_EQ(ms.texte(), std::vector<std::string>{Text(67)});
    EXPECT_EQ(gespeichert, 1);
    EXPECT_EQ(ms.fenster(), std::vector<Fenster>{Fenster::Oeffnen});
}

TEST_F(Menue1Test, NewProjectStopsWhenAChangeOfPanelLeftNoPanel) {
    ASSERT_TRUE(starten());
    presenter.setzeVerfuegbar({Befehl::Neu});
    p.z.ZentralenTyp = 4;
    p.z.ZentralenTypBest = 4;
    // GMAwechsel choice 2 was confirmed, then the panel type dialog cancelled.
    ms.fensterSkript[Fenster::GMAwechsel] = [&] { p.z.ZentralenTyp = 0; return false; };
    presenter.ausfuehren(Befehl::Neu);
    EXPECT_EQ(ms.fenster(), std::vector<Fenster>{Fenster::GMAwechsel});
}

namespace {

class EingabefolgeTest : public ::testing::Test {
protected:
    void SetUp() override {
        ProjektZuruecksetzen(p.z);
        p.z.Sachbearbeiter = "Rossi";
    }
    void allesBestaetigt() {
        ms.fensterSkript[Fenster::ZentTyp] = [&] { p.z.ZentralenTyp = 4; return true; };
        ms.fensterSkript[Fenster::Stammdaten] = [&] {
            p.z.Projektname = "Ospedale";
            p.z.StammdatenOK = 1;
            return true;
        };
        ms.fensterSkript[Fenster::Modus] = [&] { p.z.ModusOK = 1; return true; };
        ms.fensterSkript[Fenster::KBNEIN] = [] { return false; };
        ms.fensterSkript[Fenster::Zusaetze] = [] { return true; };
    }

    Programm p;
    ScriptedMessages ms;
    int berechnet = 0, gedruckt = 0;
    bool startseite = true;
    Eingabefolge folge{
        p, ms, {[this] { startseite = false; }, [this] { ++berechnet; }, [this](const Druckauftrag&) { ++gedruckt; }}};
};

}  // namespace

TEST_F(EingabefolgeTest, ProjectInputRunsTheWholeSequenceToTheResult) {
    allesBestaetigt();
    folge.bearbeiten(0);
    EXPECT_EQ(ms.fenster(), (std::vector<Fenster>{Fenster::ZentTyp, Fenster::Stammdaten, Fenster::Modus, Fenster::KBNEIN,
                                                  Fenster::Zusaetze, Fenster::Ausgabe}));
    // The loop entry, left without forward, is followed by its printout
    // (No, the default: the entered elements) before the additional functions.
    ASSERT_EQ(ms.protokoll.size(), 7u);
    EXPECT_EQ(ms.protokoll[4].text, Text(361) + "\n" + Text(362));
    EXPECT_EQ(ms.protokoll[4].titel, Text(363));
    EXPECT_EQ(gedruckt, 1);
    EXPECT_EQ(berechnet, 1);
    EXPECT_EQ(p.z.Bearbeitet, 1);
    EXPECT_FALSE(startseite);
}

TEST_F(EingabefolgeTest, ClearingProjectDataAsksAndClearsTheLoopsToo) {
    p.z.ZentralenTyp = 4;
    p.z.KBNMenge2[600] = 3;
    p.z.ProjektBefehleAktiv = 1;
    folge.bearbeiten(3);  // No
    EXPECT_EQ(p.z.KBNMenge2[600], 3);
    ms.antworten = {Antwort::Ja};
    folge.bearbeiten(3);
    EXPECT_EQ(p.z.KBNMenge2[600], 0);
    EXPECT_EQ(p.z.ZentralenTyp, 0);
    EXPECT_EQ(p.z.ProjektBefehleAktiv, 0);
    EXPECT_EQ(ms.texte(), (std::vector<std::string>{"Cancellare i dati del progetto?", "Cancellare i dati del progetto?",
                                                    "Dati del progetto cancellati!"}));
}

// Each item of the edit menu opens its window, for the panels it is for.
TEST_F(EingabefolgeTest, EditItemsOpenTheirWindows) {
    const std::vector<std::tuple<int, int, std::vector<Fenster>>> faelle = {
        {2, 4, {Fenster::Stammdaten}}, {4, 4, {Fenster::KBNEIN}},   {6, 4, {Fenster::Texteingabe}},
        {7, 4, {Fenster::Zusaetze}},   {7, 7, {}},                   {8, 4, {Fenster::OLNVernetz}},
        {8, 5, {}},                    {9, 1, {Fenster::MG1000}},    {0, 7, {Fenster::DXA1000}},
        {0, 8, {Fenster::PeriStrom}}};
    for (const auto& [item, typ, fenster] : faelle) {
        ms.protokoll.clear();
        p.z.ZentralenTyp = static_cast<Integer>(typ);
        folge.bearbeiten(item);
        EXPECT_EQ(ms.fenster(), fenster) << item << " " << typ;
    }
}
