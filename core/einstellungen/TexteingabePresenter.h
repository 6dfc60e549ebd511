#pragma once
#include <array>
#include <string>

#include "projekt/MessageService.h"
#include "projekt/Programm.h"

namespace tarvis {

struct TexteingabeAnsicht {
    std::string titel, nachricht, ok;
    // Bemerkung1 .. Bemerkung3 (index 0 unused).
    std::array<std::string, 4> texte{};
};

// The remarks window Texteingabe: three free lines saved and printed with
// the project.
class TexteingabePresenter {
public:
    TexteingabePresenter(Programm& p, MessageService& ms);

    TexteingabeAnsicht ansicht() const;
    // Line 1..3 changed; double quotes (pasted text) are dropped with a beep.
    void setzeText(int zeile, const std::string& text);
    // A typed character; false refuses it with a beep.
    bool taste(char32_t zeichen);
    bool ok() { return true; }

private:
    std::string& variable(int zeile);

    Programm& p_;
    MessageService& ms_;
};

}  // namespace tarvis
