#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "projekt/MessageService.h"
#include "projekt/Programm.h"

namespace tarvis {

struct SBWahlAnsicht {
    std::string titel, dateiLabel, ok, neu, abbrechen;
    // The directory shown, its subdirectories ("..", then the others) and its
    // configuration files "*.KON".
    std::string verzeichnis;
    std::vector<std::string> verzeichnisse, dateien;
    int gewaehlt = -1;  // selected file, -1 none
};

// The clerk selection SBWahl: a clerk's configuration file is chosen and read.
class SBWahlPresenter {
public:
    SBWahlPresenter(Programm& p, MessageService& ms);

    void aktivieren();
    SBWahlAnsicht ansicht() const;

    // Double click on a directory entry: the lists show that directory.
    void verzeichnisOeffnen(int index);
    void dateiWaehlen(int index);
    // These return true when the window closes.
    bool dateiDoppelklick(int index);
    bool ok();
    bool neu();
    // After the window closed: a new clerk asked for with cmdNeu is added
    // now, and when none was added the selection is shown again.
    void nachSchliessen();

private:
    void lesen(const std::filesystem::path& verzeichnis);
    void uebernehmen();

    Programm& p_;
    MessageService& ms_;
    std::filesystem::path verzeichnis_;
    std::vector<std::string> verzeichnisse_, dateien_;
    int gewaehlt_ = -1;
    bool neuerSachbearbeiter_ = false;
};

}  // namespace tarvis
