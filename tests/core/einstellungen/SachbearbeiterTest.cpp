#include <gtest/gtest.h>
#include <algorithm>

#include "io/TextFile.h"
#include "projekt/Version.h"
#include "projekt/Einstellungen.h"
#include "einstellungen/SachbearbeiterHinzufuegen.h"
#include "projekt/Texte.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"
#include "projekt/Namensregeln.h"
#include "einstellungen/StammdatenPresenter.h"
#include "einstellungen/ModusPresenter.h"

using namespace tarvis;
using test::ScriptedMessages;
namespace fs = std::filesystem;

namespace {

class SachbearbeiterTest : public ::testing::Test {
protected:
    void SetUp() override {
        p.verzeichnis = dir.path();
        p.z.PrgVersion = kVersionText;
        p.z.Sachbearbeiter = "Rossi";
        p.z.ProjPfad = (dir / "PROJEKTE").string();
        p.z.CodeModus = "S";
        p.z.Sprache = 3;
        ms.fensterSkript[Fenster::SBWahl] = [] { return true; };
    }

    test::TempDir dir;
    Programm p;
    ScriptedMessages ms;
};

}  // namespace

// Typed in another case, the clerk finds his folder and replaces his file.
TEST_F(SachbearbeiterTest, AClerkWhoseDirectoryExistsGets313AndThatDirectoryAsProjectPath) {
    fs::create_directory(dir / "Bianchi");
    ASSERT_TRUE(io::writeText(dir / "Bianchi.KON", "\"Sachbearbeiter: \",\"alt\"\r\n"));
    ms.eingaben = {std::string("BIANCHI")};
    ms.antworten = {Antwort::Ja};
    EXPECT_TRUE(SachbearbeiterHinzufuegen(p, ms));

    EXPECT_EQ(ms.texte(), (std::vector<std::string>{Text(308), Text(312) + " " + (dir / "Bianchi").string(),
                                                    Text(313)}));
    // The new clerk's file holds his name and folder and the settings of this run.
    Zustand g;
    ASSERT_TRUE(KonfigDateiLesen(dir / "Bianchi.KON", g));
    EXPECT_EQ(g.Sachbearbeiter + " " + g.ProjPfad + " " + g.CodeModus.str() + " " + std::to_string(g.Sprache),
              "BIANCHI " + (dir / "Bianchi").string() + " S 3");
    EXPECT_FALSE(fs::exists(dir / "BIANCHI.KON") || fs::exists(dir / "BIANCHI"));
    // The workstation is now a multi-user one; the settings were saved and
    // the clerk selection follows.
    EXPECT_EQ(p.z.Arbeitsplatz, 2);
    EXPECT_EQ(RechnerLesen(dir / "RECHNER.DAT"), 2);
    EXPECT_TRUE(fs::exists(dir / "PERS.DAT"));
    EXPECT_NE(io::readText(dir / "User.dat")->find("\"Rossi\""), std::string::npos);
    EXPECT_EQ(ms.fenster(), std::vector<Fenster>{Fenster::SBWahl});
    // The clerk working now is still the same.
    EXPECT_EQ(p.z.Sachbearbeiter, "Rossi");
    EXPECT_EQ(p.z.ProjPfad, (dir / "PROJEKTE").string());
}

TEST_F(SachbearbeiterTest, ANewDirectoryIsCreatedOnYesAndNoKeepsTheCurrentProjectPath) {
    ms.eingaben = {std::string("Verdi"), std::string("Neri")};
    ms.antworten = {Antwort::Ja, Antwort::Nein};
    ASSERT_TRUE(SachbearbeiterHinzufuegen(p, ms));
    EXPECT_TRUE(fs::is_directory(dir / "Verdi"));
    EXPECT_EQ(ms.texte().back(), Text(310));
    Zustand g;
    ASSERT_TRUE(KonfigDateiLesen(dir / "Verdi.KON", g));
    EXPECT_EQ(g.ProjPfad, (dir / "Verdi").string());

    ASSERT_TRUE(SachbearbeiterHinzufuegen(p, ms));
    EXPECT_FALSE(fs::exists(dir / "Neri"));
    ASSERT_TRUE(KonfigDateiLesen(dir / "Neri.KON", g));
    EXPECT_EQ(g.Sachbearbeiter, "Neri");
    EXPECT_EQ(g.ProjPfad, (dir / "PROJEKTE").string());
}

TEST_F(SachbearbeiterTest, InvalidNamesAreAskedAgainAndAnEmptyAnswerEndsTheCommand) {
    ms.eingaben = {std::string("Rossi/Bianchi"), std::string(".."), std::string("Ga\"llo"), std::string(" ")};
    EXPECT_FALSE(SachbearbeiterHinzufuegen(p, ms));
    EXPECT_EQ(ms.texte(), (std::vector<std::string>{Text(308), Text(311), Text(308), Text(311), Text(308), Text(308)}));
    // The double quote is refused with a beep, like a refused key.
    EXPECT_EQ(ms.protokoll[5].art, ScriptedMessages::Eintrag::Piep);
    EXPECT_TRUE(ms.fenster().empty());
    EXPECT_EQ(p.z.Arbeitsplatz, 1);
    EXPECT_FALSE(fs::exists(dir / "RECHNER.DAT"));

    ScriptedMessages abbruch;
    EXPECT_FALSE(SachbearbeiterHinzufuegen(p, abbruch));  // input box cancelled
}

namespace {

class StammdatenTest : public ::testing::Test {
protected:
    void SetUp() override {
        p.verzeichnis = dir.path();
        p.z.PrgVersion = "26.1.0";
    }
    test::TempDir dir;
    Programm p;
    ScriptedMessages ms;
    StammdatenPresenter s{p, ms};
};

}  // namespace

