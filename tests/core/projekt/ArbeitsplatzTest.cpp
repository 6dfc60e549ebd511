#include <gtest/gtest.h>

#include "io/TextFile.h"
#include "projekt/Arbeitsplatz.h"
#include "projekt/Einstellungen.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"

using namespace tarvis;
using test::ScriptedMessages;
namespace fs = std::filesystem;

namespace {

const Zeitstempel kZeit{"06/12/2026", "09:15:00"};

Programm programmIn(const test::TempDir& dir) {
    Programm p;
    p.verzeichnis = dir.path();
    p.z.PrgVersion = "26.1.0";
    return p;
}

std::string inhalt(const fs::path& datei) {
    auto t = io::readText(datei);
    return t ? *t : std::string("<fehlt>");
}

}  // namespace

TEST(Belegt, FourRunsConfirmingMasterDataTheFourthReplacesTheThirdMarker) {
    test::TempDir dir;
    const char* namen[] = {"Rossi", "Bianchi", "Verdi", "Neri"};
    std::vector<Programm> laeufe;
    for (const char* n : namen) {
        laeufe.push_back(programmIn(dir));
        laeufe.back().z.Sachbearbeiter = n;
        BelegtSetzen(laeufe.back(), kZeit);
    }
    EXPECT_EQ(inhalt(dir / "BELEGT.DAT"), "\"Rossi\",\"06/12/2026\",\"09:15:00\",\"26.1.0\"\r\n");
    EXPECT_EQ(inhalt(dir / "BELEGT3.DAT").substr(0, 6), "\"Neri\"");
    EXPECT_EQ(laeufe[1].z.Belegt2 + laeufe[2].z.Belegt3 + laeufe[3].z.Belegt3, 3);

    // The first run ends: only its own marker goes.
    BelegtLoeschen(laeufe[0]);
    EXPECT_FALSE(fs::exists(dir / "BELEGT.DAT"));
    EXPECT_TRUE(fs::exists(dir / "BELEGT2.DAT"));
}

TEST(Belegt, NobodyInAnOpenedProjectWritesTheFormerClerk) {
    test::TempDir dir;
    Programm p = programmIn(dir);
    p.z.Sachbearbeiter = "NOBODY";
    p.z.AltSachbearbeiter = "Ferrari";
    p.z.ProjektGeladen = 1;
    BelegtSetzen(p, kZeit);
    EXPECT_EQ(inhalt(dir / "BELEGT.DAT").substr(0, 9), "\"Ferrari\"");
}

TEST(Einstellungen, SettingsGoToPersDatOrTheClerksFileAndMultiUserRunsAreLogged) {
    test::TempDir dir;
    Programm p = programmIn(dir);
    p.z.Sachbearbeiter = "Rossi";
    EinstellungenSpeichern(p, kZeit);
    EXPECT_TRUE(fs::exists(dir / "PERS.DAT"));

    // Multi-user: the clerk's own file; each write adds one log line.
    p.z.Arbeitsplatz = 2;
    p.z.KonfigDatei = (dir / "Rossi.KON").string();
    EinstellungenSpeichern(p, kZeit);
    EinstellungenSpeichern(p, kZeit);
    EXPECT_TRUE(fs::exists(dir / "Rossi.KON"));
    EXPECT_EQ(RechnerLesen(dir / "RECHNER.DAT"), 2);
    EXPECT_EQ(inhalt(dir / "User.dat"), "\"Rossi\",\"06/12/2026\",\"09:15:00\",\"26.1.0\"\r\n"
                                         "\"Rossi\",\"06/12/2026\",\"09:15:00\",\"26.1.0\"\r\n");
}

TEST(Einstellungen, AClerkNamedInAnotherLetterCaseKeepsHisOneFile) {
    test::TempDir dir;
    Programm p = programmIn(dir);
    Zustand s;
    s.Sachbearbeiter = "Bianchi";
    s.DruckGroesse = 8;
    s.PrgVersion = "26.1.0";
    ASSERT_TRUE(KonfigDateiSchreiben(dir / "Bianchi.KON", s, KonfigWerteAus(s)));

    // Started as "tarvis bianchi": the name in capitals.
    p.z.Arbeitsplatz = 2;
    p.z.KonfigDatei = "BIANCHI.KON";
    ScriptedMessages ms;
    KonfigLesen(p, ms);
    EXPECT_EQ(p.z.Sachbearbeiter, "Bianchi");
    EXPECT_EQ(p.z.DruckGroesse, 8);

    p.z.DruckGroesse = 10;
    EinstellungenSpeichern(p, kZeit);
    EXPECT_FALSE(fs::exists(dir / "BIANCHI.KON"));
    Zustand g;
    ASSERT_TRUE(KonfigDateiLesen(dir / "Bianchi.KON", g));
    EXPECT_EQ(g.DruckGroesse, 10);
}

TEST(Einstellungen, ReadingAClerksFile) {
    test::TempDir dir;
    Programm p = programmIn(dir);
    KatSatz deutsch;
    deutsch.Bezeichnung = "Katalog deutsch";
    p.katalog.setzen(2, deutsch);
    ScriptedMessages ms;

    // Written by an older version with a code mode that is neither S nor V.
    Zustand s;
    s.Sachbearbeiter = "Conti";
    s.CodeModus = "X";
    s.ParaSpeichern = 1;
    s.PrgVersion = "25.3.1";
    ASSERT_TRUE(KonfigDateiSchreiben(dir / "Conti.KON", s, KonfigWerteAus(s)));
    p.z.KonfigDatei = (dir / "Conti.KON").string();
    p.z.ParaSpeichern = 1;
    KonfigLesen(p, ms);
    EXPECT_EQ(p.z.Sachbearbeiter, "Conti");
    EXPECT_EQ(p.z.CodeModus, "V");
    EXPECT_EQ(p.z.ParaSpeichern, 0);
    EXPECT_EQ(ms.hilfeKontexte(), std::vector<int>{3});  // what is new since 25.3

    // A missing file keeps every value held so far.
    p.z.KonfigDatei = "FEHLT.KON";
    p.z.Sachbearbeiter = "Gallo";
    KonfigLesen(p, ms);
    EXPECT_EQ(p.z.Sachbearbeiter, "Gallo");
}
