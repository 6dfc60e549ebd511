// The material list rules: panel articles, loop cards, add-on articles and
// the ways a calculation stops.
#include <gtest/gtest.h>

#include "projekt/Texte.h"
#include "support/Programme.h"

using namespace tarvis;
using namespace tarvis::test;

namespace {

using Mengen = std::vector<std::pair<int, int>>;  // record, quantity

int anzahl(const std::vector<std::string>& texte, const std::string& t) {
    return static_cast<int>(std::count(texte.begin(), texte.end(), t));
}

// The messages of a calculation that runs to its end.
std::vector<std::string> auswerten(Programm& p) {
    Ablauf a(p);
    EXPECT_TRUE(Auswerten(p, a.ms));
    return a.ms.texte();
}

}  // namespace

TEST(Zentralenartikel, PanelArticleByTypeAndLanguage) {
    struct Fall { int typ, sprache, mgeaz, satz; };
    // The golden projects hold each panel's German article; here the other languages.
    for (Fall f : {Fall{1, 3, 2, 0},  // the KVT 1000 only in German
                   Fall{3, 11, 2, 23}, Fall{4, 11, 2, 118}, Fall{5, 1, 0, 126}, Fall{5, 2, 0, 128}, Fall{5, 11, 0, 137},
                   Fall{6, 3, 2, 36}}) {
        Programm p = leeresProgramm();
        zentrale(p.z, f.typ);
        p.z.Sprache = static_cast<Byte>(f.sprache);
        p.z.MGEAZ = static_cast<Integer>(f.mgeaz);
        if (f.typ == 1) p.z.AnzMG = 16;
        ASSERT_EQ(rechnen(p), AuswertenHalt::Keiner);
        for (int i = 8; i <= 137; ++i) EXPECT_EQ(m(p, i), i == f.satz ? 1 : 0) << f.typ << "/" << f.sprache << "/" << i;
    }
}

TEST(Linienkarte, KVT2000NeedsDKM100WhenTheBaseCardDoesNotCoverTheLoops) {
    struct Fall { std::vector<int> schleifen; bool doppeln, karte, hinweis; };
    const std::vector<Fall> faelle = {
        {{1}, false, false, false},      {{1, 2}, false, false, false},  {{1, 3}, false, true, true},
        {{2, 4}, false, true, true},     {{3, 4}, false, true, true},    {{4}, false, true, true},
        {{1, 2, 3}, false, true, false}, {{1, 3}, true, true, false},    {{1}, true, true, false},  // doubling needs the card anyway
    };
    for (int typ : {3, 4}) {
        for (const Fall& f : faelle) {
            Programm p = leeresProgramm();
            zentrale(p.z, typ);
            p.z.Doppeln = f.doppeln ? "J" : "N";
            for (int k : f.schleifen) schleife(p.z, k, 558, 5);
            const auto texte = auswerten(p);
            const std::string fall = std::to_string(typ) + " loops " + std::to_string(f.schleifen.size()) + " first " +
                                     std::to_string(f.schleifen.front()) + (f.doppeln ? " doubled" : "");
            EXPECT_EQ(m(p, 154), f.karte ? 1 : 0) << fall;
            EXPECT_EQ(anzahl(texte, Text(276)), f.hinweis ? 1 : 0) << fall;
            EXPECT_EQ(p.z.Kennz11E, (f.karte && !(f.doppeln && f.schleifen.size() <= 2)) ? "J" : "N") << fall;
        }
    }
    // Other panels need no card.
    Programm p = leeresProgramm();
    zentrale(p.z, 2);
    schleife(p.z, 3, 534, 1);
    ASSERT_EQ(rechnen(p), AuswertenHalt::Keiner);
    EXPECT_EQ(m(p, 154), 0);
}

