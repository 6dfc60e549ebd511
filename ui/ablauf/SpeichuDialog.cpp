#include "ablauf/SpeichuDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "widgets/Knoepfe.h"
#include "widgets/QtText.h"
#include "widgets/Optionen.h"
#include "widgets/TastenFilter.h"
#include "widgets/Verzeichnisbaum.h"

namespace tarvis::ui {

SpeichuDialog::SpeichuDialog(SpeichuPresenter& presenter, QWidget* parent) : QDialog(parent), presenter_(presenter) {
    setObjectName(QStringLiteral("Speichu"));
    presenter_.aktivieren();
    SpeichuAnsicht a = presenter_.ansicht();
    setWindowTitle(qs(a.titel));

    auto* layout = new QVBoxLayout(this);
    auto* raster = new QGridLayout;
    auto* lblName = new QLabel(qs(a.lblName), this);
    lblName->setObjectName(QStringLiteral("Label1"));
    text1_ = new QLineEdit(this);
    text1_->setObjectName(QStringLiteral("text1"));
    lblName->setBuddy(text1_);
    auto* endung = new QLabel(qs(a.endung), this);
    endung->setObjectName(QStringLiteral("lblEndung"));
    raster->addWidget(lblName, 0, 0);
    raster->addWidget(text1_, 0, 1);
    raster->addWidget(endung, 0, 2);
    layout->addLayout(raster);

    label5_ = new QLabel(this);
    label5_->setObjectName(QStringLiteral("Label5"));
    label5_->setWordWrap(true);
    // A long name is a path without blanks to wrap at: it must not widen the
    // window beyond the screen, where its buttons could not be reached.
    label5_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    label5_->setFrameShape(QFrame::Panel);
    label5_->setFrameShadow(QFrame::Sunken);
    layout->addWidget(label5_);

    auto* lblVerz = new QLabel(qs(a.lblVerzeichnis), this);
    lblVerz->setObjectName(QStringLiteral("Label2"));
    layout->addWidget(lblVerz);
    dir1_ = new Verzeichnisbaum(this);
    dir1_->setMinimumHeight(220);
    dir1_->setzeVerzeichnis(qs(a.verzeichnis));
    layout->addWidget(dir1_, 1);

    auto* para = new QGroupBox(qs(a.rahmenPara), this);
    para->setObjectName(QStringLiteral("frmPara"));
    auto* paraLayout = new QHBoxLayout(para);
    paraJa_ = new QRadioButton(qs(a.paraJa), para);
    paraJa_->setObjectName(QStringLiteral("optParaJa"));
    paraNein_ = new QRadioButton(qs(a.paraNein), para);
    paraNein_->setObjectName(QStringLiteral("optParaNein"));
    paraLayout->addWidget(paraJa_);
    paraLayout->addWidget(paraNein_);
    paraLayout->addStretch();
    layout->addWidget(para);

    auto* ok = okKnopf(this, qs(a.ok));
    auto* abbrechen = new QPushButton(qs(a.abbrechen), this);
    abbrechen->setObjectName(QStringLiteral("cmdAbbrechen"));
    layout->addLayout(knopfzeile({}, {ok, abbrechen}));

    new TastenFilter(text1_, [this](char32_t c) { return presenter_.tasteErlaubt(c); });
    connect(text1_, &QLineEdit::textEdited, this, [this](const QString& t) {
        presenter_.nameSetzen(ss(t));
        aktualisieren();
    });
    connect(dir1_, &Verzeichnisbaum::verzeichnisGewaehlt, this, [this](const QString& pfad) {
        presenter_.verzeichnisSetzen(ss(pfad));
        aktualisieren();
    });
    connect(paraJa_, &QRadioButton::clicked, this, [this] { presenter_.paraSetzen(true); });
    connect(paraNein_, &QRadioButton::clicked, this, [this] { presenter_.paraSetzen(false); });
    connect(ok, &QPushButton::clicked, this, [this] {
        if (presenter_.ok()) accept();
        else text1_->setFocus();
    });
    connect(abbrechen, &QPushButton::clicked, this, &SpeichuDialog::reject);

    aktualisieren();
    text1_->setFocus();
    text1_->selectAll();
    resize(520, 520);
}

void SpeichuDialog::aktualisieren() {
    SpeichuAnsicht a = presenter_.ansicht();
    anzeigen(text1_, qs(a.name));
    label5_->setText(qs(a.pfad));
    QSignalBlocker bj(paraJa_), bn(paraNein_);
    (a.paraSpeichern ? paraJa_ : paraNein_)->setChecked(true);
}

void SpeichuDialog::reject() {
    presenter_.abbrechen();
    QDialog::reject();
}

}  // namespace tarvis::ui
