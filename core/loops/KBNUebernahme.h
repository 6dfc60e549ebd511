#pragma once
#include "projekt/MessageService.h"
#include "projekt/Zustand.h"

namespace tarvis {

// What the loop entry's forward button hands on to the project once the
// limits are kept (its steps 3, 4 and 5); the open runs the same after
// reading a project.

// Step 3: the article quantity of each loop element 504..700 is the sum of
// its four loop quantities (stopping at the Integer range).
void KBNMengenUebernehmen(Zustand& z);

// Step 4: the module counts that the loops call for (PQS, PQB, DUV, PQK,
// PQV, relay module, HY 100, PSM 300) and the supply choices that follow
// from them. Then, unless the project was just opened (ProjektGeoeffnet = 1,
// which is cleared instead), a TL 300 with a PSM 300 asks whether the PSM
// 300 supplies the panel in parallel.
void KBNModuleAbleiten(Zustand& z, MessageService& ms);

// Step 5: the operating units of a TL 300 (BE 300 KBN with and without reader).
void KBNBedienteileZaehlen(Zustand& z);

}  // namespace tarvis
