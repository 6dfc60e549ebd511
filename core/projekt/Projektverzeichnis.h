#pragma once
#include "projekt/MessageService.h"
#include "projekt/Programm.h"

namespace tarvis {

// The project directory command: creates a directory one level below the
// program directory and makes it the project directory.
void ProjektverzeichnisErstellen(Programm& p, MessageService& ms);

}  // namespace tarvis
