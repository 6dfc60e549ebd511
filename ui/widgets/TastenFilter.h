#pragma once
#include <QObject>
#include <functional>

class QWidget;

namespace tarvis::ui {

// Asks the presenter about each character typed into a box before the box
// takes it: false refuses the key. Keys that type nothing (arrows, Tab,
// shortcuts) pass unasked; Backspace is asked, as it changes the text.
class TastenFilter : public QObject {
    Q_OBJECT
public:
    using Pruefung = std::function<bool(char32_t)>;
    TastenFilter(QWidget* feld, Pruefung pruefung);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    Pruefung pruefung_;
};

}  // namespace tarvis::ui
