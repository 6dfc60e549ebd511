#pragma once
#include <QDialog>

#include "einstellungen/DruckerPresenter.h"

class QRadioButton;

namespace tarvis::ui {

// The print font window Drucker.
class DruckerDialog : public QDialog {
    Q_OBJECT
public:
    DruckerDialog(DruckerPresenter& presenter, QWidget* parent = nullptr);
    void aktualisieren();

private:
    DruckerPresenter& presenter_;
    QRadioButton* opt8_ = nullptr;
    QRadioButton* opt10_ = nullptr;
    QRadioButton* opt12_ = nullptr;
    QRadioButton* optCour_ = nullptr;
    QRadioButton* optCourNew_ = nullptr;
};

}  // namespace tarvis::ui
