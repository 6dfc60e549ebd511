#include "projekt/Namensregeln.h"

namespace tarvis {

bool NameUngueltig(std::string_view name) { return name.find_first_of(",\\/") != std::string_view::npos; }

bool ZeichenSpeicherbar(char32_t c) { return c != U'"'; }

bool TextSpeicherbar(std::string_view text) { return text.find('"') == std::string_view::npos; }

std::string OhneAnfuehrungszeichen(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (c != '"') s += c;
    return s;
}

}  // namespace tarvis
