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

TEST_F(EingabefolgeTest, ClosingThePanelTypeDialogEndsTheCommandWithoutAnotherWindow) {
    folge.bearbeiten(0);
    EXPECT_EQ(ms.fenster(), std::vector<Fenster>{Fenster::ZentTyp});
    EXPECT_EQ(p.z.ZentralenTypAlt, 0);
}

TEST_F(EingabefolgeTest, StopsAreSilentAndTheNextRunResumesBehindTheConfirmedWindows) {
    allesBestaetigt();
    ms.fensterSkript[Fenster::Modus] = [] { return false; };
    folge.bearbeiten(0);
    EXPECT_EQ(ms.fenster(), (std::vector<Fenster>{Fenster::ZentTyp, Fenster::Stammdaten, Fenster::Modus}));
    EXPECT_TRUE(ms.texte().empty());
    EXPECT_EQ(p.z.Projektname, "Ospedale");  // what was entered stays

    // Second run: panel type and master data are there, the code mode follows.
    ms.protokoll.clear();
    ms.fensterSkript[Fenster::Modus] = [&] { p.z.ModusOK = 1; return true; };
    ms.fensterSkript[Fenster::Zusaetze] = [] { return false; };
    folge.bearbeiten(0);
    EXPECT_EQ(ms.fenster(), (std::vector<Fenster>{Fenster::Modus, Fenster::KBNEIN, Fenster::Zusaetze}));
    EXPECT_EQ(berechnet, 0);

    // Third run: straight to the loop entry.
    ms.protokoll.clear();
    folge.bearbeiten(0);
    EXPECT_EQ(ms.fenster(), (std::vector<Fenster>{Fenster::KBNEIN, Fenster::Zusaetze}));
}

TEST_F(EingabefolgeTest, ShowResultRunsTheForwardChecksThenCalculatesWhateverTheyFound) {
    p.z.ZentralenTyp = 5;
    p.z.UeZeit = 0;  // never entered
    folge.bearbeiten(1);
    EXPECT_EQ(ms.texte(), std::vector<std::string>{Text(148)});
    EXPECT_EQ(berechnet, 1);
    EXPECT_EQ(ms.fenster(), std::vector<Fenster>{Fenster::Ausgabe});
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

TEST_F(EingabefolgeTest, LoopEntryAndAdditionalFunctionsNeedAPanelTypeFirst) {
    folge.bearbeiten(4);
    folge.bearbeiten(7);
    EXPECT_EQ(ms.fenster(), (std::vector<Fenster>{Fenster::ZentTyp, Fenster::ZentTyp}));
    EXPECT_FALSE(startseite);

    ms.protokoll.clear();
    ms.fensterSkript[Fenster::ZentTyp] = [&] { p.z.ZentralenTyp = 6; return true; };
    folge.bearbeiten(4);
    p.z.ZentralenTyp = 0;
    folge.bearbeiten(7);
    EXPECT_EQ(ms.fenster(),
              (std::vector<Fenster>{Fenster::ZentTyp, Fenster::KBNEIN, Fenster::ZentTyp, Fenster::Zusaetze}));
}

TEST_F(EingabefolgeTest, NetworkingOnlyForKVT2000AndZonesForEveryPanel) {
    for (int typ : {1, 5, 6}) {
        p.z.ZentralenTyp = static_cast<Integer>(typ);
        folge.bearbeiten(8);
    }
    EXPECT_TRUE(ms.fenster().empty());
    p.z.ZentralenTyp = 3;
    folge.bearbeiten(8);
    folge.bearbeiten(9);  // detector zones open even for a KVT 2000
    EXPECT_EQ(ms.fenster(), (std::vector<Fenster>{Fenster::OLNVernetz, Fenster::MG1000}));
}
