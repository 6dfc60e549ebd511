#pragma once
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace tarvis {

// Project and clerk names become file and directory names: a name holding
// ",", "\" or "/" is refused.
bool NameUngueltig(std::string_view name);

// The longest project name, in bytes of its file name on disk (UTF-8), that
// the folder takes as a file name with every ending the program gives a
// project's files: ".PLM", ".EPO", ".NPA", ".PRN", "_6.EPO" of a linked
// hand-over file, and the writer's temporary file beside each of them.
std::size_t LaengsterProjektname(const std::filesystem::path& verzeichnis);

// Texts that are saved in the settings and project files are written in
// double quotes, so a double quote typed into one would break the file.
bool ZeichenSpeicherbar(char32_t c);
bool TextSpeicherbar(std::string_view text);
std::string OhneAnfuehrungszeichen(std::string_view text);

}  // namespace tarvis
