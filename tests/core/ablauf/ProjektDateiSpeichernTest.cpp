#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

#include "io/TextFile.h"
#include "projekt/ProjektDatei.h"
#include "support/TempDir.h"

using namespace tarvis;
namespace fs = std::filesystem;

namespace {

class SpeichernTest : public ::testing::Test {
protected:
    void SetUp() override {
        ProjektZuruecksetzen(p.z);
        p.z.Projektname = "NEU";
        p.z.Bemerkung1 = std::string(2000, 'x');  // larger than the old file
        p.z.Bearbeitet = 1;
        p.z.EPOGeschrieben = 1;
        ASSERT_TRUE(io::writeBytes(datei, alt));
    }

    void flagsUnveraendert() {
        EXPECT_EQ(p.z.Gespeichert, 0);
        EXPECT_EQ(p.z.Bearbeitet, 1);
        EXPECT_EQ(p.z.EPOGeschrieben, 1);
    }
    void nurDieAlteDatei() {
        EXPECT_EQ(*io::readBytes(datei), alt);
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator{}), 1);
    }

    test::TempDir dir;
    fs::path datei = dir / "ALT.PLM";
    const std::string alt = "\"26.1.0\"\r\n\"ALT\"\r\n";
    Programm p;
};

}  // namespace

TEST_F(SpeichernTest, ASaveReplacesTheFileAndCountsAsSaved) {
    ASSERT_TRUE(ProjektSchreiben(p, datei));
    EXPECT_EQ(io::readText(datei)->substr(0, 16), "\"26.1.0\"\r\n\"NEU\",");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator{}), 1);
    EXPECT_EQ(p.z.Gespeichert, 1);
    EXPECT_EQ(p.z.EPOGeschrieben, 0);
    EXPECT_EQ(p.z.Bearbeitet, 1);  // cleared after the save report, by the caller
}

TEST_F(SpeichernTest, AFolderThatDoesNotExistIsAnErrorAndNothingCountsAsSaved) {
    auto st = ProjektSchreiben(p, dir / "FEHLT" / "X.PLM");
    ASSERT_FALSE(st);
    EXPECT_NE(st.error().nummer, 0);
    flagsUnveraendert();
    nurDieAlteDatei();
}

TEST_F(SpeichernTest, AFullDiskLeavesTheOldFileIntact) {
    // The file size limit makes every write beyond 100 bytes fail, as a full disk does.
    struct rlimit vorher {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &vorher), 0);
    auto signal = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit eng = vorher;
    eng.rlim_cur = 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &eng), 0);
    auto st = ProjektSchreiben(p, datei);
    setrlimit(RLIMIT_FSIZE, &vorher);
    std::signal(SIGXFSZ, signal);

    ASSERT_FALSE(st);
    EXPECT_EQ(st.error().nummer, io::fehlerSchreiben().nummer);
    flagsUnveraendert();
    nurDieAlteDatei();
}

TEST_F(SpeichernTest, AReadOnlyFolderLeavesTheOldFileIntact) {
    if (geteuid() == 0) GTEST_SKIP() << "the superuser writes into read-only folders";
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    auto st = ProjektSchreiben(p, datei);
    fs::permissions(dir.path(), fs::perms::owner_all);
    ASSERT_FALSE(st);
    flagsUnveraendert();
    nurDieAlteDatei();
}
