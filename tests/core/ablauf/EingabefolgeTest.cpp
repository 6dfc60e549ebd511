#include <gtest/gtest.h>

#include "projekt/Texte.h"
#include "support/ScriptedMessages.h"
#include "ablauf/Eingabefolge.h"

using namespace tarvis;
using test::ScriptedMessages;

namespace {

class EingabefolgeTest : public ::testing::Test {
protected:
    void SetUp() override {
        ProjektZuruecksetzen(p.z);
        p.z.Sachbearbeiter = "Rossi";
    }
    void allesBestaetigt() {
        ms.fensterSkript[Fenster::ZentTyp] = [&] { p.z.ZentralenTyp = 4; return true; };
        ms.fensterSkript[Fenster::Stammdaten] = [&] {
            p.z.Projektname = "Ospedale";
            p.z.StammdatenOK = 1;
            return true;
        };
        ms.fensterSkript[Fenster::Modus] = [&] { p.z.ModusOK = 1; return true; };
        ms.fensterSkript[Fenster::KBNEIN] = [] { return false; };
        ms.fensterSkript[Fenster::Zusaetze] = [] { return true; };
    }

    Programm p;
    ScriptedMessages ms;
    int berechnet = 0, gedruckt = 0;
    bool startseite = true;
    Eingabefolge folge{
        p, ms, {[this] { startseite = false; }, [this] { ++berechnet; }, [this](const Druckauftrag&) { ++gedruckt; }}};
};

}  // namespace

TEST_F(EingabefolgeTest, ProjectInputRunsTheWholeSequenceToTheResult) {
    allesBestaetigt();
    folge.bearbeiten(0);
    EXPECT_EQ(ms.fenster(), (std::vector<Fenster>{Fenster::ZentTyp, Fenster::Stammdaten, Fenster::Modus, Fenster::KBNEIN,
                                                  Fenster::Zusaetze, Fenster::Ausgabe}));
    // The loop entry, left without forward, is followed by its printout
    // (No, the default: the entered elements) before the additional functions.
    ASSERT_EQ(ms.protokoll.size(), 7u);
    EXPECT_EQ(ms.protokoll[4].text, Text(361) + "\n" + Text(362));
    EXPECT_EQ(ms.protokoll[4].titel, Text(363));
    EXPECT_EQ(gedruckt, 1);
    EXPECT_EQ(berechnet, 1);
    EXPECT_EQ(p.z.Bearbeitet, 1);
    EXPECT_FALSE(startseite);
}

TEST_F(EingabefolgeTest, ClearingProjectDataAsksAndClearsTheLoopsToo) {
    p.z.ZentralenTyp = 4;
    p.z.KBNMenge2[600] = 3;
    p.z.ProjektBefehleAktiv = 1;
    folge.bearbeiten(3);  // No
    EXPECT_EQ(p.z.KBNMenge2[600], 3);
    ms.antworten = {Antwort::Ja};
    folge.bearbeiten(3);
    EXPECT_EQ(p.z.KBNMenge2[600], 0);
    EXPECT_EQ(p.z.ZentralenTyp, 0);
    EXPECT_EQ(p.z.ProjektBefehleAktiv, 0);
    EXPECT_EQ(ms.texte(), (std::vector<std::string>{"Cancellare i dati del progetto?", "Cancellare i dati del progetto?",
                                                    "Dati del progetto cancellati!"}));
}
