#pragma once
#include <QLabel>
#include <QMainWindow>
#include <map>

#include "ablauf/Menue1Presenter.h"

class QAction;

namespace tarvis::ui {

// A tool picture: clickable, and its hint goes to the hint line while the
// mouse is over it.
class Werkzeugbild : public QLabel {
    Q_OBJECT
public:
    Werkzeugbild(const QIcon& icon, QString hinweis, QWidget* parent = nullptr);
    const QString& hinweis() const { return hinweis_; }
signals:
    void geklickt();
    void hinweisZeigen(const QString& text);

protected:
    void enterEvent(QEnterEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    QString hinweis_;
};

// The main window Menue1: menu bar, tool pictures, start screen.
class Menue1View : public QMainWindow {
    Q_OBJECT
public:
    explicit Menue1View(Menue1Presenter& presenter, QWidget* parent = nullptr);
    ~Menue1View() override;

    // Copies the presenter's state into the widgets (title, enabling, start screen).
    void aktualisieren();
    QAction* aktion(Befehl b) const;
    Werkzeugbild* werkzeug(Befehl b) const;
    QLabel* hinweisZeile() const { return lblBild_; }
    void zentrieren();

protected:
    void closeEvent(QCloseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void aufbauen();
    void ausfuehren(Befehl b);

    Menue1Presenter& presenter_;
    std::map<Befehl, QAction*> aktionen_;
    std::map<Befehl, Werkzeugbild*> werkzeuge_;
    std::map<QString, QLabel*> startLabels_;
    QLabel* lblBild_ = nullptr;
    QWidget* startseite_ = nullptr;
    bool beendet_ = false;
};

}  // namespace tarvis::ui
