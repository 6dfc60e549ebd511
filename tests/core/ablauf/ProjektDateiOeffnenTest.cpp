#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <tuple>

#include "io/TextFile.h"
#include "projekt/ProjektDatei.h"
#include "support/Programme.h"
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


// A program with a small catalogue (534 a detector, 545 withdrawn: its
// designation begins with five blanks, 580 an accessory, 529 a PQS coupler)
// and a project to write.
class OeffnenTest : public ::testing::Test {
protected:
    void SetUp() override {
        katalog.setzen(529, test::schleifenelement("PQS", "Koppler PQS 100 KBN", 2));
        katalog.setzen(534, test::schleifenelement("OM", "Optischer Rauchmelder", 0.5f));
        katalog.setzen(545, test::schleifenelement("OM2", "     Optischer Melder alt", 0.5f));
        katalog.setzen(580, test::schleifenelement("!", "Magnetkontakt passiv"));
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
    projekt.KBNWert(1, 534, 2) = 10;
    projekt.KBNWert(2, 529, 1) = 2;
    projekt.Menge[534] = 99;  // what the file says is recounted from the loops
    p.z.Alarmart = "N";
    p.z.Bearbeitet = 1;
    ASSERT_EQ(oeffnen(), LadeErgebnis::Geladen);
    const Zustand& z = p.z;
    EXPECT_EQ(texte(), std::vector<std::string>{gelesen("KVT 2000 Incendio")});
    EXPECT_EQ(z.ProjektDatei, (dir / "P.PLM").string());
    EXPECT_EQ(z.ProjPfad, dir.path().string());
    EXPECT_EQ(z.Alarmart, "B");  // from the panel type, not the previous project
    EXPECT_EQ(z.KBNMenge3[529], 2);
    EXPECT_EQ(z.Menge[534], 10);
    EXPECT_EQ(z.SumStrom2, 5);
    EXPECT_EQ(z.AnzPQS, 2);
    EXPECT_EQ(z.PQSBestaetigt, 1);
    EXPECT_EQ((std::vector<int>{z.ProjektGeladen, z.ProjektBefehleAktiv, z.ProjektGeoeffnet, z.Bearbeitet, z.Gespeichert}),
              (std::vector<int>{1, 1, 0, 0, 0}));
}

// Old files whose quantities change on opening: before 00.4 the withdrawn
// sounders move to their successors (overwriting, not adding); a KVT 1000 B
// from before 02.4 becomes a KVT 2000/1.
TEST_F(OeffnenTest, OldFilesMoveWithdrawnSoundersAndTheOldKVT1000B) {
    projekt.Menge[443] = 2;
    projekt.Menge[445] = 1;
    projekt.Menge[453] = 7;
    for (auto [version, m443, m453, m455] : std::vector<std::tuple<const char*, int, int, int>>{
             {"\"00.3\"", 0, 2, 1}, {"\"\"", 0, 2, 1}, {"\"00.4\"", 2, 7, 0}}) {
        ASSERT_EQ(oeffnen([&](auto& l) { l[0] = version; }), LadeErgebnis::Geladen);
        EXPECT_EQ(std::tuple(p.z.Menge[443], p.z.Menge[453], p.z.Menge[455]), std::tuple(m443, m453, m455)) << version;
    }
    projekt.ZentralenTyp = 2;
    ms.protokoll.clear();
    EXPECT_EQ(oeffnen([](auto& l) { l[0] = "\"02.3\""; }), LadeErgebnis::Geladen);
    EXPECT_EQ(texte().back(), "Das Projekt war KVT 1000 B und ist nicht mehr lieferbar!\nEs erfolgt Umstellung auf KVT 2000/1.");
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
