// Reads arbitrary bytes as the element current table ESTROMK.DAT.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "io/Cp1252.h"
#include "projekt/EStrom.h"

using namespace tarvis;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto t = EStromParsen(io::cp1252ToUtf8(std::string_view(reinterpret_cast<const char*>(data), size)));
    if (!t) return 0;
    // A table that was read holds finite currents only.
    for (const auto* spalte : {&t->EStrom1, &t->EStrom2, &t->EStrom3, &t->EStrom4, &t->EStrom5})
        for (float v : *spalte)
            if (!std::isfinite(v)) std::abort();
    return 0;
}