TEST(Zusatzartikel, NetworkedKVT2000BWithPrinterAndInterface) {
    Programm p = leeresProgramm();
    zentrale(p.z, 4);
    p.z.OLNJa = 1;
    p.z.OLN1a = 1;  // optical coupler on side 1
    p.z.OLN2c = 1;  // modem on side 2
    p.z.AnzDrucker = 1;
    p.z.AnzBE = p.z.AnzBE2 = 2;
    p.z.Schnitt1 = 3;
    p.z.YAwahl = 3;
    p.z.Schlwahl = 2;
    p.z.Vert20DA = 2;
    ASSERT_EQ(rechnen(p), AuswertenHalt::Keiner);
    // 156: interface 1, the printer, the optical coupler; 157: the modem link; 165: no teleservice.
    for (auto [satz, menge] : Mengen{{156, 3}, {157, 1}, {161, 1}, {158, 1}, {155, 1}, {210, 2}, {211, 1},
                               {233, 1}, {236, 1}, {238, 2}, {307, 2}, {165, 0}})
        EXPECT_EQ(m(p, satz), menge) << satz;
}

TEST(RW500, ExtensionCardIsRecountedInEveryRun) {
    Programm p = leeresProgramm();
    zentrale(p.z, 5);
    p.z.VRXnorm = 4;
    p.z.TabloNorm = 1;
    p.z.ZusStrom = 50;
    ASSERT_EQ(rechnen(p), AuswertenHalt::Keiner);
    EXPECT_EQ(m(p, 222), 1);
    EXPECT_EQ(p.z.RWZusatzkarte, 1);
    EXPECT_EQ(m(p, 249), 2);
    // Without the relays the card goes, and with it its mounting position.
    p.z.VRXnorm = 0;
    schleife(p.z, 1, 509, 2);  // two JOT 100 fill positions 3 and 4 once each
    ASSERT_EQ(rechnen(p), AuswertenHalt::Keiner);
    EXPECT_EQ(m(p, 222), 0);
    EXPECT_EQ(p.z.RWZusatzkarte, 0);
    EXPECT_EQ(m(p, 229), 0);
}

TEST(RW500, MountingFrameWhenAPositionIsTakenTwice) {
    struct Fall { int jot; int vert; int ya; std::string modus; int rahmen; };
    for (Fall f : {Fall{2, 0, 1, "V", 0}, Fall{3, 0, 1, "V", 1}, Fall{1, 1, 1, "V", 0}, Fall{2, 1, 1, "V", 1},
                   Fall{0, 2, 1, "V", 0}, Fall{3, 0, 2, "V", 0}, Fall{0, 0, 2, "S", 1}}) {
        Programm p = leeresProgramm();
        zentrale(p.z, 5);
        p.z.CodeModus = f.modus;
        p.z.Vert20DA = static_cast<Integer>(f.vert);
        p.z.YAwahl = static_cast<Integer>(f.ya);
        if (f.jot > 0) schleife(p.z, 1, 509, f.jot);
        ASSERT_EQ(rechnen(p), AuswertenHalt::Keiner);
        EXPECT_EQ(m(p, 229), f.rahmen) << f.jot << " " << f.vert << " " << f.ya << f.modus;
    }
}

TEST(KBNElemente, WithdrawnElementsAreDroppedWithANote) {
    Programm p = musterProgramm();
    zentrale(p.z, 3);
    schleife(p.z, 1, 534, 4);
    EXPECT_TRUE(auswerten(p).empty());  // blank catalogue records hold nothing: no note
    schleife(p.z, 2, 545, 2);  // designation begins with blanks: no longer delivered
    schleife(p.z, 2, 534, 1);
    EXPECT_EQ(auswerten(p), std::vector<std::string>{Text(162)});
    EXPECT_EQ(m(p, 545), 0);
    EXPECT_EQ(m(p, 534), 5);
}

