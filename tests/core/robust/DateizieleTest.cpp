// Saves, exports and links write exactly the file meant and never replace
// what they must not: the program's Save, and the batch tool run as a user
// runs it.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <tuple>

#include "support/Programme.h"
#include "io/TextFile.h"
#include "projekt/ProjektDatei.h"
#include "ablauf/SpeichernAblauf.h"
#include "projekt/Texte.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"

using namespace tarvis;
namespace fs = std::filesystem;

static fs::path quelle(const std::string& f) { return fs::path(TARVIS_SOURCE_DIR) / "tests" / f; }

// A calculated KVT 2000 fire project in LIBEX mode, saved with its export
// files: saved under its parameter file's name it keeps the project; a
// read-only one is refused by name.
TEST(SaveTargets, TheExportFilesTakeTheProjectsNameInItsFolderAndNeverItsPlace) {
    test::TempDir dir;
    Programm p = test::musterProgramm();
    p.z.VersionMax = std::string(TARVIS_VERSION_TEXT).substr(0, 4);
    test::ScriptedMessages ms;
    ASSERT_EQ(ProjektOeffnen(p, ms, quelle("golden/typ4.PLM")), LadeErgebnis::Geladen);
    ASSERT_EQ(test::rechnen(p), AuswertenHalt::Keiner);
    p.z.ProjCodeModus = p.z.CodeModus = "V";
    p.z.ParaSpeichern = p.z.EPOAbgefragt = 1;
    io::writeBytes(dir / "R.PLM", "alt");
    fs::permissions(dir / "R.PLM", fs::perms::owner_read);
    std::vector<std::string> meldungen;
    for (const fs::path& f : {dir / "P.NPA", dir / "R.PLM"}) {
        p.z.ProjektDatei = f.string();
        test::ScriptedMessages m;
        m.antworten = {Antwort::Ja};  // 55: replace the file
        Speichern(p, m);
        for (const auto& e : m.protokoll)
            if (e.art == test::ScriptedMessages::Eintrag::Meldung) meldungen.push_back(e.text);
    }
    EXPECT_EQ(io::readBytes(dir / "P.NPA")->substr(0, 10) + *io::readBytes(dir / "R.PLM"), "\"26.1.0\"\r\nalt");
    EXPECT_EQ(meldungen, (std::vector<std::string>{
                             Text(2000) + "\n" + (dir / "P.NPA").string(),
                             Text(394) + " 75\nPath/File access error: read-only file\n" + (dir / "R.PLM").string()}));
}

// Each row a command run in a folder of projects and hand-over files; shell
// tests after `&&` check what the command left.
TEST(BatchTool, ExportAndLinkWriteOnlyWhatTheyMayAndSayWhyNot) {
    const fs::path programm(TARVIS_PROGRAM_DIR);
    if (!fs::exists(programm.parent_path() / "tarvis-cli")) GTEST_SKIP() << "tarvis-cli not built";
    test::TempDir d;
    const std::string hier = "cd '" + d.path().string() + "' && T='" + quelle("").string() + "' && ";
    ASSERT_EQ(std::system((hier + "mkdir innen echt X.TXT && cp $T/golden/typ4.PLM . && cp typ4.PLM innen/A && "
                                  "cp typ4.PLM P.NPA && cp $T/korpus/uebergabe/*.EPO . && cp SUED.EPO S && "
                                  "echo alt > ro.NPA && chmod 444 ro.NPA && echo alt > echt/x.NPA && "
                                  "chmod 640 echt/x.NPA && ln -s echt/x.NPA link.NPA && ln -s NORD.EPO N2.EPO && "
                                  "mkfifo rohr.PLM && ln -s /dev/stdout stdaus && "
                                  // A device of the test's own: never one of the system's.
                                  "{ mknod geraet c 1 3 2>/dev/null || ln -s /dev/null geraet; }")
                                     .c_str()),
              0);

    const std::string tarvis = "'" + (programm.parent_path() / "tarvis-cli").string() + "' --program-dir '" +
                               programm.string() + "' ";
    const std::vector<std::tuple<std::string, int, std::string>> faelle = {
        {"export typ4.PLM --npa --out ro.NPA; cat ro.NPA", 0,
         "394: Errore N° 75 / Path/File access error: read-only file / ro.NPA\nalt"},
        {"export typ4.PLM --npa --out link.NPA && test -L link.NPA && stat -c %a echt/x.NPA", 0, "\n640"},
        {"export typ4.PLM --epo --out geraet && test -c geraet", 0, "geraet"},
        // The tool's own output holds the file alone; the name goes with the messages.
        {"export typ4.PLM --npa --out stdaus > s.NPA; grep -c stdaus s.NPA || :", 0, "stdaus\n0"},
        {"export innen/A --npa", 0, "innen/A.NPA"},
        {"export P.NPA --npa; head -c 8 P.NPA", 0, "/P.NPA\n\"26.1.0\""},
        {"export innen --npa", 2, "cannot read innen: Path/File access error: is a directory"},
        {"export rohr.PLM --npa", 2, "cannot read rohr.PLM: Path/File access error: not a regular file"},
        {"link NORD.EPO ./NORD.EPO", 1, "Sie haben 2 x die gleiche Datei gewählt!"},
        {"link NORD.EPO N2.EPO", 1, "Sie haben 2 x die gleiche Datei gewählt!"},
        {"link NORD.EPO SUED.EPO --out NORD", 1, "2000: "},
        // The list cannot be written, so the hand-over file is not either.
        {"link NORD.EPO SUED.EPO --out X; test -e X.EPO", 1, "is a directory / X.TXT"},
        {"link NORD.EPO S && test -f S_6.EPO", 0, "S_6.TXT"},
        // A link to the output is written through, the list beside file 2.
        {"link NORD.EPO SUED.EPO --out stdaus > e.EPO; test ! -e stdaus.EPO && cat e.EPO", 0,
         "SUED_6.TXT\n\"J\"\r\n\"K52018724\",1,\"KVT 2000/6"},
    };
    for (const auto& [befehl, status, ausgabe] : faelle) {
        SCOPED_TRACE(befehl);
        const int r = std::system((hier + "{ " + tarvis + befehl + "; } > .aus 2>&1").c_str());
        EXPECT_EQ(WIFEXITED(r) ? WEXITSTATUS(r) : -1, status);
        const std::string aus = *io::readBytes(d / ".aus");
        EXPECT_NE(aus.find(ausgabe), std::string::npos) << aus;
    }
}
