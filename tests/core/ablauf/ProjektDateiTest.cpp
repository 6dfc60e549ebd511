#include <gtest/gtest.h>

#include "io/TextFile.h"
#include "projekt/ProjektDatei.h"
#include "support/Projektdatei.h"
#include "support/Projektgenerator.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"

using namespace tarvis;
using test::Gespeichert;
using test::ScriptedMessages;

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
