#pragma once
#include <QDialog>
#include <array>

#include "einstellungen/ModusPresenter.h"

class QRadioButton;

namespace tarvis::ui {

// The code-mode and language window Modus.
class ModusDialog : public QDialog {
    Q_OBJECT
public:
    ModusDialog(ModusPresenter& presenter, QWidget* parent = nullptr);
    void aktualisieren();

private:
    ModusPresenter& presenter_;
    QRadioButton* optSachnr_ = nullptr;
    QRadioButton* optLIBEX_ = nullptr;
    std::array<QRadioButton*, kAnzahlSprachen + 1> sprachen_{};
};

}  // namespace tarvis::ui
