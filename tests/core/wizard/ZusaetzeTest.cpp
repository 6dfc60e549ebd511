#include <gtest/gtest.h>

#include "calc/Bericht.h"
#include "support/Programme.h"
#include "projekt/Texte.h"
#include "support/ScriptedMessages.h"
#include "wizard/ZusaetzePresenter.h"

using namespace tarvis;
using test::ScriptedMessages;

namespace {

class ZusaetzeTest : public ::testing::Test {
protected:
    void SetUp() override { ProjektZuruecksetzen(p.z); }
    // The window of a project of panel type typ, shown.
    ZusaetzePresenter fenster(int typ, int startReiter = 0) {
        p.z.ZentralenTyp = static_cast<Integer>(typ);
        ZusaetzePresenter z(p, ms, startReiter);
        z.setzeVorhandeneFenster({Fenster::PERIPH, Fenster::Ex12, Fenster::Ex28});
        z.aktivieren();
        return z;
    }

    Programm p;
    ScriptedMessages ms;
};

}  // namespace

TEST_F(ZusaetzeTest, ANewProjectOpensOnTheFirstTabWith60Or72Hours) {
    for (int typ = 1; typ <= 6; ++typ) {
        const bool sechzig = typ == 1 || typ == 3 || typ == 6;
        ProjektZuruecksetzen(p.z);
        auto z = fenster(typ, kReiterDrucker);
        EXPECT_EQ(z.reiterVorn(), kReiterEnergie);
        EXPECT_EQ(p.z.UeZeit, sechzig ? 60 : 72) << typ;
        EXPECT_TRUE(z.ansicht().energie.stunden[sechzig ? 2 : 3].gewaehlt);
    }
}

TEST_F(ZusaetzeTest, DelayYesStartsAt10AndStaysBetween1And60) {
    auto z = fenster(5);
    z.verzoegerung(true);
    EXPECT_EQ(p.z.Verzwahl, 10);
    z.zaehlText(ZFeld::Vzeit, "75");
    EXPECT_EQ(ms.texte().size(), 1u);  // told, and held at 60
    EXPECT_EQ(p.z.Verzwahl, 60);
    z.zaehlBalken(ZFeld::Vzeit, 0);
    EXPECT_EQ(p.z.Verzwahl, 1);  // a delay chosen is at least one minute
    z.verzoegerung(false);
    EXPECT_EQ(p.z.Verzwahl, 0);
}

TEST_F(ZusaetzeTest, CountBoxesAreHeldAtTheLimitsOfThePanel) {
    struct Grenze { int typ; ZFeld feld; const char* eingabe; Integer Zustand::*wert; Integer erwartet; };
    for (Grenze g : {Grenze{3, ZFeld::Vert20DA, "7", &Zustand::Vert20DA, 1}, Grenze{5, ZFeld::Vert20DA, "7", &Zustand::Vert20DA, 2},
                     Grenze{1, ZFeld::Vert20DA, "7", &Zustand::Vert20DA, 6}, Grenze{4, ZFeld::VRXnorm, "30", &Zustand::VRXnorm, 12},
                     Grenze{4, ZFeld::KPLinv, "99", &Zustand::KPLinv, 24}, Grenze{1, ZFeld::KPLinv, "99", &Zustand::KPLinv, 44}, Grenze{4, ZFeld::MRVNinv, "5", &Zustand::MRVNinv, 2},
                     Grenze{4, ZFeld::Strom, "-4", &Zustand::ZusStrom, 0}, Grenze{5, ZFeld::Strom, "250", &Zustand::ZusStrom, 100},
                     Grenze{6, ZFeld::TabloNorm, "9", &Zustand::TabloNorm, 2}}) {
        auto z = fenster(g.typ);
        z.zaehlText(g.feld, g.eingabe);
        EXPECT_EQ(p.z.*g.wert, g.erwartet) << g.typ << " " << g.eingabe;
        EXPECT_EQ(z.zaehlAnsicht(g.feld).text, std::to_string(g.erwartet));  // the box shows what is stored
    }
    EXPECT_EQ(fenster(5).ansicht().tableau.maxTablo.text, "8");
}

TEST_F(ZusaetzeTest, RemoteTerminalsPullTheSuppliedOnesDown) {
    auto z = fenster(4);
    z.zaehlBalken(ZFeld::BE1, 2);
    z.zaehlBalken(ZFeld::BE2, 2);
    EXPECT_EQ(p.z.AnzBE2, 2);
    z.zaehlBalken(ZFeld::BE1, 1);
    EXPECT_EQ(p.z.AnzBE2, 1);
    z.zaehlText(ZFeld::BE1, "0");
    EXPECT_EQ(p.z.AnzBE2, 0);
    z.zaehlText(ZFeld::BE1, "9");
    EXPECT_EQ(p.z.AnzBE, 4);
}

TEST_F(ZusaetzeTest, ExternalLoadsAreClearedOnlyOnYes) {
    p.z.Ext12Ruhe = 40;
    p.z.Ext12Name[0] = "Sirena";
    auto z = fenster(4);

    z.ext12Loeschen();  // unanswered: No
    EXPECT_EQ(p.z.Ext12Ruhe, 40.0f);

    ms.antworten = {Antwort::Ja};
    z.ext12Loeschen();
    EXPECT_EQ(p.z.Ext12Ruhe, 0.0f);
    EXPECT_EQ(p.z.Ext12Name[0], "");

    p.z.Ext28Alarm = 5;
    p.z.Ext28RuheI[4] = p.z.Ext28AlarmI[4] = p.z.Ext28Menge[4] = 3;
    ms.antworten = {Antwort::Ja};
    z.ext28Loeschen();
    EXPECT_EQ(p.z.Ext28RuheI[4] + p.z.Ext28AlarmI[4] + p.z.Ext28Menge[4], 0);
    EXPECT_EQ(p.z.Ext28Alarm, 0.0f);
}

