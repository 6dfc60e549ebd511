#include "loops/PeripherieDialoge.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "loops/Bausteine.h"
#include "widgets/QtText.h"
#include "widgets/Optionen.h"

namespace tarvis::ui {

// --- PERIPH ---

PERIPHDialog::PERIPHDialog(PERIPHPresenter& presenter, QWidget* parent)
    : QDialog(parent),
      presenter_(presenter),
      liste_(new PeriListeWidget(presenter, this)),
      label1_(neuesLabel("Label1", this)),
      lblSumme_(zahlLabel("lblSumme", this)),
      ok_(neuerKnopf("cmdOK", this)) {
    setObjectName(QStringLiteral("PERIPH"));
    auto* unten = new QHBoxLayout;
    unten->addWidget(label1_);
    unten->addWidget(lblSumme_);
    unten->addStretch();
    unten->addWidget(ok_);
    auto* l = new QVBoxLayout(this);
    l->addWidget(liste_, 1);
    l->addLayout(unten);
    resize(760, 640);

    connect(liste_, &PeriListeWidget::geaendert, this, &PERIPHDialog::aktualisieren);
    connect(ok_, &QPushButton::clicked, this, [this] {
        if (presenter_.ok()) accept();
    });
    presenter_.aktivieren();
    liste_->neuAufbauen();
    aktualisieren();
    liste_->grid()->setFocus();
}

void PERIPHDialog::aktualisieren() {
    PERIPHAnsicht a = presenter_.ansicht();
    setWindowTitle(qs(a.titel));
    liste_->anzeigen(a.liste);
    anzeigen(label1_, a.label1);
    anzeigen(lblSumme_, a.lblSumme);
    anzeigen(ok_, a.ok);
}

// --- PeriStrom ---

PeriStromDialog::PeriStromDialog(PeriStromPresenter& presenter, QWidget* parent)
    : QDialog(parent),
      presenter_(presenter),
      liste_(new PeriListeWidget(presenter, this)),
      uebertrag_(neuesLabel("lblÜbertrag", this, true)),
      koppler_(neuerRahmen("frmKoppler", this)),
      fraDUV_(neuerRahmen("fraDUV", this)),
      lblMengeDUV_(neuesLabel("lblMengeDUV", fraDUV_)),
      duv_(new Zaehlfeld(QStringLiteral("txtDUV"), QStringLiteral("hsbDUV"), fraDUV_)),
      ok_(neuerKnopf("cmdOK", this)),
      loeschen_(neuerKnopf("cmdLöschen", this)),
      hilfe_(neuerKnopf("cmdHilfe", this)) {
    setObjectName(QStringLiteral("PeriStrom"));
    QFont fett = uebertrag_->font();
    fett.setBold(true);
    uebertrag_->setFont(fett);
    const char* namen[] = {"optKeiner", "optPQK", "optPQV12", "optPQV28", "optPQB", "optPQS"};
    auto* k = new QVBoxLayout(koppler_);
    for (std::size_t i = 0; i < optionen_.size(); ++i) {
        optionen_[i] = neueOption(namen[i], koppler_);
        k->addWidget(optionen_[i]);
        connect(optionen_[i], &QRadioButton::clicked, this, [this, i] {
            presenter_.koppler(static_cast<int>(i));
            aktualisieren();
        });
    }
    auto* d = new QHBoxLayout(fraDUV_);
    d->addWidget(lblMengeDUV_);
    d->addWidget(duv_);

    auto* rechts = new QVBoxLayout;
    rechts->addWidget(uebertrag_);
    rechts->addWidget(koppler_);
    rechts->addWidget(fraDUV_);
    rechts->addStretch();
    rechts->addWidget(hilfe_);
    rechts->addWidget(loeschen_);
    rechts->addWidget(ok_);
    auto* l = new QHBoxLayout(this);
    l->addWidget(liste_, 1);
    l->addLayout(rechts);
    uebertrag_->setMaximumWidth(240);
    resize(960, 640);

    connect(liste_, &PeriListeWidget::geaendert, this, &PeriStromDialog::aktualisieren);
    connect(hilfe_, &QPushButton::clicked, this, [this] { presenter_.hilfe(); });
    connect(loeschen_, &QPushButton::clicked, this, [this] {
        presenter_.loeschen();
        liste_->neuAufbauen();
        aktualisieren();
    });
    // Yes to "correct the input?" keeps the window open with everything entered.
    connect(ok_, &QPushButton::clicked, this, [this] {
        if (presenter_.ok()) accept();
    });
    presenter_.aktivieren();
    duv_->binden(presenter_.duv(), 0);
    liste_->neuAufbauen();
    aktualisieren();
    liste_->grid()->setFocus();
}

void PeriStromDialog::aktualisieren() {
    PeriStromAnsicht a = presenter_.ansicht();
    setWindowTitle(qs(a.titel));
    liste_->anzeigen(a.liste);
    anzeigen(uebertrag_, a.lblUebertrag);
    anzeigen(koppler_, a.frmKoppler);
    for (std::size_t i = 0; i < optionen_.size(); ++i) anzeigen(optionen_[i], a.koppler[i]);
    anzeigen(fraDUV_, a.fraDUV);
    anzeigen(lblMengeDUV_, a.lblMengeDUV);
    duv_->aktualisieren();
    anzeigen(ok_, a.ok);
    anzeigen(loeschen_, a.loeschen);
    anzeigen(hilfe_, a.hilfe);
}

}  // namespace tarvis::ui
