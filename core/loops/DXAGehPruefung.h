#pragma once
#include "projekt/MessageService.h"
#include "projekt/Zustand.h"

namespace tarvis {

// The supply proposal window DXAGeh, without its widgets.

// On show: the proposal becomes the counts of the boxes. DXAVorschlag is
// first raised to ZOLWVorschlag (at least one DXA 1000 per ZOLW card), then
// AnzDXA := DXAVorschlag and AnzZOLW := ZOLWVorschlag.
void DXAGehVorschlagUebernehmen(Zustand& z);

// The forward rules for a pair of counts: 0 when accepted, else the number
// of the refusal message: 163 ZOLW cards without a DXA 1000, 164 more ZOLW
// cards than DXA 1000 units.
int DXAGehPruefen(int anzDXA, int anzZOLW);

// The forward button: checks AnzDXA and AnzZOLW; a refusal shows its
// message (exclamation icon) and returns false, the window stays open.
// Accepted: WeiterOK := 1 and true (the window closes, confirmed).
bool DXAGehWeiter(Zustand& z, MessageService& ms);

}  // namespace tarvis
