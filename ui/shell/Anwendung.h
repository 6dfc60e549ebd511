#pragma once
#include <QPrinter>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "shell/Menue1Presenter.h"
#include "shell/Programm.h"
#include "shell/QtMessageService.h"
#include "widgets/Fensterregeln.h"

namespace tarvis::ui {

class Menue1View;

// The running program: state, message service, main window, and the
// windows each presenter may open.
class Anwendung {
public:
    Anwendung();
    ~Anwendung();

    // Start-up; false when the program has to end.
    bool starten(const std::filesystem::path& programmVerzeichnis, std::optional<std::string> sachbearbeiter);
    Menue1View& hauptfenster() { return *view_; }
    Programm& programm() { return p_; }
    QtMessageService& meldungen() { return ms_; }
    Menue1Presenter& presenter() { return presenter_; }
    QPrinter& drucker() { return drucker_; }

private:
    void fensterRegistrieren();

    Programm p_;
    QtMessageService ms_;
    Menue1Presenter presenter_{p_, ms_};
    QPrinter drucker_;
    std::unique_ptr<Menue1View> view_;
    Fensterregeln fensterregeln_;
};

}  // namespace tarvis::ui
