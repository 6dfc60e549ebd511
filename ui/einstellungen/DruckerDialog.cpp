#include "einstellungen/DruckerDialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "widgets/Optionswahl.h"
#include "widgets/QtText.h"
#include "widgets/Knoepfe.h"

namespace tarvis::ui {

namespace {

using Schrift = DruckerAnsicht::Schrift;

QRadioButton* option(const QString& text, const char* name, QWidget* rahmen, QButtonGroup* gruppe) {
    auto* o = new QRadioButton(text, rahmen);
    o->setObjectName(QLatin1String(name));
    gruppe->addButton(o);
    rahmen->layout()->addWidget(o);
    return o;
}

}  // namespace

DruckerDialog::DruckerDialog(DruckerPresenter& presenter, QWidget* parent) : QDialog(parent), presenter_(presenter) {
    setObjectName(QStringLiteral("Drucker"));
    presenter_.aktivieren();
    DruckerAnsicht a = presenter_.ansicht();
    setWindowTitle(qs(a.titel));
    auto* layout = new QVBoxLayout(this);
    auto* rahmen = new QHBoxLayout;
    layout->addLayout(rahmen);

    auto* fraGroesse = new QGroupBox(qs(a.groesseRahmen), this);
    fraGroesse->setObjectName(QString::fromUtf8("fraGröße"));
    new QVBoxLayout(fraGroesse);
    auto* groessen = new QButtonGroup(this);
    opt8_ = option(QStringLiteral("8"), "opt8", fraGroesse, groessen);
    opt10_ = option(QStringLiteral("10"), "opt10", fraGroesse, groessen);
    opt12_ = option(QStringLiteral("12"), "opt12", fraGroesse, groessen);
    rahmen->addWidget(fraGroesse);
    connect(opt8_, &QRadioButton::clicked, this, [this] { presenter_.groesseKlick(8); aktualisieren(); });
    connect(opt10_, &QRadioButton::clicked, this, [this] { presenter_.groesseKlick(10); aktualisieren(); });
    connect(opt12_, &QRadioButton::clicked, this, [this] { presenter_.groesseKlick(12); aktualisieren(); });

    auto* fraArt = new QGroupBox(qs(a.schriftRahmen), this);
    fraArt->setObjectName(QStringLiteral("fraArt"));
    new QVBoxLayout(fraArt);
    auto* schriften = new QButtonGroup(this);
    optCour_ = option(qs(a.cour), "optCour", fraArt, schriften);
    optCourNew_ = option(qs(a.courNew), "optCourNew", fraArt, schriften);
    static_cast<QVBoxLayout*>(fraArt->layout())->addStretch();
    rahmen->addWidget(fraArt);
    connect(optCour_, &QRadioButton::clicked, this, [this] { presenter_.schriftKlick(Schrift::Courier); aktualisieren(); });
    connect(optCourNew_, &QRadioButton::clicked, this,
            [this] { presenter_.schriftKlick(Schrift::CourierNew); aktualisieren(); });

    auto* ok = okKnopf(this, qs(a.ok), [this] { return presenter_.ok(); }, "cmdOk");
    layout->addLayout(knopfzeile({}, {ok}));

    aktualisieren();
}

void DruckerDialog::aktualisieren() {
    DruckerAnsicht a = presenter_.ansicht();
    optionWaehlen(opt8_->group(), a.groesse == 8 ? opt8_ : a.groesse == 10 ? opt10_ : a.groesse == 12 ? opt12_ : nullptr);
    optionWaehlen(optCour_->group(), a.schrift == Schrift::Courier      ? optCour_
                               : a.schrift == Schrift::CourierNew ? optCourNew_
                                                                  : nullptr);
}

}  // namespace tarvis::ui