TEST(NameUngueltig, CommaAndBothSlashes) {
    EXPECT_TRUE(NameUngueltig("Scuola, Via Roma"));
    EXPECT_TRUE(NameUngueltig("A/B"));
    EXPECT_TRUE(NameUngueltig("A\\B"));
    EXPECT_FALSE(NameUngueltig("Ospedale S. Anna (2)"));
}

TEST_F(StammdatenTest, OkChecksInOrderAndConfirmingWritesTheMarker) {
    s.aktivieren();
    s.setzeText(1, "");
    s.setzeText(6, "");
    EXPECT_FALSE(s.ok());
    EXPECT_EQ(s.fokus(), 1);
    s.setzeText(1, "Scuola/Nord");
    EXPECT_FALSE(s.ok());
    EXPECT_EQ(s.fokus(), 6);
    s.setzeText(6, "Rossi");
    EXPECT_FALSE(s.ok());
    EXPECT_EQ(s.fokus(), 1);
    EXPECT_EQ(ms.texte(), (std::vector<std::string>{Text(84), Text(85), Text(73)}));
    EXPECT_EQ(ms.protokoll[0].symbol, Symbol::Ausrufezeichen);
    EXPECT_EQ(p.z.StammdatenOK, 0);
    EXPECT_FALSE(fs::exists(dir / "BELEGT.DAT"));

    s.setzeText(1, "Scuola Nord");
    EXPECT_TRUE(s.ok());
    EXPECT_EQ(p.z.StammdatenOK, 1);
    EXPECT_EQ(p.z.WeiterOK, 1);
    EXPECT_EQ(p.z.Belegt1, 1);
    auto marker = io::readText(dir / "BELEGT.DAT");
    ASSERT_TRUE(marker);
    EXPECT_EQ(marker->substr(0, 8), "\"Rossi\",");
}

namespace {

class ModusTest : public ::testing::Test {
protected:
    static long aktive(const ModusAnsicht& a) {
        return std::count(a.spracheAktiv.begin() + 1, a.spracheAktiv.end(), true);
    }
    static bool nurDeutschAktiv(const ModusAnsicht& a) { return a.spracheAktiv[1] && aktive(a) == 1; }
    Programm p;
    ScriptedMessages ms;
    ModusPresenter m{p, ms};
};

}  // namespace

TEST_F(ModusTest, ItalianSwitchesToPartNumbersAndDisablesLibexGermanEnablesItWithoutSelectingIt) {
    p.z.CodeModus = "V";
    p.z.ProjCodeModus = " ";
    p.z.Sprache = 1;
    m.aktivieren();
    EXPECT_EQ(p.z.ProjCodeModus, "V");
    EXPECT_EQ(m.ansicht().modus, 'V');
    EXPECT_TRUE(nurDeutschAktiv(m.ansicht()));
    m.modusKlick('S');
    EXPECT_EQ(aktive(m.ansicht()), kAnzahlSprachen);
    m.spracheKlick(3);
    ModusAnsicht a = m.ansicht();
    EXPECT_EQ(p.z.Sprache, 3);
    EXPECT_EQ(p.z.CodeModus, "S");
    EXPECT_EQ(a.modus, 'S');
    EXPECT_FALSE(a.libexAktiv);

    m.spracheKlick(1);
    a = m.ansicht();
    EXPECT_TRUE(a.libexAktiv);
    EXPECT_EQ(a.modus, 'S');
    EXPECT_EQ(p.z.CodeModus, "S");

    // LIBEX leaves German as the only language.
    m.modusKlick('V');
    a = m.ansicht();
    EXPECT_EQ(p.z.CodeModus, "V");
    EXPECT_EQ(a.sprache, 1);
    EXPECT_TRUE(nurDeutschAktiv(a));
}

TEST_F(ModusTest, AnotherLanguageStoredWithLibexComesUpAsLibexAndGerman) {
    p.z.CodeModus = "V";
    p.z.ProjCodeModus = "S";
    p.z.Sprache = 9;
    m.aktivieren();
    ModusAnsicht a = m.ansicht();
    EXPECT_EQ(a.modus, 'V');
    EXPECT_EQ(a.sprache, 1);
    EXPECT_TRUE(nurDeutschAktiv(a));
    EXPECT_EQ(p.z.Sprache, 1);
    EXPECT_TRUE(m.ok());
    EXPECT_EQ(p.z.CodeModus, "V");
    EXPECT_EQ(p.z.ProjCodeModus, "V");

    // A language without an option shows German and becomes it.
    p.z.CodeModus = "S";
    p.z.Sprache = 40;
    ModusPresenter m2(p, ms);
    m2.aktivieren();
    EXPECT_EQ(m2.ansicht().sprache, 1);
    EXPECT_EQ(p.z.Sprache, 1);
}

TEST_F(ModusTest, OkWithPartNumbersAndNoLanguageGives765) {
    p.z.CodeModus = "S";
    p.z.Sprache = 0;
    m.aktivieren();
    EXPECT_EQ(m.ansicht().sprache, 0);  // no language shown as chosen
    EXPECT_EQ(p.z.Sprache, 0);
    EXPECT_FALSE(m.ok());
    EXPECT_EQ(ms.texte(), std::vector<std::string>{"Keine Sprache gewählt!"});
    EXPECT_EQ(p.z.ModusOK, 0);
    EXPECT_EQ(p.z.WeiterOK, 0);

    m.spracheKlick(1);
    EXPECT_TRUE(m.ok());
    EXPECT_EQ(p.z.Sprache, 1);
    EXPECT_EQ(p.z.ModusOK, 1);
    EXPECT_EQ(p.z.WeiterOK, 1);
}
