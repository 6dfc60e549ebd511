#include "loops/LoopsFenster.h"

#include "shell/Anwendung.h"

namespace tarvis::ui {

void loopsFensterRegistrieren(Anwendung& /*a*/) {}

}  // namespace tarvis::ui
