#include "loops/PeriListeWidget.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "loops/Bausteine.h"
#include "widgets/Optionen.h"

namespace tarvis::ui {

PeriListeWidget::PeriListeWidget(PeriListe& liste, QWidget* parent)
    : QWidget(parent),
      grid_(new ElementGrid(this)),
      box_(new Zaehlfeld(QStringLiteral("txtAnz1"), QStringLiteral("hsbAnz1"), this)),
      lblMengenEin_(neuesLabel("lblMengenEin", this)),
      lblSchnellsuche1_(neuesLabel("lblSchnellsuche1", this)),
      lblSchnellsuche2_(neuesLabel("lblSchnellsuche2", this)),
      lblSuche_(neuesLabel("lblSuche", this)),
      lblElemente_(neuesLabel("lblElemente", this, true)) {
    lblSuche_->setFrameShape(QFrame::Panel);
    lblSuche_->setFrameShadow(QFrame::Sunken);
    lblSuche_->setMinimumWidth(120);
    lblElemente_->setStyleSheet(QStringLiteral("color: #8b1a1a;"));
    platzHalten(box_);

    auto* unten = new QGridLayout;
    unten->addWidget(lblMengenEin_, 0, 0);
    unten->addWidget(box_, 0, 1, Qt::AlignLeft);
    unten->addWidget(lblSchnellsuche1_, 1, 0);
    auto* suche = new QHBoxLayout;
    suche->addWidget(lblSchnellsuche2_);
    suche->addWidget(lblSuche_);
    suche->addStretch();
    unten->addLayout(suche, 1, 1);
    unten->setColumnStretch(1, 1);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(grid_, 1);
    l->addLayout(unten);
    l->addWidget(lblElemente_);

    grid_->binden(liste);
    box_->binden(liste, 0);
    box_->feld()->installEventFilter(this);
    connect(grid_, &ElementGrid::gewaehlt, this, &PeriListeWidget::geaendert);
    connect(grid_, &ElementGrid::gesucht, this, &PeriListeWidget::geaendert);
    connect(box_, &Zaehlfeld::geaendert, this, &PeriListeWidget::geaendert);
    connect(grid_, &ElementGrid::bearbeiten, this, [this](int, bool markieren) {
        emit geaendert();
        mengeBearbeiten(box_->feld(), markieren);
    });
}

void PeriListeWidget::anzeigen(const PeriListeAnsicht& a) {
    grid_->aktualisieren();
    box_->aktualisieren();
    box_->setVisible(a.boxSichtbar);
    ui::anzeigen(lblMengenEin_, a.lblMengenEin);
    ui::anzeigen(lblSchnellsuche1_, a.lblSchnellsuche1);
    ui::anzeigen(lblSchnellsuche2_, a.lblSchnellsuche2);
    ui::anzeigen(lblSuche_, a.lblSuche);
    ui::anzeigen(lblElemente_, a.lblElemente);
}

bool PeriListeWidget::eventFilter(QObject* o, QEvent* e) {
    // Up, Down and Enter go back to the grid; there is one quantity column only.
    if (o == box_->feld() && e->type() == QEvent::KeyPress) {
        int k = static_cast<QKeyEvent*>(e)->key();
        if (k == Qt::Key_Up || k == Qt::Key_Down || k == Qt::Key_Return || k == Qt::Key_Enter) {
            grid_->setFocus();
            return true;
        }
    }
    return QWidget::eventFilter(o, e);
}

}  // namespace tarvis::ui
