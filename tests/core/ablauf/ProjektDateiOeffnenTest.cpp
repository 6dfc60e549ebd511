#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "io/TextFile.h"
#include "projekt/ProjektDatei.h"
#include "support/Projektdatei.h"
#include "projekt/Texte.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"

using namespace tarvis;
using test::zeilen;
using test::ScriptedMessages;

namespace {

std::string verbinden(const std::vector<std::string>& z) {
    std::string t;
    for (const auto& l : z) t += l + "\r\n";
    return t;
}

// Replaces field n (0-based) of a line written by the program.
void feldSetzen(std::string& zeile, std::size_t n, const std::string& wert) {
    std::size_t a = 0;
    for (std::size_t i = 0; i < n; ++i) {
        a = zeile.find(',', a);
        ASSERT_NE(a++, std::string::npos);
    }
    zeile.replace(a, std::min(zeile.find(',', a), zeile.size()) - a, wert);
}

KatSatz satz(const char* kennung, const char* bezeichnung, float strom35 = 0.5f) {
    KatSatz s;
    s.Kennung = kennung;
    s.Bezeichnung = bezeichnung;
    s.Strom35 = strom35;
    return s;
}

// A program with a small catalogue (534 a detector, 545 withdrawn: its
// designation begins with five blanks, 580 an accessory, 529 a PQS coupler,
// 620 an operating unit, 514 a PSM 300) and a project to write.
class OeffnenTest : public ::testing::Test {
protected:
    void SetUp() override {
        katalog.setzen(503, satz("", "1.) Module"));
        katalog.setzen(514, satz("PSM", "Netzteil PSM 300 KBN", 1));
        katalog.setzen(529, satz("PQS", "Koppler PQS 100 KBN", 2));
        katalog.setzen(534, satz("OM", "Optischer Rauchmelder"));
        katalog.setzen(545, satz("OM2", "     Optischer Melder alt"));
        katalog.setzen(580, satz("!", "Magnetkontakt passiv", 0));
        katalog.setzen(620, satz("BE3", "Bedienteil BE 300 KBN", 0.8f));
        katalog.setzen(700, KatSatz{});
        p.katalog = katalog;
        p.z.VersionMax = "26.1";
        p.z.Sprache = 5;

        ProjektZuruecksetzen(projekt);
        projekt.PrgVersion = "26.1.0";
        projekt.Projektname = "HALLE";
        projekt.Sachbearbeiter = "Rossi";
        projekt.ZentralenTyp = 4;
        projekt.Sprache = 3;
        projekt.CodeModus = "V";
    }

    std::string text() const { return ProjektText(projekt); }

    // Writes the project's text, changed line by line, and opens it.
    LadeErgebnis oeffnen(const std::function<void(std::vector<std::string>&)>& aendern = {}) {
        auto l = zeilen(text());
        if (aendern) aendern(l);
        return oeffnenText(verbinden(l));
    }
    LadeErgebnis oeffnenText(const std::string& t) {
        EXPECT_TRUE(io::writeText(dir / "P.PLM", t));
        return ProjektOeffnen(p, ms, dir / "P.PLM");
    }

    std::vector<std::string> texte() const { return ms.texte(); }
    static std::string gelesen(const std::string& name) {
        return Text(64) + " " + name + "\n" + Text(62);
    }

    test::TempDir dir;
    Katalog katalog;
    Zustand projekt;
    Programm p;
    ScriptedMessages ms;
};

}  // namespace

