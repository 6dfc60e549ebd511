#pragma once
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

#include "BatchMessages.h"
#include "calc/Auswerten.h"
#include "projekt/Arbeitsplatz.h"
#include "projekt/Programm.h"

namespace tarvis::cli {

// The program as it stands after start-up: the catalogue and the element
// table of the program directory read, an empty project. An empty directory
// means the one the program itself would use (beside the executable, or the
// user's copy of the installed template, or the template). nullopt (and a line
// on `fehler`) when a catalogue file cannot be read.
std::optional<Programm> Programmstart(const std::filesystem::path& verzeichnis, std::ostream& fehler);

// Opens a project file as File Open does. False (and a line on `fehler`)
// when it could not be loaded.
bool ProjektOeffnenBatch(Programm& p, BatchMessages& ms, const std::filesystem::path& datei, std::ostream& fehler);

// Opens a project and calculates it; the halt of the calculation, or nullopt
// when the program files or the project could not be read. A halt other
// than Keiner is reported on `fehler` ("stopped: ...").
std::optional<AuswertenHalt> ProjektRechnen(Programm& p, BatchMessages& ms, const std::filesystem::path& datei,
                                            std::ostream& fehler);

// Date and time for printouts and files: the given texts, or now.
Zeitstempel Zeit(const std::string& datum, const std::string& zeit);

}  // namespace tarvis::cli
