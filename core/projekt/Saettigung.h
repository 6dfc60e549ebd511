#pragma once
#include <cmath>
#include <cstdint>
#include <limits>

namespace tarvis {

// Stores a wide whole number into a narrower variable, stopping at the ends
// of its range instead of wrapping around. The loop data are summed wider
// than they are stored; a sum beyond the range can only come from absurd
// quantities, and it must then stay absurd (above every limit) instead of
// turning small or negative.
template <typename T> T gesaettigt(std::int64_t v) {
    if (v < static_cast<std::int64_t>(std::numeric_limits<T>::min())) return std::numeric_limits<T>::min();
    if (v > static_cast<std::int64_t>(std::numeric_limits<T>::max())) return std::numeric_limits<T>::max();
    return static_cast<T>(v);
}

// The same for a whole number held in a double (NaN counts as too large).
template <typename T> T gesaettigt(double v) {
    if (std::isnan(v) || v >= static_cast<double>(std::numeric_limits<T>::max())) return std::numeric_limits<T>::max();
    if (v <= static_cast<double>(std::numeric_limits<T>::min())) return std::numeric_limits<T>::min();
    return static_cast<T>(v);
}

}  // namespace tarvis
