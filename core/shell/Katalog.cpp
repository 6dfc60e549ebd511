#include "shell/Katalog.h"

#include <algorithm>

#include "io/TextFile.h"

namespace tarvis {

Katalog::Katalog() = default;

io::Result<Katalog> Katalog::oeffnen(const std::filesystem::path& datei) {
    auto bytes = io::readBytes(datei);
    if (!bytes) return bytes.error();
    Katalog k;
    const std::string& b = *bytes;
    // Only records 1..700 exist for the program; a longer file is not held whole.
    const std::size_t ende = std::min(b.size(), static_cast<std::size_t>(kSaetze) * KatSatz::kLaenge);
    k.vollstaendig_ = ende == static_cast<std::size_t>(kSaetze) * KatSatz::kLaenge;
    for (std::size_t off = 0; off < ende; off += KatSatz::kLaenge)
        k.saetze_.push_back(KatSatz::ausBytes(std::string_view(b).substr(off, KatSatz::kLaenge)));
    return k;
}

const KatSatz& Katalog::satz(int n) const {
    if (n < 1 || n > anzahl()) return leer_;
    return saetze_[static_cast<std::size_t>(n - 1)];
}

void Katalog::setzen(int n, KatSatz s) {
    if (n < 1) return;
    if (n > anzahl()) saetze_.resize(static_cast<std::size_t>(n));
    saetze_[static_cast<std::size_t>(n - 1)] = std::move(s);
}

std::string Katalog::zuBytes() const {
    std::string out;
    out.reserve(saetze_.size() * KatSatz::kLaenge);
    for (const auto& s : saetze_) out += s.zuBytes();
    return out;
}

}  // namespace tarvis
