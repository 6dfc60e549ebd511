#pragma once
#include <array>
#include <string>

#include "projekt/MessageService.h"
#include "projekt/Programm.h"

namespace tarvis {

// The eleven language versions of the ordering codes, by Sprache 1..11.
constexpr int kAnzahlSprachen = 11;

struct ModusAnsicht {
    std::string titel, modusRahmen, sachnr, libex, spracheRahmen, hilfe, ok;
    // Which mode option is selected ('S' part numbers, 'V' LIBEX; ' ' none).
    char modus = ' ';
    bool libexAktiv = true;
    // Language options 1..11 (index 0 unused): caption, enabled; the selected one.
    std::array<std::string, kAnzahlSprachen + 1> sprachen{};
    std::array<bool, kAnzahlSprachen + 1> spracheAktiv{};
    int sprache = 1;
};

// The code-mode and language window Modus. Its option buttons behave as a
// form's option buttons do: selecting one from code runs its click action,
// but only when it was not selected already.
class ModusPresenter {
public:
    ModusPresenter(Programm& p, MessageService& ms);

    void aktivieren();
    ModusAnsicht ansicht() const;

    // Clicks on the options: 'S' optSachnr, 'V' optLIBEX; languages 1..11.
    void modusKlick(char modus);
    void spracheKlick(int sprache);
    void hilfe();
    // True when the window closes.
    bool ok();

private:
    void modusSetzen(char modus);
    void spracheSetzen(int sprache);

    Programm& p_;
    MessageService& ms_;
    char modus_ = ' ';
    int sprache_ = 1;  // German is selected when the window loads
    bool libexAktiv_ = true;
    std::array<bool, kAnzahlSprachen + 1> spracheAktiv_{};
};

}  // namespace tarvis
