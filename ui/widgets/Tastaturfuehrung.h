#pragma once
#include <QList>
#include <QObject>

class QWidget;

namespace tarvis::ui {

// The keyboard order of the program's own windows. Tab walks a window in
// reading order: frame by frame, and inside a frame row by row, left to
// right; the push buttons placed directly on the window (OK, Forward,
// Help ...) come last. A window that chose no input of its own opens on its
// first input (in a group of options, on the chosen one); Enter presses the
// default button from any input. The order is made when a window is first
// shown and made again when a hidden part of it (a tab page) is shown.
class Tastaturfuehrung : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void spaeterOrdnen(QWidget* fenster);
};

// Puts the tab stops of `fenster` into the order above; returns it.
QList<QWidget*> tabFolgeOrdnen(QWidget* fenster);

}  // namespace tarvis::ui
