#pragma once
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "loops/PERIPHPresenter.h"
#include "loops/PeriListeWidget.h"
#include "loops/PeriStromPresenter.h"

namespace tarvis::ui {

// PERIPH: the peripheral elements of the project.
class PERIPHDialog : public QDialog {
    Q_OBJECT
public:
    PERIPHDialog(PERIPHPresenter& presenter, QWidget* parent = nullptr);
    void aktualisieren();
    PeriListeWidget* liste() const { return liste_; }

private:
    PERIPHPresenter& presenter_;
    PeriListeWidget* liste_;
    QLabel *label1_, *lblSumme_;
    QPushButton* ok_;
};

// PeriStrom: the standalone local current calculation of peripheral devices.
class PeriStromDialog : public QDialog {
    Q_OBJECT
public:
    PeriStromDialog(PeriStromPresenter& presenter, QWidget* parent = nullptr);
    void aktualisieren();
    PeriListeWidget* liste() const { return liste_; }

private:
    PeriStromPresenter& presenter_;
    PeriListeWidget* liste_;
    QLabel* uebertrag_;
    QGroupBox *koppler_, *fraDUV_;
    std::array<QRadioButton*, 6> optionen_{};
    QLabel* lblMengeDUV_;
    Zaehlfeld* duv_;
    QPushButton *ok_, *loeschen_, *hilfe_;
};

}  // namespace tarvis::ui
