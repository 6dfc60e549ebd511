#include "loops/PQSPQBspDialog.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "loops/Bausteine.h"
#include "widgets/QtText.h"
#include "widgets/Optionen.h"

namespace tarvis::ui {

namespace {

QVBoxLayout* aufbau(QDialog* d, QLabel* l1, QLabel* l2, std::initializer_list<QWidget*> rahmen, QPushButton* weiter) {
    auto* l = new QVBoxLayout(d);
    l->addWidget(l1);
    l->addWidget(l2);
    for (QWidget* r : rahmen) l->addWidget(r);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(weiter);
    weiter->setDefault(true);
    l->addLayout(knoepfe);
    d->setMinimumWidth(600);
    return l;
}

}  // namespace

PQSPQBspDialog::PQSPQBspDialog(PQSPQBspPresenter& presenter, QWidget* parent)
    : QDialog(parent),
      presenter_(presenter),
      label1_(neuesLabel("Label1", this, true)),
      label2_(neuesLabel("Label2", this, true)),
      weiter_(neuerKnopf("cmdWeiter", this)) {
    setObjectName(QStringLiteral("PQSPQBsp"));
    presenter_.aktivieren();
    pqs_ = new SpeiseRahmenWidget(QStringLiteral("PQS"), presenter_.pqs(), presenter_.felder(), this);
    pqb_ = new SpeiseRahmenWidget(QStringLiteral("PQB"), presenter_.pqb(), presenter_.felder(), this);
    pqs_->setTitle(QStringLiteral("PQS 100"));
    pqb_->setTitle(QStringLiteral("PQB 100"));
    aufbau(this, label1_, label2_, {pqs_, pqb_}, weiter_);
    connect(pqs_, &SpeiseRahmenWidget::geaendert, this, &PQSPQBspDialog::aktualisieren);
    connect(pqb_, &SpeiseRahmenWidget::geaendert, this, &PQSPQBspDialog::aktualisieren);
    connect(weiter_, &QPushButton::clicked, this, [this] {
        if (presenter_.weiter()) accept();
    });
    aktualisieren();
}

void PQSPQBspDialog::aktualisieren() {
    PQSPQBspAnsicht a = presenter_.ansicht();
    setWindowTitle(qs(a.titel));
    anzeigen(label1_, a.label1);
    anzeigen(label2_, a.label2);
    pqs_->anzeigen(a.pqs);
    pqb_->anzeigen(a.pqb);
    anzeigen(weiter_, a.weiter);
}

DUV100SpDialog::DUV100SpDialog(DUV100SpPresenter& presenter, QWidget* parent)
    : QDialog(parent),
      presenter_(presenter),
      label1_(neuesLabel("Label1", this, true)),
      label2_(neuesLabel("Label2", this, true)),
      weiter_(neuerKnopf("cmdWeiter", this)) {
    setObjectName(QStringLiteral("DUV100Sp"));
    presenter_.aktivieren();
    duv_ = new SpeiseRahmenWidget(QStringLiteral("DUV"), presenter_.duv(), presenter_.felder(), this);
    aufbau(this, label1_, label2_, {duv_}, weiter_);
    connect(duv_, &SpeiseRahmenWidget::geaendert, this, &DUV100SpDialog::aktualisieren);
    connect(weiter_, &QPushButton::clicked, this, [this] {
        if (presenter_.weiter()) accept();
    });
    aktualisieren();
}

void DUV100SpDialog::aktualisieren() {
    DUV100SpAnsicht a = presenter_.ansicht();
    setWindowTitle(qs(a.titel));
    anzeigen(label1_, a.label1);
    anzeigen(label2_, a.label2);
    duv_->setTitle(qs(a.frmDUV.text));
    duv_->anzeigen(a.duv);
    anzeigen(weiter_, a.weiter);
}

}  // namespace tarvis::ui
