#pragma once
#include <QDialog>

#include "calc/AusgabePresenter.h"

class QTableWidget;
class QPushButton;

namespace tarvis::ui {

// The result window Ausgabe: the material list in a grid and the forward
// button.
class AusgabeDialog : public QDialog {
    Q_OBJECT
public:
    AusgabeDialog(AusgabePresenter& presenter, QWidget* parent = nullptr);
    QTableWidget* raster() const { return grid_; }

private:
    void fuellen();

    AusgabePresenter& presenter_;
    QTableWidget* grid_ = nullptr;
};

}  // namespace tarvis::ui
