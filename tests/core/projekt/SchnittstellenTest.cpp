// The interface count check: every refusal, the interface extension flag
// and how the interfaces are counted.
#include <gtest/gtest.h>

#include "projekt/Texte.h"
#include "support/ScriptedMessages.h"
#include "projekt/Schnittstellen.h"

using namespace tarvis;
using namespace tarvis::test;

namespace {

Zustand zentrale(int typ) {
    Zustand z;
    z.ZentralenTyp = static_cast<Integer>(typ);
    z.Tele = 1;  // teleservice answered "no": no interface
    return z;
}

struct Ergebnis {
    SchnittstellenPruefung pruefung;
    std::vector<std::string> texte;
};

Ergebnis pruefen(Zustand& z) {
    ScriptedMessages ms;
    Ergebnis e{SchnittstellenPruefen(z, ms), {}};
    e.texte = ms.texte();
    for (const auto& eintrag : ms.protokoll) EXPECT_EQ(eintrag.symbol, Symbol::Ausrufezeichen);
    EXPECT_EQ(e.pruefung.abbruch, z.ZusAbbruch == 1);
    return e;
}

}  // namespace

TEST(Schnittstellen, Counting) {
    Zustand z = zentrale(2);
    EXPECT_EQ(SchnittstellenAnzahl(z), 0);
    z.AnzBE = 3;  // the KVT 2000/1 counts every remote terminal
    EXPECT_EQ(SchnittstellenAnzahl(z), 3);
    for (int typ : {1, 3, 4}) {
        z.ZentralenTyp = static_cast<Integer>(typ);
        EXPECT_EQ(SchnittstellenAnzahl(z), 1) << typ;  // one bus for all terminals
    }
    z.AnzDrucker = 2;
    z.Schnitt1 = 2;
    z.Schnitt2 = 3;
    EXPECT_EQ(SchnittstellenAnzahl(z), 4);
    z.Schnitt2 = 1;  // "none"
    EXPECT_EQ(SchnittstellenAnzahl(z), 3);
    z.OLN1b = 1;
    z.OLN2c = 1;
    EXPECT_EQ(SchnittstellenAnzahl(z), 5);
    z.Tele = 0;  // never answered: counts like "yes"
    EXPECT_EQ(SchnittstellenAnzahl(z), 6);
    z.Tele = 2;
    EXPECT_EQ(SchnittstellenAnzahl(z), 6);
}

TEST(Schnittstellen, RW500WithoutOLMA10TakesOneInterface) {
    Zustand z = zentrale(5);
    z.AnzBE = 1;
    auto e = pruefen(z);
    EXPECT_FALSE(e.pruefung.abbruch);
    EXPECT_FALSE(e.pruefung.olmaFrageFreigeben);

    z.AnzDrucker = 1;  // one remote terminal and a log printer
    e = pruefen(z);
    EXPECT_TRUE(e.pruefung.abbruch);
    EXPECT_EQ(z.ZusAbbruch, 1);
    EXPECT_TRUE(e.pruefung.olmaFrageFreigeben);
    EXPECT_EQ(e.texte, std::vector<std::string>{Text(211)});
    EXPECT_EQ(Text(211), "Max. 1 interfaccia senza scheda di espansione!");
}

TEST(Schnittstellen, RW500WithOLMA10TakesThree) {
    Zustand z = zentrale(5);
    z.OLMAwahl = 1;
    z.AnzBE = 2;
    z.AnzDrucker = 1;
    auto e = pruefen(z);
    EXPECT_FALSE(e.pruefung.abbruch);
    EXPECT_EQ(e.pruefung.anzahl, 3);

    z.Tele = 2;
    e = pruefen(z);
    EXPECT_TRUE(e.pruefung.abbruch);
    EXPECT_FALSE(e.pruefung.olmaFrageFreigeben);
    EXPECT_EQ(e.texte, std::vector<std::string>{Text(209)});
}

TEST(Schnittstellen, KVT1000TakesThree) {
    Zustand z = zentrale(1);
    z.AnzBE = 4;
    z.AnzDrucker = 1;
    z.Schnitt1 = 2;
    auto e = pruefen(z);
    EXPECT_FALSE(e.pruefung.abbruch);
    EXPECT_EQ(e.pruefung.anzahl, 3);

    z.Tele = 0;  // remote terminals, printer, interface 1 and teleservice
    e = pruefen(z);
    EXPECT_TRUE(e.pruefung.abbruch);
    EXPECT_EQ(e.texte, std::vector<std::string>{Text(209)});
    EXPECT_EQ(z.ZusKennz, 0);
}

TEST(Schnittstellen, KVT2000WithoutNetworkingNeedsTheExtensionFromFour) {
    for (int typ : {2, 3, 4}) {
        Zustand z = zentrale(typ);
        z.AnzBE = 1;
        z.AnzDrucker = 1;
        z.Schnitt1 = 2;
        auto e = pruefen(z);
        EXPECT_FALSE(e.pruefung.abbruch);
        EXPECT_EQ(z.ZusKennz, 0) << typ;

        z.Schnitt2 = 3;
        e = pruefen(z);
        EXPECT_FALSE(e.pruefung.abbruch);
        EXPECT_TRUE(e.texte.empty());
        EXPECT_EQ(z.ZusKennz, 1) << typ;

        // Many interfaces without networking or encryption have no limit.
        z.AnzBE = 4;
        z.Tele = 2;
        e = pruefen(z);
        EXPECT_FALSE(e.pruefung.abbruch);
        EXPECT_EQ(z.ZusKennz, 1);
    }
}

TEST(Schnittstellen, KVT2000NetworkedOrEncryptedTakesFive) {
    for (int variante = 0; variante < 3; ++variante) {
        Zustand z = zentrale(4);
        if (variante == 0) z.OLNJa = 1;
        if (variante == 1) z.RAVI1 = 1;
        if (variante == 2) z.RAVI2 = 1;
        z.OLN1a = 1;
        z.OLN2b = 1;
        z.AnzBE = 1;
        z.AnzDrucker = 1;
        z.Schnitt1 = 2;  // 5 interfaces
        auto e = pruefen(z);
        EXPECT_FALSE(e.pruefung.abbruch) << variante;
        EXPECT_EQ(z.ZusKennz, 0);

        z.Tele = 0;  // 6
        e = pruefen(z);
        EXPECT_TRUE(e.pruefung.abbruch) << variante;
        EXPECT_EQ(e.texte, std::vector<std::string>{Text(210)});
        EXPECT_EQ(z.ZusKennz, 0);
    }
}

TEST(Schnittstellen, TL300IsNotChecked) {
    Zustand z = zentrale(6);
    z.AnzBE = 9;
    z.AnzDrucker = 3;
    z.Schnitt1 = z.Schnitt2 = 2;
    z.Tele = 0;
    auto e = pruefen(z);
    EXPECT_FALSE(e.pruefung.abbruch);
    EXPECT_TRUE(e.texte.empty());
    EXPECT_EQ(z.ZusKennz, 0);
}

TEST(Schnittstellen, APassingCheckClearsAnEarlierRefusal) {
    Zustand z = zentrale(1);
    z.ZusAbbruch = 1;
    z.ZusKennz = 1;
    auto e = pruefen(z);
    EXPECT_FALSE(e.pruefung.abbruch);
    EXPECT_EQ(z.ZusAbbruch, 0);
    EXPECT_EQ(z.ZusKennz, 0);
}
