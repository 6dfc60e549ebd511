#include "ablauf/Oeffnen6Dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <filesystem>

#include "projekt/Dateiliste.h"
#include "widgets/Knoepfe.h"
#include "widgets/QtText.h"
#include "widgets/Optionen.h"
#include "projekt/Texte.h"
#include "widgets/Verzeichnisbaum.h"

namespace tarvis::ui {

Oeffnen6Dialog::Oeffnen6Dialog(Verknuepfung& presenter, MessageService& ms, const std::string& startverzeichnis,
                               QWidget* parent)
    : QDialog(parent), presenter_(presenter), ms_(ms) {
    setObjectName(QStringLiteral("Oeffnen6"));
    setWindowTitle(QStringLiteral("2 x KVT 2000 B  Verknüpfung zu KVT 2000/6 "));
    presenter_.aktivieren();

    auto* layout = new QVBoxLayout(this);
    lblOeffnen_ = new QLabel(QStringLiteral("Öffnen Sie nacheinander 2 Übergabedateien mit KVT 2000 B"), this);
    lblOeffnen_->setObjectName(QStringLiteral("lblÖffnen"));
    layout->addWidget(lblOeffnen_);

    auto* listen = new QHBoxLayout;
    file1_ = new QListWidget(this);
    file1_->setObjectName(QStringLiteral("File1"));
    dir1_ = new Verzeichnisbaum(this);
    listen->addWidget(file1_, 1);
    listen->addWidget(dir1_, 1);
    layout->addLayout(listen, 1);

    frmDatei_ = new QGroupBox(this);
    frmDatei_->setObjectName(QStringLiteral("frmDatei"));
    auto* rahmen = new QGridLayout(frmDatei_);
    opt1_ = new QRadioButton(QStringLiteral("1"), frmDatei_);
    opt1_->setObjectName(QStringLiteral("opt1"));
    opt2_ = new QRadioButton(QStringLiteral("2"), frmDatei_);
    opt2_->setObjectName(QStringLiteral("opt2"));
    // Both options are cleared once both files are read; the window keeps
    // them exclusive itself.
    opt1_->setAutoExclusive(false);
    opt2_->setAutoExclusive(false);
    lblD1_ = new QLabel(frmDatei_);
    lblD1_->setObjectName(QStringLiteral("lblD1"));
    lblD2_ = new QLabel(frmDatei_);
    lblD2_->setObjectName(QStringLiteral("lblD2"));
    rahmen->addWidget(opt1_, 0, 0);
    rahmen->addWidget(lblD1_, 0, 1);
    rahmen->addWidget(opt2_, 1, 0);
    rahmen->addWidget(lblD2_, 1, 1);
    rahmen->setColumnStretch(1, 1);
    layout->addWidget(frmDatei_);

    auto* speichern = new QHBoxLayout;
    lblSpeichern_ = new QLabel(QStringLiteral("Speichern unter"), this);
    lblSpeichern_->setObjectName(QStringLiteral("lblSpeichern"));
    txtSpeichern_ = new QLineEdit(this);
    txtSpeichern_->setObjectName(QStringLiteral("txtSpeichern"));
    speichern->addWidget(lblSpeichern_);
    speichern->addWidget(txtSpeichern_, 1);
    layout->addLayout(speichern);

    cmdOeffnen_ = new QPushButton(QStringLiteral("&Öffnen"), this);
    cmdOeffnen_->setObjectName(QStringLiteral("cmdÖffnen"));
    cmdSpeichern_ = new QPushButton(QStringLiteral("&Speichern"), this);
    cmdSpeichern_->setObjectName(QStringLiteral("cmdSpeichern"));
    auto* abbrechen = new QPushButton(qs(Text(50)), this);
    abbrechen->setObjectName(QStringLiteral("cmdAbbrechen"));
    auto* hilfe = new QPushButton(qs(Text(37)), this);
    hilfe->setObjectName(QStringLiteral("cmdHilfe"));
    layout->addLayout(knopfzeile({cmdOeffnen_, cmdSpeichern_}, {abbrechen, hilfe}));

    connect(dir1_, &Verzeichnisbaum::verzeichnisGewaehlt, this, &Oeffnen6Dialog::dateienZeigen);
    connect(file1_, &QListWidget::itemDoubleClicked, this, [this] { oeffnen(); });
    connect(opt1_, &QRadioButton::clicked, this, [this] {
        presenter_.dateiNrSetzen(1);
        aktualisieren();
    });
    connect(opt2_, &QRadioButton::clicked, this, [this] {
        presenter_.dateiNrSetzen(2);
        aktualisieren();
    });
    connect(txtSpeichern_, &QLineEdit::textEdited, this, [this](const QString& t) { presenter_.zielSetzen(ss(t)); });
    connect(cmdOeffnen_, &QPushButton::clicked, this, &Oeffnen6Dialog::oeffnen);
    connect(cmdSpeichern_, &QPushButton::clicked, this, [this] {
        if (presenter_.speichern()) accept();
    });
    connect(abbrechen, &QPushButton::clicked, this, &Oeffnen6Dialog::reject);
    connect(hilfe, &QPushButton::clicked, this, [this] { ms_.hilfe(115); });

    dir1_->setzeVerzeichnis(qs(startverzeichnis));
    dateienZeigen(qs(startverzeichnis));
    aktualisieren();
    resize(600, 460);
}

void Oeffnen6Dialog::dateienZeigen(const QString& verzeichnis) {
    verzeichnis_ = verzeichnis;
    file1_->clear();
    for (const auto& d : DateienMitEndung(ss(verzeichnis), ".EPO")) file1_->addItem(qs(d));
}

void Oeffnen6Dialog::aktualisieren() {
    VerknuepfungAnsicht a = presenter_.ansicht();
    frmDatei_->setTitle(qs(a.rahmen));
    {
        QSignalBlocker b1(opt1_), b2(opt2_);
        opt1_->setChecked(a.dateiNr == 1);
        opt2_->setChecked(a.dateiNr == 2);
    }
    lblD1_->setText(qs(a.lblD1));
    lblD2_->setText(qs(a.lblD2));
    lblOeffnen_->setVisible(a.oeffnenHinweisSichtbar);
    lblSpeichern_->setVisible(a.speichernSichtbar);
    txtSpeichern_->setVisible(a.speichernSichtbar);
    anzeigen(txtSpeichern_, qs(a.ziel));
    cmdSpeichern_->setEnabled(a.speichernAktiv);
    cmdSpeichern_->setDefault(a.speichernAktiv);
    cmdOeffnen_->setDefault(!a.speichernAktiv);
}

void Oeffnen6Dialog::oeffnen() {
    std::optional<std::filesystem::path> datei;
    if (QListWidgetItem* i = file1_->currentItem(); i && i->isSelected())
        datei = std::filesystem::path(ss(verzeichnis_)) / ss(i->text());
    Verknuepfung::Ergebnis e = presenter_.oeffnen(datei);
    aktualisieren();
    if (e == Verknuepfung::Ergebnis::Geschlossen) QDialog::reject();
}

void Oeffnen6Dialog::reject() {
    presenter_.abbrechen();
    QDialog::reject();
}

}  // namespace tarvis::ui
