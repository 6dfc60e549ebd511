#include "loops/SpeiseRahmenWidget.h"

#include <QGridLayout>

#include "widgets/QtText.h"
#include "widgets/Optionen.h"

namespace tarvis::ui {

SpeiseRahmenWidget::SpeiseRahmenWidget(const QString& art, SpeiseRahmen& rahmen, Zaehlgruppe& felder, QWidget* parent)
    : QGroupBox(parent),
      lblSpeis_(new QLabel(this)),
      alle_(new QRadioButton(this)),
      nicht_(new QRadioButton(this)),
      feld_(new Zaehlfeld(QStringLiteral("txt") + art + QStringLiteral("speis"),
                          QStringLiteral("hsb") + art + QStringLiteral("speis"), this)),
      info_(new QLabel(this)) {
    setObjectName(QStringLiteral("frm") + art);
    lblSpeis_->setObjectName(QStringLiteral("lbl") + art + QStringLiteral("speis"));
    lblSpeis_->setWordWrap(true);
    alle_->setObjectName(QStringLiteral("opt") + art + QStringLiteral("alle"));
    nicht_->setObjectName(QStringLiteral("opt") + art + QStringLiteral("nicht"));
    info_->setObjectName(art == QStringLiteral("PQB") ? QStringLiteral("Label4") : QStringLiteral("Label3"));
    info_->setWordWrap(true);
    feld_->binden(felder, rahmen.feld());

    auto* l = new QGridLayout(this);
    l->addWidget(lblSpeis_, 0, 0, 1, 4);
    l->addWidget(alle_, 1, 0);
    l->addWidget(nicht_, 1, 1);
    l->addWidget(feld_, 1, 2);
    l->addWidget(info_, 2, 0, 1, 4);
    l->setColumnStretch(3, 1);
    feld_->balken()->setFixedWidth(160);

    connect(alle_, &QRadioButton::clicked, this, [this, &rahmen] {
        rahmen.alle();
        emit geaendert();
    });
    connect(nicht_, &QRadioButton::clicked, this, [this, &rahmen] {
        rahmen.nichtAlle();
        emit geaendert();
    });
    connect(feld_, &Zaehlfeld::geaendert, this, &SpeiseRahmenWidget::geaendert);
}

void SpeiseRahmenWidget::anzeigen(const SpeiseRahmenAnsicht& a) {
    setEnabled(a.aktiv);
    ui::anzeigen(lblSpeis_, a.lblSpeis);
    ui::anzeigen(alle_, a.alle);
    ui::anzeigen(nicht_, a.nicht);
    feld_->aktualisieren();
    ui::anzeigen(info_, a.info);
}

}  // namespace tarvis::ui
