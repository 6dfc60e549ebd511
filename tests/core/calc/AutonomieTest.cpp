// The standby time the batteries of a calculated project give, at the edges
// of the battery rule.
#include <gtest/gtest.h>

#include "calc/Batterien.h"

using namespace tarvis;

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
