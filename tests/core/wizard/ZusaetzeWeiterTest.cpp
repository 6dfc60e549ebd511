#include <gtest/gtest.h>

#include "projekt/Texte.h"
#include "support/ScriptedMessages.h"
#include "wizard/ZusaetzePresenter.h"

using namespace tarvis;
using test::ScriptedMessages;

namespace {

// A project of panel type typ that passes every check until a test spoils it.
class ZusaetzeWeiterTest : public ::testing::Test {
protected:
    void projekt(int typ) {
        ProjektZuruecksetzen(p.z);
        p.z.ZentralenTyp = static_cast<Integer>(typ);
        p.z.UeZeit = 72;
        p.z.Tele = 1;
        p.z.AnzBETL = 1;
        ms = ScriptedMessages{};
    }
    // Forward; returns whether the window closed.
    bool weiter() {
        p.z.WeiterOK = 0;  // as the caller of the window does
        ZusaetzePresenter z(p, ms, kReiterEnergie);
        bool ok = z.weiter();
        reiter = z.reiterVorn();
        return ok;
    }
    void erwarteVerweigert(const std::string& text, int tab) {
        EXPECT_FALSE(weiter());
        ASSERT_FALSE(ms.texte().empty());
        EXPECT_EQ(ms.texte().back(), text);
        EXPECT_EQ(ms.protokoll.back().symbol, Symbol::Ausrufezeichen);
        EXPECT_EQ(reiter, tab);
        EXPECT_EQ(p.z.WeiterOK, 0);
    }

    Programm p;
    ScriptedMessages ms;
    int reiter = -1;
};

}  // namespace

TEST_F(ZusaetzeWeiterTest, AProjectWithinEveryLimitGoesOn) {
    for (int typ = 1; typ <= 6; ++typ) {
        projekt(typ);
        EXPECT_TRUE(weiter()) << typ;
        EXPECT_EQ(p.z.WeiterOK, 1);
        EXPECT_TRUE(ms.protokoll.empty()) << typ;
    }
}

TEST_F(ZusaetzeWeiterTest, MissingStandbyTimeIsReportedAtItsBox) {
    projekt(4);
    p.z.UeZeit = 0;
    p.z.AnzBE = 9;  // the first failed check is the only one shown
    EXPECT_FALSE(weiter());
    EXPECT_EQ(ms.texte(), std::vector<std::string>{"Non è stato immesso il tempo di autonomia di funz.!"});
}

TEST_F(ZusaetzeWeiterTest, RemoteTerminalRefusalsBringTab9ToTheFront) {
    projekt(5);
    p.z.AnzBE = 4;
    erwarteVerweigert("Max. 3 terminali remoti!", kReiterBedien);
    EXPECT_EQ(p.z.AnzBE, 4);  // nothing changed

    projekt(4);
    p.z.AnzBE = 4;
    p.z.AnzBE2 = 4;
    EXPECT_TRUE(weiter());  // a KVT 2000 takes four
    p.z.AnzBE = 5;
    erwarteVerweigert("Max. 4  terminali remoti!", kReiterBedien);

    projekt(1);
    p.z.AnzBE = 1;
    p.z.AnzBE2 = 2;
    erwarteVerweigert("Più alimentazioni che terminali remoti", kReiterBedien);
}

TEST_F(ZusaetzeWeiterTest, FewerSuppliedTerminalsAndTeleserviceWithoutYAAreQuestionsTheUserCanOverride) {
    projekt(4);
    p.z.AnzBE = 2;
    p.z.AnzBE2 = 1;
    EXPECT_FALSE(weiter());  // No
    EXPECT_EQ(ms.texte().back(), "Meno alimentazioni che terminali remoti!\nCorretto?");
    EXPECT_EQ(ms.protokoll.back().symbol, Symbol::Frage);
    EXPECT_EQ(reiter, kReiterBedien);
    ms.antworten = {Antwort::Ja};
    EXPECT_TRUE(weiter());

    projekt(2);
    p.z.Tele = 0;  // never answered counts as chosen
    EXPECT_FALSE(weiter());
    EXPECT_EQ(ms.texte().back(), "Teleservizio senza YA 2000?\nCorretto?");
    EXPECT_EQ(reiter, kReiterYaTele);
    ms.antworten = {Antwort::Ja};
    EXPECT_TRUE(weiter());
    p.z.YAwahl = 2;
    ms = ScriptedMessages{};
    EXPECT_TRUE(weiter());
    EXPECT_TRUE(ms.protokoll.empty());

    projekt(6);  // the TL 300 is not asked
    p.z.Tele = 2;
    EXPECT_TRUE(weiter());
}

