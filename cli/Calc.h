#pragma once
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

namespace tarvis::cli {

struct CalcOptionen {
    std::filesystem::path datei;                // the project file NAME.PLM
    std::filesystem::path programmVerzeichnis;  // TARVIS.ART and ESTROMK.DAT
    bool json = false;
    std::optional<int> dxa, zolw;               // DXA 1000 units and ZOLW cards instead of the proposal
};

// `tarvis-cli calc`: opens the project as File Open does, runs the
// calculation and prints the material list and the sums (as text, or as
// one JSON object). Messages go to `fehler`, one a line with their string
// number. Writes no file. Returns the exit status: 0 calculated, 1 the
// calculation stopped, 2 the program files or the project could not be read.
int calc(const CalcOptionen& o, std::ostream& aus, std::ostream& fehler);

}  // namespace tarvis::cli
