// What the main window's commands do around their windows: the rules that
// sit between the windows rather than in one of them.
#include <gtest/gtest.h>
#include <algorithm>

#include "ablauf/Programmablauf.h"
#include "support/Programme.h"
#include "support/ScriptedAnsichten.h"
#include "support/TempDir.h"
#include "ablauf/NachweisPresenter.h"
#include "projekt/Format.h"

using namespace tarvis;
using namespace tarvis::test;

namespace {

// Whatever a command writes goes into a folder of the test's own.
struct AblaufTest : ::testing::Test {
    TempDir dir;
    Programm p = [this] {
        Programm q = musterProgramm();
        q.verzeichnis = dir.path();
        q.z.ProjPfad = dir.path().string();
        return q;
    }();
    ScriptedMessages ms;
    ScriptedAnsichten v;
    Programmablauf a{p, ms, v};
};

TEST_F(AblaufTest, TheResultWindowFollowsOnlyACalculationThatDidNotStop) {
    // No panel type: the calculation stops and no result window opens.
    a.menue().ausfuehren(Befehl::Berechnen);
    EXPECT_FALSE(a.fenster(Fenster::Ausgabe));
    EXPECT_TRUE(v.gezeigt.empty());

    // The supply proposal not confirmed: stopped again.
    zentrale(p.z, 5);
    a.menue().ausfuehren(Befehl::Berechnen);
    EXPECT_FALSE(a.fenster(Fenster::Ausgabe));

    v.skript[Fenster::DXAGeh] = [&] {
        DXAGehVorschlagUebernehmen(p.z);
        return DXAGehWeiter(p.z, a.meldungen());
    };
    a.menue().ausfuehren(Befehl::Berechnen);
    EXPECT_TRUE(a.fenster(Fenster::Ausgabe));
    EXPECT_EQ(std::count(v.gezeigt.begin(), v.gezeigt.end(), Fenster::Ausgabe), 1);
}

TEST_F(AblaufTest, TheLoopEntryComesBackWhileACheckAfterItRefuses) {
    zentrale(p.z, 6);
    p.z.Menge[620] = 6;  // six operating units where five fit
    int gezeigt = 0;
    v.skript[Fenster::KBNEIN] = [&] {
        if (++gezeigt == 2) p.z.Menge[620] = 2;
        return true;
    };
    EXPECT_TRUE(a.fenster(Fenster::KBNEIN));
    EXPECT_EQ(gezeigt, 2);
    EXPECT_EQ(p.z.KBNMenueAktiv, 1);

    // Cancelled, it stays closed.
    v.skript[Fenster::KBNEIN] = [] { return false; };
    EXPECT_FALSE(a.fenster(Fenster::KBNEIN));
}

TEST_F(AblaufTest, AQuestionCarriesItsNumbersButtonsAndDefaultUntilItIsShown) {
    // Open with unsaved input, cancelled: nothing else happens.
    p.z.Bearbeitet = 1;
    ms.antworten = {Antwort::Abbrechen};
    a.menue().ausfuehren(Befehl::Oeffnen);
    EXPECT_TRUE(v.gezeigt.empty());
    ASSERT_EQ(ms.meldungen().size(), 1u);
    const Meldung m = ms.meldungen()[0];
    EXPECT_EQ(m.text.nummern(), std::vector<int>{67});
    EXPECT_EQ(m.titel.nummer(), 46);
    EXPECT_EQ(m.knoepfe, Schaltflaechen::JaNeinAbbrechen);
    EXPECT_EQ(m.text.text(), Text(67));

    // Parts put in between stay parts: the batch tool prints the first number.
    const Meldungstext t = Nr(394) + " 75\n" + "Path/File access error";
    EXPECT_EQ(t.nummern(), std::vector<int>{394});
    EXPECT_EQ(t.text(), Text(394) + " 75\nPath/File access error");
}

}  // namespace

// The calculation evidence window from the main window's File menu.
namespace {

struct NachweisAnsichten : ScriptedAnsichten {
    using ScriptedAnsichten::zeigen;
    std::function<void(NachweisPresenter&)> nachweis;
    bool zeigen(Fenster f, NachweisPresenter& p) override {
        p.aktivieren();
        if (nachweis) nachweis(p);
        return antwort(f);
    }
};

bool aktiv(Programmablauf& a, Befehl b) {
    for (const MenueGruppe& g : a.menue().ansicht().menues)
        for (const auto& e : g.eintraege)
            if (e && e->befehl == b) return e->aktiv;
    return false;
}

bool enthaelt(const std::vector<std::string>& zeilen, const std::string& teil) {
    return std::any_of(zeilen.begin(), zeilen.end(), [&](const std::string& z) { return z.find(teil) != std::string::npos; });
}

}  // namespace

TEST(NachweisAblauf, ATriedStandbyTimeChangesNothingUntilTakenOverThenItIsCalculated) {
    // A KVT 2000/1 fire panel for 30 h, opened: nothing calculated yet.
    Programm p = musterProgramm();
    zentrale(p.z, 2);
    p.z.UeZeit = 30;
    p.z.ProjektBefehleAktiv = 1;
    ScriptedMessages ms;
    NachweisAnsichten v;
    Programmablauf a{p, ms, v};
    v.skript[Fenster::DXAGeh] = [&] {
        DXAGehVorschlagUebernehmen(p.z);
        return DXAGehWeiter(p.z, a.meldungen());
    };
    EXPECT_FALSE(aktiv(a, Befehl::Nachweis));
    a.menue().ausfuehren(Befehl::Berechnen);
    ASSERT_TRUE(aktiv(a, Befehl::Nachweis));

    const std::string autonomie = ZahlText(*Autonomie(p.z)) + " ore";

    std::string probe;
    v.nachweis = [&](NachweisPresenter& n) {
        EXPECT_TRUE(enthaelt(n.ansicht().zeilen, autonomie));  // the report's standby time
        n.drucken();
        ASSERT_EQ(v.gedruckt.size(), 1u);
        EXPECT_EQ(ZeileAlsText(v.gedruckt[0].seiten[0].zeilen[4]), n.ansicht().zeilen[4]);

        const Zustand vorher = p.z;
        n.setzeProbe(100);
        probe = n.ansicht().probeErgebnis;
        EXPECT_TRUE(n.ansicht().uebernehmenAktiv);
        EXPECT_EQ(p.z.UeZeit, 30);
        EXPECT_EQ(p.z.Menge, vorher.Menge);
        EXPECT_EQ(p.z.BatKapazitaet, vorher.BatKapazitaet);

        n.uebernehmen();
        EXPECT_EQ(p.z.UeZeit, 100);
        EXPECT_FALSE(n.ansicht().uebernehmenAktiv);
        EXPECT_TRUE(enthaelt(n.ansicht().zeilen, "100 h"));
    };
    const auto angezeigt = v.gezeigt.size();
    a.menue().ausfuehren(Befehl::Nachweis);
    EXPECT_EQ(v.gezeigt[angezeigt], Fenster::DXAGeh);  // the new time calculated
    EXPECT_EQ(v.gezeigt.back(), Fenster::Nachweis);
    // What the box said the time needs is what the calculation chose.
    EXPECT_NE(probe.find(ZahlText(p.z.BatKapazitaet) + " Ah"), std::string::npos) << probe;
    EXPECT_NE(probe.find("= " + ZahlText(p.z.BatAhGesamt) + " Ah"), std::string::npos) << probe;
}
