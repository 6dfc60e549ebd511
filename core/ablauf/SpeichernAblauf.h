#pragma once
#include <functional>

#include "calc/SpeiRep.h"
#include "projekt/MessageService.h"
#include "projekt/Programm.h"

namespace tarvis {

// The Save command (File Save, the save picture, Save as confirmed, the Yes
// of the exit question):
// 1. without a code mode for the project the code-mode window first; a
//    project calculated in another code mode is refused with message 178;
// 2. a project without a file goes to the save-as window instead;
// 3. an existing file is replaced only after question 55 (No: the save-as
//    window again);
// 4. the project file; then the parameter file when ParaSpeichern = 1, in
//    LIBEX mode the hand-over file (its options window first when not yet
//    confirmed), the save report, and Bearbeitet = 0.
// A project file that cannot be written is reported and nothing else
// happens.
// True, and SpeichAbbruch = 0, only when the project file was written (by
// this save or by the save of the save-as window it opened); every refusal
// leaves SpeichAbbruch = 1, which keeps the program open when the save came
// from the exit question (and an open from going on).
// `startseiteLoeschen` clears the main window's start screen.
bool Speichern(Programm& p, MessageService& ms, const std::function<void()>& startseiteLoeschen = {});

// The save report of the last save. It names the parameter file only when
// this save wrote one (an incomplete project is refused with message 475).
SpeiRepAnsicht SpeiRepNachSpeichern(const Zustand& z);

}  // namespace tarvis
