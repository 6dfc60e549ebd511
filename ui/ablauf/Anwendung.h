#pragma once
#include <QPrinter>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "ablauf/Programmablauf.h"
#include "ablauf/QtAnsichten.h"
#include "projekt/Programm.h"
#include "ablauf/QtMessageService.h"
#include "widgets/Fensterregeln.h"

namespace tarvis::ui {

class Menue1View;

// The running program: state, messages, the views of the windows, the flow
// layer that runs the commands, and the main window.
class Anwendung {
public:
    Anwendung();
    ~Anwendung();

    // Start-up; false when the program has to end.
    bool starten(const std::filesystem::path& programmVerzeichnis, std::optional<std::string> sachbearbeiter);
    Menue1View& hauptfenster() { return *view_; }
    Programm& programm() { return p_; }
    // The messages the presenters use (windows open through the flow layer).
    MessageService& meldungen() { return ablauf_.meldungen(); }
    QtMessageService& qtMeldungen() { return ms_; }
    QtAnsichten& ansichten() { return ansichten_; }
    Menue1Presenter& presenter() { return ablauf_.menue(); }
    QPrinter& drucker() { return drucker_; }

private:
    Programm p_;
    QtMessageService ms_;
    QPrinter drucker_;
    QtAnsichten ansichten_{*this};
    Programmablauf ablauf_{p_, ms_, ansichten_};
    std::unique_ptr<Menue1View> view_;
    Fensterregeln fensterregeln_;
};

}  // namespace tarvis::ui
