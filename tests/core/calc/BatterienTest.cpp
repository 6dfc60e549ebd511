// Battery capacity, the batteries per panel type and the TL 300 limits.
#include <gtest/gtest.h>

#include "support/Programme.h"
#include "calc/Batterien.h"

using namespace tarvis;
using namespace tarvis::test;

namespace {

// A project whose capacity is given: with no standby time the calculation
// keeps the capacity and recounts the batteries from it.
Programm mitKapazitaet(int typ, float kap) {
    Programm p = musterProgramm();
    zentrale(p.z, typ);
    p.z.AnzMG = 10;
    p.z.UeZeit = 0;
    p.z.BatKapazitaet = kap;
    EXPECT_EQ(rechnen(p), AuswertenHalt::Keiner);
    EXPECT_FLOAT_EQ(p.z.BatKapazitaet, kap);
    return p;
}

// A fire panel drawing 500 mA quiescent (550 with the reserve) and 200 mA
// excess alarm current.
Programm brandzentrale(int ueZeit, int verzwahl) {
    Programm p = leeresProgramm();
    p.katalog.setzen(122, artikel("KVT 2000/1 Brand D", 500, 200, 700));
    zentrale(p.z, 2);
    p.z.UeZeit = static_cast<Integer>(ueZeit);
    p.z.Verzwahl = static_cast<Integer>(verzwahl);
    EXPECT_EQ(rechnen(p), AuswertenHalt::Keiner);
    EXPECT_FLOAT_EQ(p.z.IRuhe, 550);
    return p;
}

}  // namespace

// The KVT 1000 N takes 24 Ah batteries (272) and beyond 48 Ah 40 Ah ones (273);
// the others 40 Ah batteries (278, the RW 500 279), two in the panel, two
// more in each DXA 1000.
TEST(Batterien, BatteriesAndDXA1000HousingsForACapacity) {
    struct Fall { int typ; float kap; int b24, satz40, b40, dxa; };
    for (Fall f : {Fall{1, 0.5f, 1, 273, 0, 0}, Fall{1, 24, 1, 273, 0, 0}, Fall{1, 24.5f, 2, 273, 0, 0},
                   Fall{1, 48.5f, 1, 273, 1, 1}, Fall{1, 64.5f, 2, 273, 1, 1}, Fall{1, 88.5f, 1, 273, 2, 1},
                   Fall{1, 104.5f, 2, 273, 2, 1}, Fall{1, 128.5f, 2, 273, 3, 2}, Fall{1, 208.5f, 2, 273, 5, 3},
                   Fall{3, 80, 0, 278, 2, 0}, Fall{3, 81, 0, 278, 3, 1}, Fall{2, 160, 0, 278, 4, 1},
                   Fall{4, 161, 0, 278, 5, 2}, Fall{5, 40, 0, 279, 1, 0}, Fall{5, 240, 0, 279, 6, 2},
                   Fall{3, 0, 0, 278, 0, 0}}) {
        SCOPED_TRACE(testing::Message() << f.typ << " " << f.kap);
        Programm p = mitKapazitaet(f.typ, f.kap);
        EXPECT_EQ(m(p, 272), f.b24);
        EXPECT_EQ(m(p, f.satz40), f.b40);
        EXPECT_EQ(p.z.DXABedarf[1], f.dxa);
        EXPECT_EQ(p.z.AnzBatterien, f.b24 + f.b40);
        EXPECT_EQ(p.z.BatAhGesamt, 24 * f.b24 + 40 * f.b40);
        EXPECT_FLOAT_EQ(p.z.Ladestrom, static_cast<float>((24 * f.b24 + 40 * f.b40) / 24.0 * 1000));
    }
}

TEST(Batterien, FirePanelsUseFactor1Point25UpTo24Hours) {
    // ((t x 550 + 0.5 x 200 + 0.5 x 550) / 1000) x k, rounded up.
    EXPECT_FLOAT_EQ(brandzentrale(24, 0).z.BatKapazitaet, 17);  // 13.575 x 1.25 = 16.97
    EXPECT_FLOAT_EQ(brandzentrale(25, 0).z.BatKapazitaet, 15);  // 14.125 x 1.0
    EXPECT_FLOAT_EQ(brandzentrale(30, 0).z.BatKapazitaet, 17);  // 16.875 x 1.0 (22 with 1.25)
    // The mains-failure delay adds whole hours, halves to even (Autonomie has 0.5 and 2.5 h).
    EXPECT_FLOAT_EQ(brandzentrale(24, 90).z.BatKapazitaet, 19);   // 1.5 h -> 2: 14.675 x 1.25
    EXPECT_FLOAT_EQ(brandzentrale(24, 210).z.BatKapazitaet, 20);  // 3.5 h -> 4: 15.775 x 1.25
}

