#pragma once
#include <functional>
#include <string>
#include <vector>

#include "ablauf/Nachweis.h"
#include "projekt/MessageService.h"
#include "projekt/Programm.h"

namespace tarvis {

// What the evidence window shows: the document's lines, and the box where
// the engineer tries another standby time.
struct NachweisAnsicht {
    std::string titel, drucken, ok;
    std::vector<std::string> zeilen;
    std::string probeLabel, uebernehmen;
    int probeStunden = 0;
    std::string probeErgebnis;  // capacity and batteries the tried time needs
    bool uebernehmenAktiv = false;
};

// The calculation evidence window. It shows the project calculated as it
// stands (a copy, the supply units it holds confirmed), so that its numbers
// are those of the report. Trying a standby time changes nothing; taking it
// over sets UeZeit and calculates the project again (the supply window
// may open), then the window shows the new calculation.
class NachweisPresenter {
public:
    NachweisPresenter(Programm& p, std::function<void(const Druckauftrag&)> drucken,
                      std::function<void()> rechnen)
        : p_(p), drucken_(std::move(drucken)), rechnen_(std::move(rechnen)) {}

    void aktivieren();
    const NachweisAnsicht& ansicht() const { return ansicht_; }
    // The box: hours 1..9999.
    void setzeProbe(int stunden);
    void uebernehmen();
    void drucken();
    bool ok() { return true; }

private:
    Programm& p_;
    std::function<void(const Druckauftrag&)> drucken_;
    std::function<void()> rechnen_;
    Zustand gerechnet_;  // the state of the calculation shown
    Druckauftrag auftrag_;
    NachweisAnsicht ansicht_;
};

}  // namespace tarvis
