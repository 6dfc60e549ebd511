#include "calc/Batterien.h"

#include "projekt/Zahlen.h"

namespace tarvis {

using calc::aufrunden;

namespace {

// KVT 1000 N: up to two 24 Ah batteries in the panel; beyond 48 Ah 40 Ah
// batteries, which need a DXA 1000 housing.
void kvt1000(Zustand& z, double kap) {
    SatzArray<Integer>& m = z.Menge;
    m[272] = 1;
    if (kap > 24 && kap <= 48) {
        m[272] = 2;
    } else if (kap > 48 && kap <= 64) {
        m[272] = 1; m[273] = 1; z.DXABedarf[1] = 1;
    } else if (kap > 64 && kap <= 88) {
        m[272] = 2; m[273] = 1; z.DXABedarf[1] = 1;
    } else if (kap > 88 && kap <= 104) {
        m[272] = 1; m[273] = 2; z.DXABedarf[1] = 1;
    } else if (kap > 104 && kap <= 128) {
        m[272] = 2; m[273] = 2; z.DXABedarf[1] = 1;
    } else if (kap > 128) {
        m[272] = 2;
        m[273] = aufrunden((kap - 48) / 40);
        z.DXABedarf[1] = aufrunden(m[273] / 2.0);
    }
}

// 40 Ah batteries; the panel houses two (80 Ah), a DXA 1000 two more each.
void batterien40(Zustand& z, double kap, int satz) {
    if (kap > 80) z.DXABedarf[1] = 1;
    z.Menge[satz] = aufrunden(kap / 40);
    if (kap > 160) z.DXABedarf[1] = aufrunden((z.Menge[satz] - 2) / 2.0);
}

// TL 300: 17 Ah batteries; two fit the panel, four with a PSM 300 KBN in parallel.
void tl300(Zustand& z, double kap) {
    const Integer anzahl = aufrunden(kap / 17);
    z.Menge[274] = anzahl;
    if (anzahl > 2 && z.AnzPSM == 0) z.EPOKennz = "N";
    if (anzahl > 2 && z.AnzPSM >= 1 && z.PSMParallel < 2) z.EPOKennz = "N";
    if (anzahl > 4) z.EPOKennz = "N";
}

}  // namespace

void Batterien(Zustand& z) {
    const int typ = z.ZentralenTyp;
    const double k = z.UeZeit > 24 ? 1.0 : 1.25;
    const double tV = z.Verzwahl > 0 ? calc::rGerade(z.Verzwahl / 60.0) : 0.0;

    if (z.UeZeit > 0) {
        const double ruhe = z.IRuhe, alarm = z.IAlarm;
        if (istBrandzentrale(typ)) {
            z.BatKapazitaet = aufrunden(((z.UeZeit + tV) * ruhe / 1000 + alarm * 0.5 / 1000 + ruhe * 0.5 / 1000) * k);
        } else {
            z.BatKapazitaet = static_cast<Single>(aufrunden(z.UeZeit * ruhe / 1000) + 0.5);
        }
    }

    const double kap = z.BatKapazitaet;
    if (istKVT1000(typ)) kvt1000(z, kap);
    if (istKVT2000(typ)) batterien40(z, kap, 278);
    if (istRW500(typ)) batterien40(z, kap, 279);
    if (istTL300(typ)) tl300(z, kap);

    const SatzArray<Integer>& m = z.Menge;
    z.AnzBat24 = m[272];
    z.AnzBat40 = calc::alsInteger(static_cast<double>(m[278]) + m[273] + m[279]);
    z.AnzBat17 = m[274];
    z.AnzBatterien = calc::alsInteger(static_cast<double>(z.AnzBat24) + z.AnzBat40 + z.AnzBat17);
    z.BatAhGesamt = calc::alsLong(40.0 * z.AnzBat40 + 24.0 * z.AnzBat24 + 17.0 * z.AnzBat17);
    z.Ladestrom = calc::alsSingle(z.BatAhGesamt / 24.0 * 1000);

    // The 28 V total against the TL 300's transformer (and the PSM 300 KBN
    // in parallel); the RW 500 takes its 28 V from the IMRA 10.
    const double t28 = static_cast<double>(z.I28) + z.Ext28Ruhe + z.Ext28Alarm + z.I28Alarm;
    if (istRW500(typ) && t28 > 0) z.Menge[147] = 1;
    // The flag tells about this run only (the report reads it).
    z.Trafo28Ueber = 0;
    if (istTL300(typ)) {
        if (t28 > z.Trafo28Max) z.Trafo28Ueber = 1;
        if (t28 > z.Trafo28Max && !(z.PSMParallel >= 2 && z.AnzPSM != 0)) z.EPOKennz = "N";
        if (static_cast<double>(z.Trafo28Zus) + z.Trafo28Max < t28) z.EPOKennz = "N";
    }
}

}  // namespace tarvis