TEST_F(ZusaetzeWeiterTest, RelayContactLimits) {
    projekt(4);
    p.z.MRVNnorm = 2;
    p.z.MRVNinv = 1;
    erwarteVerweigert("Max. 2 relé accoppiatori MRV-N!", kReiterTableau);

    projekt(3);
    p.z.VRXnorm = 12;
    p.z.VRXinv = 1;
    erwarteVerweigert("Max. 12 Relé VRX!", kReiterTableau);

    projekt(2);
    p.z.KPLnorm = 24;
    p.z.KPLinv = 1;
    erwarteVerweigert("Max. 24 Relé KPL!", kReiterTableau);

    projekt(4);
    p.z.KPLnorm = 8;   // 2 plugs
    p.z.VRXnorm = 10;  // 5 plugs
    erwarteVerweigert("Max. 6 Spine KPL + VRX!", kReiterTableau);

    projekt(5);  // the RW 500 takes 18 VRX contacts in all
    p.z.VRXnorm = 4;
    EXPECT_TRUE(weiter());
    p.z.VRXnorm = 19;
    erwarteVerweigert("Max. 18 Relé VRX!", kReiterTableau);
}

TEST_F(ZusaetzeWeiterTest, MimicPanelPointsAndTheirCurrent) {
    projekt(4);
    p.z.TabloNorm = 20;
    p.z.TabloInv = 5;
    p.z.ZusStrom = 10;
    erwarteVerweigert("Max. 24 Punti C!", kReiterTableau);

    projekt(5);
    p.z.ZusStrom = 101;
    erwarteVerweigert("Indicaz. di corrente per punto C non plausibile!", kReiterTableau);

    projekt(1);
    p.z.TabloNorm = 3;
    erwarteVerweigert("I punti del pannello sinottico richiedono dati di corrente!", kReiterTableau);

    // 8 KPL + 4 VRX + 13 C points = 25 places of 24.
    projekt(3);
    p.z.KPLnorm = 8;
    p.z.VRXnorm = 4;
    p.z.TabloNorm = 13;
    p.z.ZusStrom = 20;
    erwarteVerweigert("Max. 24 Punti C e spine relé!", kReiterTableau);
    p.z.TabloNorm = 12;
    EXPECT_TRUE(weiter());
}

TEST_F(ZusaetzeWeiterTest, ATL300WithoutBE300LeadsToTheLoopEntryAndGoesOn) {
    projekt(6);
    p.z.AnzBETL = 0;
    ms.fensterSkript[Fenster::KBNEIN] = [&] { p.z.AnzBETL = 1; return true; };
    EXPECT_TRUE(weiter());  // No: the loop entry, then the remaining checks
    EXPECT_EQ(ms.texte(), std::vector<std::string>{"TL 300 senza BE 300 KBN! É sicuro?"});
    EXPECT_EQ(ms.fenster(), std::vector<Fenster>{Fenster::KBNEIN});

    projekt(6);
    p.z.AnzBETL = 0;
    p.z.TabloNorm = 3;
    p.z.ZusStrom = 50;
    EXPECT_FALSE(weiter());  // after the loop entry a later check still refuses
    EXPECT_EQ(ms.texte().back(), "Max. 2 Punti C!");

    projekt(6);
    p.z.AnzBETL = 0;
    ms.antworten = {Antwort::Ja};
    EXPECT_TRUE(weiter());
    EXPECT_TRUE(ms.fenster().empty());
}

TEST_F(ZusaetzeWeiterTest, ANetworkedFirePanelIsAskedForTheRedundancyCouplerOnce) {
    projekt(4);
    p.z.OLNJa = 1;
    p.z.OLN1a = p.z.OLN2a = 1;
    EXPECT_TRUE(weiter());
    EXPECT_EQ(ms.texte(), std::vector<std::string>{Text(526)});
    EXPECT_EQ(ms.fenster(), std::vector<Fenster>{Fenster::KBNEIN});  // No: add it in the loop entry
    EXPECT_EQ(p.z.PQBFrageGestellt, 1);

    ms = ScriptedMessages{};
    EXPECT_TRUE(weiter());
    EXPECT_TRUE(ms.protokoll.empty());

    projekt(3);  // intrusion panels are not asked
    p.z.OLNJa = 1;
    EXPECT_TRUE(weiter());
    EXPECT_TRUE(ms.protokoll.empty());
}

