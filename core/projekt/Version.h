#pragma once
#include <string>
#include <string_view>

namespace tarvis {

struct Datum {
    int jahr = 0, monat = 0, tag = 0;
};

// The program's own version, as the build sets it.
constexpr int kHauptversion = 2000 + TARVIS_VERSION_MAJOR;
constexpr int kNebenversion = TARVIS_VERSION_MINOR;
constexpr int kRevision = TARVIS_VERSION_PATCH;
constexpr const char* kVersionText = TARVIS_VERSION_TEXT;

// "YY.m.r": the last two digits of the year-based major version, minor, revision.
std::string VersionText(int hauptversion, int nebenversion, int revision);

// The value by which project file versions are compared: 10 x the number of
// the first four characters, plus 1000 when that number is below 90 (a
// two-digit year after 1999): "98.4" gives 984, "02.4" 1024, "26.1" 1261.
// An empty text gives 1000.
int VersionWert(std::string_view version);

// Whole calendar months from a to b.
int MonateZwischen(const Datum& a, const Datum& b);

// "2026-12-06" -> Datum.
Datum DatumAusIso(std::string_view iso);

}  // namespace tarvis
