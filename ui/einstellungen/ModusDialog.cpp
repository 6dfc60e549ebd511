#include "einstellungen/ModusDialog.h"

#include <QButtonGroup>
#include <QGridLayout>
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

const char* const kNamen[kAnzahlSprachen + 1] = {"",        "optDeutsch", "optEngl", "optItal", "optHoll", "optPortu",
                                                 "optUng",  "optSpan",    "optDaen", "optCzech", "optPol", "optFranz"};

}  // namespace

ModusDialog::ModusDialog(ModusPresenter& presenter, QWidget* parent) : QDialog(parent), presenter_(presenter) {
    setObjectName(QStringLiteral("Modus"));
    presenter_.aktivieren();
    ModusAnsicht a = presenter_.ansicht();
    setWindowTitle(qs(a.titel));
    auto* layout = new QVBoxLayout(this);

    auto* fraModus = new QGroupBox(qs(a.modusRahmen), this);
    fraModus->setObjectName(QStringLiteral("fraModus"));
    auto* modusLayout = new QHBoxLayout(fraModus);
    optSachnr_ = new QRadioButton(qs(a.sachnr), fraModus);
    optSachnr_->setObjectName(QStringLiteral("optSachnr"));
    optLIBEX_ = new QRadioButton(qs(a.libex), fraModus);
    optLIBEX_->setObjectName(QStringLiteral("optLIBEX"));
    modusLayout->addWidget(optSachnr_);
    modusLayout->addWidget(optLIBEX_);
    modusLayout->addStretch();
    auto* modusGruppe = new QButtonGroup(this);
    modusGruppe->addButton(optSachnr_);
    modusGruppe->addButton(optLIBEX_);
    connect(optSachnr_, &QRadioButton::clicked, this, [this] { presenter_.modusKlick('S'); aktualisieren(); });
    connect(optLIBEX_, &QRadioButton::clicked, this, [this] { presenter_.modusKlick('V'); aktualisieren(); });
    layout->addWidget(fraModus);

    auto* frame2 = new QGroupBox(qs(a.spracheRahmen), this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    auto* sprachLayout = new QGridLayout(frame2);
    auto* sprachGruppe = new QButtonGroup(this);
    for (int i = 1; i <= kAnzahlSprachen; ++i) {
        auto* o = new QRadioButton(qs(a.sprachen[static_cast<std::size_t>(i)]), frame2);
        o->setObjectName(QLatin1String(kNamen[i]));
        sprachen_[static_cast<std::size_t>(i)] = o;
        sprachGruppe->addButton(o, i);
        sprachLayout->addWidget(o, (i - 1) % 6, (i - 1) / 6);
        connect(o, &QRadioButton::clicked, this, [this, i] { presenter_.spracheKlick(i); aktualisieren(); });
    }
    layout->addWidget(frame2);

    auto* hilfe = new QPushButton(qs(a.hilfe), this);
    hilfe->setObjectName(QStringLiteral("cmdHilfe"));
    hilfe->setAutoDefault(false);
    connect(hilfe, &QPushButton::clicked, this, [this] { presenter_.hilfe(); });
    auto* ok = okKnopf(this, qs(a.ok), [this] { return presenter_.ok(); });
    layout->addLayout(knopfzeile({hilfe}, {ok}));

    // Wide enough for the long Italian caption in the title bar (bold there).
    setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) * 6 / 5 + 120);
    aktualisieren();
}

void ModusDialog::aktualisieren() {
    ModusAnsicht a = presenter_.ansicht();
    optionWaehlen(optSachnr_->group(), a.modus == 'S' ? optSachnr_ : a.modus == 'V' ? optLIBEX_ : nullptr);
    optLIBEX_->setEnabled(a.libexAktiv);
    for (std::size_t i = 1; i <= kAnzahlSprachen; ++i) sprachen_[i]->setEnabled(a.spracheAktiv[i]);
    optionWaehlen(sprachen_[1]->group(), a.sprache == 0 ? nullptr : sprachen_[static_cast<std::size_t>(a.sprache)]);
}

}  // namespace tarvis::ui
