#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calc/Auswerten.h"
#include "calc/Batterien.h"
#include "calc/Grenzpruefung.h"
#include "calc/Stromprotokoll.h"
#include "calc/Versorgung.h"
#include "projekt/Arbeitsplatz.h"
#include "projekt/Druckseiten.h"
#include "projekt/Programm.h"

namespace tarvis {

// A limit as the evidence shows it. A binding limit exceeded means that the
// project does not keep its limits (the hand-over flag EPOKennz turns to "N",
// or a loop is over its limit); the others, exceeded, only call for DXA 1000
// units, ZOLW cards or the fuse distributor.
struct NachweisGrenze {
    Grenzwert wert;
    int schleife = 0;  // the loop of a loop limit
    bool bindend = false;
};

// The name of a limit as shown and printed.
std::string GrenzName(const NachweisGrenze& g);

// The label of a term of the current budget: its text, the designation of
// its catalogue record, or both.
std::string TermName(const Programm& p, const Stromterm& t);

// The calculation evidence of a calculated project: the terms of the
// current budget as the calculation added them, the battery rule with its
// values, the standby time the batteries give, the supply criteria and every
// limit against its load. Built from the state that the calculation and the
// report left, with the same routines the calculation uses.
struct Nachweis {
    Stromprotokoll strom;
    std::optional<Batterieformel> formel;  // none without a standby time: the capacity was kept
    std::optional<int> autonomie;
    std::array<Versorgungskriterium, 6> kriterien{};  // 2..5
    std::vector<NachweisGrenze> grenzen;

    // Whether every binding limit is kept.
    bool grenzenEingehalten() const;
    std::vector<NachweisGrenze> ueberschritten() const;
};

Nachweis NachweisErstellen(const Programm& p, Stromprotokoll strom);

// The evidence as a document: for the window, the printout and the batch
// tool.
Druckauftrag NachweisSeiten(const Programm& p, const Nachweis& n, const Zeitstempel& t);

// The calculation of the project as it stands, on a copy and without a
// window: the JUBL window keeps its count and the supply window confirms
// the units the project holds (as after the user's calculation), then the
// report runs. The messages are kept by number, not shown.
struct Nachrechnung {
    Programm p;
    Stromprotokoll strom;
    AuswertenHalt halt = AuswertenHalt::Keiner;
    std::vector<int> meldungen;
};
Nachrechnung NachweisNachrechnen(const Programm& p);

}  // namespace tarvis
