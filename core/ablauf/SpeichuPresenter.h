#pragma once
#include <filesystem>
#include <functional>
#include <string>

#include "projekt/MessageService.h"
#include "projekt/Programm.h"

namespace tarvis {

struct SpeichuAnsicht {
    std::string titel, lblName, lblVerzeichnis, endung, rahmenPara, paraJa, paraNein, ok, abbrechen;
    std::string name;         // text1
    std::string verzeichnis;  // the directory chosen
    std::string pfad;         // Label5: the file the name gives
    bool paraSpeichern = false;
};

// The save-as window Speichu: directory, name (without extension) and the
// parameter-file option. Every change of the name sets ProjektDatei at once,
// so a later Save uses it even when the window was cancelled. Confirmed, the
// project takes the name and the Save command runs once the window is gone.
class SpeichuPresenter {
public:
    // `endung` is the label beside the name box: ".PLM", or ".PRN" when a
    // PRN command asks for the project's file.
    SpeichuPresenter(Programm& p, MessageService& ms, std::string endung = ".PLM",
                     std::function<void()> startseiteLoeschen = {});

    void aktivieren();
    SpeichuAnsicht ansicht() const;

    void verzeichnisSetzen(const std::string& verzeichnis);
    void nameSetzen(const std::string& name);
    void paraSetzen(bool ja) { p_.z.ParaSpeichern = ja ? 1 : 0; }
    // A key typed into the name box: a name becomes a file name and a text
    // of the project file, so separators and double quotes are refused with
    // a beep.
    bool tasteErlaubt(char32_t zeichen);

    // cmdOK: an empty name is refused with 84, one with "," "\" or "/" with
    // 73, one too long for a file name of the folder with 2020; otherwise the
    // name becomes the project name and the file ProjektDatei. True when the
    // window closes.
    bool ok();
    // cmdAbbrechen and the close box: SpeichAbbruch = 1.
    void abbrechen() { p_.z.SpeichAbbruch = 1; }
    // Once the window is gone: the Save command, when it was confirmed. A
    // save that refuses or fails gives the project back the name and file it
    // had when the window opened.
    void nachSchliessen();

    // directory and name and ".PLM".
    static std::string Dateiname(const std::string& verzeichnis, const std::string& name);

private:
    Programm& p_;
    MessageService& ms_;
    std::string endung_;
    std::function<void()> startseiteLoeschen_;
    std::string verzeichnis_, name_;
    std::string vorherName_, vorherDatei_;
    bool bestaetigt_ = false;
};

}  // namespace tarvis
