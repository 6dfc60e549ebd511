// Saves, exports and links write exactly the file meant and never replace
// what they must not: the program's Save, and the batch tool's export and
// link run as a user runs them.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>
#include <functional>

#include "core/calc/CalcHilfe.h"
#include "io/TextFile.h"
#include "shell/ProjektDatei.h"
#include "shell/SpeichernAblauf.h"
#include "shell/Texte.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"

using namespace tarvis;
namespace fs = std::filesystem;

namespace {

fs::path quelle(const std::string& f) { return fs::path(TARVIS_SOURCE_DIR) / "tests" / f; }

std::string inhalt(const fs::path& f) {
    auto b = io::readBytes(f);
    return b ? *b : std::string("<missing>");
}

mode_t modus(const fs::path& f) {
    struct stat st {};
    return ::stat(f.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

const std::string kSchreibgeschuetzt = Text(394) + " 75\nPath/File access error: read-only file\n";

// A calculated KVT 2000 fire project in LIBEX mode, saved with its
// parameter and hand-over files.
class SaveTargets : public ::testing::Test {
protected:
    void SetUp() override {
        p = test::musterProgramm();
        p.z.VersionMax = std::string(TARVIS_VERSION_TEXT).substr(0, 4);
        test::ScriptedMessages laden;
        ASSERT_EQ(ProjektOeffnen(p, laden, quelle("golden/typ4.PLM")), LadeErgebnis::Geladen);
        ASSERT_EQ(test::rechnen(p), AuswertenHalt::Keiner);
        p.z.ProjCodeModus = p.z.CodeModus = "V";
        p.z.ParaSpeichern = 1;
        p.z.EPOAbgefragt = 1;
    }
    void speichern(const fs::path& datei) {
        p.z.ProjektDatei = datei.string();
        ms.antworten = {Antwort::Ja};  // 55: replace the file
        tarvis::Speichern(p, ms);
    }
    std::vector<std::string> meldungen() const {
        std::vector<std::string> m;
        for (const auto& e : ms.protokoll)
            if (e.art == test::ScriptedMessages::Eintrag::Meldung) m.push_back(e.text);
        return m;
    }

    test::TempDir dir;
    Programm p;
    test::ScriptedMessages ms;
};

}  // namespace

TEST_F(SaveTargets, TheExportFilesTakeTheProjectsNameInItsFolderAndNeverItsPlace) {
    // A project file without an extension.
    fs::create_directory(dir / "innen");
    speichern(dir / "innen" / "A");
    EXPECT_TRUE(fs::exists(dir / "innen" / "A.NPA") && fs::exists(dir / "innen" / "A.EPO"));
    EXPECT_EQ(p.z.ParaGeschrieben + p.z.EPOGeschrieben, 2);
    // A project saved under the parameter file's name keeps the project.
    ms = {};
    speichern(dir / "P.NPA");
    EXPECT_EQ(meldungen(), std::vector<std::string>{Text(2000) + "\n" + (dir / "P.NPA").string()});
    EXPECT_EQ(p.z.ParaGeschrieben, 0);
    EXPECT_EQ(inhalt(dir / "P.NPA").substr(0, 10), "\"26.1.0\"\r\n");
    EXPECT_EQ(ProjektOeffnen(p, ms, dir / "P.NPA"), LadeErgebnis::Geladen);
}

TEST_F(SaveTargets, AReadOnlyProjectIsRefusedAndALinkedOneKeepsItsLinkAndMode) {
    io::writeBytes(dir / "R.PLM", "alt");
    fs::permissions(dir / "R.PLM", fs::perms::owner_read);
    speichern(dir / "R.PLM");
    EXPECT_EQ(meldungen(), std::vector<std::string>{kSchreibgeschuetzt + (dir / "R.PLM").string()});
    EXPECT_EQ(p.z.SpeichAbbruch, 1);
    EXPECT_EQ(inhalt(dir / "R.PLM"), "alt");

    fs::create_directory(dir / "echt");
    io::writeBytes(dir / "echt" / "L.PLM", "alt");
    ::chmod((dir / "echt" / "L.PLM").c_str(), 0640);
    fs::create_symlink("echt/L.PLM", dir / "L.PLM");
    ms = {};
    speichern(dir / "L.PLM");
    EXPECT_TRUE(fs::is_symlink(dir / "L.PLM"));
    EXPECT_EQ(modus(dir / "echt" / "L.PLM"), 0640u);
    EXPECT_EQ(inhalt(dir / "echt" / "L.PLM").substr(0, 10), "\"26.1.0\"\r\n");
}

// ------------------------------------------------------------- batch tool

namespace {

struct Lauf {
    int status = -1;
    std::string aus;  // stdout and stderr
};

Lauf cli(const fs::path& ort, const std::string& argumente) {
    const fs::path programm(TARVIS_PROGRAM_DIR);
    const std::string befehl = "cd '" + ort.string() + "' && '" + (programm.parent_path() / "tarvis-cli").string() +
                               "' --program-dir '" + programm.string() + "' " + argumente + " 2>&1";
    Lauf l;
    std::FILE* f = popen(befehl.c_str(), "r");
    if (!f) return l;
    char puffer[4096];
    for (std::size_t n; (n = std::fread(puffer, 1, sizeof puffer, f)) > 0;) l.aus.append(puffer, n);
    const int r = pclose(f);
    l.status = WIFEXITED(r) ? WEXITSTATUS(r) : -1;
    return l;
}

struct Fall {
    const char* argumente;
    int status;
    const char* ausgabe;  // a line the run prints
    std::function<void(const fs::path&)> pruefen = {};
};

}  // namespace

TEST(BatchTool, ExportAndLinkWriteOnlyWhatTheyMayAndSayWhyNot) {
    if (!fs::exists(fs::path(TARVIS_PROGRAM_DIR).parent_path() / "tarvis-cli")) GTEST_SKIP() << "tarvis-cli not built";
    test::TempDir d;
    for (const char* n : {"typ4.PLM", "innen/A", "P.NPA"}) {
        fs::create_directories((d / n).parent_path());
        fs::copy_file(quelle("golden/typ4.PLM"), d / n);
    }
    for (const char* n : {"NORD.EPO", "SUED.EPO"}) fs::copy_file(quelle("korpus/uebergabe/") / n, d / n);
    fs::copy_file(d / "SUED.EPO", d / "S");
    io::writeBytes(d / "ro.NPA", "alt");
    ::chmod((d / "ro.NPA").c_str(), 0444);
    fs::create_directory(d / "echt");
    io::writeBytes(d / "echt" / "x.NPA", "alt");
    ::chmod((d / "echt" / "x.NPA").c_str(), 0640);
    fs::create_symlink("echt/x.NPA", d / "link.NPA");
    fs::create_symlink("NORD.EPO", d / "N2.EPO");
    fs::create_directory(d / "X.TXT");
    ::mkfifo((d / "rohr.PLM").c_str(), 0600);

    const std::vector<Fall> faelle = {
        {"export typ4.PLM --npa --out ro.NPA", 1, "394: Errore N° 75 / Path/File access error: read-only file / ro.NPA",
         [](auto& o) { EXPECT_EQ(inhalt(o / "ro.NPA"), "alt"); }},
        {"export typ4.PLM --npa --out link.NPA", 0, "link.NPA",
         [](auto& o) {
             EXPECT_TRUE(fs::is_symlink(o / "link.NPA"));
             EXPECT_EQ(modus(o / "echt" / "x.NPA"), 0640u);
         }},
        {"export typ4.PLM --epo --out /dev/null", 0, "/dev/null",
         [](auto&) { EXPECT_TRUE(fs::is_character_file("/dev/null")); }},
        {"export typ4.PLM --epo --out echt", 1, "Path/File access error: is a directory / echt"},
        {"export typ4.PLM --npa --out typ4.PLM", 1, "2000: "},
        {"export innen/A --npa", 0, "innen/A.NPA", [](auto& o) { EXPECT_TRUE(fs::exists(o / "innen" / "A.NPA")); }},
        {"export P.NPA --npa", 1, "2000: ",
         [](auto& o) { EXPECT_EQ(inhalt(o / "P.NPA"), inhalt(quelle("golden/typ4.PLM"))); }},
        {"export innen --npa", 2, "cannot read innen: Path/File access error: is a directory"},
        {"export rohr.PLM --npa", 2, "cannot read rohr.PLM: Path/File access error: not a regular file"},
        {"link NORD.EPO ./NORD.EPO", 1, "Sie haben 2 x die gleiche Datei gewählt!"},
        {"link NORD.EPO ../$(basename $PWD)/NORD.EPO", 1, "Sie haben 2 x die gleiche Datei gewählt!"},
        {"link NORD.EPO N2.EPO", 1, "Sie haben 2 x die gleiche Datei gewählt!"},
        {"link NORD.EPO SUED.EPO --out NORD", 1, "2000: "},
        // The list cannot be written, so the hand-over file is not either.
        {"link NORD.EPO SUED.EPO --out X", 1, "is a directory / X.TXT", [](auto& o) { EXPECT_FALSE(fs::exists(o / "X.EPO")); }},
        {"link NORD.EPO S", 0, "S_6.TXT", [](auto& o) { EXPECT_TRUE(fs::exists(o / "S_6.EPO")); }},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.argumente);
        const Lauf l = cli(d.path(), fall.argumente);
        EXPECT_EQ(l.status, fall.status);
        EXPECT_NE(l.aus.find(fall.ausgabe), std::string::npos) << l.aus;
        if (fall.pruefen) fall.pruefen(d.path());
    }
}
