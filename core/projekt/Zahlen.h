#pragma once
#include <cmath>
#include <limits>
#include <string>

#include "projekt/Zustand.h"

namespace tarvis::calc {

// A run-time error inside the calculation (VB numbering: 6 = overflow). The
// calculation traps it at its top and stops there; it never leaves Auswerten.
struct Laufzeitfehler {
    int nummer = 6;
    std::string beschreibung = "Overflow";
};

[[noreturn]] inline void ueberlauf() { throw Laufzeitfehler{}; }

// Stores a value into a 16-bit Integer: rounded half to even like every
// conversion of the program; a value outside the range is an overflow.
inline double rGerade(double x) {
    double f = std::floor(x);
    double d = x - f;
    if (d > 0.5) return f + 1;
    if (d < 0.5) return f;
    return std::fmod(f, 2.0) == 0 ? f : f + 1;
}

template <typename T> T ganzzahl(double x) {
    if (!std::isfinite(x)) ueberlauf();
    double r = rGerade(x);
    if (r < static_cast<double>(std::numeric_limits<T>::min()) ||
        r > static_cast<double>(std::numeric_limits<T>::max()))
        ueberlauf();
    return static_cast<T>(r);
}

inline Integer alsInteger(double x) { return ganzzahl<Integer>(x); }
inline Long alsLong(double x) { return ganzzahl<Long>(x); }
inline Byte alsByte(double x) { return ganzzahl<Byte>(x); }

// Stores a value into a Single: rounded to float; beyond its range an overflow.
inline Single alsSingle(double x) {
    if (!std::isfinite(x) || std::fabs(x) > static_cast<double>(std::numeric_limits<float>::max())) ueberlauf();
    return static_cast<Single>(x);
}

// The smallest whole number not below x, as Integer (Aufrunden) with the
// overflow of its result trapped.
inline Integer aufrunden(double x) {
    if (!std::isfinite(x)) ueberlauf();
    return alsInteger(std::ceil(x));
}

// Adds to a Single: the sum is taken in double and rounded once on storing.
inline void addieren(Single& ziel, double wert) { ziel = alsSingle(static_cast<double>(ziel) + wert); }

// Converts a current at 28 V or 35 V into its 12 V equivalent.
inline double in12V(double strom, double volt) { return strom * volt / 11.04; }

}  // namespace tarvis::calc
