#include "einstellungen/KontaktDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

#include "einstellungen/Kontakt.h"
#include "widgets/QtText.h"

namespace tarvis::ui {

KontaktDialog::KontaktDialog(const std::string& prgVersion, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Kontakt"));
    setWindowTitle(QStringLiteral("Kontakt"));
    auto* layout = new QVBoxLayout(this);
    auto* titel = new QLabel(QStringLiteral("<b>TARVIS</b>"), this);
    layout->addWidget(titel);
    auto* version = new QLabel(qs(KontaktVersion(prgVersion)), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    layout->addWidget(version);

    auto* personen = new QGridLayout;
    int zeile = 0;
    for (const QString& z : qs(KontaktPersonen()).split(QLatin1Char('\n'))) {
        int spalte = 0;
        for (const QString& feld : z.split(QLatin1Char('\t'))) personen->addWidget(new QLabel(feld, this), zeile, spalte++);
        ++zeile;
    }
    layout->addLayout(personen);

    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignRight);
}

}  // namespace tarvis::ui