TEST_F(OeffnenTest, AProjectOpensWithItsFlagsAndTheLoopsRecounted) {
    projekt.Angebotsnummer = "A-7";
    projekt.Menge[330] = 2;
    projekt.KBNWert(1, 534, 2) = 10;
    projekt.KBNWert(2, 529, 1) = 2;
    projekt.Menge[534] = 99;  // what the file says is recounted from the loops
    projekt.AnzBE = 3;
    p.z.Alarmart = "N";
    p.z.Bearbeitet = 1;
    ASSERT_EQ(oeffnen(), LadeErgebnis::Geladen);
    const Zustand& z = p.z;
    EXPECT_EQ(texte(), std::vector<std::string>{gelesen("KVT 2000 Incendio")});
    EXPECT_EQ(ms.protokoll[0].symbol, Symbol::Information);
    EXPECT_EQ(z.AltSachbearbeiter, "Rossi");
    EXPECT_EQ(z.ProjektDatei, (dir / "P.PLM").string());
    EXPECT_EQ(z.ProjPfad, dir.path().string());
    EXPECT_EQ(z.Sprache, 3);
    EXPECT_EQ(z.AnzBE, 3);
    EXPECT_EQ(z.Alarmart, "B");  // from the panel type, not the previous project
    EXPECT_EQ(z.KBNMenge3[529], 2);
    EXPECT_EQ(z.Menge[534], 10);
    EXPECT_EQ(z.SumStrom2, 5);
    EXPECT_EQ(z.AnzPQS, 2);
    EXPECT_EQ(z.PQSBestaetigt, 1);
    EXPECT_EQ((std::vector<int>{z.ProjektGeladen, z.ProjektBefehleAktiv, z.ProjektGeoeffnet, z.Bearbeitet, z.Gespeichert}),
              (std::vector<int>{1, 1, 0, 0, 0}));
    EXPECT_TRUE(ProjektLaden(p, ms, dir / "P.PLM"));
}

TEST_F(OeffnenTest, VersionsOutsideTheKnownRangeWarnAndStillRead) {
    const std::string warnung = "Projekt P.PLM " + Text(58) + "\n" + Text(59);
    for (auto [version, warnt] : std::vector<std::pair<const char*, bool>>{{"98.4", false}, {"26.1.9", false}, {"26.2.0", true}, {"98.3", true}}) {
        ms.protokoll.clear();
        EXPECT_EQ(oeffnen([&](auto& l) { l[0] = std::string("\"") + version + "\""; }), LadeErgebnis::Geladen);
        EXPECT_EQ(texte().front() == warnung, warnt) << version;
        EXPECT_EQ(texte().size(), warnt ? 2u : 1u) << version;
    }
}

TEST_F(OeffnenTest, OlderFilesCarryTheAlarmKindAsTheirMarker) {
    projekt.ZentralenTyp = 3;
    for (auto [marke, alarmart] : std::vector<std::pair<const char*, const char*>>{{"N", "N"}, {"B", "B"}, {"", " "}, {"tarvis", "N"}}) {
        p.z.Alarmart = "X";
        EXPECT_EQ(oeffnen([&](auto& l) { feldSetzen(l[1], 6, std::string("\"") + marke + "\""); }), LadeErgebnis::Geladen);
        EXPECT_EQ(p.z.Alarmart, alarmart) << marke;
    }
}

TEST_F(OeffnenTest, FilesBeforeVersion004MoveTheWithdrawnSoundersToTheirSuccessors) {
    projekt.Menge[443] = 2;
    projekt.Menge[445] = 1;
    projekt.Menge[453] = 7;
    projekt.Menge[454] = 3;
    ASSERT_EQ(oeffnen([](auto& l) { l[0] = "\"00.3\""; }), LadeErgebnis::Geladen);
    EXPECT_EQ(p.z.Menge[443], 0);
    EXPECT_EQ(p.z.Menge[445], 0);
    EXPECT_EQ(p.z.Menge[453], 2);  // overwritten, not added
    EXPECT_EQ(p.z.Menge[454], 0);
    EXPECT_EQ(p.z.Menge[455], 1);
    ASSERT_EQ(oeffnen([](auto& l) { l[0] = "\"\""; }), LadeErgebnis::Geladen);  // no version: 1000
    EXPECT_EQ(p.z.Menge[453], 2);
    ASSERT_EQ(oeffnen([](auto& l) { l[0] = "\"00.4\""; }), LadeErgebnis::Geladen);
    EXPECT_EQ(p.z.Menge[443], 2);
    EXPECT_EQ(p.z.Menge[453], 7);
}

