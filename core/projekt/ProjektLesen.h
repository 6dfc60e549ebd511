#pragma once
#include <filesystem>
#include <string>

#include "io/IoError.h"
#include "projekt/Katalog.h"
#include "projekt/ProjektDatei.h"
#include "projekt/Zustand.h"

namespace tarvis {

// What a project file held, read without a word to the user: the project in
// a state of its own (the program settings taken from the state it was read
// over), or where the reading stopped, and what the open has to tell.
struct ProjektGelesen {
    // Geladen, or where it stopped: NichtLesbar (not even the version line),
    // KeinProjekt (another program's file), Lesefehler (`fehler`).
    LadeErgebnis ergebnis = LadeErgebnis::NichtLesbar;
    io::IoError fehler;
    Zustand z;
    // The version of the writing program, as VersionWert gives it, and
    // whether it lies outside the versions this program reads.
    int version = 0;
    bool versionFremd = false;
    // Read before the version field's meaning changed (the alarm kind in the
    // marker field).
    bool altesFormat = false;
    // No language version in the file: the code-mode window has to choose one.
    bool ohneSprache = false;
    // Loop quantities beyond what a loop can hold.
    bool unplausibel = false;
    // The GLT count of files of the time a KVT 1000 could drive one.
    double gltAnzahl = 0;
    // The project name of the file's second line.
    std::string dateiProjektname;
};

// Reads a project file's text (UTF-8) over a copy of `basis`: a fresh project
// that knows its file `datei`, every field of the file converted and checked.
// Nothing is shown and nothing is recounted; that is the open's work.
ProjektGelesen ProjektLesen(const Zustand& basis, const Katalog& katalog, const std::filesystem::path& datei,
                            std::string text);

}  // namespace tarvis
