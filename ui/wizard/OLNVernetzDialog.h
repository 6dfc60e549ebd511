#pragma once
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "widgets/JaNeinRahmen.h"
#include "wizard/OLNVernetzPresenter.h"

namespace tarvis::ui {

// The networking window OLNVernetz of the KVT 2000 panels.
class OLNVernetzDialog : public QDialog {
    Q_OBJECT
public:
    OLNVernetzDialog(OLNVernetzPresenter& presenter, QWidget* parent = nullptr);

    void aktualisieren();

private:
    void weiterGedrueckt();

    OLNVernetzPresenter& presenter_;
    JaNeinRahmen* oln_;
    QGroupBox* fraName_;
    QLineEdit* name_;
    std::array<QGroupBox*, 2> seiten_{};
    std::array<std::array<QRadioButton*, 3>, 2> optionen_{};
    QLabel* max6_;
    QLabel* hinweis_;
    QLabel* l2006_;
    QPushButton* hilfeOLN_;
    QPushButton* hilfe2006_;
    QPushButton* weiter_;
};

}  // namespace tarvis::ui
