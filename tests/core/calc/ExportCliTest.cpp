// The batch commands run as a user runs them. Skipped when the batch tool
// has not been built beside the tests.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "io/TextFile.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;
using tarvis::test::TempDir;

namespace {

fs::path programm() { return fs::path(TARVIS_PROGRAM_DIR); }
fs::path werkzeug() { return programm().parent_path() / "tarvis-cli"; }
fs::path golden(const std::string& name) { return fs::path(TARVIS_SOURCE_DIR) / "tests" / "golden" / name; }

struct Lauf {
    int status = -1;
    std::string aus;
};

Lauf starten(const std::string& argumente) {
    std::string befehl = "'" + werkzeug().string() + "' --program-dir '" + programm().string() + "' " + argumente +
                         " 2>/dev/null";
    Lauf l;
    std::FILE* f = popen(befehl.c_str(), "r");
    if (!f) return l;
    char puffer[4096];
    for (std::size_t n; (n = std::fread(puffer, 1, sizeof puffer, f)) > 0;) l.aus.append(puffer, n);
    int r = pclose(f);
    l.status = WIFEXITED(r) ? WEXITSTATUS(r) : -1;
    return l;
}

std::string lesen(const fs::path& f) {
    auto b = tarvis::io::readBytes(f);
    return b ? *b : std::string("<missing " + f.string() + ">");
}

const char* const kZeit = " --date 06/12/2026 --time 14:05:09";

class ExportCli : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::exists(werkzeug())) GTEST_SKIP() << "tarvis-cli not built";
        fs::copy_file(golden("typ4.PLM"), dir / "typ4.PLM");
        projekt = "'" + (dir / "typ4.PLM").string() + "'";
    }
    TempDir dir;
    std::string projekt;
};

}  // namespace

// The bytes themselves are ExportGolden's; here what the batch tool adds: the
// file names it prints and its exit statuses.
TEST_F(ExportCli, CommandsPrintWhatTheyWroteAndSayWhenTheyFail) {
    Lauf r = starten("export " + projekt + " --npa" + kZeit);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.aus, (dir / "typ4.NPA").string() + "\n");
    EXPECT_EQ(lesen(dir / "typ4.NPA"), lesen(golden("typ4.NPA")));
    // A file that cannot be written is a failure; a command without its arguments a usage error.
    EXPECT_EQ(starten("export " + projekt + " --npa --out '" + (dir / "fehlt" / "x.npa").string() + "'").status, 1);
    EXPECT_EQ(starten("export " + projekt).status, 2);

    r = starten("articles --search 1725 --focus B");
    EXPECT_EQ(r.aus, "534\tOptischer Rauchmelder OM 301  \tK52301725\n");
    EXPECT_EQ(starten("articles --search 0.2.69 --mode S").status, 1);
}
