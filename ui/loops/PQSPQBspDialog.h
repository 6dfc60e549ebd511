#pragma once
#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "loops/PQSPQBspPresenter.h"
#include "loops/SpeiseRahmenWidget.h"

namespace tarvis::ui {

// PQSPQBsp: PQS and PQB modules fed with 28 V from the system.
class PQSPQBspDialog : public QDialog {
    Q_OBJECT
public:
    PQSPQBspDialog(PQSPQBspPresenter& presenter, QWidget* parent = nullptr);
    void aktualisieren();

private:
    PQSPQBspPresenter& presenter_;
    QLabel *label1_, *label2_;
    SpeiseRahmenWidget *pqs_, *pqb_;
    QPushButton* weiter_;
};

// DUV100Sp: DUV 100 KBN modules fed with 28 V from the system.
class DUV100SpDialog : public QDialog {
    Q_OBJECT
public:
    DUV100SpDialog(DUV100SpPresenter& presenter, QWidget* parent = nullptr);
    void aktualisieren();

private:
    DUV100SpPresenter& presenter_;
    QLabel *label1_, *label2_;
    SpeiseRahmenWidget* duv_;
    QPushButton* weiter_;
};

}  // namespace tarvis::ui
