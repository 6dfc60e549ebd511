// The interface count check: how the interfaces are counted, every refusal
// and the interface extension flag.
#include <gtest/gtest.h>

#include <functional>

#include "projekt/Schnittstellen.h"
#include "projekt/Texte.h"
#include "support/ScriptedMessages.h"

using namespace tarvis;
using namespace tarvis::test;

namespace {

Zustand zentrale(int typ) {
    Zustand z;
    z.ZentralenTyp = static_cast<Integer>(typ);
    z.Tele = 1;  // teleservice answered "no": no interface
    return z;
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
    z.OLN1b = z.OLN2c = 1;
    EXPECT_EQ(SchnittstellenAnzahl(z), 5);
    z.Tele = 0;  // never answered: counts like "yes"
    EXPECT_EQ(SchnittstellenAnzahl(z), 6);
}

TEST(Schnittstellen, LimitsPerPanelAndTheExtensionFlag) {
    struct Fall {
        const char* wie;
        int typ;
        std::function<void(Zustand&)> setzen;
        int meldung;  // 0: passes
        Byte kennz;
    };
    auto be = [](int terminals, int drucker, int schnitt1) {
        return [=](Zustand& z) {
            z.AnzBE = static_cast<Integer>(terminals);
            z.AnzDrucker = static_cast<Integer>(drucker);
            z.Schnitt1 = static_cast<Integer>(schnitt1);
        };
    };
    const Fall faelle[] = {
        {"RW 500, one terminal", 5, be(1, 0, 0), 0, 0},
        {"RW 500, terminal and printer without OLMA 10", 5, be(1, 1, 0), 211, 0},
        {"RW 500 with OLMA 10: three", 5, [](Zustand& z) { z.OLMAwahl = 1; z.AnzBE = 2; z.AnzDrucker = 1; }, 0, 0},
        {"RW 500 with OLMA 10: four", 5, [](Zustand& z) { z.OLMAwahl = 1; z.AnzBE = 2; z.AnzDrucker = 1; z.Tele = 2; },
         209, 0},
        {"KVT 1000: three", 1, be(4, 1, 2), 0, 0},
        {"KVT 1000: four", 1, [](Zustand& z) { z.AnzBE = 4; z.AnzDrucker = 1; z.Schnitt1 = 2; z.Tele = 0; }, 209, 0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.wie);
        Zustand z = zentrale(f.typ);
        z.ZusAbbruch = 1;  // a refusal before is cleared by a check that passes
        z.ZusKennz = 1;
        f.setzen(z);
        ScriptedMessages ms;
        const SchnittstellenPruefung e = SchnittstellenPruefen(z, ms);
        EXPECT_EQ(e.abbruch, f.meldung != 0);
        EXPECT_EQ(z.ZusAbbruch, f.meldung != 0 ? 1 : 0);
        EXPECT_EQ(ms.nummern(), f.meldung ? std::vector<int>{f.meldung} : std::vector<int>{});
        EXPECT_EQ(z.ZusKennz, f.kennz);
    }
}

TEST(Schnittstellen, AKVT2000NeedsTheExtensionFromFourAndNetworkedOrEncryptedTakesFive) {
    {
        Zustand z = zentrale(3);
        z.AnzBE = 1;
        z.AnzDrucker = 1;
        z.Schnitt1 = 2;
        ScriptedMessages ms;
        EXPECT_FALSE(SchnittstellenPruefen(z, ms).abbruch);
        EXPECT_EQ(z.ZusKennz, 0);
        z.Schnitt2 = 3;
        z.AnzBE = 4;
        z.Tele = 2;  // without networking or encryption: no limit
        EXPECT_FALSE(SchnittstellenPruefen(z, ms).abbruch);
        EXPECT_EQ(z.ZusKennz, 1);
        EXPECT_TRUE(ms.protokoll.empty());
    }
    for (bool vernetzt : {true, false}) {
        Zustand z = zentrale(4);
        if (vernetzt) z.OLNJa = 1;
        else z.RAVI2 = 1;  // or encrypted
        z.OLN1a = z.OLN2b = 1;
        z.AnzBE = z.AnzDrucker = 1;
        z.Schnitt1 = 2;  // 5 interfaces
        ScriptedMessages ms;
        EXPECT_FALSE(SchnittstellenPruefen(z, ms).abbruch) << vernetzt;
        z.Tele = 0;  // 6
        EXPECT_TRUE(SchnittstellenPruefen(z, ms).abbruch) << vernetzt;
        EXPECT_EQ(ms.nummern(), std::vector<int>{210});
        EXPECT_EQ(z.ZusKennz, 0);
    }
}
