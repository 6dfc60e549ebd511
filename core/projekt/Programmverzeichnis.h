#pragma once
#include <filesystem>
#include <functional>

namespace tarvis {

// Where the program directory is when none is given on the command line:
// - beside the binary (a build tree, or an installation the user may write to);
// - otherwise the installed template (<prefix>/share/tarvis/programm) is copied
//   into a per-user program directory, where settings, clerks, markers and
//   PROJEKTE live. The catalogue files and help pages of the template replace
//   older copies there, so an updated installation reaches every user.
struct ProgrammverzeichnisWahl {
    std::filesystem::path verzeichnis;
    bool ausVorlage = false;  // made or refreshed from the installed template
};

// Whether the program may write settings and projects in a directory.
bool Beschreibbar(const std::filesystem::path& verzeichnis);

ProgrammverzeichnisWahl ProgrammverzeichnisFinden(
    const std::filesystem::path& programmOrdner, const std::filesystem::path& benutzerVerzeichnis,
    const std::function<bool(const std::filesystem::path&)>& beschreibbar = Beschreibbar);

// The directory the program would choose, for the batch tool: the same
// rules, but nothing is copied or made; the per-user directory is taken
// when the program has made it.
ProgrammverzeichnisWahl ProgrammverzeichnisZumLesen(
    const std::filesystem::path& programmOrdner, const std::filesystem::path& benutzerVerzeichnis,
    const std::function<bool(const std::filesystem::path&)>& beschreibbar = Beschreibbar);

// The per-user program directory the program makes from the template:
// $XDG_DATA_HOME/TARVIS/programm, by default ~/.local/share/TARVIS/programm.
std::filesystem::path BenutzerProgrammverzeichnis();

// Copies the catalogue files and help pages of a template into a program
// directory when they are missing or older there, and makes PROJEKTE.
void AusVorlageEinrichten(const std::filesystem::path& vorlage, const std::filesystem::path& ziel);

}  // namespace tarvis