TEST_F(OeffnenTest, AKVT1000BFromBeforeVersion024BecomesAKVT2000_1) {
    projekt.ZentralenTyp = 2;
    const std::string hinweis = "Das Projekt war KVT 1000 B und ist nicht mehr lieferbar!\nEs erfolgt Umstellung auf KVT 2000/1.";
    EXPECT_EQ(oeffnen([](auto& l) { l[0] = "\"02.3\""; }), LadeErgebnis::Geladen);
    EXPECT_EQ(texte().back(), hinweis);
    EXPECT_EQ(p.z.ZentralenTyp, 2);
    for (const char* v : {"\"02.4\"", "\"99.1\"", "\"26.1\""}) {
        ms.protokoll.clear();
        EXPECT_EQ(oeffnen([&](auto& l) { l[0] = v; }), LadeErgebnis::Geladen);
        for (const auto& t : texte()) EXPECT_NE(t, hinweis) << v;
    }
}

TEST_F(OeffnenTest, PanelTypesOutsideOneToSixAreMarkedForThisProjectOnly) {
    projekt.ZentralenTyp = 7;
    EXPECT_EQ(oeffnen(), LadeErgebnis::Geladen);
    EXPECT_EQ(texte(), std::vector<std::string>{gelesen("DXA 1000 autark")});
    EXPECT_EQ(p.z.TypUngueltig, 1);
    EXPECT_EQ(p.z.AusDatei, 1);
    ms.protokoll.clear();
    projekt.ZentralenTyp = 12;
    EXPECT_EQ(oeffnen(), LadeErgebnis::Geladen);
    EXPECT_TRUE(texte().empty());
    EXPECT_EQ(p.z.TypUngueltig, 1);
    EXPECT_EQ(p.z.ZentralenName, Text(219));
    ms.protokoll.clear();
    projekt.ZentralenTyp = 6;
    EXPECT_EQ(oeffnen(), LadeErgebnis::Geladen);
    EXPECT_EQ(texte(), std::vector<std::string>{gelesen("TL 300")});
    EXPECT_EQ(p.z.TypUngueltig, 0);
    EXPECT_EQ(p.z.AusDatei, 0);
}

// Implausible loop data are KorpusTest's; here the withdrawn element's note after the others.
TEST_F(OeffnenTest, WithdrawnElementsAreReportedAfterTheProject) {
    projekt.KBNWert(1, 580, 1) = 200;  // accessories may come in hundreds
    projekt.Menge[545] = 1;
    projekt.KBNWert(1, 545, 1) = 1;
    EXPECT_EQ(oeffnen(), LadeErgebnis::Geladen);
    EXPECT_EQ(texte(), (std::vector<std::string>{gelesen("KVT 2000 Incendio"), Text(642) + "\n" + Text(643)}));
    EXPECT_EQ(p.z.NichtLieferbar, 1);
}

TEST_F(OeffnenTest, TheLanguageFieldAndTheCodeMode) {
    // What the window chooses while the file is read is the opened project's.
    ms.fensterSkript[Fenster::Modus] = [&] { p.z.Sprache = 2; return true; };
    EXPECT_EQ(oeffnen([](auto& l) { feldSetzen(l[4], 10, "-1"); feldSetzen(l[3], 5, "\"X\""); }),
              LadeErgebnis::Geladen);
    EXPECT_EQ(ms.fenster(), std::vector<Fenster>{Fenster::Modus});
    EXPECT_EQ(p.z.Sprache, 2);
    EXPECT_EQ(p.z.CodeModus, "V");
    ms.protokoll.clear();
    EXPECT_EQ(oeffnen([](auto& l) { feldSetzen(l[4], 10, "11"); feldSetzen(l[3], 5, "\"S\""); }),
              LadeErgebnis::Geladen);
    EXPECT_TRUE(ms.fenster().empty());
    EXPECT_EQ(p.z.Sprache, 11);
    EXPECT_EQ(p.z.CodeModus, "S");
}

TEST_F(OeffnenTest, EmptyLoopTuplesAreSkippedAndAHalfLastOneLeftOut) {
    EXPECT_EQ(oeffnenText(text() + "0,1,534,5\r\n1,1,534,0\r\n1,2,534,3\r\n2,1,534"), LadeErgebnis::Geladen);
    EXPECT_EQ(texte(), std::vector<std::string>{gelesen("KVT 2000 Incendio")});
    EXPECT_EQ(p.z.KBNMenge1[534] + p.z.KBNMenge3[534], 0);
    EXPECT_EQ(p.z.KBNMenge2[534], 3);
}

