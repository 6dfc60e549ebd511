#include <gtest/gtest.h>

#include <fstream>

#include "io/TextFile.h"
#include "projekt/Einstellungen.h"
#include "projekt/KatalogQuelle.h"
#include "ablauf/Menue1Presenter.h"
#include "projekt/Texte.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"

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

MenueEintrag finde(Menue1Presenter& m, Befehl b) {
    for (const auto& g : m.ansicht().menues)
        for (const auto& e : g.eintraege)
            if (e && e->befehl == b) return *e;
    return MenueEintrag{b, "", false};
}

}  // namespace

TEST_F(Menue1Test, FirstStartOnAFreshDirectory) {
    ASSERT_TRUE(starten());
    EXPECT_EQ(p.z.VersionMax, "26.1");
    EXPECT_EQ(p.z.Arbeitsplatz, 1);  // no RECHNER.DAT
    EXPECT_EQ(p.z.CodeModus, "S");   // no language chosen yet
    EXPECT_EQ(registriert, "OKTA/PRO/TARVIS=" + dir.path().string());
    // Without stored settings there is no version change to tell of.
    EXPECT_TRUE(ms.hilfeKontexte().empty());
    EXPECT_TRUE(ms.texte().empty());
    EXPECT_EQ(presenter.titel(), "TARVIS - Projekt1");
    // The existing project folder becomes the project directory.
    EXPECT_EQ(p.z.ProjPfad, (dir / "PROJEKTE").string());
}

TEST_F(Menue1Test, AnOldBuildRemindsOfANewVersion) {
    umgebung.buildDatum = {2026, 5, 1};
    ASSERT_TRUE(starten());
    EXPECT_EQ(ms.nummern(), std::vector<int>{342});
}

// A missing project folder is made on Yes; on No the user names another one.
TEST_F(Menue1Test, MissingProjectFolderIsCreatedOnYesOrAnotherOneOnNo) {
    fs::remove(dir / "PROJEKTE");
    ms.antworten = {Antwort::Ja};
    ASSERT_TRUE(starten());
    EXPECT_EQ(ms.texte()[0], Text(87) + "\n" + (dir / "PROJEKTE").string());
    EXPECT_EQ(p.z.ProjPfad, (dir / "PROJEKTE").string());
    fs::remove(dir / "PROJEKTE");
    ms.protokoll.clear();
    ms.antworten = {Antwort::Nein};
    ms.eingaben = {std::string("Eigene")};
    ASSERT_TRUE(starten());
    EXPECT_EQ(ms.texte()[1], Text(314));
    EXPECT_FALSE(fs::exists(dir / "PROJEKTE"));
    EXPECT_EQ(p.z.ProjPfad, (dir / "Eigene").string());
}

TEST_F(Menue1Test, CommandsNeedTheirWindowAndAProject) {
    ASSERT_TRUE(starten());
    presenter.setzeVerfuegbar({Befehl::Drucken, Befehl::Kontakt, Befehl::Bearb9});
    EXPECT_TRUE(finde(presenter, Befehl::Kontakt).aktiv);
    EXPECT_FALSE(finde(presenter, Befehl::Drucken).aktiv);  // no project yet
    EXPECT_FALSE(finde(presenter, Befehl::Neu).aktiv);      // not available
    EXPECT_TRUE(finde(presenter, Befehl::Ende).aktiv);
    EXPECT_FALSE(finde(presenter, Befehl::Bearb9).aktiv);   // detector zones only for the KVT 1000
    p.z.ZentralenTyp = 1;
    EXPECT_TRUE(finde(presenter, Befehl::Bearb9).aktiv);

    p.z.ProjektBefehleAktiv = 1;
    EXPECT_TRUE(finde(presenter, Befehl::Drucken).aktiv);
    // Printing refuses when the code mode changed after the calculation.
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
    EXPECT_FALSE(presenter.startseite());
}

TEST_F(Menue1Test, ExitWithoutInputEndsAtOnceButStillWritesSettingsAndRemovesMarkers) {
    ASSERT_TRUE(starten());
    ASSERT_TRUE(io::writeText(dir / "BELEGT.DAT", "x\r\n"));
    p.z.Belegt1 = 1;
    EXPECT_TRUE(presenter.beenden());
    EXPECT_TRUE(ms.texte().empty());
    EXPECT_TRUE(fs::exists(dir / "PERS.DAT"));
    EXPECT_TRUE(fs::exists(dir / "RECHNER.DAT"));
    EXPECT_FALSE(fs::exists(dir / "BELEGT.DAT"));
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
    // Yes saves, then opens; nothing unsaved (Keine) opens without a
    // question. No and Cancel: the exit and question tests.
    for (Antwort antwort : {Antwort::Ja, Antwort::Keine}) {
        SCOPED_TRACE(static_cast<int>(antwort));
        ms.protokoll.clear();
        p.z.Bearbeitet = antwort == Antwort::Keine ? 0 : 1;
        gespeichert = 0;
        ms.antworten = {antwort};
        presenter.ausfuehren(Befehl::Oeffnen);
        const bool gefragt = antwort != Antwort::Keine;
        EXPECT_EQ(ms.texte(), gefragt ? std::vector<std::string>{Text(67)} : std::vector<std::string>{});
        EXPECT_EQ(gespeichert, gefragt ? 1 : 0);
        EXPECT_EQ(ms.fenster(), std::vector<Fenster>{Fenster::Oeffnen});
    }
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

// Which items of the edit menu a project enables.
TEST_F(Menue1Test, EditItemsFollowThePanelAndTheWindowsConfirmed) {
    ASSERT_TRUE(starten());
    presenter.setzeVerfuegbar({Befehl::Bearb4, Befehl::Bearb5, Befehl::Bearb7, Befehl::Bearb8});
    auto aktiv = [&](Befehl b) { return finde(presenter, b).aktiv; };
    struct Fall { Integer typ; Byte oln, kbn, projekt; bool netz, kbnBefehle, zusaetze; };
    for (Fall f : {Fall{3, 0, 0, 0, false, false, true}, Fall{3, 1, 0, 0, true, false, true},  // networking confirmed
                   Fall{5, 1, 0, 0, false, false, true}, Fall{2, 0, 0, 1, true, true, true},  // or with a project
                   Fall{4, 0, 1, 0, false, true, true}, Fall{7, 0, 1, 0, false, false, false}}) {
        p.z.ZentralenTyp = f.typ;
        p.z.OLNMenueAktiv = f.oln;
        p.z.KBNMenueAktiv = f.kbn;  // the loop entry went forward
        p.z.ProjektBefehleAktiv = f.projekt;
        EXPECT_EQ(aktiv(Befehl::Bearb8), f.netz) << f.typ;
        EXPECT_EQ(aktiv(Befehl::Bearb4), f.kbnBefehle) << f.typ;
        EXPECT_EQ(aktiv(Befehl::Bearb5), f.kbnBefehle) << f.typ;
        EXPECT_EQ(aktiv(Befehl::Bearb7), f.zusaetze) << f.typ;
    }
    ProjektZuruecksetzen(p.z);
    EXPECT_EQ(p.z.KBNMenueAktiv, 0);
}
