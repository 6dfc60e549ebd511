#pragma once
#include <string>
#include <string_view>

#include "projekt/MessageService.h"

namespace tarvis {

// The fixed rule of one count box (a text box paired with a scroll bar).
struct ZaehlRegel {
    int maximum = 0;          // scroll bar maximum (minimum is always 0)
    bool nurZiffern = false;  // only 0-9 may be typed; other keys beep
    bool nullLeeren = true;   // a key pressed while the count is 0 empties the box first
    int maxLaenge = 3;        // characters the box takes
    bool mitBalken = true;    // false for a box without scroll bar
};

// What a count box shows.
struct ZaehlAnsicht {
    std::string text;
    int wert = 0;      // the scroll bar position
    int maximum = 0;   // the scroll bar maximum at this moment
    int maxLaenge = 3;
    bool aktiv = true;
    bool mitBalken = true;
};

// The integer at the start of a text, as the classic Val() reads it: leading
// blanks skipped, an optional sign, then digits; no number gives 0. Values
// beyond the 16-bit range are held at its ends.
int ZaehlWert(std::string_view text);

// Whether a typed character passes the key rule of a box (backspace is a
// character like any other here).
bool ZaehlTasteErlaubt(const ZaehlRegel& r, char32_t zeichen);

// One count box of a window: the rule, the text as typed, and the steps the
// presenters run for key presses and text changes. The presenter stores the
// value into its variable; the box only keeps the text honest.
class Zaehlbox {
public:
    Zaehlbox() = default;
    explicit Zaehlbox(ZaehlRegel r) : regel_(r) {}

    const ZaehlRegel& regel() const { return regel_; }
    const std::string& text() const { return text_; }

    // The box shows the variable (window activation, option clicks).
    void zeigen(int wert) { text_ = std::to_string(wert); }
    void setzeText(std::string t) { text_ = std::move(t); }

    // Key down: with the count at 0 the box is emptied so that the first
    // digit typed replaces the 0.
    void tasteUnten(int wert) {
        if (regel_.nullLeeren && wert == 0) text_.clear();
    }
    // Key press: false (after a beep) when the key is refused.
    bool taste(char32_t zeichen, MessageService& ms) const;

    // Text change up to the limit: a negative value puts "0" into the box;
    // the count is the number at the start of the text (0 without one); a
    // count above the limit becomes the limit and the box shows it, so that
    // the box never shows a count other than the stored one. Returns the
    // count to store.
    int textAendern(std::string_view text, int grenze);

    ZaehlAnsicht ansicht(int wert, bool aktiv = true) const { return ansicht(wert, aktiv, regel_.maximum); }
    ZaehlAnsicht ansicht(int wert, bool aktiv, int maximum) const;

private:
    ZaehlRegel regel_;
    std::string text_ = "0";
};

}  // namespace tarvis
