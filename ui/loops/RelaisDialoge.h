#pragma once
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <array>

#include "widgets/JaNeinRahmen.h"
#include "widgets/Zaehlfeld.h"
#include "wizard/HY100Presenter.h"
#include "wizard/PQSloeschenPresenter.h"

namespace tarvis::ui {

// HY100: the contacts of the HY 100 relay cards.
class HY100Dialog : public QDialog {
    Q_OBJECT
public:
    HY100Dialog(HY100Presenter& presenter, QWidget* parent = nullptr);
    void aktualisieren();

private:
    HY100Presenter& presenter_;
    QGroupBox *frmPQK_, *frmPQV_;
    std::array<QLabel*, 4> relais_{};         // lblRelPQK28, lblRelPQK12, lblRelPQV28, lblRelPQV12
    std::array<QLabel*, 4> koepfe_{};         // Normal / Invers above each frame's boxes
    std::array<Zaehlfeld*, 8> felder_{};
    std::array<QLabel*, 6> hinweise_{};       // Label1..Label6
    QLabel *lblPQK_, *lblPQV_;
    QPushButton* weiter_;
};

// PQSloeschen: extinguishing and switching through the PQS couplers.
class PQSloeschenDialog : public QDialog {
    Q_OBJECT
public:
    PQSloeschenDialog(PQSloeschenPresenter& presenter, QWidget* parent = nullptr);
    void aktualisieren();

private:
    PQSloeschenPresenter& presenter_;
    JaNeinRahmen *loeschen_, *doppeln_;
    QGroupBox *frmSchalten_, *frmSteuern_;
    QLabel *lblMRVN_, *lblNormal_, *lblInvers_, *lblMaxSchalten_, *lblVOG_, *lblMaxVOG_;
    std::array<Zaehlfeld*, 3> felder_{};
    QPushButton* weiter_;
};

}  // namespace tarvis::ui
