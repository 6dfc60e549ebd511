// Opens arbitrary bytes as a project file. Besides surviving them, whatever
// the open leaves in the state must save to a file that opens again, and from
// the second save on saving and opening must not change the file any more.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "StummeMeldungen.h"
#include "io/Cp1252.h"
#include "projekt/Version.h"
#include "projekt/Katalog.h"
#include "projekt/ProjektDatei.h"

using namespace tarvis;

namespace {

Katalog* katalog = nullptr;

// What the file looks like on disk and read back.
std::string ueberDieDatei(const std::string& utf8) { return io::cp1252ToUtf8(io::utf8ToCp1252(utf8)); }

LadeErgebnis oeffnen(Programm& p, const std::string& text) {
    fuzz::StummeMeldungen ms;
    p.katalog = *katalog;
    p.z.PrgVersion = kVersionText;
    p.z.VersionMax = "26.1";
    return ProjektTextOeffnen(p, ms, "FUZZ.PLM", text);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    auto k = Katalog::oeffnen(std::filesystem::path(TARVIS_PROGRAM_DIR) / "TARVIS.ART");
    katalog = new Katalog(k ? *k : Katalog());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Programm p;
    LadeErgebnis e = oeffnen(p, io::cp1252ToUtf8(std::string_view(reinterpret_cast<const char*>(data), size)));
    std::string t1 = ueberDieDatei(ProjektText(p.z));
    if (e != LadeErgebnis::Geladen && e != LadeErgebnis::Abgelehnt) return 0;

    Programm q;
    if (oeffnen(q, t1) != LadeErgebnis::Geladen) std::abort();  // a saved project always opens
    std::string t2 = ueberDieDatei(ProjektText(q.z));
    Programm r;
    if (oeffnen(r, t2) != LadeErgebnis::Geladen) std::abort();
    if (ueberDieDatei(ProjektText(r.z)) != t2) std::abort();  // saving and opening settle
    return 0;
}
