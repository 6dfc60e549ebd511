// Reads arbitrary bytes as the clerk's settings file (PERS.DAT, NAME.KON)
// and as RECHNER.DAT; what was read is written and read once more.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "io/TextFile.h"
#include "projekt/Einstellungen.h"

using namespace tarvis;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::filesystem::path datei =
        std::filesystem::temp_directory_path() / ("tarvis-fuzz-" + std::to_string(getpid()) + ".KON");
    if (!io::writeBytes(datei, std::string_view(reinterpret_cast<const char*>(data), size))) return 0;

    Byte a = RechnerLesen(datei);
    if (a != 1 && a != 2) std::abort();

    Zustand z;
    if (!KonfigDateiLesen(datei, z)) std::abort();
    if (!KonfigDateiSchreiben(datei, z, KonfigWerteAus(z))) return 0;
    Zustand wieder;
    if (!KonfigDateiLesen(datei, wieder)) std::abort();
    return 0;
}
