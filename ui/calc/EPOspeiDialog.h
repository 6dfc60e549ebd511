#pragma once
#include <QDialog>

#include "calc/EPOspeiPresenter.h"

namespace tarvis::ui {

// The hand-over options window EPOspei: peripherals and loop elements in the
// .EPO file or not.
class EPOspeiDialog : public QDialog {
    Q_OBJECT
public:
    EPOspeiDialog(EPOspeiPresenter& presenter, QWidget* parent = nullptr);

private:
    EPOspeiPresenter& presenter_;
};

}  // namespace tarvis::ui
