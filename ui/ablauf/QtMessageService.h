#pragma once
#include <QPointer>
#include <QWidget>
#include <filesystem>

#include "projekt/MessageService.h"

namespace tarvis::ui {

class HilfeFenster;

// Gives the keyboard back to the window that opened a message or a window,
// once that is closed: the window manager does not always do so, above all
// when the window that was in front closes right after (a refused open).
void tastaturZurueck(QWidget* fenster);

// Shows the presenters' messages as message boxes and the help window; the
// windows are the flow layer's.
class QtMessageService : public MessageService {
public:
    void setzeElternfenster(QWidget* w) { eltern_ = w; }
    void setzeHilfeVerzeichnis(std::filesystem::path p) { hilfeVerzeichnis_ = std::move(p); }
    // The window a new window or message box opens on: the active modal
    // window, else the main window.
    QWidget* elternfenster() const;

    void zeigen(const Meldung& m) override;
    Antwort fragen(const Meldung& m) override;
    std::optional<std::string> eingeben(const Meldung& m, const std::string& vorgabe) override;
    bool oeffnen(Fenster fenster) override;
    void hilfe(int kontext) override;
    void piepen() override;

private:
    QPointer<QWidget> eltern_;
    std::filesystem::path hilfeVerzeichnis_;
    QPointer<HilfeFenster> hilfe_;
};

}  // namespace tarvis::ui
