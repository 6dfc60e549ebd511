#include <gtest/gtest.h>

#include "projekt/Projektverzeichnis.h"
#include "projekt/Texte.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"

using namespace tarvis;
using test::ScriptedMessages;
namespace fs = std::filesystem;

namespace {

class ProjektverzeichnisTest : public ::testing::Test {
protected:
    void SetUp() override {
        p.verzeichnis = dir.path();
        p.z.ProjPfad = "vorher";
    }
    test::TempDir dir;
    Programm p;
    ScriptedMessages ms;
};

}  // namespace

TEST_F(ProjektverzeichnisTest, ANewNameIsCreatedInCapitals) {
    ms.eingaben = {std::string("Scuole")};
    ProjektverzeichnisErstellen(p, ms);
    EXPECT_TRUE(fs::is_directory(dir / "SCUOLE"));
    EXPECT_EQ(p.z.ProjPfad, (dir / "SCUOLE").string());
    EXPECT_EQ(ms.texte().back(), Text(74));
}

// A directory created in other letters (as the start-up one in capitals) is
// found: no second directory beside it.
TEST_F(ProjektverzeichnisTest, ADirectoryInOtherLettersIsReportedAsExisting) {
    fs::create_directory(dir / "Eigene");
    ms.eingaben = {std::string("EIGENE")};
    ProjektverzeichnisErstellen(p, ms);
    EXPECT_EQ(p.z.ProjPfad, (dir / "Eigene").string());
    EXPECT_FALSE(fs::exists(dir / "EIGENE"));
    EXPECT_EQ(ms.texte().back(), Text(75));
}

TEST_F(ProjektverzeichnisTest, OnlyOneLevelBelowTheProgramDirectory) {
    ms.eingaben = {std::string("../fuori"), std::string("a\\b"), std::string("C:X"), std::string(".."),
                   std::string("."), std::string("")};
    ProjektverzeichnisErstellen(p, ms);
    std::vector<std::string> t = ms.texte();
    ASSERT_EQ(t.size(), 11u);
    for (std::size_t i = 1; i < 10; i += 2) EXPECT_EQ(t[i], "Max. 1 livelli di elenco!") << i;
    EXPECT_EQ(p.z.ProjPfad, "vorher");
    EXPECT_FALSE(fs::exists(dir.path().parent_path() / "FUORI"));
}

TEST_F(ProjektverzeichnisTest, DosCharactersAreRefused) {
    ms.eingaben = {std::string("a?b"), std::string("a\"b"), std::string("ab")};
    ProjektverzeichnisErstellen(p, ms);
    std::vector<std::string> t = ms.texte();
    ASSERT_EQ(t.size(), 6u);
    EXPECT_EQ(t[1], Text(73));
    EXPECT_EQ(t[5], Text(74));
    EXPECT_EQ(p.z.ProjPfad, (dir / "AB").string());
}

