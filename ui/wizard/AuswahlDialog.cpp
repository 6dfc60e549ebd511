#include "wizard/AuswahlDialog.h"

#include <QHBoxLayout>
#include <algorithm>
#include <QVBoxLayout>

#include "widgets/QtText.h"
#include "widgets/Optionen.h"

namespace tarvis::ui {

AuswahlDialog::AuswahlDialog(AuswahlPresenter& presenter, QWidget* parent)
    : QDialog(parent), presenter_(presenter), rahmen_(new QGroupBox(this)), ok_(new QPushButton(QStringLiteral("&OK"), this)) {
    presenter_.aktivieren();
    AuswahlAnsicht a = presenter_.ansicht();
    setObjectName(qs(a.name));
    rahmen_->setObjectName(qs(a.rahmenName));
    auto* layout = new QVBoxLayout(this);
    auto* optionen = new QVBoxLayout(rahmen_);
    for (std::size_t i = 0; i < a.optionen.size(); ++i) {
        auto* o = new QRadioButton(rahmen_);
        o->setObjectName(qs(a.optionen[i].name));
        int index = static_cast<int>(i);
        connect(o, &QRadioButton::clicked, this, [this, index] {
            presenter_.waehlen(index);
            aktualisieren();
        });
        doppelklickWaehlt(o, [this] { okGedrueckt(); });
        optionen->addWidget(o);
        optionen_.push_back(o);
    }
    layout->addWidget(rahmen_);
    if (!a.hinweisName.empty()) {
        hinweis_ = new QLabel(this);
        hinweis_->setObjectName(qs(a.hinweisName));
        hinweis_->setWordWrap(true);
        layout->addWidget(hinweis_);
    }

    auto* knoepfe = new QHBoxLayout;
    if (!a.hilfeName.empty()) {
        auto* hilfe = new QPushButton(qs(a.hilfeText), this);
        hilfe->setObjectName(qs(a.hilfeName));
        connect(hilfe, &QPushButton::clicked, this, [this] { presenter_.hilfe(); });
        knoepfe->addWidget(hilfe);
    }
    knoepfe->addStretch();
    ok_->setObjectName(QStringLiteral("cmdOK"));
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &AuswahlDialog::okGedrueckt);
    knoepfe->addWidget(ok_);
    layout->addLayout(knoepfe);
    aktualisieren();
}

void AuswahlDialog::aktualisieren() {
    AuswahlAnsicht a = presenter_.ansicht();
    setWindowTitle(qs(a.titel));
    // Wide enough for the caption in the title bar.
    setMinimumWidth(std::max(320, fontMetrics().horizontalAdvance(windowTitle()) + 120));
    rahmen_->setTitle(qs(a.rahmen));
    for (std::size_t i = 0; i < optionen_.size() && i < a.optionen.size(); ++i) anzeigen(optionen_[i], a.optionen[i].schalter);
    if (hinweis_) hinweis_->setText(qs(a.hinweis));
}

void AuswahlDialog::okGedrueckt() {
    if (presenter_.ok()) accept();
    else aktualisieren();
}

}  // namespace tarvis::ui
