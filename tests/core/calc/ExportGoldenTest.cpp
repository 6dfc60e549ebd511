// The report, the export files and the printouts of six hand-made projects,
// one per panel type, compared byte for byte with the files in tests/golden.
// After a deliberate change (also of the program version, which the files
// carry), TARVIS_GOLDEN_UPDATE=1 rewrites the files; read every changed line
// before keeping them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "support/Programme.h"
#include "calc/Artikelliste.h"
#include "calc/Bericht.h"
#include "calc/Ergebnisliste.h"
#include "calc/Exportdateien.h"
#include "io/TextFile.h"
#include "loops/KBNDruck.h"
#include "projekt/ProjektDatei.h"
#include "support/TempDir.h"

using namespace tarvis;

namespace fs = std::filesystem;

namespace {

const Zeitstempel kZeit{"06/12/2026", "14:05:09"};

fs::path goldenVerzeichnis() { return fs::path(TARVIS_SOURCE_DIR) / "tests" / "golden"; }

void vergleichen(const std::string& name, const std::string& ist) {
    fs::path datei = goldenVerzeichnis() / name;
    if (std::getenv("TARVIS_GOLDEN_UPDATE")) {
        ASSERT_TRUE(io::writeBytes(datei, ist)) << datei;
        return;
    }
    auto soll = io::readBytes(datei);
    ASSERT_TRUE(soll) << "missing " << datei;
    EXPECT_EQ(ist, *soll) << name;
}

std::string dateiInhalt(const fs::path& f) {
    auto b = io::readBytes(f);
    return b ? *b : std::string("<missing>");
}

class ExportGolden : public ::testing::TestWithParam<int> {};

}  // namespace

TEST_P(ExportGolden, ReportExportsAndPrintoutsOfAHandMadeProject) {
    const std::string typ = "typ" + std::to_string(GetParam());
    test::TempDir dir;
    fs::copy_file(goldenVerzeichnis() / (typ + ".PLM"), dir / (typ + ".PLM"));

    Programm p = test::musterProgramm();
    p.z.PrgVersion = TARVIS_VERSION_TEXT;
    p.z.VersionMax = p.z.PrgVersion.substr(0, 4);
    test::ScriptedMessages laden;
    ASSERT_TRUE(ProjektLaden(p, laden, dir / (typ + ".PLM")));
    ASSERT_EQ(test::rechnen(p), AuswertenHalt::Keiner);

    test::ScriptedMessages ms;
    std::string bericht;
    for (const std::string& zeile : HinweisAktivieren(p, ms)) bericht += zeile + "\n";
    vergleichen(typ + "-bericht.txt", bericht);

    ASSERT_TRUE(ParaSpeich(p, ms, p.z.ProjektDatei, p.z.Projektname, kZeit));
    vergleichen(typ + ".NPA", dateiInhalt(dir / (typ + ".NPA")));
    ASSERT_TRUE(PRNDatei(p, ms, PRNModus::Text, {}, kZeit));
    vergleichen(typ + "-text.PRN", dateiInhalt(dir / (typ + ".PRN")));
    ASSERT_TRUE(PRNDatei(p, ms, PRNModus::Tabelle, {}, kZeit));
    vergleichen(typ + "-tabelle.PRN", dateiInhalt(dir / (typ + ".PRN")));
    if (p.z.CodeModus == "V") {
        p.z.EPOAbgefragt = 1;
        ASSERT_TRUE(EPOSchreiben(p, ms));
        vergleichen(typ + ".EPO", dateiInhalt(dir / (typ + ".EPO")));
    }

    vergleichen(typ + "-druck.txt", AlsText(ErgebnislisteSeiten(p, kZeit)));
    vergleichen(typ + "-kbn.txt", AlsText(KBNDruckSeiten(p, false, kZeit)));
}

INSTANTIATE_TEST_SUITE_P(Zentralentypen, ExportGolden, ::testing::Values(1, 2, 3, 4, 5, 6));

TEST(ArtikellisteGolden, PrintedArticleListInBothCodeModes) {
    Programm p = test::musterProgramm();
    p.z.PrgVersion = TARVIS_VERSION_TEXT;
    p.z.CodeModus = "S";
    vergleichen("artikel-S.txt", AlsText(ArtikellisteSeiten(p)));
    p.z.CodeModus = "V";
    p.z.Schwerpunkt = "B";
    vergleichen("artikel-V-B.txt", AlsText(ArtikellisteSeiten(p)));
}
