// Reads arbitrary bytes as the article catalogue and runs what reads its
// records: row kinds, LIBEX codes and the loop sums with their limits.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "io/TextFile.h"
#include "loops/KBNGrenzen.h"
#include "projekt/KBNSummen.h"
#include "projekt/Katalog.h"

using namespace tarvis;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    static const std::filesystem::path datei =
        std::filesystem::temp_directory_path() / ("tarvis-fuzz-" + std::to_string(getpid()) + ".ART");
    if (!io::writeBytes(datei, bytes)) return 0;
    auto k = Katalog::oeffnen(datei);
    if (!k) std::abort();
    if (k->zuBytes().size() != (size + KatSatz::kLaenge - 1) / KatSatz::kLaenge * KatSatz::kLaenge) std::abort();

    for (int n = 1; n <= k->anzahl(); ++n) {
        const KatSatz& s = k->satz(n);
        (void)KatalogZeileArt(s);
        (void)LIBEXCode(s, n % 9);
        // One pass through the record format settles it.
        KatSatz zweiter = KatSatz::ausBytes(s.zuBytes());
        if (KatSatz::ausBytes(zweiter.zuBytes()).zuBytes() != zweiter.zuBytes()) std::abort();
    }

    // Loop quantities taken from the data itself, on every panel type.
    Zustand z;
    for (int i = kKBNErster; i <= kKBNLetzter; ++i) {
        auto u = static_cast<std::size_t>(i);
        unsigned char b = size ? static_cast<unsigned char>(bytes[u % size]) : 0;
        z.KBNMenge1[u] = b;
        z.KBNMenge2[u] = b % 7;
        z.KBNMenge3[u] = (b & 1) ? 2147483647 : 0;
        z.KBNMenge4[u] = b * 1000;
    }
    for (Integer typ = 0; typ <= 8; ++typ) {
        z.ZentralenTyp = typ;
        KBNSummen s = KBNSummenBilden(z, *k);
        KBNSummenSetzen(z, s);
        (void)KBNGrenzmeldung(s, typ);
    }
    return 0;
}
