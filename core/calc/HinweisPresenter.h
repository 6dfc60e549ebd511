#pragma once
#include <functional>
#include <string>
#include <vector>

#include "projekt/MessageService.h"
#include "projekt/Programm.h"

namespace tarvis {

// What the report window shows: one report line per grid row.
struct HinweisAnsicht {
    std::string titel, drucken, ok;
    std::vector<std::string> zeilen;
    // Beside a row: the standby time the batteries give, next to the battery
    // line ("Batterie: "); empty elsewhere. Not part of the report.
    std::vector<std::string> neben;
    // The current cell: the first row, column 0.
    int aktuelleZeile = 1, aktuelleSpalte = 0;
};

// The notes and current report window Hinweis. Shown, it runs the supply
// limits and builds the report anew (which can turn EPOKennz to "N" and show
// message 605); its print button runs the main window's print command.
class HinweisPresenter {
public:
    HinweisPresenter(Programm& p, MessageService& ms, std::function<void()> drucken)
        : p_(p), ms_(ms), drucken_(std::move(drucken)) {}

    void aktivieren();
    const HinweisAnsicht& ansicht() const { return ansicht_; }
    // cmdDrucken: the printed result list.
    void drucken() {
        if (drucken_) drucken_();
    }
    // cmdOK closes the window.
    bool ok() { return true; }

private:
    Programm& p_;
    MessageService& ms_;
    std::function<void()> drucken_;
    HinweisAnsicht ansicht_;
};

}  // namespace tarvis
