#pragma once
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "projekt/MessageService.h"
#include "projekt/Programm.h"

namespace tarvis {

// The file list of the open and link windows: the names of the files in a
// directory whose name ends in `endung` (".PLM", ".EPO") in any letter case,
// sorted. An unreadable directory lists nothing.
std::vector<std::string> DateienMitEndung(const std::filesystem::path& verzeichnis, std::string_view endung);

// Where the save, open and link windows start: the project directory, the
// program directory when none is set. A project directory that cannot be
// selected (from PERS.DAT or a clerk's file) gives message 370, and the
// window starts in the program directory instead.
std::filesystem::path DialogStartverzeichnis(const Programm& p, MessageService& ms);

}  // namespace tarvis
