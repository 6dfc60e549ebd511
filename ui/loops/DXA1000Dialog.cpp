#include "loops/DXA1000Dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "loops/Bausteine.h"
#include "widgets/QtText.h"
#include "widgets/Optionen.h"

namespace tarvis::ui {

DXA1000Dialog::DXA1000Dialog(DXA1000Presenter& presenter, QWidget* parent)
    : QDialog(parent),
      presenter_(presenter),
      label1_(neuesLabel("Label1", this, true)),
      label2_(neuesLabel("Label2", this, true)),
      frmBranot_(neuerRahmen("frmBranot", this)),
      frmStromEin_(neuerRahmen("frmStromEin", this)),
      brand_(neueOption("optBrand", frmBranot_)),
      notruf_(neueOption("optNotruf", frmBranot_)),
      lblUezeit_(neuesLabel("lblUezeit", frmStromEin_)),
      lblRuhe_(neuesLabel("lblRuhe", frmStromEin_)),
      lblAlarm_(neuesLabel("lblAlarm", frmStromEin_, true)),
      weiter_(neuerKnopf("cmdWeiter", this)),
      zurueck_(neuerKnopf("cmdZurück", this)),
      hilfe_(neuerKnopf("cmdHilfe", this)) {
    setObjectName(QStringLiteral("DXA1000"));
    auto* b = new QHBoxLayout(frmBranot_);
    b->addWidget(brand_);
    b->addWidget(notruf_);
    b->addStretch();

    const char* namen[] = {"Uezeit", "Ruhe12", "Ruhe24", "Ruhe28", "Ruhe35", "Alarm12", "Alarm24", "Alarm28", "Alarm35"};
    for (std::size_t f = 0; f < felder_.size(); ++f) {
        const QString n = QString::fromLatin1(namen[f]);
        felder_[f] = new Zaehlfeld(QStringLiteral("txt") + n, QStringLiteral("hsb") + n, frmStromEin_);
        felder_[f]->binden(presenter_.felder(), static_cast<int>(f));
    }
    const char* spannungen[] = {"lbl12", "lbl24", "lbl28", "lbl35"};
    auto* g = new QGridLayout(frmStromEin_);
    g->addWidget(lblUezeit_, 0, 0);
    g->addWidget(felder_[0], 0, 1, 1, 2, Qt::AlignLeft);
    g->addWidget(lblRuhe_, 1, 1);
    g->addWidget(lblAlarm_, 1, 2);
    for (std::size_t v = 0; v < 4; ++v) {
        spannungen_[v] = neuesLabel(spannungen[v], frmStromEin_);
        const int zeile = static_cast<int>(v) + 2;
        g->addWidget(spannungen_[v], zeile, 0);
        g->addWidget(felder_[v + 1], zeile, 1);
        g->addWidget(felder_[v + 5], zeile, 2);
    }
    g->setColumnStretch(3, 1);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(zurueck_);
    knoepfe->addStretch();
    knoepfe->addWidget(hilfe_);
    knoepfe->addWidget(weiter_);
    weiter_->setDefault(true);
    auto* l = new QVBoxLayout(this);
    l->addWidget(label1_);
    l->addWidget(label2_);
    l->addWidget(frmBranot_);
    l->addWidget(frmStromEin_);
    l->addLayout(knoepfe);
    setMinimumWidth(560);

    connect(brand_, &QRadioButton::clicked, this, [this] {
        presenter_.alarmart(true);
        aktualisieren();
    });
    connect(notruf_, &QRadioButton::clicked, this, [this] {
        presenter_.alarmart(false);
        aktualisieren();
    });
    connect(hilfe_, &QPushButton::clicked, this, [this] { presenter_.hilfe(); });
    // The result opens on top; this window stays for another run until left.
    connect(weiter_, &QPushButton::clicked, this, [this] {
        presenter_.weiter();
        aktualisieren();
    });
    connect(zurueck_, &QPushButton::clicked, this, [this] {
        presenter_.zurueck();
        reject();
    });
    presenter_.aktivieren();
    aktualisieren();
}

void DXA1000Dialog::aktualisieren() {
    DXA1000Ansicht a = presenter_.ansicht();
    setWindowTitle(qs(a.titel));
    anzeigen(label1_, a.label1);
    anzeigen(label2_, a.label2);
    anzeigen(frmBranot_, a.frmBranot);
    anzeigen(frmStromEin_, a.frmStromEin);
    anzeigen(brand_, a.brand);
    anzeigen(notruf_, a.notruf);
    anzeigen(lblUezeit_, a.lblUezeit);
    anzeigen(lblRuhe_, a.lblRuhe);
    anzeigen(lblAlarm_, a.lblAlarm);
    const Beschriftung* v[] = {&a.lbl12, &a.lbl24, &a.lbl28, &a.lbl35};
    for (std::size_t i = 0; i < 4; ++i) anzeigen(spannungen_[i], *v[i]);
    for (Zaehlfeld* f : felder_) f->aktualisieren();
    anzeigen(weiter_, a.weiter);
    anzeigen(zurueck_, a.zurueck);
    anzeigen(hilfe_, a.hilfe);
}

}  // namespace tarvis::ui
