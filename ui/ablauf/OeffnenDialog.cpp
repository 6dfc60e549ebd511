#include "ablauf/OeffnenDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/Knoepfe.h"
#include "widgets/QtText.h"
#include "widgets/Verzeichnisbaum.h"

namespace tarvis::ui {

OeffnenDialog::OeffnenDialog(OeffnenPresenter& presenter, QWidget* parent) : QDialog(parent), presenter_(presenter) {
    setObjectName(QStringLiteral("Oeffnen"));
    presenter_.aktivieren();
    const OeffnenAnsicht& a = presenter_.ansicht();
    setWindowTitle(qs(a.titel));

    auto* layout = new QVBoxLayout(this);
    auto* listen = new QHBoxLayout;
    auto* links = new QVBoxLayout;
    auto* lblName = new QLabel(qs(a.lblName), this);
    lblName->setObjectName(QStringLiteral("Label1"));
    file1_ = new QListWidget(this);
    file1_->setObjectName(QStringLiteral("File1"));
    lblName->setBuddy(file1_);
    links->addWidget(lblName);
    links->addWidget(file1_, 1);
    auto* rechts = new QVBoxLayout;
    auto* lblVerz = new QLabel(qs(a.lblVerzeichnis), this);
    lblVerz->setObjectName(QStringLiteral("Label2"));
    dir1_ = new Verzeichnisbaum(this);
    dir1_->setzeVerzeichnis(qs(a.verzeichnis));
    rechts->addWidget(lblVerz);
    rechts->addWidget(dir1_, 1);
    listen->addLayout(links, 1);
    listen->addLayout(rechts, 1);
    layout->addLayout(listen, 1);

    auto* ok = okKnopf(this, qs(a.ok));
    auto* abbrechen = new QPushButton(qs(a.abbrechen), this);
    abbrechen->setObjectName(QStringLiteral("cmdAbbrechen"));
    layout->addLayout(knopfzeile({}, {ok, abbrechen}));

    connect(dir1_, &Verzeichnisbaum::verzeichnisGewaehlt, this, [this](const QString& pfad) {
        presenter_.verzeichnisSetzen(ss(pfad));
        dateienZeigen();
    });
    connect(file1_, &QListWidget::itemDoubleClicked, this, [this] { oeffnen(); });
    connect(ok, &QPushButton::clicked, this, &OeffnenDialog::oeffnen);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);

    dateienZeigen();
    resize(560, 380);
}

void OeffnenDialog::dateienZeigen() {
    file1_->clear();
    for (const auto& d : presenter_.ansicht().dateien) file1_->addItem(qs(d));
    // The list would show its first file as the current one without choosing
    // it; it is chosen, so that OK and Enter open the file that is shown.
    if (file1_->count() > 0) file1_->setCurrentRow(0);
}

void OeffnenDialog::oeffnen() {
    std::optional<std::string> datei;
    if (QListWidgetItem* i = file1_->currentItem(); i && i->isSelected()) datei = ss(i->text());
    switch (presenter_.oeffnen(datei)) {
    case OeffnenPresenter::Ergebnis::Geladen: accept(); break;
    case OeffnenPresenter::Ergebnis::Geschlossen: reject(); break;
    case OeffnenPresenter::Ergebnis::Bleibt: break;
    }
}

}  // namespace tarvis::ui
