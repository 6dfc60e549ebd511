#pragma once
#include "calc/Stromprotokoll.h"
#include "projekt/MessageService.h"
#include "projekt/Programm.h"

namespace tarvis {

// Where a calculation stopped.
enum class AuswertenHalt {
    Keiner,          // ran to its end: Berechnet = 1, the result commands are enabled
    Zentralentyp,    // no panel type 1..8 chosen (message 292); nothing changed
    Schnittstellen,  // the interface count check refused (ZusAbbruch = 1)
    DXAGeh,          // the supply proposal window was left without confirming
    Laufzeitfehler,  // a value left its number type (message 394); the results so far stay
};

// The calculation of a project: the material list (records 6..319 and the
// loop elements 504..700), the current budget, batteries and supply sizing,
// EPOKennz. Opens the JUBL supply window (Fenster::JUBLSpeis) when JUBL
// controls are in the project, and the supply proposal window
// (Fenster::DXAGeh; it takes the proposal with DXAGehVorschlagUebernehmen
// and confirms through DXAGehWeiter) with WeiterOK = 0 beforehand. The
// caller shows the result window only when it returns Keiner. With a
// protocol, the terms of the current budget are kept there.
AuswertenHalt AuswertenAblauf(Programm& p, MessageService& ms, Stromprotokoll* protokoll = nullptr);

// The same; true when the calculation ran to its end.
bool Auswerten(Programm& p, MessageService& ms);

}  // namespace tarvis
