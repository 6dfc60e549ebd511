#include "einstellungen/StammdatenDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/QtText.h"
#include "widgets/Optionen.h"
#include "widgets/TastenFilter.h"
#include "widgets/Knoepfe.h"

namespace tarvis::ui {

namespace {

const char* const kLabelNamen[7] = {"", "lblProjName", "lblAngNummer", "lblBestNummer", "lblBaup", "lblAuftrNr", "lblSachbe"};

QLabel* hinweis(const char* name, QWidget* eltern) {
    auto* l = new QLabel(eltern);
    l->setObjectName(QLatin1String(name));
    l->setStyleSheet(QStringLiteral("color: #b00000;"));
    // Showing and hiding a hint does not move the boxes.
    QSizePolicy sp = l->sizePolicy();
    sp.setRetainSizeWhenHidden(true);
    l->setSizePolicy(sp);
    return l;
}

}  // namespace

StammdatenDialog::StammdatenDialog(StammdatenPresenter& presenter, QWidget* parent)
    : QDialog(parent), presenter_(presenter) {
    setObjectName(QStringLiteral("Stammdaten"));
    presenter_.aktivieren();
    StammdatenAnsicht a = presenter_.ansicht();
    setWindowTitle(qs(a.titel));

    auto* layout = new QVBoxLayout(this);
    auto* raster = new QGridLayout;
    for (int i = 1; i <= 6; ++i) {
        auto idx = static_cast<std::size_t>(i);
        labels_[idx] = new QLabel(qs(a.beschriftung[idx]), this);
        labels_[idx]->setObjectName(QLatin1String(kLabelNamen[i]));
        texte_[idx] = new QLineEdit(this);
        texte_[idx]->setObjectName(QStringLiteral("text%1").arg(i));
        texte_[idx]->setMinimumWidth(280);
        labels_[idx]->setBuddy(texte_[idx]);
        raster->addWidget(labels_[idx], i - 1, 0);
        raster->addWidget(texte_[idx], i - 1, 1);
        new TastenFilter(texte_[idx], [this, i](char32_t c) {
            bool erlaubt = presenter_.taste(i, c);
            aktualisieren();  // the default project name may have been emptied
            return erlaubt;
        });
        connect(texte_[idx], &QLineEdit::textEdited, this, [this, i](const QString& t) {
            presenter_.setzeText(i, ss(t));
            aktualisieren();
        });
    }
    layout->addLayout(raster);

    lblProName_ = hinweis("lblProName", this);
    lblProName_->setText(qs(a.projektHinweis));
    lblSachName_ = hinweis("lblSachName", this);
    lblSachName_->setText(qs(a.sachHinweis));
    lblAltName_ = new QLabel(this);
    lblAltName_->setObjectName(QStringLiteral("lblAltName"));
    layout->addWidget(lblProName_);
    layout->addWidget(lblSachName_);
    layout->addWidget(lblAltName_);

    auto* ok = okKnopf(this, qs(a.ok));
    connect(ok, &QPushButton::clicked, this, &StammdatenDialog::okGeklickt);
    layout->addLayout(knopfzeile({}, {ok}));

    aktualisieren();
    texte_[1]->setFocus();
}

void StammdatenDialog::aktualisieren() {
    StammdatenAnsicht a = presenter_.ansicht();
    for (std::size_t i = 1; i <= 6; ++i) anzeigen(texte_[i], qs(a.texte[i]));
    lblProName_->setVisible(a.projektHinweisSichtbar);
    lblSachName_->setVisible(a.sachHinweisSichtbar);
    lblAltName_->setText(qs(a.altName));
    lblAltName_->setVisible(!a.altName.empty());
}

void StammdatenDialog::okGeklickt() {
    if (presenter_.ok()) {
        accept();
        return;
    }
    texte_[static_cast<std::size_t>(presenter_.fokus())]->setFocus();
}

}  // namespace tarvis::ui
