#pragma once
#include <QDialog>

#include "einstellungen/SBWahlPresenter.h"

class QLabel;
class QListWidget;

namespace tarvis::ui {

// The clerk selection SBWahl: a directory list and the configuration files
// "*.KON" of the chosen directory.
class SBWahlDialog : public QDialog {
    Q_OBJECT
public:
    SBWahlDialog(SBWahlPresenter& presenter, QWidget* parent = nullptr);
    void aktualisieren();

private:
    SBWahlPresenter& presenter_;
    QLabel* lblVerzeichnis_ = nullptr;
    QListWidget* dir1_ = nullptr;
    QListWidget* file1_ = nullptr;
};

}  // namespace tarvis::ui
