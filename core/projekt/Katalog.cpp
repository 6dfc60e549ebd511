#include "projekt/Katalog.h"

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
    // A current is never negative: a record with one is damaged, and so is the catalogue.
    for (std::size_t i = 0; i < ende && k.vollstaendig_; i += KatSatz::kLaenge)
        if (KatSatz::stromNegativ(std::string_view(b).substr(i, KatSatz::kLaenge))) k.vollstaendig_ = false;
    k.roh_ = b.substr(0, ende);
    const std::size_t saetze = (ende + KatSatz::kLaenge - 1) / KatSatz::kLaenge;
    k.saetze_.resize(saetze);
    k.gelesen_.assign(saetze, false);
    return k;
}

const KatSatz& Katalog::satz(int n) const {
    if (n < 1 || n > anzahl()) return leer_;
    const auto i = static_cast<std::size_t>(n - 1);
    if (!gelesen_[i]) {
        saetze_[i] = KatSatz::ausBytes(std::string_view(roh_).substr(std::min(i * KatSatz::kLaenge, roh_.size()), KatSatz::kLaenge));
        gelesen_[i] = true;
    }
    return saetze_[i];
}

void Katalog::setzen(int n, KatSatz s) {
    if (n < 1) return;
    if (n > anzahl()) {
        saetze_.resize(static_cast<std::size_t>(n));
        gelesen_.resize(static_cast<std::size_t>(n), false);
    }
    saetze_[static_cast<std::size_t>(n - 1)] = std::move(s);
    gelesen_[static_cast<std::size_t>(n - 1)] = true;
}

std::string Katalog::zuBytes() const {
    std::string out;
    out.reserve(saetze_.size() * KatSatz::kLaenge);
    for (int n = 1; n <= anzahl(); ++n) out += satz(n).zuBytes();
    return out;
}

}  // namespace tarvis
