#pragma once
#include <filesystem>
#include <ostream>

namespace tarvis::cli {

struct CheckOptionen {
    std::filesystem::path verzeichnis;
    std::filesystem::path programmVerzeichnis;
    bool json = false;
    bool rekursiv = false;
    int jobs = 0;  // 0: every processor of the machine
};

// `tarvis-cli check`: every project file (*.PLM) of a folder opened,
// recounted and calculated as `calc` does, with the report after it; one
// row per project, in the order of the file names: panel, the binding limits
// kept or those exceeded, messages, batteries, supply units and the standby
// time the batteries give. An unreadable file is a row with its error; the
// others go on. The projects are shared out among `jobs` threads. Exit
// status 2 when a file could not be read, else 1 when a project exceeds a
// limit or its calculation stopped, else 0.
int check(const CheckOptionen& o, std::ostream& aus, std::ostream& fehler);

}  // namespace tarvis::cli
