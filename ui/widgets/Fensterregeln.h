#pragma once
#include <QList>
#include <QObject>

class QWidget;

namespace tarvis::ui {

// What every window of the program does when it is first shown: it is made
// wide enough for its caption, centred on the screen, and ordered for the
// keyboard. Tab walks a window in reading order: frame by frame, and inside
// a frame row by row, left to right; the push buttons placed directly on the
// window (OK, Forward, Help ...) come last. A group of options is one stop,
// on its chosen option. A window that chose no input of its own opens on its
// first input (in a group of options, on the chosen one); an arrow key in a
// group of options with none chosen chooses as it moves.
// Enter presses the default button from any input, F1 the help button. The
// order is made when a window is first shown and made again when a hidden
// part of it (a tab page) is shown.
class Fensterregeln : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void spaeterOrdnen(QWidget* fenster);
};

// Centres a window on its screen, made smaller when it is larger than the
// screen (a high scale factor on a small screen).
void aufBildschirmMitte(QWidget* fenster);

// The width a window needs for its caption to fit in the title bar, and a
// window made that wide (not wider than its screen).
int titelBreite(const QWidget* fenster);
void titelPlatz(QWidget* fenster);

// Puts the tab stops of `fenster` into the order above; returns it.
QList<QWidget*> tabFolgeOrdnen(QWidget* fenster);

}  // namespace tarvis::ui
