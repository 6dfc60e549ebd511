#pragma once
#include <QDialog>
#include <QPushButton>
#include <vector>

#include "widgets/Reiterkarten.h"
#include "wizard/ZusaetzePresenter.h"

namespace tarvis::ui {

class ZusaetzeSeite;

// The additional-functions window Zusaetze: eleven tabs and the buttons
// back to the menu, tab markers and forward.
class ZusaetzeDialog : public QDialog {
    Q_OBJECT
public:
    ZusaetzeDialog(ZusaetzePresenter& presenter, QWidget* parent = nullptr);

    void aktualisieren();
    Reiterkarten* reiter() const { return reiter_; }

protected:
    void mousePressEvent(QMouseEvent* e) override;

private:
    void weiterGedrueckt();

    ZusaetzePresenter& presenter_;
    Reiterkarten* reiter_;
    std::vector<ZusaetzeSeite*> seiten_;
    QPushButton* zurueck_;
    QPushButton* gedaechtnis_;
    QPushButton* weiter_;
};

}  // namespace tarvis::ui
