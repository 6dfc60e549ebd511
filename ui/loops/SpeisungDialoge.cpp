#include "loops/SpeisungDialoge.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "loops/Bausteine.h"
#include "widgets/QtText.h"
#include "widgets/Optionen.h"

namespace tarvis::ui {

namespace {

// A button row with the given buttons at the right; the last one is the default.
QHBoxLayout* knopfzeile(std::initializer_list<QPushButton*> knoepfe) {
    auto* l = new QHBoxLayout;
    l->addStretch();
    QPushButton* letzter = nullptr;
    for (QPushButton* b : knoepfe) {
        l->addWidget(b);
        letzter = b;
    }
    if (letzter) letzter->setDefault(true);
    return l;
}

}  // namespace

// --- PQKSpeisung ---

PQKSpeisungDialog::PQKSpeisungDialog(PQKSpeisungPresenter& presenter, QWidget* parent)
    : QDialog(parent),
      presenter_(presenter),
      fraAnzahl_(neuerRahmen("fraAnzahl", this)),
      lblPQK12_(neuesLabel("lblPQK12", fraAnzahl_)),
      lblPQK28_(neuesLabel("lblPQK28", fraAnzahl_)),
      lblVarianten_(neuesLabel("lblVarianten", this, true)),
      lblSumme_(neuesLabel("lblSumme", this)),
      pqk12_(new Zaehlfeld(QStringLiteral("txtPQK12"), QStringLiteral("hsbPQK12"), fraAnzahl_)),
      pqk28_(new Zaehlfeld(QStringLiteral("txtPQK28"), QStringLiteral("hsbPQK28"), fraAnzahl_)),
      weiter_(neuerKnopf("cmdWeiter", this)),
      hilfe_(neuerKnopf("cmdHilfe", this)) {
    setObjectName(QStringLiteral("PQKSpeisung"));
    auto* g = new QGridLayout(fraAnzahl_);
    g->addWidget(lblPQK12_, 0, 0);
    g->addWidget(pqk12_, 0, 1);
    g->addWidget(lblPQK28_, 1, 0);
    g->addWidget(pqk28_, 1, 1);
    auto* l = new QVBoxLayout(this);
    l->addWidget(lblVarianten_);
    l->addWidget(fraAnzahl_);
    l->addWidget(lblSumme_);
    l->addLayout(knopfzeile({hilfe_, weiter_}));
    setMinimumWidth(520);

    presenter_.aktivieren();
    pqk12_->binden(presenter_.felder(), PQKSpeisungPresenter::PQK12);
    pqk28_->binden(presenter_.felder(), PQKSpeisungPresenter::PQK28);
    connect(hilfe_, &QPushButton::clicked, this, [this] { presenter_.hilfe(); });
    connect(weiter_, &QPushButton::clicked, this, [this] {
        if (presenter_.weiter()) accept();
    });
    aktualisieren();
}

void PQKSpeisungDialog::aktualisieren() {
    PQKSpeisungAnsicht a = presenter_.ansicht();
    setWindowTitle(qs(a.titel));
    anzeigen(fraAnzahl_, a.fraAnzahl);
    anzeigen(lblPQK12_, a.lblPQK12);
    anzeigen(lblPQK28_, a.lblPQK28);
    anzeigen(lblVarianten_, a.lblVarianten);
    anzeigen(lblSumme_, a.lblSumme);
    anzeigen(weiter_, a.weiter);
    anzeigen(hilfe_, a.hilfe);
    pqk12_->aktualisieren();
    pqk28_->aktualisieren();
}

// --- PQVSpeisung ---

PQVSpeisungDialog::PQVSpeisungDialog(PQVSpeisungPresenter& presenter, QWidget* parent)
    : QDialog(parent),
      presenter_(presenter),
      label1_(neuesLabel("Label1", this, true)),
      label2_(neuesLabel("Label2", this, true)),
      rahmen_(neuerRahmen("frmPQVspeis", this)),
      weiter_(neuerKnopf("cmdWeiter", this)) {
    setObjectName(QStringLiteral("PQVSpeisung"));
    const char* namen[] = {"optPQV12KVT", "optPQV28KVT", "optPQV12Ort"};
    auto* r = new QVBoxLayout(rahmen_);
    for (std::size_t i = 0; i < 3; ++i) {
        optionen_[i] = neueOption(namen[i], rahmen_);
        r->addWidget(optionen_[i]);
        connect(optionen_[i], &QRadioButton::clicked, this, [this, i] {
            presenter_.waehlen(static_cast<int>(i));
            aktualisieren();
        });
        doppelklickWaehlt(optionen_[i], [this] { accept(); });
    }
    auto* l = new QVBoxLayout(this);
    l->addWidget(label1_);
    l->addWidget(rahmen_);
    l->addWidget(label2_);
    l->addLayout(knopfzeile({weiter_}));
    setMinimumWidth(480);
    connect(weiter_, &QPushButton::clicked, this, [this] {
        if (presenter_.weiter()) accept();
    });
    presenter_.aktivieren();
    aktualisieren();
}

void PQVSpeisungDialog::aktualisieren() {
    PQVSpeisungAnsicht a = presenter_.ansicht();
    setWindowTitle(qs(a.titel));
    anzeigen(label1_, a.label1);
    anzeigen(label2_, a.label2);
    anzeigen(rahmen_, a.frmPQVspeis);
    for (std::size_t i = 0; i < 3; ++i) anzeigen(optionen_[i], a.optionen[i]);
    anzeigen(weiter_, a.weiter);
}

// --- JUBLSpeis ---

JUBLSpeisDialog::JUBLSpeisDialog(JUBLSpeisPresenter& presenter, QWidget* parent)
    : QDialog(parent),
      presenter_(presenter),
      frmJUBL_(neuerRahmen("frmJUBL", this)),
      lblJUBL_(neuesLabel("lblJUBL", frmJUBL_)),
      label1_(neuesLabel("Label1", this)),
      jubl_(new Zaehlfeld(QStringLiteral("txtJUBL"), QStringLiteral("hsbJUBL"), frmJUBL_)),
      ok_(neuerKnopf("cmdOK", this)) {
    setObjectName(QStringLiteral("JUBLSpeis"));
    auto* g = new QHBoxLayout(frmJUBL_);
    g->addWidget(lblJUBL_);
    g->addWidget(jubl_);
    auto* l = new QVBoxLayout(this);
    l->addWidget(label1_);
    l->addWidget(frmJUBL_);
    l->addLayout(knopfzeile({ok_}));
    setMinimumWidth(420);
    jubl_->binden(presenter_.felder(), 0);
    connect(ok_, &QPushButton::clicked, this, [this] {
        if (presenter_.ok()) accept();
    });
    aktualisieren();
}

void JUBLSpeisDialog::aktualisieren() {
    JUBLSpeisAnsicht a = presenter_.ansicht();
    setWindowTitle(qs(a.titel));
    anzeigen(frmJUBL_, a.frmJUBL);
    anzeigen(lblJUBL_, a.lblJUBL);
    anzeigen(label1_, a.label1);
    anzeigen(ok_, a.ok);
    jubl_->aktualisieren();
}

}  // namespace tarvis::ui
