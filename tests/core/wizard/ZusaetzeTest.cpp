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
    static std::array<bool, 4> aktiv(const ZusaetzeAnsicht& a) {
        std::array<bool, 4> r{};
        for (std::size_t i = 0; i < 4; ++i) r[i] = a.energie.stunden[i].aktiv;
        return r;
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
        auto a = z.ansicht();
        EXPECT_TRUE(a.energie.stunden[sechzig ? 2 : 3].gewaehlt);
        EXPECT_EQ(aktiv(a), (std::array<bool, 4>{true, true, sechzig, !sechzig}));
        EXPECT_EQ(z.zaehlAnsicht(ZFeld::Uezeit).text, sechzig ? "60" : "72");
    }
    // With a standby time the window opens where it was left.
    auto z = fenster(5, kReiterDrucker);
    EXPECT_EQ(z.reiterVorn(), kReiterDrucker);
}

TEST_F(ZusaetzeTest, TypedHoursOutsideTheShortcutsLeaveTheOptionsUnselectedAndLaterDisabled) {
    auto z = fenster(4);
    z.zaehlTasteUnten(ZFeld::Uezeit);  // 72 stays: only a 0 gives way
    z.zaehlText(ZFeld::Uezeit, "48");
    EXPECT_EQ(p.z.UeZeit, 48);
    auto a = z.ansicht();
    for (const auto& s : a.energie.stunden) EXPECT_FALSE(s.gewaehlt);
    EXPECT_EQ(aktiv(a), (std::array<bool, 4>{true, true, false, true}));

    auto wieder = fenster(4);
    EXPECT_EQ(aktiv(wieder.ansicht()), (std::array<bool, 4>{false, false, false, false}));

    // Typing one of the four values brings the shortcuts back; 60 is not for this panel.
    wieder.zaehlText(ZFeld::Uezeit, "30");
    a = wieder.ansicht();
    EXPECT_TRUE(a.energie.stunden[1].gewaehlt);
    EXPECT_EQ(aktiv(a), (std::array<bool, 4>{true, true, false, true}));
    wieder.stundenWaehlen(4);
    EXPECT_EQ(p.z.UeZeit, 4);
    EXPECT_EQ(wieder.zaehlAnsicht(ZFeld::Uezeit).text, "4");
}

TEST_F(ZusaetzeTest, DelayYesStartsAt10AndStaysBetween1And60) {
    auto z = fenster(5);
    EXPECT_FALSE(z.ansicht().energie.verz.ja);
    EXPECT_FALSE(z.zaehlAnsicht(ZFeld::Vzeit).aktiv);
    z.verzoegerung(true);
    EXPECT_EQ(p.z.Verzwahl, 10);
    EXPECT_EQ(z.zaehlAnsicht(ZFeld::Vzeit).text, "10");
    EXPECT_EQ(z.fokusAbholen(), ZFeld::Vzeit);
    EXPECT_EQ(z.fokusAbholen(), std::nullopt);

    z.zaehlText(ZFeld::Vzeit, "75");
    EXPECT_EQ(ms.texte(), std::vector<std::string>{"Tempo di ritardo max. 60 min!"});
    EXPECT_EQ(p.z.Verzwahl, 60);
    EXPECT_EQ(z.zaehlAnsicht(ZFeld::Vzeit).text, "60");
    z.zaehlBalken(ZFeld::Vzeit, 0);
    EXPECT_EQ(p.z.Verzwahl, 1);  // a delay chosen is at least one minute
    z.zaehlText(ZFeld::Vzeit, "0");
    EXPECT_EQ(z.zaehlAnsicht(ZFeld::Vzeit).text, "1");

    z.verzoegerung(false);
    EXPECT_EQ(p.z.Verzwahl, 0);
    EXPECT_EQ(z.zaehlAnsicht(ZFeld::Vzeit).text, "0");
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
    p.z.Vert20DA = 0;
    auto kvt = fenster(3);
    EXPECT_FALSE(kvt.zaehlTaste(ZFeld::Vert20DA, U'x'));  // digits only, with a beep
    EXPECT_EQ(test::piepser(ms), 1);
    kvt.zaehlTasteUnten(ZFeld::Vert20DA);
    EXPECT_EQ(kvt.zaehlAnsicht(ZFeld::Vert20DA).text, "");  // the 0 gives way
    EXPECT_FALSE(fenster(6).zaehlAnsicht(ZFeld::Vert20DA).aktiv);
    auto rw = fenster(5);
    EXPECT_FALSE(rw.zaehlAnsicht(ZFeld::KPLinv).aktiv);
    EXPECT_FALSE(rw.zaehlAnsicht(ZFeld::TabloInv).aktiv);
    EXPECT_EQ(rw.ansicht().tableau.maxKPL.text, "8");
    EXPECT_EQ(rw.ansicht().tableau.maxTablo.text, "8");
    EXPECT_FALSE(fenster(6).ansicht().tableau.fra1.aktiv);
}

TEST_F(ZusaetzeTest, RemoteTerminalsPullTheSuppliedOnesDown) {
    auto z = fenster(4);
    EXPECT_FALSE(z.zaehlAnsicht(ZFeld::BE2).aktiv);  // no terminal yet
    z.zaehlBalken(ZFeld::BE1, 2);
    EXPECT_TRUE(z.zaehlAnsicht(ZFeld::BE2).aktiv);
    z.zaehlBalken(ZFeld::BE2, 2);
    EXPECT_EQ(p.z.AnzBE2, 2);
    z.zaehlBalken(ZFeld::BE1, 1);
    EXPECT_EQ(p.z.AnzBE2, 1);
    EXPECT_EQ(z.zaehlAnsicht(ZFeld::BE2).text, "1");
    EXPECT_EQ(z.zaehlAnsicht(ZFeld::BE2).maximum, 1);
    z.zaehlText(ZFeld::BE1, "0");
    EXPECT_EQ(p.z.AnzBE2, 0);
    EXPECT_FALSE(z.zaehlAnsicht(ZFeld::BE2).aktiv);
    z.zaehlText(ZFeld::BE1, "9");
    EXPECT_EQ(p.z.AnzBE, 4);
    EXPECT_EQ(z.zaehlAnsicht(ZFeld::BE1).text, "4");
    EXPECT_FALSE(z.ansicht().bedien.olma.aktiv);  // OLMA 10 is for the RW 500
}

