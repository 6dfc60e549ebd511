#include <QGridLayout>
#include <QHBoxLayout>

#include "widgets/QtText.h"
#include "widgets/Optionen.h"
#include "wizard/zusaetze/ZusaetzeSeiten.h"

namespace tarvis::ui {

VerteilerSeite::VerteilerSeite(ZusaetzePresenter& p, QWidget* parent)
    : ZusaetzeSeite(p, parent),
      fraVert2_(rahmen("fraVert2")),
      lblVert20DA_(label("lblVert20DA")),
      quf_(jaNein("fraQUF", "optQUFja", "optQUFnein", [&p](bool ja) { p.quf(ja); })),
      flaech_(jaNein("fraFläch", "optFlächJa", "optFlächNein", [&p](bool ja) { p.flaeche(ja); })),
      kop_(jaNein("fraKOP", "optKOPja", "optKOPnein", [&p](bool ja) { p.kop(ja); })) {
    auto* v = new QHBoxLayout(fraVert2_);
    v->addWidget(lblVert20DA_);
    v->addWidget(zaehlfeld("txtVert20DA", "hsbVert20DA", ZFeld::Vert20DA));
    v->addStretch();

    auto* layout = new QGridLayout(this);
    layout->addWidget(fraVert2_, 0, 0);
    layout->addWidget(quf_, 0, 1);
    layout->addWidget(flaech_, 1, 0);
    layout->addWidget(kop_, 1, 1);
    layout->setRowStretch(2, 1);
}

void VerteilerSeite::aktualisieren(const ZusaetzeAnsicht& a) {
    const auto& v = a.verteiler;
    anzeigen(fraVert2_, v.fraVert2);
    anzeigen(lblVert20DA_, v.lblVert20DA);
    quf_->anzeigen(v.quf);
    flaech_->anzeigen(v.flaech);
    kop_->anzeigen(v.kop);
    felderAktualisieren();
}

}  // namespace tarvis::ui
