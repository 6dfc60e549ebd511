#pragma once
#include <filesystem>
#include <ostream>
#include <string>

namespace tarvis::cli {

struct EvidenceOptionen {
    std::filesystem::path datei;
    std::filesystem::path programmVerzeichnis;
    bool json = false;
    std::string datum, zeit;  // printed in the text form (default: now)
};

// `tarvis-cli evidence`: opens and calculates the project as `calc` does and
// prints its calculation evidence, as text (the pages of the printout) or
// as the JSON object of `calc --json` with the standby time the batteries
// give (Autonomie), the terms of the quiescent and alarm currents
// (IRuheTerme, IAlarmTerme: Text and mA, the 12 V value before the reserve)
// and whether the alarm current was raised to the quiescent current
// (IAlarmAngehoben). Exit status as `calc`.
int evidence(const EvidenceOptionen& o, std::ostream& aus, std::ostream& fehler);

}  // namespace tarvis::cli
