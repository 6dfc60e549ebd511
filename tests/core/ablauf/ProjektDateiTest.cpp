#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>
#include <csignal>

#include "io/TextFile.h"
#include "projekt/ProjektDatei.h"
#include "support/Projektdatei.h"
#include "support/Projektgenerator.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"

using namespace tarvis;
using test::Gespeichert;
using test::ScriptedMessages;
namespace fs = std::filesystem;

// The field layout other programs read: each golden project, opened and
// written again, gives back the same bytes.
TEST(ProjektDatei, AnOpenedProjectIsWrittenBackByteForByte) {
    for (int typ = 1; typ <= 6; ++typ) {
        const std::filesystem::path datei = std::string(TARVIS_SOURCE_DIR "/tests/golden/typ") + std::to_string(typ) + ".PLM";
        Programm p;
        ScriptedMessages ms;
        ASSERT_EQ(ProjektOeffnen(p, ms, datei), LadeErgebnis::Geladen) << typ;
        p.z.Sachbearbeiter = p.z.AltSachbearbeiter;  // the clerk who saves is written
        EXPECT_EQ(ProjektText(p.z), *io::readText(datei)) << typ;
    }
}

// A quote would end the field early and shift every field after it.
TEST(ProjektDatei, AQuoteInATextBecomesAnApostrophe) {
    test::TempDir dir;
    Programm p;
    ProjektZuruecksetzen(p.z);
    p.z.Bemerkung2 = "Schrank \"links\", 2. OG";
    ASSERT_TRUE(ProjektSchreiben(p, dir / "Q.PLM"));
    EXPECT_NE(io::readBytes(dir / "Q.PLM")->find("\"Schrank 'links', 2. OG\""), std::string::npos);

    ScriptedMessages ms;
    Programm q;
    ASSERT_EQ(ProjektOeffnen(q, ms, dir / "Q.PLM"), LadeErgebnis::Geladen);
    EXPECT_EQ(q.z.Bemerkung2, "Schrank 'links', 2. OG");
    EXPECT_EQ(q.z.Bemerkung3, "");
}

TEST(ProjektDatei, RandomProjectsReadBackAsTheyWereWritten) {
    test::TempDir dir;
    for (unsigned seed = 1; seed <= 300; ++seed) {
        Programm p;
        ProjektZuruecksetzen(p.z);
        test::Generator(seed).dateiProjekt(p);
        // Written and opened into a fresh program with the same catalogue.
        ASSERT_TRUE(ProjektSchreiben(p, dir / "RUND.PLM"));
        Programm q;
        q.katalog = p.katalog;
        q.z.VersionMax = p.z.VersionMax;
        ScriptedMessages ms;
        const LadeErgebnis e = ProjektOeffnen(q, ms, dir / "RUND.PLM");
        auto gelesen = Gespeichert::von(q.z, q.z.AltSachbearbeiter);
        auto erwartet = Gespeichert::von(p.z, p.z.Sachbearbeiter);
        ASSERT_EQ(gelesen.size(), erwartet.size());
        for (std::size_t i = 0; i < gelesen.size(); ++i)
            ASSERT_EQ(gelesen[i], erwartet[i]) << "seed " << seed;
        // A KVT 1000 is refused only for a GLT count, which is no longer written.
        EXPECT_EQ(e, LadeErgebnis::Geladen) << "seed " << seed;
    }
}

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
