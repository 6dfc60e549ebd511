#include "wizard/ZusaetzeDialog.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "widgets/QtText.h"
#include "widgets/Optionen.h"
#include "wizard/zusaetze/ZusaetzeSeiten.h"

namespace tarvis::ui {

namespace {

const char* textboxName(ZFeld f) {
    switch (f) {
    case ZFeld::Uezeit: return "txtUezeit";
    case ZFeld::Vzeit: return "txtVzeit";
    default: return "";
    }
}

}  // namespace

ZusaetzeDialog::ZusaetzeDialog(ZusaetzePresenter& presenter, QWidget* parent)
    : QDialog(parent),
      presenter_(presenter),
      reiter_(new Reiterkarten(4, this)),
      zurueck_(new QPushButton(this)),
      gedaechtnis_(new QPushButton(this)),
      weiter_(new QPushButton(this)) {
    setObjectName(QStringLiteral("Zusaetze"));
    reiter_->setObjectName(QStringLiteral("SSTab1"));
    zurueck_->setObjectName(QStringLiteral("cmdZurück"));
    gedaechtnis_->setObjectName(QStringLiteral("cmdGedächtnis"));
    weiter_->setObjectName(QStringLiteral("cmdWeiter"));

    presenter_.aktivieren();
    seiten_ = {new EnergieSeite(presenter_, this),   new FbfSdSeite(presenter_, this),
               new TableauSeite(presenter_, this),   new YaTeleSeite(presenter_, this),
               new SchnittstellenSeite(presenter_, this), new VerteilerSeite(presenter_, this),
               new PeripherieSeite(presenter_, this), new SchluesselSeite(presenter_, this),
               new DipSeite(presenter_, this),       new BedienSeite(presenter_, this),
               new DruckerSeite(presenter_, this)};
    for (ZusaetzeSeite* s : seiten_) {
        reiter_->addTab(s, QString());
        connect(s, &ZusaetzeSeite::geaendert, this, &ZusaetzeDialog::aktualisieren);
    }
    connect(reiter_, &Reiterkarten::currentChanged, this, [this](int i) { presenter_.reiterWaehlen(i); });
    connect(zurueck_, &QPushButton::clicked, this, &QDialog::reject);
    connect(gedaechtnis_, &QPushButton::clicked, this, [this] {
        presenter_.markierungenAuffrischen();
        aktualisieren();
    });
    connect(weiter_, &QPushButton::clicked, this, &ZusaetzeDialog::weiterGedrueckt);
    weiter_->setAutoDefault(false);
    weiter_->setDefault(true);
    zurueck_->setAutoDefault(false);
    gedaechtnis_->setAutoDefault(false);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(zurueck_);
    knoepfe->addWidget(gedaechtnis_);
    knoepfe->addStretch();
    knoepfe->addWidget(weiter_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(reiter_, 1);
    layout->addLayout(knoepfe);
    aktualisieren();
}

void ZusaetzeDialog::aktualisieren() {
    ZusaetzeAnsicht a = presenter_.ansicht();
    setWindowTitle(qs(a.titel));
    for (int i = 0; i < kReiterAnzahl; ++i) reiter_->setTabText(i, qs(a.reiter[static_cast<std::size_t>(i)]));
    reiter_->setCurrentIndex(a.reiterVorn);
    for (ZusaetzeSeite* s : seiten_) s->aktualisieren(a);
    anzeigen(zurueck_, a.zurueck);
    anzeigen(gedaechtnis_, a.gedaechtnis);
    anzeigen(weiter_, a.weiter);
    if (auto f = presenter_.fokusAbholen(); f && *textboxName(*f)) {
        if (auto* t = findChild<QLineEdit*>(QString::fromLatin1(textboxName(*f)))) {
            t->setFocus();
            t->selectAll();
        }
    }
}

void ZusaetzeDialog::mousePressEvent(QMouseEvent* e) {
    // A click on the free window area shows which tabs hold entries.
    presenter_.markierungenAuffrischen();
    aktualisieren();
    QDialog::mousePressEvent(e);
}

void ZusaetzeDialog::weiterGedrueckt() {
    if (presenter_.weiter()) accept();
    else aktualisieren();
}

}  // namespace tarvis::ui
