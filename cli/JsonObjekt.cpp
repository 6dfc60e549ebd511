#include "JsonObjekt.h"

#include <cmath>
#include <cstdio>

namespace tarvis::cli {

std::string neunStellen(float f) {
    char puffer[32];
    std::snprintf(puffer, sizeof puffer, "%.9g", static_cast<double>(f));
    return puffer;
}

std::string alsJsonZahl(float f) {
    if (!std::isfinite(f)) return "null";
    std::string t = neunStellen(f);
    if (t.find_first_of(".e") == std::string::npos) t += ".0";
    return t;
}

std::string JsonObjekt::text() const {
    std::string t = "{";
    for (const auto& [name, wert] : felder_) t += (t.size() > 1 ? "," : "") + Json(name).dump() + ":" + wert;
    return t + "}";
}

}  // namespace tarvis::cli
