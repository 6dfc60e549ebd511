#pragma once
#include <QDialog>

#include "calc/DXAErg.h"

namespace tarvis::ui {

// The result window of the standalone DXA 1000, DXAErg.
class DXAErgDialog : public QDialog {
    Q_OBJECT
public:
    explicit DXAErgDialog(const DXAErgAnsicht& a, QWidget* parent = nullptr);
};

}  // namespace tarvis::ui
