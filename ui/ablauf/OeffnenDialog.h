#pragma once
#include <QDialog>

#include "ablauf/OeffnenPresenter.h"

class QListWidget;

namespace tarvis::ui {

class Verzeichnisbaum;

// The open window Oeffnen: directory view and the "*.PLM" files; a double
// click on a file or OK opens it.
class OeffnenDialog : public QDialog {
    Q_OBJECT
public:
    OeffnenDialog(OeffnenPresenter& presenter, QWidget* parent = nullptr);
    QListWidget* dateiliste() const { return file1_; }
    Verzeichnisbaum* verzeichnisse() const { return dir1_; }
    // Opens the file chosen in the list (the double click and OK).
    void oeffnen();

private:
    void dateienZeigen();

    OeffnenPresenter& presenter_;
    Verzeichnisbaum* dir1_ = nullptr;
    QListWidget* file1_ = nullptr;
};

}  // namespace tarvis::ui