TEST_F(ZusaetzeWeiterTest, SoundersAskForPQSCouplers) {
    // Couplers entered: a No to 531 sends to the loop entry, once.
    projekt(5);
    p.z.Menge[370] = 2;
    p.z.AnzPQS = 1;
    EXPECT_TRUE(weiter());
    EXPECT_EQ(ms.texte(), std::vector<std::string>{Text(531)});
    EXPECT_EQ(ms.fenster(), std::vector<Fenster>{Fenster::KBNEIN});
    EXPECT_EQ(p.z.PQSFrageGestellt, 1);
    ms = ScriptedMessages{};
    EXPECT_TRUE(weiter());
    EXPECT_TRUE(ms.protokoll.empty());

    // A Yes to 531 asks again next time.
    projekt(4);
    p.z.Menge[440] = 1;
    p.z.AnzPQS = 1;
    ms.antworten = {Antwort::Ja};
    EXPECT_TRUE(weiter());
    EXPECT_EQ(p.z.PQSFrageGestellt, 0);
    EXPECT_TRUE(ms.fenster().empty());

    // No coupler: Yes to 532 adds one in the loop entry.
    projekt(2);
    p.z.Menge[364] = 1;
    ms.antworten = {Antwort::Ja};
    EXPECT_TRUE(weiter());
    EXPECT_EQ(ms.texte(), std::vector<std::string>{"Per i segnalatorI non sono stati aggiunti accop. PQS!\nAggiungere?"});
    EXPECT_EQ(ms.fenster(), std::vector<Fenster>{Fenster::KBNEIN});
    EXPECT_EQ(p.z.PQSFrageGestellt, 1);

    projekt(3);  // intrusion panels use the TIR card
    p.z.Menge[364] = 1;
    EXPECT_TRUE(weiter());
    EXPECT_TRUE(ms.protokoll.empty());
}

TEST_F(ZusaetzeWeiterTest, TooManyInterfacesShowTab9AndOnTheRW500OfferOLMA10) {
    projekt(5);
    ZusaetzePresenter z(p, ms);
    z.aktivieren();
    EXPECT_FALSE(z.ansicht().bedien.olma.aktiv);  // no terminal, no OLMA 10 question
    // A terminal and a log printer, as a loaded project may have them.
    p.z.AnzBE = 1;
    p.z.AnzBE2 = 1;
    p.z.AnzDrucker = 3;
    z.reiterWaehlen(kReiterDrucker);
    EXPECT_FALSE(z.weiter());
    EXPECT_EQ(ms.texte().back(), "Max. 1 interfaccia senza scheda di espansione!");
    EXPECT_EQ(z.reiterVorn(), kReiterBedien);
    EXPECT_EQ(p.z.ZusAbbruch, 1);
    EXPECT_TRUE(z.ansicht().bedien.olma.aktiv);
    EXPECT_TRUE(z.ansicht().bedien.lblUndOder.aktiv);

    // With OLMA 10 it has three.
    z.olma(true);
    EXPECT_TRUE(z.weiter());
    EXPECT_EQ(p.z.ZusAbbruch, 0);
}

TEST_F(ZusaetzeWeiterTest, InterfaceCountsOfTheKVTPanels) {
    // A KVT 2000 without networking or encryption: four interfaces need the extension.
    projekt(4);
    p.z.AnzBE = 3;
    p.z.AnzBE2 = 3;  // count as one
    p.z.AnzDrucker = 1;
    p.z.Schnitt1 = 2;
    p.z.Schnitt2 = 3;
    EXPECT_TRUE(weiter());
    EXPECT_EQ(p.z.ZusKennz, 1);

    // Networked, the two links make six: refused.
    p.z.OLNJa = 1;
    p.z.OLN1b = p.z.OLN2c = 1;
    p.z.PQBFrageGestellt = 1;
    erwarteVerweigert("Max. 5 interfacce!", kReiterBedien);
    EXPECT_EQ(p.z.ZusKennz, 0);

    // A KVT 1000 with terminals, printer, interface 1 and teleservice: four of three.
    projekt(1);
    p.z.AnzBE = 2;
    p.z.AnzBE2 = 2;
    p.z.AnzDrucker = 1;
    p.z.Schnitt1 = 4;
    p.z.Tele = 2;
    p.z.YAwahl = 2;
    erwarteVerweigert("Max. 3 interfacce!", kReiterBedien);
}
