#pragma once

namespace tarvis::ui {

class Anwendung;

// Registers the windows of this subsystem with the message service and makes
// the main-window commands they serve available.
void shellFensterRegistrieren(Anwendung& a);

}  // namespace tarvis::ui
