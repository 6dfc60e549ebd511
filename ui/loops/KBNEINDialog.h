#pragma once
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <array>

#include "loops/KBNEINPresenter.h"
#include "widgets/ElementGrid.h"
#include "widgets/Zaehlfeld.h"

namespace tarvis::ui {

// The loop entry KBNEIN: the element grid, one quantity box per loop and the
// running sums per loop.
class KBNEINDialog : public QDialog {
    Q_OBJECT
public:
    KBNEINDialog(KBNEINPresenter& presenter, QWidget* parent = nullptr);

    void aktualisieren();
    ElementGrid* grid() const { return grid_; }

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void weiterGedrueckt();

    KBNEINPresenter& presenter_;
    ElementGrid* grid_;
    std::array<Zaehlfeld*, 4> boxen_{};
    std::array<QLabel*, 4> tpxOben_{}, sumKopf_{}, elemente_{}, strom_{}, rlm_{}, ram_{};
    QLabel *lblMengen_, *lblMjeTPX_, *lblSchnellsuche2_, *lblSuche_;
    QLabel *lblElSu_, *lblStromSu_, *lblSpeicher1_, *lblSpeicher2_;
    QLabel *lblAdrEin_, *lblAdr1_, *lblAdrAus_, *lblAdr2_;
    QLabel *lbl28_, *lblTotal_, *lblQuer_, *lblElemente_;
    QGroupBox *frmSuche_, *frmSummen_, *fra28_, *fraTotal_;
    QPushButton *loeschen_, *weiter_, *hilfe_;
};

}  // namespace tarvis::ui
