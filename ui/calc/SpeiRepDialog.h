#pragma once
#include <QDialog>

#include "calc/SpeiRep.h"

namespace tarvis::ui {

// The save report SpeiRep: which files the save wrote.
class SpeiRepDialog : public QDialog {
    Q_OBJECT
public:
    explicit SpeiRepDialog(const SpeiRepAnsicht& a, QWidget* parent = nullptr);
};

}  // namespace tarvis::ui
