#include "calc/DXAErg.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "projekt/Format.h"
#include "projekt/Texte.h"

namespace tarvis {
namespace {

// Rounded to the nearest whole number, halves to even.
long long r(double x) { return static_cast<long long>(std::nearbyint(x)); }
long long aufrunden(double x) { return static_cast<long long>(std::ceil(x)); }

template <typename T> T begrenzt(long long v) {
    return static_cast<T>(std::clamp<long long>(v, std::numeric_limits<T>::min(), std::numeric_limits<T>::max()));
}

// A current at 24, 28 or 35 V counted at 12 V (9.66 V is the converter's
// effective input voltage).
double in12(double strom, double volt) { return strom * volt / 9.66; }

}  // namespace

DXAErgAnsicht DXAErgAktivieren(Zustand& z) {
    const bool brand = z.Alarmart == "B";
    DXAErgWerte w;
    w.r12 = r(in12(z.DXARuhe24, 24) + z.DXARuhe12 + in12(z.DXARuhe28, 28) + in12(z.DXARuhe35, 35));
    w.a12 = r(in12(z.DXAAlarm24, 24) + z.DXAAlarm12 + in12(z.DXAAlarm28, 28) + in12(z.DXAAlarm35, 35));
    w.a12s = brand ? w.a12 + w.r12 : w.a12;

    const double k = z.UeZeit > 24 ? 1.0 : 1.25;
    const double r12 = static_cast<double>(w.r12), a12 = static_cast<double>(w.a12);
    if (z.UeZeit > 0) {
        if (brand)
            w.k = aufrunden((z.UeZeit * r12 / 1000 + a12 * 0.5 / 1000 + r12 * 0.5 / 1000) * k * 1.1);
        else  // stored into a whole number: the added half rounds to even
            w.k = r(static_cast<double>(aufrunden(z.UeZeit * 1.1 * r12 / 1000)) + 0.5);
    }

    w.b40 = aufrunden(static_cast<double>(w.k) / 40);
    z.BatAhGesamt = begrenzt<Long>(40 * w.b40);
    z.Ladestrom = static_cast<Single>(static_cast<double>(z.BatAhGesamt) / 24 * 1000);

    // Converter load per voltage: the larger current for intrusion, both
    // together for fire.
    auto last = [&](Long ruhe, Long alarm) {
        return brand ? static_cast<long long>(ruhe) + alarm : std::max<long long>(ruhe, alarm);
    };
    for (long long l : {last(z.DXARuhe24, z.DXAAlarm24), last(z.DXARuhe28, z.DXAAlarm28), last(z.DXARuhe35, z.DXAAlarm35)})
        if (l > 0) w.z += aufrunden(static_cast<double>(l) / 600);
    z.ZOLWKarten = begrenzt<Integer>(aufrunden(static_cast<double>(w.z) / 2));

    const double netz = static_cast<double>(z.Ladestrom) + r12;
    long long a = std::max(0LL, aufrunden(netz / 5400));
    long long b = aufrunden(static_cast<double>(w.b40) / 2);
    w.n = std::max({a, b, static_cast<long long>(z.ZOLWKarten)});
    w.n = std::max(w.n, aufrunden(static_cast<double>(w.a12s) / 5400));
    w.n = std::max(w.n, aufrunden(netz / 5400));

    DXAErgAnsicht v;
    v.werte = w;
    v.titel = Text(427);
    v.frmSumme = Text(450);
    v.lblRuhe = Text(456);
    v.lblAlarm = Text(brand ? 447 : 446);
    v.lblKap = Text(452);
    v.lblLade = Text(453);
    v.lblRuhestrom = std::to_string(w.r12);
    // The alarm value the units are sized against: for fire the quiescent
    // current flows on during the alarm.
    v.lblAlarmstrom = std::to_string(w.a12s);
    v.lblBattkap = std::to_string(w.k);
    v.lblLadestrom = Format(static_cast<double>(z.BatAhGesamt) / 24, "##,###.0");
    v.frmBenoetigen = Text(451);
    v.lblDXA = w.n > 1 ? Text(645) : "DXA 1000";
    v.lblZOLW = Text(454);
    v.lblBatt = Text(455);
    v.lblDXAZahl = std::to_string(w.n);
    v.lblZOLWZahl = std::to_string(z.ZOLWKarten);
    v.lblBattZahl = std::to_string(w.b40);
    if (w.n > 1 && w.b40 < w.n) {
        v.lblParallel1 = Text(646);
        v.lblParallel2 = Text(647);
    }
    return v;
}

}  // namespace tarvis
