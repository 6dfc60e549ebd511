#include <gtest/gtest.h>

#include "io/TextFile.h"
#include "projekt/Namensregeln.h"
#include "einstellungen/StammdatenPresenter.h"
#include "projekt/Texte.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"

using namespace tarvis;
using test::ScriptedMessages;
namespace fs = std::filesystem;

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

TEST_F(StammdatenTest, ActivationFillsDefaultsAndShowsTheHints) {
    p.z.Projektname = "";
    p.z.Sachbearbeiter = "";
    s.aktivieren();
    StammdatenAnsicht a = s.ansicht();
    EXPECT_EQ(a.texte[1], "Projekt1");
    EXPECT_EQ(a.texte[6], "Nobody");
    EXPECT_TRUE(a.projektHinweisSichtbar && a.sachHinweisSichtbar);

    s.setzeText(1, "Ospedale");
    s.setzeText(6, "Rossi");
    EXPECT_FALSE(s.ansicht().projektHinweisSichtbar);
    EXPECT_FALSE(s.ansicht().sachHinweisSichtbar);
    s.setzeText(1, "");
    EXPECT_TRUE(s.ansicht().projektHinweisSichtbar);
}

TEST_F(StammdatenTest, TheFormerClerkIsShownOnlyWhenHeDiffers) {
    p.z.Sachbearbeiter = "Rossi";
    p.z.AltSachbearbeiter = "Ferrari";
    s.aktivieren();
    EXPECT_EQ(s.ansicht().altName, "Früherer Sachbearbeiter: Ferrari");
    p.z.AltSachbearbeiter = "Rossi";
    s.aktivieren();
    EXPECT_EQ(s.ansicht().altName, "");
}

TEST_F(StammdatenTest, TypingIntoTheDefaultProjectNameStartsFromAnEmptyBox) {
    s.aktivieren();
    EXPECT_TRUE(s.taste(1, U'S'));
    EXPECT_EQ(p.z.Projektname, "");
    s.setzeText(1, "S");
    EXPECT_TRUE(s.taste(1, U'c'));
    EXPECT_EQ(p.z.Projektname, "S");
    // Other boxes are not emptied.
    p.z.Angebotsnummer = "Projekt1";
    EXPECT_TRUE(s.taste(2, U'x'));
    EXPECT_EQ(p.z.Angebotsnummer, "Projekt1");
}

TEST_F(StammdatenTest, DoubleQuotesAreRefusedWithABeepInEveryBox) {
    s.aktivieren();
    for (int feld = 1; feld <= 6; ++feld) EXPECT_FALSE(s.taste(feld, U'"'));
    EXPECT_EQ(p.z.Projektname, "Projekt1");  // a refused key does not empty the box
    s.setzeText(3, "A\"12\"");              // pasted
    EXPECT_EQ(p.z.Bestellnummer, "A12");
    std::size_t piepse = 0;
    for (const auto& e : ms.protokoll) piepse += e.art == ScriptedMessages::Eintrag::Piep;
    EXPECT_EQ(piepse, 7u);
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

