#include "wizard/WizardFenster.h"

#include "shell/Anwendung.h"

namespace tarvis::ui {

void wizardFensterRegistrieren(Anwendung& /*a*/) {}

}  // namespace tarvis::ui
