#include <gtest/gtest.h>

#include <fstream>

#include "io/TextFile.h"
#include "projekt/Programmverzeichnis.h"
#include "support/TempDir.h"

using namespace tarvis;
namespace fs = std::filesystem;

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
