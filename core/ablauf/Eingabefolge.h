#pragma once
#include <functional>

#include "projekt/Druckseiten.h"
#include "projekt/MessageService.h"
#include "projekt/Programm.h"

namespace tarvis {

// The Edit menu of the main window (items 0..9) and the project input
// sequence of item 0: panel type, master data, code mode, loop entry and its
// printout, additional functions, calculation and result. Every stop leaves what was
// entered in the project; choosing the command again resumes, skipping the
// windows already confirmed.
class Eingabefolge {
public:
    struct Haken {
        std::function<void()> startseiteLoeschen;  // the main window's start screen
        std::function<void()> berechnen;           // the calculation (its own layer)
        std::function<void(const Druckauftrag&)> drucken;  // the view's printer
    };

    Eingabefolge(Programm& p, MessageService& ms, Haken haken) : p_(p), ms_(ms), haken_(std::move(haken)) {}

    // Edit item 0..9.
    void bearbeiten(int item);

    void projekteingabe();          // 0
    void ergebnisZeigen();          // 1
    void stammdaten();              // 2
    void projektdatenLoeschen();    // 3
    void kbnEingabe();              // 4
    void zusatzfunktionen();        // 7
    void olnVernetzung();           // 8
    void meldergruppen();           // 9

private:
    // The panel type dialog when no panel type is set; false when it was not confirmed.
    bool zentralenTypSicherstellen();
    // The master data window when name or clerk are missing; false = stop.
    bool stammdatenSicherstellen();
    void startseiteLoeschen();

    Programm& p_;
    MessageService& ms_;
    Haken haken_;
};

}  // namespace tarvis
