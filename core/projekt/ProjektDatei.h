#pragma once
#include <filesystem>
#include <string>

#include "io/Result.h"
#include "projekt/MessageService.h"
#include "projekt/Programm.h"

namespace tarvis {

// The project file NAME.PLM: the saved variables of the project in a fixed
// order of comma-separated fields (texts quoted, reserved fields as ""),
// CP1252 with CR LF line ends.

// The file's text (UTF-8; the file boundary turns it into CP1252). A double
// quote inside a text would end its field early, so every " of a text is
// written as '.
std::string ProjektText(const Zustand& z);

// The file part of Save: writes the project to `datei` through a temporary
// file beside it, which then replaces the old file; a failed write leaves the
// old file as it was and returns the error with the flags untouched. On
// success Gespeichert := 1 and EPOGeschrieben := 0 (the parameter file, the
// hand-over file, the save report and Bearbeitet := 0 are the caller's
// following steps).
io::Status ProjektSchreiben(Programm& p, const std::filesystem::path& datei);

// How an open ended.
// Only Geladen and Abgelehnt replace the project that was open before; after
// the others it is there as it was (file name, every field, Bearbeitet).
enum class LadeErgebnis {
    Geladen,      // the project is loaded (its messages shown)
    NichtLesbar,  // the file could not be opened or its first line read (message 86)
    KeinProjekt,  // not a project file of this program
    Lesefehler,   // a field could not be read (message 394)
    Abgelehnt,    // a KVT 1000 with GLT, loaded but refused with message 168 (TypFehler = 1)
};

// Opens a project: reads the file into a reset state with every check,
// conversion and message of the open, recounts the loops and enables the
// commands that need a project. The open window stays open only for
// KeinProjekt and NichtLesbar.
LadeErgebnis ProjektOeffnen(Programm& p, MessageService& ms, const std::filesystem::path& datei);

// The same on the file's text already read (UTF-8); `datei` names it.
LadeErgebnis ProjektTextOeffnen(Programm& p, MessageService& ms, const std::filesystem::path& datei,
                                std::string text);

// ProjektOeffnen for callers that only need to know whether a project was loaded.
bool ProjektLaden(Programm& p, MessageService& ms, const std::filesystem::path& datei);

}  // namespace tarvis
