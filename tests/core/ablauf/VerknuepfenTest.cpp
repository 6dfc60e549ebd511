#include <gtest/gtest.h>

#include "io/TextFile.h"
#include "projekt/Texte.h"
#include "ablauf/Verknuepfen.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"

using namespace tarvis;
using test::ScriptedMessages;

namespace {

const Zeitstempel kZeit{"06/12/2026", "14:05:09"};

const std::string kDKM = "\"K52046851\",1,\"Linienkarte DKM 100           \",0\r\n";
const std::string kKVT = "\"K52016005\",1,\"KVT 2000 B deutsch            \",0\r\n";
const std::string kRAVI = "\"K52044176\",1,\"Schnittstellenerw. RAVI 1     \",0\r\n";
const std::string kWX20 = "\"K52041096\",2,\"Schnittstelle WX 20           \",0\r\n";
const std::string kWX20x3 = "\"K52041096\",3,\"Schnittstelle WX 20           \",0\r\n";
const std::string kOM = "\"K52301725\",20,\"Optischer Rauchmelder OM 301  \",0\r\n";
const std::string kSirene = "\"K52236784\",2,\"Außensirene AS 12             \",0\r\n";

// Two networked KVT 2000 B projects of the sample catalogue, saved as
// hand-over files in a directory of their own.
class VerknuepfenTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto k = Katalog::oeffnen(std::filesystem::path(TARVIS_PROGRAM_DIR) / "TARVIS.ART");
        ASSERT_TRUE(k);
        p.katalog = *k;
        ProjektZuruecksetzen(p.z);
        p.z.PrgVersion = "26.1.0";
    }
    std::filesystem::path datei(const std::string& name, const std::string& eintraege) {
        auto f = dir / name;
        EXPECT_TRUE(io::writeText(f, "\"J\"\r\n" + eintraege));
        return f;
    }
    Verknuepfung::Ergebnis beide(Verknuepfung& v, const std::string& a, const std::string& b) {
        v.aktivieren();
        auto e1 = v.oeffnen(datei("A.EPO", a));
        if (e1 != Verknuepfung::Ergebnis::Gelesen) return e1;
        return v.oeffnen(datei("B.EPO", b));
    }
    std::string lesen(const std::string& name) {
        auto b = io::readText(dir / name);
        return b ? *b : "<missing>";
    }

    test::TempDir dir;
    Programm p;
    ScriptedMessages ms;
};

}  // namespace

TEST_F(VerknuepfenTest, DKMInTheFirstFileIsDeductedThereOnly) {
    Verknuepfung v(p, ms);
    ASSERT_EQ(beide(v, kDKM + kKVT + kRAVI + kWX20 + kOM, kKVT + kRAVI + kWX20x3 + kSirene),
              Verknuepfung::Ergebnis::Gueltig);
    const std::string ziel = (dir / "B_6.EPO").string();
    EXPECT_EQ(v.ansicht().ziel, ziel);
    EXPECT_EQ(p.z.ProjPfad, dir.path().string());

    ms.antworten = {Antwort::Ja};
    ASSERT_TRUE(v.speichern(kZeit));
    EXPECT_EQ(ms.texte(), (std::vector<std::string>{"Datei " + ziel + " speichern?", ziel + " gespeichert"}));
    EXPECT_EQ(p.z.WeiterOK, 1);
    EXPECT_EQ(p.z.Verknuepft, 1);
    EXPECT_EQ(lesen("B_6.EPO"),
              "\"J\"\r\n"
              "\"K52018724\",1,\"KVT 2000/6 Brand D            \",0\r\n"
              "\"K52301725\",20,\"Optischer Rauchmelder OM 301  \",0\r\n"
              "\"K52041096\",1,\"Schnittstelle WX 20           \",0\r\n"
              "\"K52236784\",2,\"Außensirene AS 12             \",0\r\n");
    // The files are CP1252.
    auto bytes = io::readBytes(dir / "B_6.EPO");
    ASSERT_TRUE(bytes);
    EXPECT_NE(bytes->find("Au\xDF" "ensirene"), std::string::npos);
}

