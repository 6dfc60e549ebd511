#include "loops/DXAGehDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "loops/Bausteine.h"
#include "widgets/QtText.h"
#include "widgets/Optionen.h"

namespace tarvis::ui {

DXAGehDialog::DXAGehDialog(DXAGehPresenter& presenter, QWidget* parent)
    : QDialog(parent),
      presenter_(presenter),
      label1_(neuesLabel("Label1", this, true)),
      korrektur_(neuerRahmen("fraKorrektur", this)),
      lblDXAak_(neuesLabel("lblDXAak", korrektur_)),
      lblDXAakzept_(neuesLabel("lblDXAakzept", korrektur_)),
      lblZOLWak_(neuesLabel("lblZOLWak", korrektur_)),
      lblZOLWakzept_(neuesLabel("lblZOLWakzept", korrektur_)),
      lblDXA_(neuesLabel("lblDXA", korrektur_)),
      lblZOLW_(neuesLabel("lblZOLW", korrektur_)),
      hinweis_(neuesLabel("lblHinweis", this, true)),
      dxa_(new Zaehlfeld(QStringLiteral("txtDXA"), QStringLiteral("hsbDXA"), korrektur_)),
      zolw_(new Zaehlfeld(QStringLiteral("txtZOLW"), QStringLiteral("hsbZOLW"), korrektur_)),
      label7_(neuesLabel("Label7", this, true)),
      label8_(neuesLabel("Label8", this, true)),
      psm_(neuerKnopf("cmdPSM", this)),
      kbn_(neuerKnopf("cmdKBN", this)),
      weiter_(neuerKnopf("cmdWeiter", this)) {
    setObjectName(QStringLiteral("DXAGeh"));
    QFont fett = label1_->font();
    fett.setBold(true);
    label1_->setFont(fett);

    auto* l = new QVBoxLayout(this);
    l->addWidget(label1_);
    const char* namen[] = {"Label2", "Label3", "Label4", "Label5", "Label6", "Label9"};
    for (std::size_t i = 0; i < kriterien_.size(); ++i) {
        kriterien_[i] = neuesLabel(namen[i], this, true);
        l->addWidget(kriterien_[i]);
    }

    auto* g = new QGridLayout(korrektur_);
    g->addWidget(lblDXA_, 0, 0);
    g->addWidget(dxa_, 0, 1);
    g->addWidget(lblDXAak_, 0, 2);
    g->addWidget(lblDXAakzept_, 0, 3);
    g->addWidget(lblZOLW_, 1, 0);
    g->addWidget(zolw_, 1, 1);
    g->addWidget(lblZOLWak_, 1, 2);
    g->addWidget(lblZOLWakzept_, 1, 3);
    g->setColumnStretch(4, 1);
    g->setHorizontalSpacing(12);
    l->addSpacing(8);
    l->addWidget(korrektur_);
    l->addWidget(hinweis_);
    l->addWidget(label7_);
    auto* psmZeile = new QHBoxLayout;
    psmZeile->addWidget(psm_);
    psmZeile->addWidget(label8_, 1);
    l->addLayout(psmZeile);
    l->addStretch();
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(kbn_);
    knoepfe->addStretch();
    knoepfe->addWidget(weiter_);
    weiter_->setDefault(true);
    l->addLayout(knoepfe);
    setMinimumWidth(720);

    presenter_.aktivieren();
    dxa_->binden(presenter_.felder(), DXAGehPresenter::DXA);
    zolw_->binden(presenter_.felder(), DXAGehPresenter::ZOLW);
    // Changes in the loop entry or the PSM 300 options show at once.
    connect(kbn_, &QPushButton::clicked, this, [this] {
        presenter_.kbn();
        aktualisieren();
    });
    connect(psm_, &QPushButton::clicked, this, [this] {
        presenter_.psm();
        aktualisieren();
    });
    connect(weiter_, &QPushButton::clicked, this, [this] {
        if (presenter_.weiter()) accept();
    });
    aktualisieren();
}

void DXAGehDialog::aktualisieren() {
    DXAGehAnsicht a = presenter_.ansicht();
    setWindowTitle(qs(a.titel));
    anzeigen(label1_, a.label1);
    const Beschriftung* k[] = {&a.label2, &a.label3, &a.label4, &a.label5, &a.label6, &a.label9};
    for (std::size_t i = 0; i < kriterien_.size(); ++i) anzeigen(kriterien_[i], *k[i]);
    korrektur_->setEnabled(a.korrekturAktiv);
    anzeigen(lblDXAak_, a.lblDXAak);
    anzeigen(lblDXAakzept_, a.lblDXAakzept);
    anzeigen(lblZOLWak_, a.lblZOLWak);
    anzeigen(lblZOLWakzept_, a.lblZOLWakzept);
    anzeigen(lblDXA_, a.lblDXA);
    anzeigen(lblZOLW_, a.lblZOLW);
    anzeigen(hinweis_, a.lblHinweis);
    dxa_->aktualisieren();
    zolw_->aktualisieren();
    anzeigen(label7_, a.label7);
    anzeigen(label8_, a.label8);
    anzeigen(psm_, a.psm);
    anzeigen(kbn_, a.kbn);
    anzeigen(weiter_, a.weiter);
}

}  // namespace tarvis::ui
