#pragma once
#include "calc/Stromprotokoll.h"
#include "projekt/Programm.h"

namespace tarvis {

// The current budget of the project from the material list as the rules
// left it: quiescent and alarm currents in 12 V equivalents (IRuhe with the
// 10 % reserve, IAlarm), the loop current IKBN35, the 28 V currents I28,
// I28Ruhe, I28AlarmBasis, I28Alarm, the 12 V current of panel-fed loop
// modules INetz12 and the external-load totals Ext12Ruhe .. Ext28Alarm;
// clears DXABedarf. When the peripherals and external loads overload the
// panel's own outputs, the fuse distributor (record 225 or 231) is listed.
// Expects the sums at 0 (Auswerten clears them). Throws calc::Laufzeitfehler
// when a result leaves its number type. With a protocol, every term that
// goes into the sums is kept there as well.
void Strombilanz(Programm& p, Stromprotokoll* protokoll = nullptr);

}  // namespace tarvis
