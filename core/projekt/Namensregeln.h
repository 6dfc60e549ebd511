#pragma once
#include <string>
#include <string_view>

namespace tarvis {

// Project and clerk names become file and directory names: a name holding
// ",", "\" or "/" is refused.
bool NameUngueltig(std::string_view name);

// Texts that are saved in the settings and project files are written in
// double quotes, so a double quote typed into one would break the file.
bool ZeichenSpeicherbar(char32_t c);
bool TextSpeicherbar(std::string_view text);
std::string OhneAnfuehrungszeichen(std::string_view text);

}  // namespace tarvis
