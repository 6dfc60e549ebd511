#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include "projekt/Texte.h"
#include "support/ScriptedMessages.h"
#include "wizard/ZusaetzePresenter.h"

using namespace tarvis;
using test::ScriptedMessages;

namespace {

// A project of panel type typ that passes every check until a case spoils it.
void projekt(Programm& p, int typ) {
    ProjektZuruecksetzen(p.z);
    p.z.ZentralenTyp = static_cast<Integer>(typ);
    p.z.UeZeit = 72;
    p.z.Tele = 1;
    p.z.AnzBETL = 1;
}

struct Weiter {
    bool ok;
    int reiter;
};

// Forward from the first tab, as the caller of the window does it.
Weiter weiter(Programm& p, ScriptedMessages& ms) {
    p.z.WeiterOK = 0;
    ZusaetzePresenter z(p, ms, kReiterEnergie);
    const bool ok = z.weiter();
    EXPECT_EQ(p.z.WeiterOK, ok ? 1 : 0);
    return {ok, z.reiterVorn()};
}

}  // namespace

// Each check on its own: the message, the tab brought to the front, and
// whether a Yes lets the user go on.
TEST(ZusaetzeWeiter, EachCheckRefusesWithItsMessageOnItsTab) {
    struct Fall {
        int typ;
        std::function<void(Zustand&)> setzen;
        std::string meldung;
        int reiter;
        bool frage = false;  // a question the user may answer Yes to go on
    };
    const Fall faelle[] = {
        {4, [](Zustand& z) { z.UeZeit = 0; z.AnzBE = 9; }, "Non è stato immesso il tempo di autonomia di funz.!",
         kReiterEnergie},  // the first failed check is the only one shown
        {5, [](Zustand& z) { z.AnzBE = 4; }, "Max. 3 terminali remoti!", kReiterBedien},
        {4, [](Zustand& z) { z.AnzBE = 5; z.AnzBE2 = 4; }, "Max. 4  terminali remoti!", kReiterBedien},
        {1, [](Zustand& z) { z.AnzBE = 1; z.AnzBE2 = 2; }, "Più alimentazioni che terminali remoti", kReiterBedien},
        {4, [](Zustand& z) { z.AnzBE = 2; z.AnzBE2 = 1; }, "Meno alimentazioni che terminali remoti!\nCorretto?",
         kReiterBedien, true},
        {2, [](Zustand& z) { z.Tele = 0; }, "Teleservizio senza YA 2000?\nCorretto?", kReiterYaTele, true},  // never answered counts as chosen
        {4, [](Zustand& z) { z.MRVNnorm = 2; z.MRVNinv = 1; }, "Max. 2 relé accoppiatori MRV-N!", kReiterTableau},
        {3, [](Zustand& z) { z.VRXnorm = 12; z.VRXinv = 1; }, "Max. 12 Relé VRX!", kReiterTableau},
        {2, [](Zustand& z) { z.KPLnorm = 24; z.KPLinv = 1; }, "Max. 24 Relé KPL!", kReiterTableau},
        {4, [](Zustand& z) { z.KPLnorm = 8; z.VRXnorm = 10; }, "Max. 6 Spine KPL + VRX!", kReiterTableau},  // 2 + 5 plugs
        {4, [](Zustand& z) { z.TabloNorm = 20; z.TabloInv = 5; z.ZusStrom = 10; }, "Max. 24 Punti C!", kReiterTableau},
        {5, [](Zustand& z) { z.ZusStrom = 101; }, "Indicaz. di corrente per punto C non plausibile!", kReiterTableau},
        {1, [](Zustand& z) { z.TabloNorm = 3; }, "I punti del pannello sinottico richiedono dati di corrente!",
         kReiterTableau},
        {3, [](Zustand& z) { z.KPLnorm = 8; z.VRXnorm = 4; z.TabloNorm = 13; z.ZusStrom = 20; },
         "Max. 24 Punti C e spine relé!", kReiterTableau},  // 8 KPL + 4 VRX + 13 C points = 25 places of 24
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.meldung);
        Programm p;
        ScriptedMessages ms;
        projekt(p, f.typ);
        f.setzen(p.z);
        const Weiter w = weiter(p, ms);
        EXPECT_FALSE(w.ok);
        ASSERT_EQ(ms.texte().size(), 1u);
        EXPECT_EQ(ms.texte()[0], f.meldung);
        EXPECT_EQ(ms.protokoll[0].symbol, f.frage ? Symbol::Frage : Symbol::Ausrufezeichen);
        EXPECT_EQ(w.reiter, f.reiter);
        if (f.frage) {
            ms.antworten = {Antwort::Ja};
            EXPECT_TRUE(weiter(p, ms).ok);
        }
    }
}

