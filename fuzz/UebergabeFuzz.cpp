// Reads arbitrary bytes as a hand-over file (NAME.EPO) the way the link
// reads each of its two files, and links what was read with itself and with
// a good file: the combined hand-over file and material list.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "io/TextFile.h"
#include "projekt/Version.h"
#include "projekt/Katalog.h"
#include "ablauf/Verknuepfen.h"

using namespace tarvis;
namespace fs = std::filesystem;

namespace {

const Programm& programm() {
    static const Programm p = [] {
        Programm q;
        q.verzeichnis = TARVIS_PROGRAM_DIR;
        auto k = Katalog::oeffnen(q.datei("TARVIS.ART"));
        if (!k) std::abort();
        q.katalog = std::move(*k);
        q.z.PrgVersion = kVersionText;
        return q;
    }();
    return p;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fs::path datei = fs::temp_directory_path() / ("tarvis-fuzz-" + std::to_string(getpid()) + ".EPO");
    if (!io::writeBytes(datei, std::string_view(reinterpret_cast<const char*>(data), size))) return 0;
    const Programm& p = programm();
    auto d = UebergabeLesen(datei, p.katalog);
    if (!d) return 0;
    if (d->eintraege.size() > kMaxUebergabeEintraege) std::abort();

    Uebergabedatei gut;
    gut.eintraege.push_back({"K5230", 1, "Zentrale"});
    const Zeitstempel t{"06.12.2026", "12:00:00"};
    for (const Uebergabedatei* zweite : {&*d, &gut}) {
        Verknuepfungsdateien v = VerknuepfungInhalt(p, *d, *zweite, "ZIEL_6", t);
        if (v.epo.empty()) std::abort();
    }
    return 0;
}
