#include <QGridLayout>
#include <QVBoxLayout>

#include "widgets/QtText.h"
#include "widgets/Optionen.h"
#include "wizard/zusaetze/ZusaetzeSeiten.h"

namespace tarvis::ui {

BedienSeite::BedienSeite(ZusaetzePresenter& p, QWidget* parent)
    : ZusaetzeSeite(p, parent),
      fraBE_(rahmen("fraBE")),
      fraBE300_(rahmen("fraBE300")),
      lblBE1_(label("lblBE1")),
      lblBE2_(label("lblBE2")),
      lblOLMA_(label("lblOLMA")),
      lblUndOder_(label("lblUndOder")),
      lblEingabe_(label("lblEingabe", true)),
      olma_(jaNein("fraOLMA", "optOLMAja", "optOLMAnein", [&p](bool ja) { p.olma(ja); })) {
    auto* be = new QGridLayout(fraBE_);
    be->addWidget(lblBE1_, 0, 0);
    be->addWidget(zaehlfeld("TextBE1", "hsbBE1", ZFeld::BE1), 0, 1, Qt::AlignLeft);
    be->addWidget(lblBE2_, 1, 0);
    be->addWidget(zaehlfeld("TextBE2", "hsbBE2", ZFeld::BE2), 1, 1, Qt::AlignLeft);
    be->addWidget(lblOLMA_, 2, 0);
    be->addWidget(olma_, 2, 1);
    be->addWidget(lblUndOder_, 3, 0, 1, 2);
    be->setColumnStretch(1, 1);

    auto* be300 = new QGridLayout(fraBE300_);
    be300->addWidget(zaehlfeld("txtBE300", "hsbBE300", ZFeld::BE300), 0, 0, Qt::AlignLeft);
    be300->addWidget(lblEingabe_, 1, 0);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fraBE_);
    layout->addWidget(fraBE300_);
    layout->addStretch();
}

void BedienSeite::aktualisieren(const ZusaetzeAnsicht& a) {
    const auto& b = a.bedien;
    anzeigen(fraBE_, b.fraBE);
    anzeigen(fraBE300_, b.fraBE300);
    anzeigen(lblBE1_, b.lblBE1);
    anzeigen(lblBE2_, b.lblBE2);
    anzeigen(lblOLMA_, b.lblOLMA);
    anzeigen(lblUndOder_, b.lblUndOder);
    anzeigen(lblEingabe_, b.lblEingabe);
    olma_->anzeigen(b.olma);
    felderAktualisieren();
}

}  // namespace tarvis::ui
