#pragma once
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "loops/PSM300Presenter.h"
#include "widgets/Zaehlfeld.h"

namespace tarvis::ui {

// PSM300: transformers and relay modules of the PSM 300 KBN supplies.
class PSM300Dialog : public QDialog {
    Q_OBJECT
public:
    PSM300Dialog(PSM300Presenter& presenter, QWidget* parent = nullptr);
    void aktualisieren();

private:
    PSM300Presenter& presenter_;
    QLabel *label1_, *label3_, *label4_, *label5_, *label8_;
    QGroupBox* optionen_;
    QLabel *lblWandler28_, *lblVRX_;
    Zaehlfeld *wandler28_, *vrx_;
    QPushButton *weiter_, *hilfe_;
};

}  // namespace tarvis::ui