TEST_F(ZusaetzeTest, PeripheralSelectionAndTheSounderCard) {
    auto z = fenster(4);
    EXPECT_FALSE(z.ansicht().peripherie.tir.aktiv);

    p.z.Menge[370] = 2;  // a sounder
    auto a = z.ansicht();
    EXPECT_TRUE(a.peripherie.tir.aktiv);
    EXPECT_TRUE(a.peripherie.tir.ja);  // not answered "no"
    z.tir(false);
    EXPECT_EQ(p.z.TIRwahl, 1);

    ms.antworten = {Antwort::Ja};
    z.peripherieLoeschen();
    EXPECT_EQ(p.z.Menge[370], 0);
}

TEST_F(ZusaetzeTest, EncryptionGoesWithItsInterface) {
    auto k1 = fenster(1);
    EXPECT_FALSE(k1.ansicht().schnittstellen.ravi1.aktiv);
    k1.schnitt1(2);
    EXPECT_TRUE(k1.ansicht().schnittstellen.ravi1.aktiv);
    k1.ravi1(true);
    k1.schnitt1(1);
    EXPECT_EQ(p.z.RAVI1, 0);
    EXPECT_FALSE(k1.ansicht().schnittstellen.ravi1.aktiv);
}

TEST_F(ZusaetzeTest, TabMarkersAreRefreshedAtLoadAndOnRequestOnly) {
    p.z.ZentralenTyp = 4;
    p.z.Tele = 1;
    ZusaetzePresenter z(p, ms);
    z.aktivieren();
    z.drucker(2);
    EXPECT_EQ(z.ansicht().reiter[kReiterDrucker], Text(100));
    z.markierungenAuffrischen();
    EXPECT_EQ(z.ansicht().reiter[kReiterDrucker], Text(100) + " *");
    EXPECT_FALSE(z.ansicht().reiter[kReiterSchnittstellen].ends_with(" *"));
}

TEST_F(ZusaetzeTest, ActivationStoresWhatTheOptionsShow) {
    // Values a damaged file can hold: each group shows its "none" (or the
    // one option that fits) and its click stores it.
    p.z.Tele = 0;
    p.z.YAwahl = 7;
    p.z.AnzFBF = 2;
    p.z.Schnitt1 = 0;
    p.z.RAVI1 = 1;  // encryption without an interface
    p.z.Schnitt2 = 9;
    p.z.TIRwahl = 0;
    p.z.OLMAwahl = 3;
    p.z.AnzDrucker = 5;
    p.z.Schlwahl = -1;
    p.z.Verzwahl = -5;
    auto z = fenster(1);
    const auto a = z.ansicht();
    EXPECT_TRUE(a.yaTele.tele.nein && a.yaTele.ya[0].gewaehlt && a.fbfSd.fbf[1].gewaehlt && a.drucker.optionen[0].gewaehlt);
    EXPECT_EQ((std::vector<int>{p.z.Tele, p.z.YAwahl, p.z.AnzFBF, p.z.Schnitt1, p.z.RAVI1, p.z.Schnitt2, p.z.TIRwahl,
                                p.z.OLMAwahl, p.z.AnzDrucker, p.z.Schlwahl, p.z.Verzwahl}),
              (std::vector<int>{1, 1, 1, 1, 0, 1, 2, 0, 0, 0, 0}));
}

// A new RW 500 and a new KVT 2000 N go through the additional functions as
// they come up: teleservice shows "no", so the project holds no teleservice,
// neither in the articles nor in the report nor through its current in the
// batteries. Choosing it brings all of that (here a second battery).
TEST(ZusaetzeGeschichte, NewPanelsLeftAtTheirDefaultsGetNoTeleserviceUnlessChosen) {
    struct Fall {
        int typ;
        bool tele;
        int art165, art149, batterien;
    };
    for (Fall f : {Fall{5, false, 0, 0, 1}, Fall{5, true, 1, 1, 2}, Fall{3, false, 0, 0, 1}, Fall{3, true, 1, 0, 2}}) {
        SCOPED_TRACE(testing::Message() << "type " << f.typ << (f.tele ? " with" : " without") << " teleservice");
        Programm p = test::musterProgramm();
        p.z.ZentralenTyp = static_cast<Integer>(f.typ);
        p.z.Sprache = 1;
        p.z.CodeModus = "V";
        test::schleife(p.z, 1, 534, 120);  // just under 40 Ah without teleservice
        test::Ablauf ablauf(p);
        ScriptedMessages& ms = ablauf.ms;
        ZusaetzePresenter z(p, ms);
        z.aktivieren();
        EXPECT_TRUE(z.ansicht().yaTele.tele.nein);
        if (f.tele) {
            z.tele(true);
            ms.antworten = {Antwort::Ja};  // teleservice without YA 2000: yes
        }
        ASSERT_TRUE(z.weiter());
        ASSERT_EQ(AuswertenAblauf(p, ms), AuswertenHalt::Keiner);
        HinweisErstellen(p, ms);
        EXPECT_EQ(test::m(p, 165), f.art165);
        EXPECT_EQ(test::m(p, 149), f.art149);
        EXPECT_EQ(p.z.AnzBatterien, f.batterien);
        const auto& zeilen = p.z.Hinweiszeile;
        bool hinweis = std::find(zeilen.begin(), zeilen.end(), Text(705)) != zeilen.end();
        EXPECT_EQ(hinweis, f.tele);
    }
}
