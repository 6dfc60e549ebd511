#pragma once
#include <filesystem>
#include <string>

#include "projekt/EStrom.h"
#include "projekt/Katalog.h"
#include "projekt/Zustand.h"

namespace tarvis {

// What the program holds for the whole run: the state of the project and
// settings, the catalogue files read at start-up and the program directory
// in which they live.
struct Programm {
    Zustand z;
    Katalog katalog;
    EStromTabelle estrom;
    std::filesystem::path verzeichnis;

    std::filesystem::path datei(const std::string& name) const { return verzeichnis / name; }
};

}  // namespace tarvis
