#include "loops/KBNEINDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPointer>
#include <QVBoxLayout>

#include "loops/Bausteine.h"
#include "widgets/QtText.h"
#include "widgets/Optionen.h"

namespace tarvis::ui {

namespace {

QByteArray nummeriert(const char* name, std::size_t k) { return QByteArray(name) + QByteArray::number(static_cast<int>(k + 1)); }

}  // namespace

KBNEINDialog::KBNEINDialog(KBNEINPresenter& presenter, QWidget* parent)
    : QDialog(parent),
      presenter_(presenter),
      grid_(new ElementGrid(this)),
      lblMengen_(neuesLabel("lblMengen", this)),
      lblMjeTPX_(neuesLabel("lblMjeTPX", this)),
      lblSchnellsuche2_(neuesLabel("lblSchnellsuche2", this, true)),
      lblSuche_(neuesLabel("lblSuche", this)),
      lblElSu_(neuesLabel("lblElSu", this)),
      lblStromSu_(neuesLabel("lblStromSu", this)),
      lblSpeicher1_(neuesLabel("lblSpeicher1", this)),
      lblSpeicher2_(neuesLabel("lblSpeicher2", this)),
      lblAdrEin_(neuesLabel("lblAdrEin", this)),
      lblAdr1_(zahlLabel("lblAdr1", this)),
      lblAdrAus_(neuesLabel("lblAdrAus", this)),
      lblAdr2_(zahlLabel("lblAdr2", this)),
      lbl28_(zahlLabel("lbl28", this)),
      lblTotal_(zahlLabel("lblTotal", this)),
      lblQuer_(neuesLabel("lblQuer", this, true)),
      lblElemente_(neuesLabel("lblElemente", this, true)),
      frmSuche_(neuerRahmen("frmSuche", this)),
      frmSummen_(neuerRahmen("frmSummen", this)),
      fra28_(neuerRahmen("fra28", this)),
      fraTotal_(neuerRahmen("fraTotal", this)),
      loeschen_(neuerKnopf("cmdLöschen", this)),
      weiter_(neuerKnopf("cmdWeiter", this)),
      hilfe_(neuerKnopf("cmdHilfe", this)) {
    setObjectName(QStringLiteral("KBNEIN"));
    lblSuche_->setFrameShape(QFrame::Panel);
    lblSuche_->setFrameShadow(QFrame::Sunken);
    lblElemente_->setStyleSheet(QStringLiteral("color: #8b1a1a;"));

    // Quantity editor: a heading row, then one box per loop.
    auto* editor = new QGridLayout;
    editor->addWidget(lblMjeTPX_, 0, 0);
    editor->addWidget(lblMengen_, 1, 0);
    // The sums per loop, in the same columns.
    auto* summen = new QGridLayout(frmSummen_);
    summen->addWidget(lblElSu_, 1, 0);
    summen->addWidget(lblStromSu_, 2, 0);
    summen->addWidget(lblSpeicher1_, 3, 0);
    summen->addWidget(lblSpeicher2_, 4, 0);
    for (std::size_t k = 0; k < 4; ++k) {
        const int spalte = static_cast<int>(k) + 1;
        tpxOben_[k] = neuesLabel(nummeriert("lblTPXtop", k).constData(), this);
        tpxOben_[k]->setAlignment(Qt::AlignCenter);
        boxen_[k] = new Zaehlfeld(QString::fromLatin1(nummeriert("txtAnz", k)), QString::fromLatin1(nummeriert("hsbAnz", k)), this);
        boxen_[k]->binden(presenter_, static_cast<int>(k));
        boxen_[k]->feld()->installEventFilter(this);
        platzHalten(boxen_[k]);
        platzHalten(tpxOben_[k]);
        connect(boxen_[k], &Zaehlfeld::geaendert, this, &KBNEINDialog::aktualisieren);
        editor->addWidget(tpxOben_[k], 0, spalte, Qt::AlignCenter);
        editor->addWidget(boxen_[k], 1, spalte, Qt::AlignCenter);
        elemente_[k] = zahlLabel(nummeriert("lblElemente", k).constData(), frmSummen_);
        strom_[k] = zahlLabel(nummeriert("lblStrom", k).constData(), frmSummen_);
        rlm_[k] = zahlLabel(nummeriert("lblSpPl1", k).constData(), frmSummen_);
        ram_[k] = zahlLabel(nummeriert("lblSpPl2", k).constData(), frmSummen_);
        for (QLabel* l : {elemente_[k], strom_[k], rlm_[k], ram_[k]}) platzHalten(l);
        // The loop heads repeat over the sums.
        sumKopf_[k] = neuesLabel(nummeriert("lblSumTPX", k).constData(), frmSummen_);
        sumKopf_[k]->setAlignment(Qt::AlignCenter);
        platzHalten(sumKopf_[k]);
        summen->addWidget(sumKopf_[k], 0, spalte);
        summen->addWidget(elemente_[k], 1, spalte);
        summen->addWidget(strom_[k], 2, spalte);
        summen->addWidget(rlm_[k], 3, spalte);
        summen->addWidget(ram_[k], 4, spalte);
    }
    auto* adressen = new QHBoxLayout;
    adressen->addWidget(lblAdrEin_);
    adressen->addWidget(lblAdr1_);
    adressen->addSpacing(12);
    adressen->addWidget(lblAdrAus_);
    adressen->addWidget(lblAdr2_);
    adressen->addStretch();
    summen->addLayout(adressen, 5, 0, 1, 6);
    summen->setColumnStretch(5, 1);

    auto* suche = new QVBoxLayout(frmSuche_);
    suche->addWidget(lblSchnellsuche2_);
    suche->addWidget(lblSuche_);
    (new QVBoxLayout(fra28_))->addWidget(lbl28_);
    (new QVBoxLayout(fraTotal_))->addWidget(lblTotal_);

    auto* rechts = new QVBoxLayout;
    rechts->addWidget(frmSuche_);
    rechts->addWidget(fraTotal_);
    rechts->addWidget(fra28_);
    rechts->addWidget(lblQuer_);
    rechts->addStretch();
    auto* oben = new QHBoxLayout;
    oben->addWidget(grid_, 1);
    oben->addLayout(rechts);

    auto* unten = new QHBoxLayout;
    auto* links = new QVBoxLayout;
    links->addLayout(editor);
    links->addWidget(lblElemente_);
    links->addStretch();
    unten->addLayout(links, 2);
    unten->addWidget(frmSummen_, 3);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(loeschen_);
    knoepfe->addStretch();
    knoepfe->addWidget(hilfe_);
    knoepfe->addWidget(weiter_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(oben, 1);
    layout->addLayout(unten);
    layout->addLayout(knoepfe);
    frmSuche_->setMaximumWidth(220);
    lblQuer_->setMaximumWidth(220);
    resize(1000, 700);

    grid_->binden(presenter_);
    connect(grid_, &ElementGrid::gewaehlt, this, &KBNEINDialog::aktualisieren);
    connect(grid_, &ElementGrid::gesucht, this, &KBNEINDialog::aktualisieren);
    connect(grid_, &ElementGrid::bearbeiten, this, [this](int k, bool markieren) {
        aktualisieren();
        mengeBearbeiten(boxen_[static_cast<std::size_t>(k)]->feld(), markieren);
    });
    connect(loeschen_, &QPushButton::clicked, this, [this] {
        presenter_.allesLoeschen();
        grid_->neuAufbauen();
        aktualisieren();
    });
    connect(hilfe_, &QPushButton::clicked, this, [this] { presenter_.hilfe(); });
    connect(weiter_, &QPushButton::clicked, this, &KBNEINDialog::weiterGedrueckt);

    presenter_.aktivieren();
    grid_->neuAufbauen();
    aktualisieren();
    grid_->setFocus();
    // A limit message is shown over the new sums, not the previous ones. The
    // presenter outlives this window (it comes back after a refusal).
    presenter_.setzeBeiNeuenSummen([d = QPointer<KBNEINDialog>(this)] {
        if (d) d->aktualisieren();
    });
}

void KBNEINDialog::aktualisieren() {
    const KBNEINAnsicht a = presenter_.ansicht();
    setWindowTitle(qs(a.titel));
    grid_->aktualisieren();
    for (std::size_t k = 0; k < 4; ++k) {
        boxen_[k]->aktualisieren();
        boxen_[k]->setVisible(a.boxSichtbar[k]);
        anzeigen(tpxOben_[k], a.tpxOben[k]);
        anzeigen(sumKopf_[k], a.tpxOben[k]);
        anzeigen(elemente_[k], a.elemente[k]);
        anzeigen(strom_[k], a.strom[k]);
        anzeigen(rlm_[k], a.speicherRLM[k]);
        anzeigen(ram_[k], a.speicherRAM[k]);
    }
    anzeigen(lblMengen_, a.lblMengen);
    anzeigen(lblMjeTPX_, a.lblMjeTPX);
    anzeigen(frmSuche_, a.frmSuche);
    anzeigen(lblSchnellsuche2_, a.lblSchnellsuche2);
    anzeigen(lblSuche_, a.lblSuche);
    anzeigen(frmSummen_, a.frmSummen);
    anzeigen(lblElSu_, a.lblElSu);
    anzeigen(lblStromSu_, a.lblStromSu);
    anzeigen(lblSpeicher1_, a.lblSpeicher1);
    anzeigen(lblSpeicher2_, a.lblSpeicher2);
    anzeigen(lblAdrEin_, a.lblAdrEin);
    anzeigen(lblAdr1_, a.lblAdr1);
    anzeigen(lblAdrAus_, a.lblAdrAus);
    anzeigen(lblAdr2_, a.lblAdr2);
    anzeigen(fra28_, a.fra28);
    anzeigen(lbl28_, a.lbl28);
    anzeigen(fraTotal_, a.fraTotal);
    anzeigen(lblTotal_, a.lblTotal);
    anzeigen(lblQuer_, a.lblQuer);
    anzeigen(lblElemente_, a.lblElemente);
    anzeigen(loeschen_, a.loeschen);
    anzeigen(weiter_, a.weiter);
    anzeigen(hilfe_, a.hilfe);
}

bool KBNEINDialog::eventFilter(QObject* o, QEvent* e) {
    if (e->type() != QEvent::KeyPress) return QDialog::eventFilter(o, e);
    for (std::size_t k = 0; k < 4; ++k) {
        if (o != boxen_[k]->feld()) continue;
        switch (static_cast<QKeyEvent*>(e)->key()) {
        case Qt::Key_Up: case Qt::Key_Down: case Qt::Key_Return: case Qt::Key_Enter:
            grid_->setFocus();
            return true;
        case Qt::Key_Left: case Qt::Key_Right: {
            int richtung = static_cast<QKeyEvent*>(e)->key() == Qt::Key_Right ? 1 : -1;
            if (!presenter_.boxPfeil(static_cast<int>(k), richtung)) return false;
            aktualisieren();
            grid_->setFocus();
            return true;
        }
        default: return false;
        }
    }
    return QDialog::eventFilter(o, e);
}

void KBNEINDialog::weiterGedrueckt() {
    if (presenter_.weiter()) accept();
    else aktualisieren();
}

}  // namespace tarvis::ui
