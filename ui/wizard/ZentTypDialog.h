#pragma once
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "wizard/ZentTypPresenter.h"

namespace tarvis::ui {

// The panel type dialog ZentTyp.
class ZentTypDialog : public QDialog {
    Q_OBJECT
public:
    ZentTypDialog(ZentTypPresenter& presenter, QWidget* parent = nullptr);

    void aktualisieren();
    QRadioButton* option(int code) const { return optionen_.at(static_cast<std::size_t>(code)); }
    QPushButton* weiter() const { return weiter_; }

private:
    void weiterGedrueckt();

    ZentTypPresenter& presenter_;
    QGroupBox* rahmen_;
    QLabel* autark_;
    std::array<QRadioButton*, 9> optionen_{};
    QPushButton* weiter_;
    QPushButton* hilfe1_;
    QPushButton* hilfe2_;
};

}  // namespace tarvis::ui
