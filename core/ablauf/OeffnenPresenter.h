#pragma once
#include <optional>
#include <string>
#include <vector>

#include "projekt/MessageService.h"
#include "projekt/Programm.h"

namespace tarvis {

struct OeffnenAnsicht {
    std::string titel, lblName, lblVerzeichnis, ok, abbrechen;
    std::string verzeichnis;
    std::vector<std::string> dateien;  // the "*.PLM" files of the directory
};

// The open window Oeffnen: a directory and its project files; a double click
// on a file (or OK) opens it.
class OeffnenPresenter {
public:
    enum class Ergebnis {
        Bleibt,      // nothing opened (no file chosen, not a project, unreadable): choose again
        Geladen,     // the project is open; the window closes and the master data follow
        Geschlossen  // refused or stopped while reading: the window closes, nothing follows
                     // (after a stop the project open before is there as it was)
    };

    OeffnenPresenter(Programm& p, MessageService& ms) : p_(p), ms_(ms) {}

    // Starts at the project directory (message 370 when it cannot be selected).
    void aktivieren();
    const OeffnenAnsicht& ansicht() const { return ansicht_; }
    void verzeichnisSetzen(const std::string& verzeichnis);
    // The file chosen in the list, nullopt when none is: message 364.
    Ergebnis oeffnen(const std::optional<std::string>& datei);

private:
    Programm& p_;
    MessageService& ms_;
    OeffnenAnsicht ansicht_;
};

}  // namespace tarvis
