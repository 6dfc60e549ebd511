#include "loops/RelaisDialoge.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "loops/Bausteine.h"
#include "widgets/QtText.h"
#include "widgets/Optionen.h"

namespace tarvis::ui {

namespace {

QHBoxLayout* weiterZeile(QPushButton* weiter) {
    auto* l = new QHBoxLayout;
    l->addStretch();
    l->addWidget(weiter);
    weiter->setDefault(true);
    return l;
}

}  // namespace

// --- HY100 ---

HY100Dialog::HY100Dialog(HY100Presenter& presenter, QWidget* parent)
    : QDialog(parent),
      presenter_(presenter),
      frmPQK_(neuerRahmen("frmPQK", this)),
      frmPQV_(neuerRahmen("frmPQV", this)),
      lblPQK_(neuesLabel("lblPQK", this)),
      lblPQV_(neuesLabel("lblPQV", this)),
      weiter_(neuerKnopf("cmdWeiter", this)) {
    setObjectName(QStringLiteral("HY100"));
    const char* relais[] = {"lblRelPQK28", "lblRelPQK12", "lblRelPQV28", "lblRelPQV12"};
    const char* felder[] = {"PQKnorm28", "PQKinv28", "PQKnorm12", "PQKinv12",
                            "PQVnorm28", "PQVinv28", "PQVnorm12", "PQVinv12"};
    for (int r = 0; r < 2; ++r) {
        QGroupBox* rahmen = r == 0 ? frmPQK_ : frmPQV_;
        auto* g = new QGridLayout(rahmen);
        koepfe_[static_cast<std::size_t>(2 * r)] = neuesLabel("lblNormal", rahmen);
        koepfe_[static_cast<std::size_t>(2 * r + 1)] = neuesLabel("lblInvers", rahmen);
        g->addWidget(koepfe_[static_cast<std::size_t>(2 * r)], 0, 1);
        g->addWidget(koepfe_[static_cast<std::size_t>(2 * r + 1)], 0, 2);
        for (int z = 0; z < 2; ++z) {
            const auto k = static_cast<std::size_t>(2 * r + z);
            relais_[k] = neuesLabel(relais[k], rahmen);
            g->addWidget(relais_[k], z + 1, 0);
            for (int s = 0; s < 2; ++s) {
                const auto f = static_cast<std::size_t>(4 * r + 2 * z + s);
                const QString n = QString::fromLatin1(felder[f]);
                felder_[f] = new Zaehlfeld(QStringLiteral("txt") + n, QStringLiteral("hsb") + n, rahmen);
                felder_[f]->binden(presenter_.felder(), static_cast<int>(f));
                g->addWidget(felder_[f], z + 1, s + 1);
            }
        }
        g->setColumnStretch(0, 1);
    }
    for (std::size_t i = 0; i < hinweise_.size(); ++i)
        hinweise_[i] = neuesLabel(("Label" + std::to_string(i + 1)).c_str(), this, true);

    auto* zahlen = new QHBoxLayout;
    zahlen->addWidget(lblPQK_);
    zahlen->addSpacing(24);
    zahlen->addWidget(lblPQV_);
    zahlen->addStretch();
    auto* l = new QVBoxLayout(this);
    l->addWidget(hinweise_[0]);
    l->addWidget(hinweise_[1]);
    l->addLayout(zahlen);
    l->addWidget(frmPQK_);
    l->addWidget(frmPQV_);
    for (std::size_t i = 2; i < hinweise_.size(); ++i) l->addWidget(hinweise_[i]);
    l->addLayout(weiterZeile(weiter_));
    setMinimumWidth(620);
    connect(weiter_, &QPushButton::clicked, this, [this] {
        if (presenter_.weiter()) accept();
    });
    aktualisieren();
}

void HY100Dialog::aktualisieren() {
    HY100Ansicht a = presenter_.ansicht();
    setWindowTitle(qs(a.titel));
    anzeigen(frmPQK_, a.frmPQK);
    anzeigen(frmPQV_, a.frmPQV);
    const Beschriftung* r[] = {&a.lblRelPQK28, &a.lblRelPQK12, &a.lblRelPQV28, &a.lblRelPQV12};
    for (std::size_t i = 0; i < 4; ++i) {
        anzeigen(relais_[i], *r[i]);
        anzeigen(koepfe_[i], i % 2 == 0 ? a.lblNormal : a.lblInvers);
    }
    const Beschriftung* h[] = {&a.label1, &a.label2, &a.label3, &a.label4, &a.label5, &a.label6};
    for (std::size_t i = 0; i < hinweise_.size(); ++i) anzeigen(hinweise_[i], *h[i]);
    anzeigen(lblPQK_, a.lblPQK);
    anzeigen(lblPQV_, a.lblPQV);
    for (Zaehlfeld* f : felder_) f->aktualisieren();
    anzeigen(weiter_, a.weiter);
}

// --- PQSloeschen ---

PQSloeschenDialog::PQSloeschenDialog(PQSloeschenPresenter& presenter, QWidget* parent)
    : QDialog(parent),
      presenter_(presenter),
      loeschen_(new JaNeinRahmen(QStringLiteral("frmLöschen"), QStringLiteral("optLöschenJa"),
                                 QStringLiteral("optLöschenNein"), this)),
      doppeln_(new JaNeinRahmen(QStringLiteral("frmDoppeln"), QStringLiteral("optDoppelnJa"),
                                QStringLiteral("optDoppelnNein"), this)),
      frmSchalten_(neuerRahmen("frmSchalten", this)),
      frmSteuern_(neuerRahmen("frmSteuern", this)),
      lblMRVN_(neuesLabel("lblMRVN", frmSchalten_)),
      lblNormal_(neuesLabel("lblNormal", frmSchalten_)),
      lblInvers_(neuesLabel("lblInvers", frmSchalten_)),
      lblMaxSchalten_(neuesLabel("lblMaxSchalten", frmSchalten_)),
      lblVOG_(neuesLabel("lblVOG", frmSteuern_)),
      lblMaxVOG_(neuesLabel("lblMaxVOG", frmSteuern_)),
      weiter_(neuerKnopf("cmdWeiter", this)) {
    setObjectName(QStringLiteral("PQSloeschen"));
    felder_[0] = new Zaehlfeld(QStringLiteral("txtSchaltenNorm"), QStringLiteral("hsbSchaltenNormal"), frmSchalten_);
    felder_[1] = new Zaehlfeld(QStringLiteral("txtSchaltenInv"), QStringLiteral("hsbSchaltenInv"), frmSchalten_);
    felder_[2] = new Zaehlfeld(QStringLiteral("txtVOG"), QStringLiteral("hsbVOG"), frmSteuern_);
    auto* s = new QGridLayout(frmSchalten_);
    s->addWidget(lblNormal_, 0, 1);
    s->addWidget(lblInvers_, 0, 2);
    s->addWidget(lblMRVN_, 1, 0);
    s->addWidget(felder_[0], 1, 1);
    s->addWidget(felder_[1], 1, 2);
    s->addWidget(lblMaxSchalten_, 1, 3);
    s->setColumnStretch(0, 1);
    auto* v = new QGridLayout(frmSteuern_);
    v->addWidget(lblVOG_, 0, 0);
    v->addWidget(felder_[2], 0, 1);
    v->addWidget(lblMaxVOG_, 0, 2);
    v->setColumnStretch(0, 1);
    auto* ja = new QHBoxLayout;
    ja->addWidget(loeschen_);
    ja->addWidget(doppeln_);
    auto* l = new QVBoxLayout(this);
    l->addLayout(ja);
    l->addWidget(frmSchalten_);
    l->addWidget(frmSteuern_);
    l->addLayout(weiterZeile(weiter_));
    setMinimumWidth(620);

    presenter_.aktivieren();
    for (std::size_t f = 0; f < felder_.size(); ++f) felder_[f]->binden(presenter_.felder(), static_cast<int>(f));
    connect(loeschen_, &JaNeinRahmen::gewaehlt, this, [this](bool j) {
        presenter_.loeschen(j);
        aktualisieren();
    });
    connect(doppeln_, &JaNeinRahmen::gewaehlt, this, [this](bool j) {
        presenter_.doppeln(j);
        aktualisieren();
    });
    connect(weiter_, &QPushButton::clicked, this, [this] {
        if (presenter_.weiter()) accept();
    });
    aktualisieren();
}

void PQSloeschenDialog::aktualisieren() {
    PQSloeschenAnsicht a = presenter_.ansicht();
    setWindowTitle(qs(a.titel));
    loeschen_->anzeigen(a.loeschen);
    doppeln_->anzeigen(a.doppeln);
    anzeigen(frmSchalten_, a.frmSchalten);
    anzeigen(lblMRVN_, a.lblMRVN);
    anzeigen(lblNormal_, a.lblNormal);
    anzeigen(lblInvers_, a.lblInvers);
    anzeigen(lblMaxSchalten_, a.lblMaxSchalten);
    anzeigen(frmSteuern_, a.frmSteuern);
    anzeigen(lblVOG_, a.lblVOG);
    anzeigen(lblMaxVOG_, a.lblMaxVOG);
    for (Zaehlfeld* f : felder_) f->aktualisieren();
    anzeigen(weiter_, a.weiter);
}

}  // namespace tarvis::ui
