#include "projekt/Namensregeln.h"

#include <climits>
#include <unistd.h>

namespace tarvis {

bool NameUngueltig(std::string_view name) { return name.find_first_of(",\\/") != std::string_view::npos; }

std::size_t LaengsterProjektname(const std::filesystem::path& verzeichnis) {
    // The longest ending of a project's files, and room for the ending of
    // the temporary file the writer creates beside its target.
    constexpr std::size_t kEndung = std::string_view("_6.EPO").size();
    constexpr std::size_t kTemporaer = 10;
    long max = ::pathconf(verzeichnis.c_str(), _PC_NAME_MAX);
    // A folder that does not answer (not there yet, no limit) gets the
    // common limit of the file systems.
    if (max <= 0) max = NAME_MAX;
    const auto n = static_cast<std::size_t>(max);
    return n > kEndung + kTemporaer ? n - kEndung - kTemporaer : 0;
}

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
