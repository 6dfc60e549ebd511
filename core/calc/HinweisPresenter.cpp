#include "calc/HinweisPresenter.h"

#include "calc/Bericht.h"
#include "shell/Texte.h"

namespace tarvis {

void HinweisPresenter::aktivieren() {
    HinweisAnsicht a;
    a.titel = Text(320);
    a.drucken = Text(319);
    a.ok = "&OK";
    a.zeilen = HinweisAktivieren(p_, ms_);
    ansicht_ = std::move(a);
}

}  // namespace tarvis
