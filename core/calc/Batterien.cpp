#include "calc/Batterien.h"

#include "calc/Grenzpruefung.h"
#include "projekt/Zahlen.h"

namespace tarvis {

using calc::aufrunden;

namespace {

// KVT 1000 N: up to two 24 Ah batteries in the panel; beyond 48 Ah 40 Ah
// batteries, which need a DXA 1000 housing.
Batteriewahl kvt1000(double kap) {
    Batteriewahl w;
    w.bat24 = 1;
    if (kap > 24 && kap <= 48) {
        w.bat24 = 2;
    } else if (kap > 48 && kap <= 64) {
        w.bat24 = 1; w.bat40 = 1; w.dxa = 1;
    } else if (kap > 64 && kap <= 88) {
        w.bat24 = 2; w.bat40 = 1; w.dxa = 1;
    } else if (kap > 88 && kap <= 104) {
        w.bat24 = 1; w.bat40 = 2; w.dxa = 1;
    } else if (kap > 104 && kap <= 128) {
        w.bat24 = 2; w.bat40 = 2; w.dxa = 1;
    } else if (kap > 128) {
        w.bat24 = 2;
        w.bat40 = aufrunden((kap - 48) / 40);
        w.dxa = aufrunden(w.bat40 / 2.0);
    }
    return w;
}

// 40 Ah batteries; the panel houses two (80 Ah), a DXA 1000 two more each.
Batteriewahl batterien40(double kap) {
    Batteriewahl w;
    if (kap > 80) w.dxa = 1;
    w.bat40 = aufrunden(kap / 40);
    if (kap > 160) w.dxa = aufrunden((w.bat40 - 2) / 2.0);
    return w;
}

// Whether the rule needs at most `ah` for a standby time; a capacity beyond
// the number type is more than any batteries hold.
bool reicht(const Zustand& z, int t, double ah) {
    try {
        return BatterieformelFuer(z, t).kapazitaet <= ah;
    } catch (const calc::Laufzeitfehler&) {
        return false;
    }
}

// The largest t in [von, bis] that the batteries hold, where the capacity
// grows with t; nothing when not even `von` is held.
std::optional<int> groesstesT(const Zustand& z, int von, int bis, double ah) {
    if (!reicht(z, von, ah)) return std::nullopt;
    while (von < bis) {
        const int mitte = von + (bis - von + 1) / 2;
        if (reicht(z, mitte, ah)) von = mitte;
        else bis = mitte - 1;
    }
    return von;
}

}  // namespace

Batterieformel BatterieformelFuer(const Zustand& z, int ueZeit) {
    Batterieformel f;
    f.brand = istBrandzentrale(z.ZentralenTyp);
    f.k = ueZeit > 24 ? 1.0 : 1.25;
    f.tV = z.Verzwahl > 0 ? calc::rGerade(z.Verzwahl / 60.0) : 0.0;
    const double ruhe = z.IRuhe, alarm = z.IAlarm;
    if (f.brand) {
        f.kapazitaet = aufrunden(((ueZeit + f.tV) * ruhe / 1000 + alarm * 0.5 / 1000 + ruhe * 0.5 / 1000) * f.k);
    } else {
        f.kapazitaet = static_cast<Single>(aufrunden(ueZeit * ruhe / 1000) + 0.5);
    }
    return f;
}

Batteriewahl BatterienWaehlen(int typ, double kap) {
    if (istKVT1000(typ)) return kvt1000(kap);
    if (istKVT2000(typ) || istRW500(typ)) return batterien40(kap);
    Batteriewahl w;
    // TL 300: 17 Ah batteries.
    if (istTL300(typ)) w.bat17 = aufrunden(kap / 17);
    return w;
}

Long AhGesamt(const Batteriewahl& w) { return calc::alsLong(40.0 * w.bat40 + 24.0 * w.bat24 + 17.0 * w.bat17); }

std::optional<int> Autonomie(const Zustand& z) {
    if (z.BatAhGesamt <= 0 || !(z.IRuhe > 0)) return std::nullopt;
    const double ah = z.BatAhGesamt;
    // k drops at 24 h, so that a longer time can need less than a shorter
    // one: the capacity grows with the time on each side of it.
    if (auto lang = groesstesT(z, 25, 9999, ah)) return lang;
    return groesstesT(z, 0, 24, ah).value_or(0);
}

void Batterien(Zustand& z) {
    const int typ = z.ZentralenTyp;
    if (z.UeZeit > 0) z.BatKapazitaet = BatterieformelFuer(z, z.UeZeit).kapazitaet;

    const double kap = z.BatKapazitaet;
    const Batteriewahl w = BatterienWaehlen(typ, kap);
    SatzArray<Integer>& m = z.Menge;
    if (istKVT1000(typ)) {
        m[272] = w.bat24;
        m[273] = w.bat40;
    }
    if (istKVT2000(typ)) m[278] = w.bat40;
    if (istRW500(typ)) m[279] = w.bat40;
    if (istTL300(typ)) {
        m[274] = w.bat17;
        if (!TL300Batterien(z, w.bat17).eingehalten) z.EPOKennz = "N";
    }
    z.DXABedarf[1] = w.dxa;

    z.AnzBat24 = m[272];
    z.AnzBat40 = calc::alsInteger(static_cast<double>(m[278]) + m[273] + m[279]);
    z.AnzBat17 = m[274];
    z.AnzBatterien = calc::alsInteger(static_cast<double>(z.AnzBat24) + z.AnzBat40 + z.AnzBat17);
    z.BatAhGesamt = AhGesamt({.bat24 = z.AnzBat24, .bat40 = z.AnzBat40, .bat17 = z.AnzBat17});
    z.Ladestrom = calc::alsSingle(z.BatAhGesamt / 24.0 * 1000);

    // The 28 V total against the TL 300's transformer (and the PSM 300 KBN
    // in parallel); the RW 500 takes its 28 V from the IMRA 10.
    const double t28 = static_cast<double>(z.I28) + z.Ext28Ruhe + z.Ext28Alarm + z.I28Alarm;
    if (istRW500(typ) && t28 > 0) z.Menge[147] = 1;
    // The flag tells about this run only (the report reads it).
    z.Trafo28Ueber = 0;
    if (istTL300(typ)) {
        if (t28 > z.Trafo28Max) z.Trafo28Ueber = 1;
        if (!TL300Trafo28(z).eingehalten) z.EPOKennz = "N";
    }
}

}  // namespace tarvis
