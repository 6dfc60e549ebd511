#include "einstellungen/TexteingabePresenter.h"

#include "projekt/Namensregeln.h"
#include "projekt/Texte.h"

namespace tarvis {

TexteingabePresenter::TexteingabePresenter(Programm& p, MessageService& ms) : p_(p), ms_(ms) {}

std::string& TexteingabePresenter::variable(int zeile) {
    switch (zeile) {
    case 1: return p_.z.Bemerkung1;
    case 2: return p_.z.Bemerkung2;
    default: return p_.z.Bemerkung3;
    }
}

void TexteingabePresenter::setzeText(int zeile, const std::string& text) {
    if (!TextSpeicherbar(text)) {
        ms_.piepen();
        variable(zeile) = OhneAnfuehrungszeichen(text);
        return;
    }
    variable(zeile) = text;
}

bool TexteingabePresenter::taste(char32_t zeichen) {
    if (ZeichenSpeicherbar(zeichen)) return true;
    ms_.piepen();
    return false;
}

TexteingabeAnsicht TexteingabePresenter::ansicht() const {
    TexteingabeAnsicht a;
    a.titel = Text(295);
    a.nachricht = Text(296);
    a.ok = "&OK";
    a.texte = {"", p_.z.Bemerkung1, p_.z.Bemerkung2, p_.z.Bemerkung3};
    return a;
}

}  // namespace tarvis
