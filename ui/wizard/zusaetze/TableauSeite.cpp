#include <QGridLayout>
#include <QVBoxLayout>

#include "widgets/QtText.h"
#include "widgets/Optionen.h"
#include "wizard/zusaetze/ZusaetzeSeiten.h"

namespace tarvis::ui {

TableauSeite::TableauSeite(ZusaetzePresenter& p, QWidget* parent)
    : ZusaetzeSeite(p, parent),
      fra1_(rahmen("fra1")),
      fra2_(rahmen("fra2")),
      kontMenge_(label("lblKontMenge")),
      mrvn_(label("lblMRVN")),
      vrx_(label("lblVRX")),
      kpl_(label("lblKPL")),
      tablop_(label("lblTablop")),
      strombed_(label("lblStrombed")),
      normal_(label("lblNormal")),
      invers_(label("lblInvers")),
      max1_(label("lblMax1")),
      max2_(label("lblMax2")),
      maxMRVN_(label("lblMRVNmax")),
      maxVRX_(label("lblVRXmax")),
      maxKPL_(label("lblKPLmax")),
      maxTablo_(label("lblTablomax")),
      maxStrom_(label("lblStrommax")),
      normal2_(label("lblNormal2")),
      invers2_(label("lblInvers2")),
      hilfe_(knopf("cmdHilfeTablo", [&p] { p.hilfe(kReiterTableau); })) {
    auto* k = new QGridLayout(fra1_);
    k->addWidget(kontMenge_, 0, 0, 1, 4);
    k->addWidget(normal_, 1, 1);
    k->addWidget(invers_, 1, 2);
    k->addWidget(max1_, 1, 3);
    k->addWidget(mrvn_, 2, 0);
    k->addWidget(zaehlfeld("txtMRVNnorm", "hsbMRVNnorm", ZFeld::MRVNnorm), 2, 1);
    k->addWidget(zaehlfeld("txtMRVNinv", "hsbMRVNinv", ZFeld::MRVNinv), 2, 2);
    k->addWidget(maxMRVN_, 2, 3);
    k->addWidget(vrx_, 3, 0);
    k->addWidget(zaehlfeld("txtVRXnorm", "hsbVRXnorm", ZFeld::VRXnorm), 3, 1);
    k->addWidget(zaehlfeld("txtVRXinv", "hsbVRXinv", ZFeld::VRXinv), 3, 2);
    k->addWidget(maxVRX_, 3, 3);
    k->addWidget(kpl_, 4, 0);
    k->addWidget(zaehlfeld("txtKPLnorm", "hsbKPLnorm", ZFeld::KPLnorm), 4, 1);
    k->addWidget(zaehlfeld("txtKPLinv", "hsbKPLinv", ZFeld::KPLinv), 4, 2);
    k->addWidget(maxKPL_, 4, 3);
    k->setColumnStretch(0, 1);

    auto* c = new QGridLayout(fra2_);
    c->addWidget(normal2_, 0, 1);
    c->addWidget(invers2_, 0, 2);
    c->addWidget(max2_, 0, 3);
    c->addWidget(tablop_, 1, 0);
    c->addWidget(zaehlfeld("txtTabloNorm", "hsbTabloNorm", ZFeld::TabloNorm), 1, 1);
    c->addWidget(zaehlfeld("txtTabloInv", "hsbTabloInv", ZFeld::TabloInv), 1, 2);
    c->addWidget(maxTablo_, 1, 3);
    c->addWidget(strombed_, 2, 0);
    c->addWidget(zaehlfeld("txtStrom", "hsbStrom", ZFeld::Strom), 2, 1);
    c->addWidget(maxStrom_, 2, 3);
    c->setColumnStretch(0, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fra1_);
    layout->addWidget(fra2_);
    layout->addStretch();
    layout->addWidget(hilfe_, 0, Qt::AlignRight);
}

void TableauSeite::aktualisieren(const ZusaetzeAnsicht& a) {
    const auto& t = a.tableau;
    anzeigen(fra1_, t.fra1);
    anzeigen(fra2_, t.fra2);
    anzeigen(kontMenge_, t.lblKontMenge);
    anzeigen(mrvn_, t.lblMRVN);
    anzeigen(vrx_, t.lblVRX);
    anzeigen(kpl_, t.lblKPL);
    anzeigen(tablop_, t.lblTablop);
    anzeigen(strombed_, t.lblStrombed);
    anzeigen(normal_, t.lblNormal);
    anzeigen(normal2_, t.lblNormal);
    anzeigen(invers_, t.lblInvers);
    anzeigen(invers2_, t.lblInvers);
    anzeigen(max1_, t.lblMax);
    anzeigen(max2_, t.lblMax);
    anzeigen(maxMRVN_, t.maxMRVN);
    anzeigen(maxVRX_, t.maxVRX);
    anzeigen(maxKPL_, t.maxKPL);
    anzeigen(maxTablo_, t.maxTablo);
    anzeigen(maxStrom_, t.maxStrom);
    anzeigen(hilfe_, t.hilfe);
    felderAktualisieren();
}

}  // namespace tarvis::ui
