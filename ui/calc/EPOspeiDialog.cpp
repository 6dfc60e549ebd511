#include "calc/EPOspeiDialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/QtText.h"
#include "widgets/Knoepfe.h"

namespace tarvis::ui {

EPOspeiDialog::EPOspeiDialog(EPOspeiPresenter& presenter, QWidget* parent) : QDialog(parent), presenter_(presenter) {
    setObjectName(QStringLiteral("EPOspei"));
    EPOspeiAnsicht a = presenter_.ansicht();
    setWindowTitle(qs(a.titel));

    auto* layout = new QVBoxLayout(this);
    auto* rahmen = new QGroupBox(qs(a.rahmen), this);
    rahmen->setObjectName(QStringLiteral("frmOKTA"));
    auto* boxen = new QVBoxLayout(rahmen);
    auto* peri = new QCheckBox(qs(a.peripherie), rahmen);
    peri->setObjectName(QStringLiteral("chkPeriph"));
    peri->setChecked(a.peripherieAn);
    auto* netz = new QCheckBox(qs(a.netz), rahmen);
    netz->setObjectName(QStringLiteral("chkNetz"));
    netz->setChecked(a.netzAn);
    boxen->addWidget(peri);
    boxen->addWidget(netz);
    layout->addWidget(rahmen);
    connect(peri, &QCheckBox::toggled, this, [this](bool an) { presenter_.peripherieKlick(an); });
    connect(netz, &QCheckBox::toggled, this, [this](bool an) { presenter_.netzKlick(an); });

    auto* hinweis = new QLabel(qs(a.hinweis), this);
    hinweis->setObjectName(QStringLiteral("lblHinweis"));
    hinweis->setWordWrap(true);
    layout->addWidget(hinweis);

    auto* ok = okKnopf(this, qs(a.ok), [this] { return presenter_.ok(); });
    layout->addLayout(knopfzeile({}, {ok}));
    setMinimumWidth(380);
}

}  // namespace tarvis::ui