TEST(ZusaetzeWeiter, BoundariesThatStillGoOn) {
    const std::vector<std::function<void(Zustand&)>> faelle = {
        [](Zustand& z) { z.ZentralenTyp = 4; z.AnzBE = z.AnzBE2 = 4; },  // a KVT 2000 takes four terminals
        [](Zustand& z) { z.ZentralenTyp = 2; z.KPLnorm = 24; },  // as many KPL relays as the panel takes
        [](Zustand& z) { z.ZentralenTyp = 3; z.KPLnorm = 8; z.VRXnorm = 4; z.TabloNorm = 12; z.ZusStrom = 20; },
        [](Zustand& z) { z.ZentralenTyp = 2; z.Tele = 0; z.YAwahl = 2; },  // teleservice with YA 2000
    };
    for (std::size_t i = 0; i < faelle.size(); ++i) {
        Programm p;
        ScriptedMessages ms;
        projekt(p, 1);
        faelle[i](p.z);
        EXPECT_TRUE(weiter(p, ms).ok) << i;
        EXPECT_TRUE(ms.protokoll.empty()) << i;
    }
}

TEST(ZusaetzeWeiter, ATL300WithoutBE300LeadsToTheLoopEntryAndTheChecksGoOnAfterIt) {
    for (bool spaeterVerweigert : {false, true}) {
        Programm p;
        ScriptedMessages ms;
        projekt(p, 6);
        p.z.AnzBETL = 0;
        if (spaeterVerweigert) {
            p.z.TabloNorm = 3;
            p.z.ZusStrom = 50;
        }
        ms.fensterSkript[Fenster::KBNEIN] = [&] { p.z.AnzBETL = 1; return true; };
        EXPECT_EQ(weiter(p, ms).ok, !spaeterVerweigert);  // No: the loop entry, then the remaining checks
        EXPECT_EQ(ms.texte().front(), "TL 300 senza BE 300 KBN! É sicuro?");
        EXPECT_EQ(ms.fenster(), std::vector<Fenster>{Fenster::KBNEIN});
        if (spaeterVerweigert) {
            EXPECT_EQ(ms.texte().back(), "Max. 2 Punti C!");
        }
    }
}

// Questions asked once per project: a No sends to the loop entry to add the coupler.
TEST(ZusaetzeWeiter, CouplerQuestionsAreAskedOnce) {
    struct Fall {
        const char* wie;
        int typ;
        std::function<void(Zustand&)> setzen;
        std::deque<Antwort> antworten;
        std::vector<std::string> texte;
        bool kbnein;
        Byte pqb, pqs;  // the flags after it
        bool wieder;    // asked again next time
    };
    const Fall faelle[] = {
        {"networked fire panel: PQB", 4, [](Zustand& z) { z.OLNJa = 1; z.OLN1a = z.OLN2a = 1; }, {}, {Text(526)}, true, 1,
         0, false},
        {"networked intrusion panel", 3, [](Zustand& z) { z.OLNJa = 1; }, {}, {}, false, 0, 0, false},
        {"sounders, couplers entered: No", 5, [](Zustand& z) { z.Menge[370] = 2; z.AnzPQS = 1; }, {}, {Text(531)}, true,
         0, 1, false},
        {"sounders, couplers entered: Yes", 4, [](Zustand& z) { z.Menge[440] = 1; z.AnzPQS = 1; }, {Antwort::Ja},
         {Text(531)}, false, 0, 0, true},
        {"sounders without coupler: add", 2, [](Zustand& z) { z.Menge[364] = 1; }, {Antwort::Ja},
         {"Per i segnalatorI non sono stati aggiunti accop. PQS!\nAggiungere?"}, true, 0, 1, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.wie);
        Programm p;
        ScriptedMessages ms;
        projekt(p, f.typ);
        f.setzen(p.z);
        ms.antworten = f.antworten;
        EXPECT_TRUE(weiter(p, ms).ok);
        EXPECT_EQ(ms.texte(), f.texte);
        EXPECT_EQ(ms.fenster(), f.kbnein ? std::vector<Fenster>{Fenster::KBNEIN} : std::vector<Fenster>{});
        EXPECT_EQ(p.z.PQBFrageGestellt, f.pqb);
        EXPECT_EQ(p.z.PQSFrageGestellt, f.pqs);
        ScriptedMessages danach;
        danach.antworten = f.antworten;
        weiter(p, danach);
        EXPECT_EQ(danach.texte().empty(), !f.wieder);
    }
}

TEST(ZusaetzeWeiter, TooManyInterfacesShowTab9AndOnTheRW500OfferOLMA10) {
    Programm p;
    ScriptedMessages ms;
    projekt(p, 5);
    ZusaetzePresenter z(p, ms);
    z.aktivieren();
    // A terminal and a log printer, as a loaded project may have them.
    p.z.AnzBE = p.z.AnzBE2 = 1;
    p.z.AnzDrucker = 3;
    z.reiterWaehlen(kReiterDrucker);
    EXPECT_FALSE(z.weiter());
    EXPECT_EQ(ms.texte().back(), "Max. 1 interfaccia senza scheda di espansione!");
    EXPECT_EQ(z.reiterVorn(), kReiterBedien);
    EXPECT_EQ(p.z.ZusAbbruch, 1);
    z.olma(true);  // with OLMA 10 it has three
    EXPECT_TRUE(z.weiter());
    EXPECT_EQ(p.z.ZusAbbruch, 0);

    // OLMA 10 held without a terminal: the terminals' scroll bar, even left at 0, withdraws it.
    p.z.AnzBE = p.z.AnzBE2 = 0;
    ZusaetzePresenter ohne(p, ms);
    ohne.aktivieren();
    ohne.zaehlBalken(ZFeld::BE1, 0);
    EXPECT_EQ(p.z.OLMAwahl, 0);
}
