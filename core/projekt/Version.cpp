#include "projekt/Version.h"

#include <cmath>
#include <cstdio>

#include "io/FieldReader.h"

namespace tarvis {

std::string VersionText(int hauptversion, int nebenversion, int revision) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d.%d.%d", ((hauptversion % 100) + 100) % 100, nebenversion, revision);
    return buf;
}

int VersionWert(std::string_view version) {
    if (version.empty()) return 1000;
    double v = io::FieldReader::leadingNumber(version.substr(0, 4));
    int wert = static_cast<int>(std::lround(v * 10));
    if (v < 90) wert += 1000;
    return wert;
}

int MonateZwischen(const Datum& a, const Datum& b) {
    return (b.jahr - a.jahr) * 12 + (b.monat - a.monat);
}

Datum DatumAusIso(std::string_view iso) {
    Datum d;
    if (iso.size() >= 10) {
        d.jahr = std::atoi(std::string(iso.substr(0, 4)).c_str());
        d.monat = std::atoi(std::string(iso.substr(5, 2)).c_str());
        d.tag = std::atoi(std::string(iso.substr(8, 2)).c_str());
    }
    return d;
}

}  // namespace tarvis
