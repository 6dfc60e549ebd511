#pragma once
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <array>

#include "loops/DXAGehPresenter.h"
#include "widgets/Zaehlfeld.h"

namespace tarvis::ui {

// DXAGeh: the supply proposal of the calculation, confirmed or corrected.
class DXAGehDialog : public QDialog {
    Q_OBJECT
public:
    DXAGehDialog(DXAGehPresenter& presenter, QWidget* parent = nullptr);
    void aktualisieren();

private:
    DXAGehPresenter& presenter_;
    QLabel* label1_;
    std::array<QLabel*, 6> kriterien_{};  // Label2..Label6, Label9
    QGroupBox* korrektur_;
    QLabel *lblDXAak_, *lblDXAakzept_, *lblZOLWak_, *lblZOLWakzept_, *lblDXA_, *lblZOLW_, *hinweis_;
    Zaehlfeld *dxa_, *zolw_;
    QLabel *label7_, *label8_;
    QPushButton *psm_, *kbn_, *weiter_;
};

}  // namespace tarvis::ui
