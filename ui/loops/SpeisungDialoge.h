#pragma once
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "loops/JUBLSpeisPresenter.h"
#include "loops/PQKSpeisungPresenter.h"
#include "loops/PQVSpeisungPresenter.h"
#include "widgets/Zaehlfeld.h"

namespace tarvis::ui {

// PQKSpeisung: PQK modules fed with 12 V and with 28 V from the system.
class PQKSpeisungDialog : public QDialog {
    Q_OBJECT
public:
    PQKSpeisungDialog(PQKSpeisungPresenter& presenter, QWidget* parent = nullptr);
    void aktualisieren();

private:
    PQKSpeisungPresenter& presenter_;
    QGroupBox* fraAnzahl_;
    QLabel *lblPQK12_, *lblPQK28_, *lblVarianten_, *lblSumme_;
    Zaehlfeld *pqk12_, *pqk28_;
    QPushButton *weiter_, *hilfe_;
};

// PQVSpeisung: how the PQV modules are fed.
class PQVSpeisungDialog : public QDialog {
    Q_OBJECT
public:
    PQVSpeisungDialog(PQVSpeisungPresenter& presenter, QWidget* parent = nullptr);
    void aktualisieren();

private:
    PQVSpeisungPresenter& presenter_;
    QLabel *label1_, *label2_;
    QGroupBox* rahmen_;
    std::array<QRadioButton*, 3> optionen_{};
    QPushButton* weiter_;
};

// JUBLSpeis: JUBL controls fed with 28 V from the system.
class JUBLSpeisDialog : public QDialog {
    Q_OBJECT
public:
    JUBLSpeisDialog(JUBLSpeisPresenter& presenter, QWidget* parent = nullptr);
    void aktualisieren();

private:
    JUBLSpeisPresenter& presenter_;
    QGroupBox* frmJUBL_;
    QLabel *lblJUBL_, *label1_;
    Zaehlfeld* jubl_;
    QPushButton* ok_;
};

}  // namespace tarvis::ui
