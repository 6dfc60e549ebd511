#include "projekt/Dateiliste.h"

#include <algorithm>
#include <system_error>

#include "projekt/Arbeitsplatz.h"
#include "projekt/Texte.h"

namespace tarvis {

namespace fs = std::filesystem;

std::vector<std::string> DateienMitEndung(const fs::path& verzeichnis, std::string_view endung) {
    std::vector<std::string> namen;
    const std::string gross = Grossbuchstaben(std::string(endung));
    std::error_code ec;
    for (fs::directory_iterator it(verzeichnis, ec), ende; !ec && it != ende; it.increment(ec)) {
        std::error_code ec2;
        if (!it->is_regular_file(ec2)) continue;
        std::string name = it->path().filename().string();
        if (name.size() > gross.size() && Grossbuchstaben(name).ends_with(gross)) namen.push_back(std::move(name));
    }
    std::sort(namen.begin(), namen.end());
    return namen;
}

fs::path DialogStartverzeichnis(const Programm& p, MessageService& ms) {
    const std::string& pfad = p.z.ProjPfad;
    if (pfad.empty()) return p.verzeichnis;
    std::error_code ec;
    if (fs::is_directory(pfad, ec)) return fs::path(pfad);
    ms.meldung(Symbol::Ausrufezeichen, Nr(370));
    return p.verzeichnis;
}

}  // namespace tarvis
