#include "einstellungen/SBWahlDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "widgets/QtText.h"

namespace tarvis::ui {

SBWahlDialog::SBWahlDialog(SBWahlPresenter& presenter, QWidget* parent) : QDialog(parent), presenter_(presenter) {
    setObjectName(QStringLiteral("SBWahl"));
    presenter_.aktivieren();
    SBWahlAnsicht a = presenter_.ansicht();
    setWindowTitle(qs(a.titel));
    auto* layout = new QVBoxLayout(this);

    lblVerzeichnis_ = new QLabel(this);
    lblVerzeichnis_->setObjectName(QStringLiteral("lblVerzeichnis"));
    lblVerzeichnis_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(lblVerzeichnis_);

    auto* listen = new QHBoxLayout;
    dir1_ = new QListWidget(this);
    dir1_->setObjectName(QStringLiteral("Dir1"));
    listen->addWidget(dir1_);
    auto* dateiSpalte = new QVBoxLayout;
    auto* lblDatei = new QLabel(qs(a.dateiLabel), this);
    lblDatei->setObjectName(QStringLiteral("lblDateiname"));
    file1_ = new QListWidget(this);
    file1_->setObjectName(QStringLiteral("File1"));
    lblDatei->setBuddy(file1_);
    dateiSpalte->addWidget(lblDatei);
    dateiSpalte->addWidget(file1_);
    listen->addLayout(dateiSpalte);
    layout->addLayout(listen);

    connect(dir1_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        presenter_.verzeichnisOeffnen(dir1_->row(item));
        aktualisieren();
    });
    connect(file1_, &QListWidget::currentRowChanged, this, [this](int zeile) { presenter_.dateiWaehlen(zeile); });
    connect(file1_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        if (presenter_.dateiDoppelklick(file1_->row(item))) accept();
    });

    auto knopf = [this](const std::string& text, const char* name) {
        auto* k = new QPushButton(qs(text), this);
        k->setObjectName(QLatin1String(name));
        return k;
    };
    QPushButton* ok = knopf(a.ok, "cmdOK");
    QPushButton* neu = knopf(a.neu, "cmdNeu");
    QPushButton* abbrechen = knopf(a.abbrechen, "cmdAbbrechen");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] {
        if (presenter_.ok()) accept();
        else aktualisieren();
    });
    // The new clerk is asked for once this window has closed (nachSchliessen).
    connect(neu, &QPushButton::clicked, this, [this] {
        if (presenter_.neu()) reject();
    });
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(ok);
    knoepfe->addWidget(neu);
    knoepfe->addStretch();
    knoepfe->addWidget(abbrechen);
    layout->addLayout(knoepfe);

    resize(560, 360);
    aktualisieren();
    file1_->setFocus();
}

void SBWahlDialog::aktualisieren() {
    SBWahlAnsicht a = presenter_.ansicht();
    lblVerzeichnis_->setText(qs(a.verzeichnis));
    QIcon ordner = style()->standardIcon(QStyle::SP_DirIcon);
    {
        QSignalBlocker b(dir1_);
        dir1_->clear();
        for (const auto& v : a.verzeichnisse) dir1_->addItem(new QListWidgetItem(ordner, qs(v)));
    }
    QSignalBlocker b(file1_);
    file1_->clear();
    for (const auto& d : a.dateien) file1_->addItem(qs(d));
    file1_->setCurrentRow(a.gewaehlt);
}

}  // namespace tarvis::ui
