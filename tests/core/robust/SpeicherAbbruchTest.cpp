// Killing the program during a save never leaves a broken or missing project
// file. A save runs in a child process that is killed (SIGKILL, nothing to
// clean up) at each of its system calls in turn, before and after each one;
// every time the project file is the complete old project or the complete new
// one, and opens. Where processes cannot be traced, the save is killed at
// random moments instead.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdint>
#include <functional>
#include <random>
#include <regex>
#include <sys/ptrace.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/Programme.h"
#include "support/Projektdatei.h"
#include "support/TempDir.h"
#include "io/Cp1252.h"
#include "io/TextFile.h"
#include "ablauf/SpeichernAblauf.h"

using namespace tarvis;

namespace fs = std::filesystem;

namespace {

enum class Ausgang { Fertig, Getoetet, Fehler, KeinTrace };

void* wert(long v) { return reinterpret_cast<void*>(static_cast<std::intptr_t>(v)); }

// Runs `aktion` in a child process that is traced and killed at its halt-th
// system-call stop counted from the start of `aktion` (the entry and the exit
// of a call are one stop each). Fertig when the child got through first.
Ausgang unterbrochen(const std::function<bool()>& aktion, int halt) {
    std::fflush(nullptr);
    const pid_t kind = fork();
    if (kind < 0) return Ausgang::Fehler;
    if (kind == 0) {
        if (ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) == 0) raise(SIGSTOP);
        else if (halt >= 0) _exit(3);  // halt -1: a whole run, traced or not
        _exit(aktion() ? 0 : 1);
    }
    int status = 0;
    if (waitpid(kind, &status, 0) < 0) return Ausgang::Fehler;
    if (WIFEXITED(status)) return WEXITSTATUS(status) == 3 ? Ausgang::KeinTrace : WEXITSTATUS(status) == 0 ? Ausgang::Fertig : Ausgang::Fehler;
    ptrace(PTRACE_SETOPTIONS, kind, nullptr, wert(PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL));
    int stopps = 0;
    long signal = 0;  // the initial SIGSTOP is swallowed
    for (;;) {
        if (ptrace(PTRACE_SYSCALL, kind, nullptr, wert(signal)) != 0) break;
        signal = 0;
        if (waitpid(kind, &status, 0) < 0) break;
        if (WIFEXITED(status)) return WEXITSTATUS(status) == 0 ? Ausgang::Fertig : Ausgang::Fehler;
        if (WIFSIGNALED(status)) return Ausgang::Fehler;
        if (WSTOPSIG(status) != (SIGTRAP | 0x80)) {
            signal = WSTOPSIG(status);  // a signal of the child's own is handed on
            continue;
        }
        if (stopps++ == halt) {
            kill(kind, SIGKILL);
            waitpid(kind, &status, 0);
            return Ausgang::Getoetet;
        }
    }
    kill(kind, SIGKILL);
    waitpid(kind, &status, 0);
    return Ausgang::Fehler;
}

// Runs `aktion` over and over in a child process killed after a random
// moment of up to 3 ms.
Ausgang zufaellig(const std::function<bool()>& aktion) {
    static std::mt19937 zufall(4711);
    int rohr[2];
    if (pipe(rohr) != 0) return Ausgang::Fehler;
    std::fflush(nullptr);
    const pid_t kind = fork();
    if (kind == 0) {
        if (write(rohr[1], "1", 1) == 1)
            while (aktion()) {}
        _exit(1);
    }
    close(rohr[1]);
    char c = 0;
    const bool laeuft = kind > 0 && read(rohr[0], &c, 1) == 1;
    close(rohr[0]);
    if (kind < 0) return Ausgang::Fehler;
    if (laeuft) usleep(std::uniform_int_distribution<useconds_t>(0, 3000)(zufall));
    kill(kind, SIGKILL);
    int status = 0;
    waitpid(kind, &status, 0);
    return laeuft && WIFSIGNALED(status) ? Ausgang::Getoetet : Ausgang::Fehler;
}

std::string inhalt(const fs::path& f) {
    auto b = io::readBytes(f);
    return b ? *b : std::string("<missing>");
}

fs::path golden(const std::string& name) { return fs::path(TARVIS_SOURCE_DIR) / "tests" / "golden" / name; }

// Files that carry the date of the save compare without it.
std::string ohneDatum(const std::string& s) {
    static const std::regex datum(R"(\d\d/\d\d/\d\d\d\d)");
    return std::regex_replace(s, datum, "TT/MM/JJJJ");
}

