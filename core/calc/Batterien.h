#pragma once
#include <optional>

#include "projekt/Zustand.h"

namespace tarvis {

// The battery capacity for the standby time (BatKapazitaet; left as it was
// when UeZeit is 0), the batteries of the panel type in the material list
// (records 272, 273, 274, 278, 279), AnzBat24/40/17, AnzBatterien,
// BatAhGesamt, the charging current Ladestrom, the DXA 1000 need of
// criterion 1 (DXABedarf(1)), the 28 V checks of the TL 300 and the IMRA 10
// of the RW 500 (record 147). Limits exceeded only set EPOKennz to "N".
// Expects the current budget (Strombilanz) and Netzgrenzwerte. Throws
// calc::Laufzeitfehler when a result leaves its number type.
void Batterien(Zustand& z);

// The battery rule of the panel type for a standby time, with the current
// budget of the project: the fire panels size for the standby time and the
// delay of the mains-failure message in whole hours, then half an hour of
// alarm, times k (1.25 up to 24 h, 1.0 beyond); the others for the standby
// time alone and half an ampere-hour more. Throws calc::Laufzeitfehler
// when the capacity leaves its number type.
struct Batterieformel {
    bool brand = false;
    double k = 1.25;
    double tV = 0;        // h
    Single kapazitaet = 0;  // Ah
};
Batterieformel BatterieformelFuer(const Zustand& z, int ueZeit);

// The batteries of a panel type for a capacity, and the DXA 1000 units
// their housing needs (criterion 1).
struct Batteriewahl {
    Integer bat24 = 0;  // 12 V/24 Ah
    Integer bat40 = 0;  // 12 V/40 Ah
    Integer bat17 = 0;  // 12 V/17 Ah (TL 300)
    Integer dxa = 0;
};
Batteriewahl BatterienWaehlen(int zentralenTyp, double kapazitaet);

// The capacity of a choice of batteries, Ah.
Long AhGesamt(const Batteriewahl& w);

// The standby time the batteries of the project give: the largest whole
// number of hours from 0 to 9999 for which the battery rule, everything
// else as calculated, needs at most BatAhGesamt. 0 when not even the alarm
// time is covered; nothing when there are no batteries or no quiescent
// current.
std::optional<int> Autonomie(const Zustand& z);

}  // namespace tarvis
