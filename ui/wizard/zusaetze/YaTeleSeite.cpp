#include <QHBoxLayout>
#include <QVBoxLayout>

#include "widgets/QtText.h"
#include "widgets/Optionen.h"
#include "wizard/zusaetze/ZusaetzeSeiten.h"

namespace tarvis::ui {

YaTeleSeite::YaTeleSeite(ZusaetzePresenter& p, QWidget* parent)
    : ZusaetzeSeite(p, parent),
      fraYA_(rahmen("fraYA2000")),
      tele_(jaNein("fraTele", "optTeleJa", "optTeleNein", [&p](bool ja) { p.tele(ja); })) {
    auto* ya = new QVBoxLayout(fraYA_);
    const char* namen[] = {"optYA0", "optYAa", "optYAi"};
    for (int i = 0; i < 3; ++i) {
        int wahl = i + 1;
        ya_[static_cast<std::size_t>(i)] = option(namen[i], fraYA_, [&p, wahl] { p.ya(wahl); });
        ya->addWidget(ya_[static_cast<std::size_t>(i)]);
    }
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(fraYA_, 1, Qt::AlignTop);
    layout->addWidget(tele_, 1, Qt::AlignTop);
}

void YaTeleSeite::aktualisieren(const ZusaetzeAnsicht& a) {
    anzeigen(fraYA_, a.yaTele.fraYA2000);
    for (std::size_t i = 0; i < 3; ++i) anzeigen(ya_[i], a.yaTele.ya[i]);
    tele_->anzeigen(a.yaTele.tele);
}

}  // namespace tarvis::ui
