#pragma once
#include <string>

#include "projekt/Zustand.h"

namespace tarvis {

// The working values of the standalone DXA 1000 result.
struct DXAErgWerte {
    long long r12 = 0, a12 = 0, a12s = 0;  // 12 V equivalents: quiescent, alarm, alarm value for the units
    long long k = 0;                       // battery capacity, Ah
    long long b40 = 0;                     // 12 V/40 Ah batteries
    long long z = 0;                       // converter channels
    long long n = 0;                       // DXA 1000 units
};

// What the window DXAErg shows.
struct DXAErgAnsicht {
    std::string titel, frmSumme, lblRuhe, lblAlarm, lblKap, lblLade;
    std::string lblRuhestrom, lblAlarmstrom, lblBattkap, lblLadestrom;
    std::string frmBenoetigen, lblDXA, lblZOLW, lblBatt, lblDXAZahl, lblZOLWZahl, lblBattZahl;
    std::string lblParallel1, lblParallel2;
    DXAErgWerte werte;
};

// The result of the standalone DXA 1000 (panel type 7) from the currents
// entered per voltage: 12 V equivalents, battery capacity, 40 Ah batteries,
// ZOLW converter cards and the number of DXA 1000 units. Writes BatAhGesamt,
// Ladestrom and ZOLWKarten, as the window does when it is activated.
DXAErgAnsicht DXAErgAktivieren(Zustand& z);

}  // namespace tarvis
