#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

#include "io/TextFile.h"
#include "projekt/ProjektDatei.h"
#include "support/TempDir.h"

using namespace tarvis;
namespace fs = std::filesystem;

// A failed write (a folder that is not there, a full disk, a read-only
// folder) leaves the old file alone and nothing counts as saved; a save that
// works replaces the file and counts as saved.
TEST(ProjektSchreiben, AFailedWriteLeavesTheOldFileAndTheFlagsASaveReplacesIt) {
    test::TempDir dir;
    const fs::path datei = dir / "ALT.PLM";
    const std::string alt = "\"26.1.0\"\r\n\"ALT\"\r\n";
    Programm p;
    ProjektZuruecksetzen(p.z);
    p.z.Projektname = "NEU";
    p.z.Bemerkung1 = std::string(2000, 'x');  // larger than the old file
    p.z.Bearbeitet = p.z.EPOGeschrieben = 1;
    ASSERT_TRUE(io::writeBytes(datei, alt));

    struct rlimit vorher {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &vorher), 0);
    for (const char* fall : {"missing folder", "full disk", "read-only folder"}) {
        SCOPED_TRACE(fall);
        const std::string f = fall;
        if (f == "read-only folder" && geteuid() == 0) continue;  // the superuser writes there anyway
        io::Status st = io::IoError{};
        if (f == "missing folder") {
            st = ProjektSchreiben(p, dir / "FEHLT" / "X.PLM");
        } else if (f == "full disk") {
            // The file size limit makes every write beyond 100 bytes fail, as a full disk does.
            auto signal = std::signal(SIGXFSZ, SIG_IGN);
            struct rlimit eng = vorher;
            eng.rlim_cur = 100;
            ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &eng), 0);
            st = ProjektSchreiben(p, datei);
            setrlimit(RLIMIT_FSIZE, &vorher);
            std::signal(SIGXFSZ, signal);
            EXPECT_EQ(st ? 0 : st.error().nummer, io::fehlerSchreiben().nummer);
        } else {
            fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
            st = ProjektSchreiben(p, datei);
            fs::permissions(dir.path(), fs::perms::owner_all);
        }
        EXPECT_FALSE(st);
        EXPECT_EQ(p.z.Gespeichert, 0);
        EXPECT_EQ(p.z.Bearbeitet + p.z.EPOGeschrieben, 2);
        EXPECT_EQ(*io::readBytes(datei), alt);
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator{}), 1);
    }

    ASSERT_TRUE(ProjektSchreiben(p, datei));
    EXPECT_EQ(io::readText(datei)->substr(0, 16), "\"26.1.0\"\r\n\"NEU\",");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator{}), 1);
    EXPECT_EQ(p.z.Gespeichert, 1);
    EXPECT_EQ(p.z.EPOGeschrieben, 0);
    EXPECT_EQ(p.z.Bearbeitet, 1);  // cleared after the save report, by the caller
}
