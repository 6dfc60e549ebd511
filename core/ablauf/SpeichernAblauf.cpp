#include "ablauf/SpeichernAblauf.h"

#include <system_error>

#include "calc/Exportdateien.h"
#include "projekt/ProjektDatei.h"
#include "projekt/Texte.h"

namespace tarvis {

namespace fs = std::filesystem;

bool Speichern(Programm& p, MessageService& ms, const std::function<void()>& startseiteLoeschen) {
    Zustand& z = p.z;
    auto startseite = [&] {
        if (startseiteLoeschen) startseiteLoeschen();
    };
    // Refused until the project file is written: whoever asked for the save
    // (exit, open) must not go on and drop a project that is not on disk.
    // A save through the save-as window ends with that window's save.
    z.SpeichAbbruch = 1;

    // 1. The file carries the code mode; a list calculated in the other mode
    // would not match it.
    if (z.ProjCodeModus == " ") ms.oeffnen(Fenster::Modus);
    if (z.CodeModus != z.ProjCodeModus) {
        ms.meldung(Symbol::Ausrufezeichen, Nr(178));
        return false;
    }

    // 2.
    startseite();
    if (z.ProjektDatei.empty()) {
        ms.oeffnen(Fenster::Speichu);
        return z.SpeichAbbruch == 0;
    }

    // 3. The save-as window confirmed saves under its new name.
    std::error_code ec;
    if (fs::exists(z.ProjektDatei, ec) &&
        ms.frage(Nr(55), Schaltflaechen::JaNein, Symbol::Frage) != Antwort::Ja) {
        startseite();
        ms.oeffnen(Fenster::Speichu);
        return z.SpeichAbbruch == 0;
    }

    // 4. The project file. Written or not, the files after it would not
    // describe a saved project, so a failure ends the command here.
    z.ParaGeschrieben = 0;
    io::Status st = ProjektSchreiben(p, z.ProjektDatei);
    if (!st) {
        SchreibfehlerMelden(ms, st.error(), z.ProjektDatei);
        return false;
    }
    z.SpeichAbbruch = 0;

    // 5., 6. The parameter file and, in LIBEX mode, the hand-over file.
    if (z.ParaSpeichern == 1) z.ParaGeschrieben = ParaSpeich(p, ms, z.ProjektDatei, z.Projektname) ? 1 : 0;
    z.EPOGeschrieben = 0;
    if (z.CodeModus == "V") z.EPOGeschrieben = EPOSchreiben(p, ms) ? 1 : 0;

    // 7.
    ms.oeffnen(Fenster::SpeiRep);
    z.Bearbeitet = 0;
    return true;
}

SpeiRepAnsicht SpeiRepNachSpeichern(const Zustand& z) {
    SpeiRepAnsicht a = SpeiRepAktivieren(z);
    if (z.ParaGeschrieben == 0) a.label[2].clear();
    return a;
}

}  // namespace tarvis