// The KVT 2000/6 brings one DKM 100: the first entry found goes, the first file's first.
TEST_F(VerknuepfenTest, OneDKMGoesForThePanelsOwn) {
    const std::string kopf = "\"J\"\r\n\"K52018724\",1,\"KVT 2000/6 Brand D            \",0\r\n";
    struct Fall { std::string a, b, danach; };
    for (const Fall& f : {Fall{kKVT + kRAVI + kWX20 + kDKM, kDKM + kKVT + kRAVI + kWX20 + kDKM, kDKM + kDKM},
                          Fall{kKVT + kRAVI + kWX20, kKVT + kRAVI + kWX20 + kDKM + kDKM, kDKM}}) {
        Verknuepfung v(p, ms);
        ASSERT_EQ(beide(v, f.a, f.b), Verknuepfung::Ergebnis::Gueltig);
        ms.antworten = {Antwort::Ja};
        ASSERT_TRUE(v.speichern(kZeit));
        EXPECT_EQ(lesen("B_6.EPO"), kopf + f.danach);
    }
    // None in either file: the window closes.
    Verknuepfung v(p, ms);
    ms.protokoll.clear();
    p.z.WeiterOK = 0;
    std::filesystem::remove(dir / "B_6.EPO");
    EXPECT_EQ(beide(v, kKVT + kRAVI + kWX20, kKVT + kRAVI + kWX20), Verknuepfung::Ergebnis::Geschlossen);
    EXPECT_EQ(ms.texte(), (std::vector<std::string>{"In keiner der beiden Dateien ist eine DKM 100 enthalten!",
                                                    "KVT 2000/6 Brand kann nicht gespeichert werden!"}));
    EXPECT_FALSE(v.speichern(kZeit));
    EXPECT_EQ(p.z.WeiterOK, 0);
    EXPECT_FALSE(std::filesystem::exists(dir / "B_6.EPO"));
}

// Broken hand-over files are KorpusTest's; one without OLN parts as the second closes the window.
TEST_F(VerknuepfenTest, ASecondFileWithoutOLNPartsCannotBeLinked) {
    Verknuepfung v(p, ms);
    v.aktivieren();
    ASSERT_EQ(v.oeffnen(datei("A2.EPO", kDKM + kKVT + kRAVI + kWX20)), Verknuepfung::Ergebnis::Gelesen);
    EXPECT_EQ(v.oeffnen(datei("B.EPO", kKVT + kRAVI)), Verknuepfung::Ergebnis::Geschlossen);
    EXPECT_EQ(ms.texte(), (std::vector<std::string>{"In Datei B.EPO ist keine OLN-Vernetzung enthalten!",
                                                    "KVT 2000/6 Brand kann nicht gespeichert werden!"}));
    EXPECT_EQ(v.oeffnen(std::nullopt), Verknuepfung::Ergebnis::Ungueltig);
}

TEST_F(VerknuepfenTest, TargetNameQuestionAndWriteError) {
    Verknuepfung v(p, ms);
    ASSERT_EQ(beide(v, kDKM + kKVT + kRAVI + kWX20, kKVT + kRAVI + kWX20), Verknuepfung::Ergebnis::Gueltig);
    v.zielSetzen((dir / "gesamt.epo").string());
    ms.antworten = {Antwort::Nein};
    EXPECT_FALSE(v.speichern(kZeit));
    EXPECT_FALSE(std::filesystem::exists(dir / "gesamt.epo"));

    v.zielSetzen((dir / "fehlt" / "X.EPO").string());
    ms.protokoll.clear();
    ms.antworten = {Antwort::Ja};
    EXPECT_FALSE(v.speichern(kZeit));
    ASSERT_EQ(ms.protokoll.size(), 2u);
    EXPECT_TRUE(ms.protokoll[1].text.starts_with(Text(394)));
    EXPECT_EQ(ms.protokoll[1].text.find("gespeichert"), std::string::npos);
    EXPECT_EQ(p.z.WeiterOK, 0);
    EXPECT_EQ(p.z.Verknuepft, 0);
}
