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

// Copies the catalogue files and help pages of a template into a program
// directory when they are missing or older there, and makes PROJEKTE.
void AusVorlageEinrichten(const std::filesystem::path& vorlage, const std::filesystem::path& ziel);

}  // namespace tarvis
