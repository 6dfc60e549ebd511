// The batch commands of the report, the export files, the link, the DXA 1000
// result, the article list and the printouts, run as a user runs them and
// compared with the golden files of the same projects. Skipped when the
// batch tool has not been built beside the tests.
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

TEST_F(ExportCli, ReportPrintoutsAndExportFilesMatchTheGoldenFiles) {
    struct Fall { std::string befehl, datei, golden; };  // an export names the file it wrote
    const std::string csv = (dir / "t.csv").string();
    for (const Fall& f : {Fall{"report " + projekt, "", "typ4-bericht.txt"},
                          Fall{"print result " + projekt + kZeit, "", "typ4-druck.txt"},
                          Fall{"print loops " + projekt + kZeit, "", "typ4-kbn.txt"},
                          Fall{"print articles --mode S", "", "artikel-S.txt"},
                          Fall{"print articles --mode V --focus B", "", "artikel-V-B.txt"},
                          Fall{"export " + projekt + " --epo", "typ4.EPO", "typ4.EPO"},
                          Fall{"export " + projekt + " --npa" + kZeit, "typ4.NPA", "typ4.NPA"},
                          Fall{"export " + projekt + " --prn-word" + kZeit, "typ4.PRN", "typ4-text.PRN"},
                          Fall{"export " + projekt + " --prn-excel --out '" + csv + "'" + kZeit, "t.csv", "typ4-tabelle.PRN"}}) {
        Lauf r = starten(f.befehl);
        EXPECT_EQ(r.status, 0) << f.befehl;
        EXPECT_EQ(f.datei.empty() ? r.aus : lesen(dir / f.datei), lesen(golden(f.golden))) << f.befehl;
        EXPECT_EQ(f.datei.empty() ? "" : r.aus, f.datei.empty() ? "" : (dir / f.datei).string() + "\n");
    }
    // A file that cannot be written is a failure; a command without its arguments a usage error.
    EXPECT_EQ(starten("export " + projekt + " --npa --out '" + (dir / "fehlt" / "x.npa").string() + "'").status, 1);
    EXPECT_EQ(starten("export " + projekt).status, 2);
    EXPECT_EQ(starten("print result").status, 2);
}

TEST_F(ExportCli, LinkDxaAndArticleSearch) {
    const std::string a = "\"J\"\r\n\"K52046851\",1,\"Linienkarte DKM 100           \",0\r\n"
                          "\"K52016005\",1,\"KVT 2000 B deutsch            \",0\r\n"
                          "\"K52044176\",1,\"Schnittstellenerw. RAVI 1     \",0\r\n"
                          "\"K52041096\",2,\"Schnittstelle WX 20           \",0\r\n";
    ASSERT_TRUE(tarvis::io::writeText(dir / "A.EPO", a));
    ASSERT_TRUE(tarvis::io::writeText(dir / "B.EPO", a));
    const std::string ziel = (dir / "AB.EPO").string();
    Lauf r = starten("link '" + (dir / "A.EPO").string() + "' '" + (dir / "B.EPO").string() + "' --out '" + ziel + "'");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.aus, ziel + "\n" + (dir / "AB.TXT").string() + "\n");
    EXPECT_EQ(lesen(ziel), "\"J\"\r\n\"K52018724\",1,\"KVT 2000/6 Brand D            \",0\r\n"
                           "\"K52046851\",1,\"Linienkarte DKM 100           \",0\r\n");
    EXPECT_EQ(starten("link '" + (dir / "A.EPO").string() + "' '" + (dir / "A.EPO").string() + "'").status, 1);

    r = starten("dxa --alarm B --hours 30 --ruhe 12=2000,24=600 --alarm-current 12=1000");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.aus.find("  Corrente di riposo: 3491\n"), std::string::npos);
    EXPECT_NE(r.aus.find("  Allarme corrente eccessiva: 4491\n"), std::string::npos);
    EXPECT_NE(r.aus.find("  DXA 1000 parallela: 2\n"), std::string::npos);
    EXPECT_EQ(starten("dxa --ruhe 13=5").status, 2);

    r = starten("articles --search 1725 --focus B");
    EXPECT_EQ(r.aus, "534\tOptischer Rauchmelder OM 301  \tK52301725\n");
    EXPECT_EQ(starten("articles --search 0.2.69 --mode S").status, 1);
}
