#pragma once
#include "projekt/Zustand.h"

namespace tarvis {

// A limit of the project against what uses it: the string-table number of
// its name, the load (a current in mA or a count) and the limit. The
// calculation decides by these whether a limit is kept; the evidence and
// the folder check show them.
struct Grenzwert {
    int text = 0;
    double last = 0;
    double grenze = 0;
    bool eingehalten = true;
};

// The TL 300 holds two 17 Ah batteries, four with a PSM 300 KBN working in
// parallel.
Grenzwert TL300Batterien(const Zustand& z, double anzahl);
// The 28 V total against the TL 300's transformer, with the PSM 300 KBN's
// transformer beside it when it works in parallel.
Grenzwert TL300Trafo28(const Zustand& z);
// The TL 300's mains unit carries the quiescent and the charging current.
Grenzwert TL300Netz12(const Zustand& z);
// The TL 300 feeds at most 600 mA of 12 V loop modules (2 x 300 mA).
Grenzwert TL300Module12(const Zustand& z);
// The supply units confirmed against those proposed.
Grenzwert DXAAnzahl(const Zustand& z);
Grenzwert ZOLWAnzahl(const Zustand& z);

}  // namespace tarvis
