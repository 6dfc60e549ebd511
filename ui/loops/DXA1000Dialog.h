#pragma once
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "loops/DXA1000Presenter.h"
#include "widgets/Zaehlfeld.h"

namespace tarvis::ui {

// DXA1000: the input of the standalone DXA 1000 sizing.
class DXA1000Dialog : public QDialog {
    Q_OBJECT
public:
    DXA1000Dialog(DXA1000Presenter& presenter, QWidget* parent = nullptr);
    void aktualisieren();

private:
    DXA1000Presenter& presenter_;
    QLabel *label1_, *label2_;
    QGroupBox *frmBranot_, *frmStromEin_;
    QRadioButton *brand_, *notruf_;
    QLabel *lblUezeit_, *lblRuhe_, *lblAlarm_;
    std::array<QLabel*, 4> spannungen_{};  // lbl12, lbl24, lbl28, lbl35
    std::array<Zaehlfeld*, 9> felder_{};
    QPushButton *weiter_, *zurueck_, *hilfe_;
};

}  // namespace tarvis::ui
