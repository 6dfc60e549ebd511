#pragma once
#include <functional>
#include <string>
#include <vector>

#include "projekt/MessageService.h"
#include "projekt/Zaehleingabe.h"

namespace tarvis {

// The count boxes of a window, each bound to its project variable: the box
// keeps its text honest (key rule, negative values, the limit), the variable
// takes every change at once. A view binds each box with
// Zaehlfeld::binden(gruppe, index).
class Zaehlgruppe {
public:
    struct Bindung {
        ZaehlRegel regel;
        std::function<int()> lesen;
        std::function<void(int)> schreiben;
        std::function<int()> grenze;   // the largest value kept; none = no limit
        std::function<bool()> aktiv;   // none = always enabled
        std::function<void()> nachher; // runs after each change
    };

    explicit Zaehlgruppe(MessageService& ms) : ms_(ms) {}

    // Adds a box showing its variable; returns its index.
    int hinzufuegen(Bindung b);
    // The box shows the variable as it is now.
    void zeigen(int f);
    // The box gets a value from the program (window activation, an option);
    // it goes through the change handling like a typed one.
    void setzen(int f, int wert) { zaehlText(f, std::to_string(wert)); }
    int wert(int f) const { return feld(f).b.lesen(); }
    // The box shows a text of the program's choice (an empty box for 0);
    // the variable is not touched.
    void textZeigen(int f, std::string text) { feld(f).box.setzeText(std::move(text)); }

    ZaehlAnsicht zaehlAnsicht(int f) const;
    void zaehlText(int f, const std::string& text);
    void zaehlBalken(int f, int wert) { zaehlText(f, std::to_string(wert)); }
    bool zaehlTaste(int f, char32_t zeichen) { return feld(f).box.taste(zeichen, ms_); }
    void zaehlTasteUnten(int f) { feld(f).box.tasteUnten(feld(f).b.lesen()); }

private:
    struct Feld {
        Zaehlbox box;
        Bindung b;
    };
    Feld& feld(int f) { return felder_.at(static_cast<std::size_t>(f)); }
    const Feld& feld(int f) const { return felder_.at(static_cast<std::size_t>(f)); }

    MessageService& ms_;
    std::vector<Feld> felder_;
};

}  // namespace tarvis
