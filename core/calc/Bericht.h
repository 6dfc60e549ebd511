#pragma once
#include <string>
#include <vector>

#include "projekt/MessageService.h"
#include "projekt/Programm.h"

namespace tarvis {

// The notes and current report of the project, built anew into Hinweiszeile
// (lines 1..149) and HinweisAnz (the next free line, at most 150): delivery
// notes, warnings about the project, the current budget, the supply check,
// batteries, external loads and the power estimate; for a linked project
// (Verknuepft = 1) only the notes on the link. Limits found exceeded turn
// EPOKennz to "N"; when EPOKennz is "N" message 605 is shown.
void HinweisErstellen(Programm& p, MessageService& ms);

// What the report window does when activated: the supply limits of the panel
// (Netzgrenzwerte), then the report. Returns the rows of its grid, lines
// 1 .. HinweisAnz - 1, a "Seitenwechsel" marker shown as an empty row.
std::vector<std::string> HinweisAktivieren(Programm& p, MessageService& ms);

// The page-break marker among the report lines.
inline constexpr const char* kSeitenwechsel = "Seitenwechsel";

}  // namespace tarvis
