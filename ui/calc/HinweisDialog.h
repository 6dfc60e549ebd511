#pragma once
#include <QDialog>

#include "calc/HinweisPresenter.h"

class QTableWidget;

namespace tarvis::ui {

// The notes and current report window Hinweis: the report lines in a
// one-column grid in a fixed-pitch font, a print button and OK.
class HinweisDialog : public QDialog {
    Q_OBJECT
public:
    HinweisDialog(HinweisPresenter& presenter, QWidget* parent = nullptr);
    QTableWidget* raster() const { return grid_; }

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void spalteAnpassen();

    HinweisPresenter& presenter_;
    QTableWidget* grid_ = nullptr;
    int laengsteZeile_ = 0;
};

}  // namespace tarvis::ui
