// The calculation evidence window from the main window's File menu.
#include <gtest/gtest.h>

#include <algorithm>

#include "ablauf/NachweisPresenter.h"
#include "ablauf/Programmablauf.h"
#include "support/Programme.h"
#include "projekt/Format.h"
#include "support/ScriptedAnsichten.h"

using namespace tarvis;
using namespace tarvis::test;

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