TEST(Abschluss, TheSupplyCountsConfirmedDecideTheArticlesAndTheFlag) {
    // More than proposed is allowed; the calculation enables the result commands.
    Programm p = leeresProgramm();
    zentrale(p.z, 1);
    p.z.PSMVRX = 2;
    p.z.Wandler28 = 1;
    p.z.CodeModus = "S";
    p.z.ProjCodeModus = " ";
    Ablauf a(p);
    a.ms.fensterSkript[Fenster::DXAGeh] = [&p] {
        p.z.AnzDXA = 2;
        p.z.AnzZOLW = 1;
        return true;
    };
    ASSERT_TRUE(Auswerten(p, a.ms));
    for (auto [satz, menge] : Mengen{{275, 2}, {276, 1}, {248, 2}, {284, 1}}) EXPECT_EQ(m(p, satz), menge) << satz;
    EXPECT_EQ(p.z.Berechnet, 1);
    EXPECT_EQ(p.z.EPOKennz, "J");

    // Fewer than proposed break the limits.
    Programm q = leeresProgramm();
    zentrale(q.z, 1);
    q.z.Ext12Menge[0] = 1;
    q.z.Ext12AlarmI[0] = 4000;  // 800 mA above the mains unit of the KVT 1000
    Ablauf b(q);
    b.ms.fensterSkript[Fenster::DXAGeh] = [&q, &b] {
        DXAGehVorschlagUebernehmen(q.z);
        q.z.AnzDXA = 0;
        return DXAGehWeiter(q.z, b.ms);
    };
    ASSERT_TRUE(Auswerten(q, b.ms));
    EXPECT_EQ(q.z.DXAVorschlag, 1);
    EXPECT_EQ(m(q, 275), 0);
    EXPECT_EQ(q.z.EPOKennz, "N");
}

// The ways a calculation stops: what it tells, and what it leaves of the project.
TEST(Abbruch, WhereTheCalculationStopsAndWhatStays) {
    struct Fall {
        const char* wie;
        int typ;
        std::function<void(Zustand&)> setzen;
        AuswertenHalt halt;
        std::string meldung;
        std::function<void(const Programm&)> pruefen;
    };
    const Fall faelle[] = {
        {"no panel type", 0, [](Zustand& z) { z.Menge[154] = 3; z.KBNMenge1[534] = 2; }, AuswertenHalt::Zentralentyp,
         Text(292), [](const Programm& p) { EXPECT_EQ(m(p, 154), 3); EXPECT_EQ(m(p, 534), 0); }},
        {"4 interfaces on a KVT 1000", 1,
         [](Zustand& z) {
             z.AnzBE = z.AnzDrucker = 1;
             z.Schnitt1 = z.Tele = 2;
             z.Menge[205] = 7;
             z.Menge[330] = 2;
             schleife(z, 1, 534, 3);
         },
         AuswertenHalt::Schnittstellen, Text(209),
         [](const Programm& p) {
             EXPECT_EQ(p.z.ZusAbbruch, 1);
             EXPECT_EQ(m(p, 205), 0);  // records 6..319 are cleared first
             EXPECT_EQ(m(p, 330), 2);
             EXPECT_EQ(m(p, 534), 3);
         }},
        {"a quantity beyond 16 bits", 3, [](Zustand& z) { z.KBNMenge1[534] = z.KBNMenge2[534] = 30000; },
         AuswertenHalt::Laufzeitfehler, Text(394) + " 6\nOverflow",
         [](const Programm& p) { EXPECT_EQ(m(p, 13), 1); }},  // what came before stays
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.wie);
        Programm p = leeresProgramm();
        zentrale(p.z, f.typ);
        f.setzen(p.z);
        Ablauf a(p);
        EXPECT_EQ(AuswertenAblauf(p, a.ms), f.halt);
        ASSERT_EQ(a.ms.texte(), std::vector<std::string>{f.meldung});
        EXPECT_EQ(a.ms.protokoll[0].symbol == Symbol::Kritisch, f.halt == AuswertenHalt::Laufzeitfehler);
        f.pruefen(p);
        EXPECT_EQ(p.z.Berechnet, 0);
        EXPECT_TRUE(a.ms.fenster().empty());
    }
}

TEST(Abbruch, LeavingTheSupplyWindowKeepsTheResultsSoFar) {
    Programm p = musterProgramm();
    zentrale(p.z, 3);
    p.z.UeZeit = 30;
    ScriptedMessages ms;  // the supply window is closed without confirming
    EXPECT_EQ(AuswertenAblauf(p, ms), AuswertenHalt::DXAGeh);
    EXPECT_FALSE(Auswerten(p, ms));
    EXPECT_EQ(m(p, 13), 1);
    EXPECT_GT(p.z.BatKapazitaet, 0);
    EXPECT_EQ(p.z.Berechnet, 0);
}
