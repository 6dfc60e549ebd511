#pragma once
#include <array>
#include <string>

#include "projekt/Arbeitsplatz.h"
#include "projekt/MessageService.h"
#include "projekt/Programm.h"

namespace tarvis {

struct StammdatenAnsicht {
    std::string titel, ok;
    // Labels and contents of text1 .. text6 (index 0 unused): project name,
    // offer, order, construction document and job number, clerk.
    std::array<std::string, 7> beschriftung{}, texte{};
    std::string projektHinweis, sachHinweis;
    bool projektHinweisSichtbar = false, sachHinweisSichtbar = false;
    // "Früherer Sachbearbeiter: " and the clerk of the opened project, or empty.
    std::string altName;
};

// The master data window Stammdaten. Confirming it marks the workstation as
// occupied.
class StammdatenPresenter {
public:
    StammdatenPresenter(Programm& p, MessageService& ms);

    void aktivieren();
    StammdatenAnsicht ansicht() const;

    // Box 1..6 changed: its text goes to its variable at once. Double quotes
    // (pasted text) are dropped with a beep.
    void setzeText(int feld, const std::string& text);
    // A character typed into box 1..6; false refuses it (with a beep). Typing
    // into the project name while it is still the default name empties it first.
    bool taste(int feld, char32_t zeichen);
    // True when the window closes; otherwise fokus() names the box to correct.
    bool ok();
    int fokus() const { return fokus_; }

private:
    std::string& variable(int feld);

    Programm& p_;
    MessageService& ms_;
    std::string altName_;
    int fokus_ = 1;
};

}  // namespace tarvis
