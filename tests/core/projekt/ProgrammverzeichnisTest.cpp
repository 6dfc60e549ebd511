#include <gtest/gtest.h>
#include <fstream>

#include "io/TextFile.h"
#include "projekt/Programmverzeichnis.h"
#include "support/TempDir.h"
#include "projekt/Projektverzeichnis.h"
#include "projekt/Texte.h"
#include "support/ScriptedMessages.h"

using namespace tarvis;
namespace fs = std::filesystem;
using test::ScriptedMessages;

namespace {
void datei(const fs::path& p, const char* inhalt = "x") {
    fs::create_directories(p.parent_path());
    std::ofstream(p) << inhalt;
}
}  // namespace

TEST(Programmverzeichnis, AnInstallationNobodyMayWriteGivesEachUserACopyOfTheTemplate) {
    test::TempDir dir;
    datei(dir / "share/tarvis/programm/TARVIS.ART", "neu");
    fs::create_directories(dir / "bin");
    auto nurBenutzer = [&](const fs::path& p) { return p.string().find("/user") != std::string::npos; };
    auto w = ProgrammverzeichnisFinden(dir / "bin", dir / "user/programm", nurBenutzer);
    EXPECT_EQ(w.verzeichnis, dir / "user/programm");
    EXPECT_TRUE(w.ausVorlage);
    EXPECT_TRUE(fs::exists(dir / "user/programm/TARVIS.ART"));
    EXPECT_TRUE(fs::is_directory(dir / "user/programm/PROJEKTE"));

    // An installation the user may write to is used as it is.
    EXPECT_EQ(ProgrammverzeichnisFinden(dir / "bin", dir / "user/programm").verzeichnis, dir / "share/tarvis/programm");
}

TEST(Programmverzeichnis, TheBatchToolReadsWhereTheProgramWorksAndMakesNothing) {
    test::TempDir dir;
    datei(dir / "share/tarvis/programm/TARVIS.ART");
    fs::create_directories(dir / "bin");
    auto nurBenutzer = [&](const fs::path& p) { return p.string().find("/user") != std::string::npos; };
    // Before the program's first start: the template, and no copy is made.
    EXPECT_EQ(ProgrammverzeichnisZumLesen(dir / "bin", dir / "user/programm", nurBenutzer).verzeichnis,
              dir / "share/tarvis/programm");
    EXPECT_FALSE(fs::exists(dir / "user"));
    // After it: the user's copy, where his catalogue may have been put.
    datei(dir / "user/programm/TARVIS.ART");
    EXPECT_EQ(ProgrammverzeichnisZumLesen(dir / "bin", dir / "user/programm", nurBenutzer).verzeichnis,
              dir / "user/programm");
    // A build tree reads beside the binary.
    datei(dir / "bin/programm/TARVIS.ART");
    EXPECT_EQ(ProgrammverzeichnisZumLesen(dir / "bin", dir / "user/programm").verzeichnis, dir / "bin/programm");
}

TEST(Programmverzeichnis, TheTemplateRefreshesOlderCopiesButKeepsTheUsersFiles) {
    test::TempDir dir;
    datei(dir / "vorlage/TARVIS.ART", "neu");
    datei(dir / "ziel/TARVIS.ART", "alt");
    datei(dir / "ziel/PERS.DAT", "meins");
    fs::last_write_time(dir / "ziel/TARVIS.ART", fs::last_write_time(dir / "vorlage/TARVIS.ART") - std::chrono::hours(1));
    AusVorlageEinrichten(dir / "vorlage", dir / "ziel");
    EXPECT_EQ(io::readText(dir / "ziel/TARVIS.ART").value(), "neu");
    EXPECT_TRUE(fs::exists(dir / "ziel/PERS.DAT"));
}

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

