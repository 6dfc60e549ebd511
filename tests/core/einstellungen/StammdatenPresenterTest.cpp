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

