#include "loops/PSM300Dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "loops/Bausteine.h"
#include "widgets/QtText.h"
#include "widgets/Optionen.h"

namespace tarvis::ui {

PSM300Dialog::PSM300Dialog(PSM300Presenter& presenter, QWidget* parent)
    : QDialog(parent),
      presenter_(presenter),
      label1_(neuesLabel("Label1", this, true)),
      label3_(neuesLabel("Label3", this, true)),
      label4_(neuesLabel("Label4", this, true)),
      label5_(neuesLabel("Label5", this, true)),
      label8_(neuesLabel("Label8", this, true)),
      optionen_(neuerRahmen("fraOptionen", this)),
      lblWandler28_(neuesLabel("lblWandler28", optionen_, true)),
      lblVRX_(neuesLabel("lblVRX", optionen_, true)),
      wandler28_(new Zaehlfeld(QStringLiteral("txtWandler28"), QStringLiteral("hsbWandler28"), optionen_)),
      vrx_(new Zaehlfeld(QStringLiteral("txtVRX"), QStringLiteral("hsbVRX"), optionen_)),
      weiter_(neuerKnopf("cmdWeiter", this)),
      hilfe_(neuerKnopf("cmdHilfe", this)) {
    setObjectName(QStringLiteral("PSM300"));
    auto* g = new QGridLayout(optionen_);
    g->addWidget(lblWandler28_, 0, 0);
    g->addWidget(wandler28_, 0, 1);
    g->addWidget(lblVRX_, 1, 0);
    g->addWidget(vrx_, 1, 1);
    g->setColumnStretch(0, 1);
    auto* l = new QVBoxLayout(this);
    for (QLabel* x : {label1_, label3_, label4_, label5_, label8_}) l->addWidget(x);
    l->addWidget(optionen_);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(hilfe_);
    knoepfe->addWidget(weiter_);
    weiter_->setDefault(true);
    l->addLayout(knoepfe);
    setMinimumWidth(560);

    wandler28_->binden(presenter_.felder(), PSM300Presenter::Wandler28);
    vrx_->binden(presenter_.felder(), PSM300Presenter::VRX);
    connect(hilfe_, &QPushButton::clicked, this, [this] { presenter_.hilfe(); });
    connect(weiter_, &QPushButton::clicked, this, [this] {
        if (presenter_.weiter()) accept();
    });
    aktualisieren();
}

void PSM300Dialog::aktualisieren() {
    PSM300Ansicht a = presenter_.ansicht();
    setWindowTitle(qs(a.titel));
    anzeigen(label1_, a.label1);
    anzeigen(label3_, a.label3);
    anzeigen(label4_, a.label4);
    anzeigen(label5_, a.label5);
    anzeigen(label8_, a.label8);
    anzeigen(optionen_, a.fraOptionen);
    anzeigen(lblWandler28_, a.lblWandler28);
    anzeigen(lblVRX_, a.lblVRX);
    wandler28_->aktualisieren();
    vrx_->aktualisieren();
    anzeigen(weiter_, a.weiter);
    anzeigen(hilfe_, a.hilfe);
}

}  // namespace tarvis::ui
