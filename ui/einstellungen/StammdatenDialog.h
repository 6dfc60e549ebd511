#pragma once
#include <QDialog>
#include <array>

#include "einstellungen/StammdatenPresenter.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tarvis::ui {

// The master data window Stammdaten.
class StammdatenDialog : public QDialog {
    Q_OBJECT
public:
    StammdatenDialog(StammdatenPresenter& presenter, QWidget* parent = nullptr);
    void aktualisieren();

private:
    void okGeklickt();

    StammdatenPresenter& presenter_;
    std::array<QLabel*, 7> labels_{};
    std::array<QLineEdit*, 7> texte_{};
    QLabel* lblProName_ = nullptr;
    QLabel* lblSachName_ = nullptr;
    QLabel* lblAltName_ = nullptr;
};

}  // namespace tarvis::ui
