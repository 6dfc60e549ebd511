#include "widgets/JaNeinRahmen.h"

#include <QHBoxLayout>

#include "widgets/QtText.h"
#include "projekt/Texte.h"
#include "widgets/Optionen.h"

namespace tarvis::ui {

JaNeinRahmen::JaNeinRahmen(const QString& rahmenName, const QString& jaName, const QString& neinName, QWidget* parent)
    : QGroupBox(parent), ja_(new QRadioButton(qs(Text(134)), this)), nein_(new QRadioButton(qs(Text(135)), this)) {
    setObjectName(rahmenName);
    ja_->setObjectName(jaName);
    nein_->setObjectName(neinName);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(ja_);
    layout->addWidget(nein_);
    layout->addStretch();
    connect(ja_, &QRadioButton::clicked, this, [this] { emit gewaehlt(true); });
    connect(nein_, &QRadioButton::clicked, this, [this] { emit gewaehlt(false); });
}

void JaNeinRahmen::anzeigen(const JaNeinAnsicht& a) {
    setTitle(qs(a.rahmen));
    setFlat(a.rahmen.empty());  // an untitled pair sits inside another frame
    setEnabled(a.aktiv);
    optionSetzen(ja_, a.ja);
    optionSetzen(nein_, a.nein);
}

}  // namespace tarvis::ui
