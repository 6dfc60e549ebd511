#pragma once
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

}  // namespace tarvis
