#pragma once
#include <QLabel>
#include <QWidget>

#include "loops/PeriListe.h"
#include "widgets/ElementGrid.h"
#include "widgets/Zaehlfeld.h"

namespace tarvis::ui {

// The list part of PERIPH and PeriStrom: the element grid with one quantity
// column, the quantity box txtAnz1 and the quick-search labels.
class PeriListeWidget : public QWidget {
    Q_OBJECT
public:
    PeriListeWidget(PeriListe& liste, QWidget* parent = nullptr);

    // The list was built again.
    void neuAufbauen() { grid_->neuAufbauen(); }
    void anzeigen(const PeriListeAnsicht& a);
    ElementGrid* grid() const { return grid_; }
    Zaehlfeld* box() const { return box_; }

signals:
    // A quantity or the selection changed.
    void geaendert();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    ElementGrid* grid_;
    Zaehlfeld* box_;
    QLabel *lblMengenEin_, *lblSchnellsuche1_, *lblSchnellsuche2_, *lblSuche_, *lblElemente_;
};

}  // namespace tarvis::ui