// The TL 300 takes two 17 Ah batteries (274), four with a PSM 300 KBN in
// parallel. The projects run one after the other, so that a flag left from
// the run before shows.
TEST(Batterien, TL300BatteriesAgainstItsMainsUnitAndTransformer) {
    struct Fall { const char* was; int kap, ext12, ruhe28, psm, parallel, anzahl, ueber; const char* kennz; int trafo; };
    const Fall faelle[] = {
        {"34 Ah", 34, 0, 0, 0, 0, 2, 0, "J", 0},
        {"35 Ah", 35, 0, 0, 0, 0, 3, 0, "N", 0},
        {"35 Ah, PSM 300 in parallel", 35, 0, 0, 1, 2, 3, 0, "J", 0},
        {"35 Ah, PSM 300 not in parallel", 35, 0, 0, 1, 1, 3, 0, "N", 0},
        {"68 Ah in parallel", 68, 0, 0, 1, 2, 4, 0, "J", 0},
        {"69 Ah in parallel", 69, 0, 0, 1, 2, 5, 0, "N", 0},
        // 180 mA of the panel and 1000 external, x 1.1, with 1416.7 mA charging 2 batteries: 2714.7 mA.
        {"charging above 2400", 34, 1000, 0, 1, 1, 2, 0, "N", 0},
        {"PSM 300 KBN in parallel: 4700", 34, 1000, 0, 1, 2, 2, 0, "J", 0},
        {"700 mA at 28 V", 0, 0, 700, 0, 0, 0, 1, "N", 1},
        {"600 mA: the transformer's", 0, 0, 600, 0, 0, 0, 0, "J", 1},  // any 28 V load needs it
        {"with the PSM 300 KBN in parallel 600 + 500", 0, 0, 1100, 1, 2, 0, 1, "J", 1},
        {"1101 mA", 0, 0, 1101, 1, 2, 0, 1, "N", 1},
        {"nothing at 28 V", 0, 0, 0, 0, 0, 0, 0, "J", 0},
    };
    Programm p = musterProgramm();  // TL 300: 180 mA quiescent
    zentrale(p.z, 6);
    p.z.Ext12Menge[0] = p.z.Ext28Menge[0] = 1;
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        p.z.Ext12RuheI[0] = p.z.Ext12AlarmI[0] = f.ext12;
        p.z.BatKapazitaet = static_cast<float>(f.kap);
        p.z.Ext28RuheI[0] = f.ruhe28;
        p.z.AnzPSM = static_cast<Integer>(f.psm);
        p.z.PSMParallel = static_cast<Byte>(f.parallel);
        ASSERT_EQ(rechnen(p), AuswertenHalt::Keiner);
        EXPECT_EQ(m(p, 274), f.anzahl);
        EXPECT_EQ(p.z.BatAhGesamt, 17 * f.anzahl);
        EXPECT_EQ(p.z.Trafo28Ueber, f.ueber);
        EXPECT_EQ(p.z.EPOKennz, f.kennz);
        EXPECT_EQ(m(p, 150), f.trafo);
    }
}

// The standby time the batteries of a calculated project give, at the edges
// of the battery rule.
TEST(Autonomie, EdgesOfTheBatteryRule) {
    struct Fall {
        const char* was;
        int typ;
        float ruhe, alarm;
        int verzwahl;
        long ah;
        std::optional<int> stunden;
    };
    const Fall faelle[] = {
        // Fire rule, k = 1.0 beyond 24 h: (t + 0.5) x 1 A fits 31 Ah up to 30 h.
        {"fire, 31 Ah", 2, 1000, 0, 0, 31, 30},
        // 26 Ah hold 25 h at k = 1.0, but 25 Ah hold no time beyond 24 h:
        // at k = 1.25 they hold 19 h.
        {"fire, 26 Ah", 4, 1000, 0, 0, 26, 25},
        {"fire, 25 Ah", 5, 1000, 0, 0, 25, 19},
        // The mains-failure delay in whole hours: 90 min are 2 h, 30 min 0 h
        // (halves to even).
        {"delay 90 min", 2, 1000, 0, 90, 31, 28},
        {"delay 30 min", 2, 1000, 0, 30, 31, 30},
        // The alarm half hour counts; not even it covered gives 0.
        {"fire alarm", 2, 1000, 4000, 0, 31, 28},
        {"alarm beyond the batteries", 2, 1000, 100000, 0, 24, 0},
        // Intrusion rule: [t x 1 A] + 0.5 Ah, no k, no delay, no alarm time.
        {"intrusion, 24 Ah", 1, 1000, 5000, 90, 24, 23},
        {"intrusion, a trickle", 3, 0.01f, 0, 0, 24, 9999},
        // A capacity beyond the rule's number type is not held.
        {"beyond the number type", 3, 100000, 0, 0, 40000, 327},
        {"no batteries", 2, 1000, 0, 0, 0, std::nullopt},
        {"no quiescent current", 1, 0, 500, 0, 24, std::nullopt},
    };
    for (const Fall& f : faelle) {
        Zustand z;
        z.ZentralenTyp = static_cast<Integer>(f.typ);
        z.IRuhe = f.ruhe;
        z.IAlarm = f.alarm;
        z.Verzwahl = static_cast<Integer>(f.verzwahl);
        z.BatAhGesamt = static_cast<Long>(f.ah);
        EXPECT_EQ(Autonomie(z), f.stunden) << f.was;
    }
}