// The new project: the KVT 2000 fire of tests/golden, calculated, to be
// saved under the name of an older project (a KVT 2000/1 fire D) with its
// parameter and hand-over files.
class SpeicherAbbruch : public ::testing::Test {
protected:
    void SetUp() override {
        p = test::musterProgramm();
        p.z.PrgVersion = TARVIS_VERSION_TEXT;
        p.z.VersionMax = p.z.PrgVersion.substr(0, 4);
        test::ScriptedMessages laden;
        ASSERT_EQ(ProjektOeffnen(p, laden, golden("typ4.PLM")), LadeErgebnis::Geladen);
        ASSERT_EQ(test::rechnen(p), AuswertenHalt::Keiner);
        p.z.ProjektDatei = plm.string();
        p.z.ProjCodeModus = p.z.CodeModus;
        p.z.ParaSpeichern = 1;
        p.z.EPOAbgefragt = 1;
        neu = io::utf8ToCp1252(ProjektText(p.z));
        projektNeu = test::Gespeichert::von(p.z, p.z.Sachbearbeiter);
        test::ScriptedMessages alt;
        Programm q = test::musterProgramm();
        q.z.VersionMax = p.z.VersionMax;
        ASSERT_EQ(ProjektOeffnen(q, alt, golden("typ2.PLM")), LadeErgebnis::Geladen);
        projektAlt = test::Gespeichert::von(q.z, q.z.Sachbearbeiter);
    }

    void altesProjektHinlegen() {
        for (const char* e : {".PLM", ".NPA", ".EPO"}) fs::copy_file(golden(std::string("typ2") + e), dir / ("HALLE" + std::string(e)), fs::copy_options::overwrite_existing);
    }

    // The project file is the old one or the new one, whole, and opens.
    // Returns whether it is the new one.
    bool projektPruefen(bool altDa) {
        const std::string ist = inhalt(plm);
        const bool istNeu = ist == neu;
        if (!istNeu) {
            if (altDa) EXPECT_EQ(ist, inhalt(golden("typ2.PLM")));
            else EXPECT_FALSE(fs::exists(plm));
            if (!altDa) return false;
        }
        Programm q = test::musterProgramm();
        q.z.VersionMax = p.z.VersionMax;
        test::ScriptedMessages ms;
        EXPECT_EQ(ProjektOeffnen(q, ms, plm), LadeErgebnis::Geladen);
        EXPECT_EQ(test::Gespeichert::von(q.z, q.z.Sachbearbeiter), istNeu ? projektNeu : projektAlt);
        return istNeu;
    }

    test::TempDir dir;
    const fs::path plm = dir / "HALLE.PLM";
    Programm p;
    std::string neu;
    std::vector<std::string> projektNeu, projektAlt;
};

}  // namespace

// The first save of a project file alone, and a complete save with its
// parameter and hand-over files over an old project's.
TEST_F(SpeicherAbbruch, ASaveKilledAtEverySystemCallLeavesEachFileOldOrNew) {
    auto speichern = [this] {
        test::ScriptedMessages ms;
        ms.antworten = {Antwort::Ja};  // 55: replace the file
        Speichern(p, ms);
        return p.z.SpeichAbbruch == 0 && p.z.ParaGeschrieben == 1 && p.z.EPOGeschrieben == 1;
    };
    std::map<std::string, std::string> alt, neue;
    for (const char* e : {".NPA", ".EPO"}) alt[e] = inhalt(golden(std::string("typ2") + e));
    for (bool ganz : {false, true}) {
        SCOPED_TRACE(ganz ? "the whole save over an old project" : "first save");
        const std::function<bool()> aktion = ganz ? std::function<bool()>(speichern) : [&] { return ProjektSchreiben(p, plm).ok(); };
        if (ganz) {
            altesProjektHinlegen();
            ASSERT_EQ(unterbrochen(speichern, -1), Ausgang::Fertig);
            for (const char* e : {".NPA", ".EPO"}) neue[e] = ohneDatum(inhalt(dir / ("HALLE" + std::string(e))));
            ASSERT_NE(neue[".NPA"], ohneDatum(alt[".NPA"]));
            ASSERT_NE(neue[".EPO"], alt[".EPO"]);
        }
        int altGesehen = 0, neuGesehen = 0;
        bool tracen = true;
        for (int halt = 0; tracen || halt < 100; ++halt) {
            ASSERT_LT(halt, 100000) << "the save never ends";
            fs::remove(plm);
            if (ganz) altesProjektHinlegen();
            Ausgang a = tracen ? unterbrochen(aktion, halt) : Ausgang::KeinTrace;
            if (a == Ausgang::KeinTrace) tracen = false, a = zufaellig(aktion);
            ASSERT_NE(a, Ausgang::Fehler) << "stop " << halt;
            (projektPruefen(ganz) ? neuGesehen : altGesehen) += 1;
            for (const char* e : ganz ? std::vector<const char*>{".NPA", ".EPO"} : std::vector<const char*>{}) {
                const std::string ist = inhalt(dir / ("HALLE" + std::string(e)));
                EXPECT_TRUE(ist == alt[e] || ohneDatum(ist) == neue[e]) << e << " at stop " << halt << ":\n" << ist;
            }
            if (a == Ausgang::Fertig) break;
            ASSERT_FALSE(HasFailure()) << "killed at stop " << halt;
        }
        // Killed before the new file took the old one's place, and after.
        EXPECT_GT(altGesehen, 0);
        EXPECT_GT(neuGesehen, 1);
        // The next save leaves no temporary file behind.
        auto anzahl = [&] { return std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator{}); };
        const auto vorher = anzahl() + !fs::exists(plm);
        ASSERT_TRUE(ProjektSchreiben(p, plm));
        EXPECT_EQ(inhalt(plm), neu);
        EXPECT_EQ(anzahl(), vorher);
    }
}
