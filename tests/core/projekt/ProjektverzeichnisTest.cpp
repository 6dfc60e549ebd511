#include <gtest/gtest.h>

#include <fstream>

#include "projekt/Projektverzeichnis.h"
#include "projekt/Texte.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"

using namespace tarvis;
using test::ScriptedMessages;
namespace fs = std::filesystem;

namespace {

// Also keeps the default answer each input box offered.
struct MitVorgaben : ScriptedMessages {
    std::vector<std::string> vorgaben;
    std::optional<std::string> eingeben(const Meldung& m, const std::string& vorgabe) override {
        vorgaben.push_back(vorgabe);
        return ScriptedMessages::eingeben(m, vorgabe);
    }
};

class ProjektverzeichnisTest : public ::testing::Test {
protected:
    void SetUp() override {
        p.verzeichnis = dir.path();
        p.z.ProjPfad = "vorher";
    }
    std::string frage() const { return Text(71) + "\n" + Text(72) + "\n" + "an: " + dir.path().string(); }

    test::TempDir dir;
    Programm p;
    MitVorgaben ms;
};

}  // namespace

TEST_F(ProjektverzeichnisTest, ANewNameIsCreatedInCapitals) {
    ms.eingaben = {std::string("Scuole")};
    ProjektverzeichnisErstellen(p, ms);
    EXPECT_TRUE(fs::is_directory(dir / "SCUOLE"));
    EXPECT_EQ(p.z.ProjPfad, (dir / "SCUOLE").string());
    ASSERT_EQ(ms.protokoll.size(), 2u);
    EXPECT_EQ(ms.protokoll[0].text, frage());
    EXPECT_EQ(ms.protokoll[0].titel, "Eseguire elenco del progetto");
    EXPECT_EQ(ms.protokoll[1].text, Text(74));
    EXPECT_EQ(p.z.PVerzAntwort, "Scuole");
}

TEST_F(ProjektverzeichnisTest, TheStartUpDirectoryInLowerCaseIsReportedAsExisting) {
    fs::create_directory(dir / "PROJEKTE");
    ms.eingaben = {std::string("projekte")};
    ProjektverzeichnisErstellen(p, ms);
    EXPECT_EQ(p.z.ProjPfad, (dir / "PROJEKTE").string());
    EXPECT_EQ(ms.texte().back(), "L'elenco esiste già!");

    // A directory created in other letters at start-up is found as well: no
    // second directory beside it.
    fs::create_directory(dir / "Eigene");
    ms.eingaben = {std::string("EIGENE")};
    ProjektverzeichnisErstellen(p, ms);
    EXPECT_EQ(p.z.ProjPfad, (dir / "Eigene").string());
    EXPECT_FALSE(fs::exists(dir / "EIGENE"));
    EXPECT_EQ(ms.texte().back(), Text(75));
}

TEST_F(ProjektverzeichnisTest, OnlyOneLevelBelowTheProgramDirectory) {
    ms.eingaben = {std::string("../fuori"), std::string("a\\b"), std::string("C:X"), std::string(".."),
                   std::string("."), std::string("")};
    ProjektverzeichnisErstellen(p, ms);
    std::vector<std::string> t = ms.texte();
    ASSERT_EQ(t.size(), 11u);
    for (std::size_t i = 1; i < 10; i += 2) EXPECT_EQ(t[i], "Max. 1 livelli di elenco!") << i;
    EXPECT_EQ(p.z.ProjPfad, "vorher");
    EXPECT_FALSE(fs::exists(dir.path().parent_path() / "fuori"));
    EXPECT_FALSE(fs::exists(dir.path().parent_path() / "FUORI"));
}

TEST_F(ProjektverzeichnisTest, DosCharactersAreRefusedAndTheAnswerIsOfferedAgain) {
    ms.eingaben = {std::string("a?b"), std::string("a\"b"), std::string("ab")};
    ProjektverzeichnisErstellen(p, ms);
    std::vector<std::string> t = ms.texte();
    ASSERT_EQ(t.size(), 6u);
    EXPECT_EQ(t[1], Text(73));
    EXPECT_EQ(t[3], Text(73));
    EXPECT_EQ(t[5], Text(74));
    EXPECT_EQ(p.z.ProjPfad, (dir / "AB").string());
    EXPECT_EQ(ms.vorgaben, (std::vector<std::string>{"", "a?b", "a\"b"}));

    // The next call offers the last answer.
    ms.eingaben = {std::nullopt};
    ProjektverzeichnisErstellen(p, ms);
    EXPECT_EQ(ms.vorgaben.back(), "ab");
}