TEST_F(ZusaetzeTest, ExternalLoadLabelsSayWhetherLoadsExist) {
    p.z.Ext12Ruhe = 40;
    p.z.Ext12Name[0] = "Sirena";
    auto z = fenster(4);
    EXPECT_EQ(z.ansicht().energie.lbl12.text, "A 12V: ci sono immissioni");
    EXPECT_EQ(z.ansicht().energie.lbl28.text, "A 28V: non ci sono immissioni");

    z.ext12Loeschen();  // unanswered: No
    EXPECT_EQ(p.z.Ext12Ruhe, 40.0f);

    ms.antworten = {Antwort::Ja};
    z.ext12Loeschen();
    EXPECT_EQ(p.z.Ext12Ruhe, 0.0f);
    EXPECT_EQ(p.z.Ext12Name[0], "");
    EXPECT_EQ(z.ansicht().energie.lbl12.text, "A 12V: non ci sono immissioni");

    p.z.Ext28Alarm = 5;
    p.z.Ext28RuheI[4] = p.z.Ext28AlarmI[4] = p.z.Ext28Menge[4] = 3;
    EXPECT_EQ(z.ansicht().energie.lbl28.text, "A 28V: ci sono immissioni");
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
    EXPECT_EQ(a.peripherie.lblGewaehlt.text, Text(197));
    EXPECT_TRUE(a.peripherie.tir.aktiv);
    EXPECT_TRUE(a.peripherie.tir.ja);  // not answered "no"
    z.tir(false);
    EXPECT_EQ(p.z.TIRwahl, 1);
    EXPECT_FALSE(fenster(5).ansicht().peripherie.tir.aktiv);

    ms.antworten = {Antwort::Ja};
    z.peripherieLoeschen();
    EXPECT_EQ(p.z.Menge[370], 0);
    EXPECT_EQ(z.ansicht().peripherie.lblGewaehlt.text, Text(198));
}

TEST_F(ZusaetzeTest, InterfacesAndEncryptionByPanel) {
    auto k1 = fenster(1);
    auto a = k1.ansicht();
    EXPECT_TRUE(a.schnittstellen.schnitt1[3].aktiv);   // 20 mA internal
    EXPECT_FALSE(a.schnittstellen.schnitt1[2].aktiv);  // no WX 20
    EXPECT_FALSE(a.schnittstellen.fraSchnitt2.aktiv);
    EXPECT_FALSE(a.schnittstellen.ravi1.aktiv);
    k1.schnitt1(2);
    EXPECT_TRUE(k1.ansicht().schnittstellen.ravi1.aktiv);
    k1.ravi1(true);
    k1.schnitt1(1);
    EXPECT_EQ(p.z.RAVI1, 0);
    EXPECT_FALSE(k1.ansicht().schnittstellen.ravi1.aktiv);

    EXPECT_FALSE(fenster(5).ansicht().schnittstellen.fraSchnitt2.aktiv);

    auto b = fenster(4);
    b.schnitt2(3);
    EXPECT_FALSE(b.ansicht().schnittstellen.ravi2.aktiv);  // no encryption on the KVT 2000 B
    EXPECT_FALSE(fenster(6).ansicht().schnittstellen.fraSchnitt1.aktiv);
}

TEST_F(ZusaetzeTest, ANetworkedKVT2000NKeepsTheEncryptionDisabled) {
    auto n = fenster(3);
    n.schnitt2(3);
    EXPECT_TRUE(n.ansicht().schnittstellen.ravi2.aktiv);
    n.schnitt2(1);
    p.z.OLNJa = 1;
    n.schnitt1(3);
    n.schnitt2(3);
    EXPECT_FALSE(n.ansicht().schnittstellen.ravi1.aktiv);
    EXPECT_FALSE(n.ansicht().schnittstellen.ravi2.aktiv);
}

TEST_F(ZusaetzeTest, TabMarkersAreRefreshedAtLoadAndOnRequestOnly) {
    p.z.ZentralenTyp = 4;
    p.z.Tele = 1;
    ZusaetzePresenter z(p, ms);
    auto a = z.ansicht();
    EXPECT_EQ(a.reiter[kReiterEnergie], Text(90));  // loaded before the standby time was set
    EXPECT_EQ(a.reiter[kReiterFbfSd], "&FBF, SD");
    z.aktivieren();
    z.drucker(2);
    z.fbf(1);
    EXPECT_EQ(z.ansicht().reiter[kReiterDrucker], Text(100));
    z.markierungenAuffrischen();
    a = z.ansicht();
    EXPECT_EQ(a.reiter[kReiterEnergie], Text(90) + " *");
    EXPECT_EQ(a.reiter[kReiterDrucker], Text(100) + " *");
    EXPECT_EQ(a.reiter[kReiterFbfSd], "&FBF, SD *");
    EXPECT_FALSE(a.reiter[kReiterSchnittstellen].ends_with(" *"));
    p.z.Schnitt2 = 2;  // an interface on the second connection counts as well
    z.markierungenAuffrischen();
    EXPECT_TRUE(z.ansicht().reiter[kReiterSchnittstellen].ends_with(" *"));
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
