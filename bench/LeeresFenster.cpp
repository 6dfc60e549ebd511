// The bare start of a Qt program: an empty window shown, then the end. The
// baseline against which tarvis_gui_bench measures the program's start-up.
#include <QApplication>
#include <QWidget>
#include <QWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget w;
    w.resize(720, 520);  // the size of the main window
    w.show();
    // Shown: the window is exposed (and so painted); no sleeping in between.
    while (!w.windowHandle()->isExposed()) QApplication::processEvents();
    QApplication::processEvents();
    return 0;
}
