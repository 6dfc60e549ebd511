#include "loops/LoopsFenster.h"

#include "loops/KBNEINDialog.h"
#include "shell/Anwendung.h"

namespace tarvis::ui {

void loopsFensterRegistrieren(Anwendung& a) {
    QtMessageService& ms = a.meldungen();

    // The loop entry closes before its follow-up windows open; when a check
    // after them refuses, it comes back with everything entered.
    ms.registrieren(Fenster::KBNEIN, [&a](QWidget* eltern) {
        KBNEINPresenter presenter(a.programm(), a.meldungen());
        for (;;) {
            KBNEINDialog d(presenter, eltern);
            if (d.exec() != QDialog::Accepted) return false;
            if (presenter.nachSchliessen()) return true;
        }
    });
}

}  // namespace tarvis::ui
