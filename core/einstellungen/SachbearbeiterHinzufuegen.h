#pragma once
#include "projekt/MessageService.h"
#include "projekt/Programm.h"

namespace tarvis {

// Add clerk: asks for the name, optionally creates the clerk's project
// directory, writes NAME.KON, saves the settings (the workstation becomes a
// multi-user one) and shows the clerk selection. False when the user gave
// no name, so that nothing was added.
bool SachbearbeiterHinzufuegen(Programm& p, MessageService& ms);

}  // namespace tarvis
