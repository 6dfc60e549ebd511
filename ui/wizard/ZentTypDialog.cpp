#include "wizard/ZentTypDialog.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "widgets/QtText.h"
#include "widgets/Optionen.h"

namespace tarvis::ui {

ZentTypDialog::ZentTypDialog(ZentTypPresenter& presenter, QWidget* parent)
    : QDialog(parent),
      presenter_(presenter),
      rahmen_(new QGroupBox(this)),
      autark_(new QLabel(rahmen_)),
      weiter_(new QPushButton(this)),
      hilfe1_(new QPushButton(this)),
      hilfe2_(new QPushButton(this)) {
    setObjectName(QStringLiteral("ZentTyp"));
    rahmen_->setObjectName(QStringLiteral("frmTyp"));
    autark_->setObjectName(QStringLiteral("lblAutark"));
    weiter_->setObjectName(QStringLiteral("cmdWeiter"));
    hilfe1_->setObjectName(QStringLiteral("cmdHilfe1"));
    hilfe2_->setObjectName(QStringLiteral("cmdHilfe2"));

    auto* typen = new QVBoxLayout(rahmen_);
    for (int code = 1; code <= 8; ++code) {
        if (code == 7) {
            typen->addSpacing(8);
            typen->addWidget(autark_);
        }
        auto* o = new QRadioButton(rahmen_);
        o->setObjectName(QString::fromLatin1(ZentTypOptionName(code)));
        connect(o, &QRadioButton::clicked, this, [this, code] {
            presenter_.waehlen(code);
            aktualisieren();
        });
        doppelklickWaehlt(o, [this] { weiterGedrueckt(); });
        typen->addWidget(o);
        optionen_[static_cast<std::size_t>(code)] = o;
    }

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(hilfe1_);
    knoepfe->addWidget(hilfe2_);
    knoepfe->addStretch();
    knoepfe->addWidget(weiter_);
    weiter_->setDefault(true);
    connect(weiter_, &QPushButton::clicked, this, &ZentTypDialog::weiterGedrueckt);
    connect(hilfe1_, &QPushButton::clicked, this, [this] { presenter_.hilfe1(); });
    connect(hilfe2_, &QPushButton::clicked, this, [this] { presenter_.hilfe2(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rahmen_);
    layout->addLayout(knoepfe);

    presenter_.aktivieren();
    aktualisieren();
}

void ZentTypDialog::aktualisieren() {
    ZentTypAnsicht a = presenter_.ansicht();
    setWindowTitle(qs(a.titel));
    rahmen_->setTitle(qs(a.rahmen));
    autark_->setText(qs(a.autark));
    for (int code = 1; code <= 8; ++code)
        anzeigen(optionen_[static_cast<std::size_t>(code)], a.optionen[static_cast<std::size_t>(code)]);
    weiter_->setText(qs(a.weiter));
    hilfe1_->setText(qs(a.hilfe1));
    hilfe2_->setText(qs(a.hilfe2));
}

void ZentTypDialog::weiterGedrueckt() {
    if (presenter_.weiter()) accept();
    else aktualisieren();
}

}  // namespace tarvis::ui
