#include "wizard/OLNVernetzDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "widgets/QtText.h"
#include "widgets/Optionen.h"

namespace tarvis::ui {

namespace {

QLabel* hinweisLabel(const char* name, QWidget* eltern) {
    auto* l = new QLabel(eltern);
    l->setObjectName(QString::fromLatin1(name));
    l->setWordWrap(true);
    return l;
}

}  // namespace

OLNVernetzDialog::OLNVernetzDialog(OLNVernetzPresenter& presenter, QWidget* parent)
    : QDialog(parent),
      presenter_(presenter),
      oln_(new JaNeinRahmen(QStringLiteral("fraOLN"), QStringLiteral("optOLNja"), QStringLiteral("optOLNnein"), this)),
      fraName_(new QGroupBox(this)),
      name_(new QLineEdit(fraName_)),
      max6_(hinweisLabel("lblMax6", this)),
      hinweis_(hinweisLabel("lblHinweis", this)),
      l2006_(hinweisLabel("lbl2006", this)),
      hilfeOLN_(new QPushButton(this)),
      hilfe2006_(new QPushButton(this)),
      weiter_(new QPushButton(this)) {
    setObjectName(QStringLiteral("OLNVernetz"));
    fraName_->setObjectName(QStringLiteral("fraName"));
    name_->setObjectName(QStringLiteral("txtName"));
    name_->setMaxLength(20);
    (new QVBoxLayout(fraName_))->addWidget(name_);
    hilfeOLN_->setObjectName(QStringLiteral("cmdHilfeOLN"));
    hilfe2006_->setObjectName(QStringLiteral("cmdHilfe2006"));
    weiter_->setObjectName(QStringLiteral("cmdWeiter"));

    const QString namen[2][3] = {{QStringLiteral("optOpto1"), QStringLiteral("optLWL1"), QStringLiteral("optModem1")},
                                 {QStringLiteral("optOpto2"), QStringLiteral("optLWL2"), QStringLiteral("optModem2")}};
    auto* seitenLayout = new QHBoxLayout;
    for (int s = 0; s < 2; ++s) {
        auto* g = new QGroupBox(this);
        g->setObjectName(s == 0 ? QStringLiteral("fraAnschluß1") : QStringLiteral("fraAnschluß2"));
        auto* l = new QVBoxLayout(g);
        for (int i = 0; i < 3; ++i) {
            auto* o = new QRadioButton(g);
            o->setObjectName(namen[s][i]);
            connect(o, &QRadioButton::clicked, this, [this, s, i] {
                presenter_.anschluss(s + 1, i);
                aktualisieren();
            });
            l->addWidget(o);
            optionen_[static_cast<std::size_t>(s)][static_cast<std::size_t>(i)] = o;
        }
        seiten_[static_cast<std::size_t>(s)] = g;
        seitenLayout->addWidget(g);
    }

    connect(oln_, &JaNeinRahmen::gewaehlt, this, [this](bool ja) {
        presenter_.vernetzt(ja);
        aktualisieren();
    });
    connect(name_, &QLineEdit::textEdited, this, [this](const QString& t) { presenter_.name(ss(t)); });
    connect(hilfeOLN_, &QPushButton::clicked, this, [this] { presenter_.hilfeOLN(); });
    connect(hilfe2006_, &QPushButton::clicked, this, [this] { presenter_.hilfe2006(); });
    connect(weiter_, &QPushButton::clicked, this, &OLNVernetzDialog::weiterGedrueckt);
    weiter_->setDefault(true);

    auto* oben = new QHBoxLayout;
    oben->addWidget(oln_);
    oben->addWidget(fraName_, 1);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(hilfeOLN_);
    knoepfe->addWidget(hilfe2006_);
    knoepfe->addStretch();
    knoepfe->addWidget(weiter_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(oben);
    layout->addLayout(seitenLayout);
    layout->addWidget(max6_);
    layout->addWidget(hinweis_);
    layout->addWidget(l2006_);
    layout->addStretch();
    layout->addLayout(knoepfe);
    setMinimumWidth(560);

    presenter_.aktivieren();
    aktualisieren();
}

void OLNVernetzDialog::aktualisieren() {
    OLNVernetzAnsicht a = presenter_.ansicht();
    setWindowTitle(qs(a.titel));
    oln_->anzeigen(a.oln);
    anzeigen(fraName_, a.fraName);
    if (name_->text() != qs(a.name)) name_->setText(qs(a.name));
    name_->setEnabled(a.nameAktiv);
    anzeigen(seiten_[0], a.fraAnschluss1);
    anzeigen(seiten_[1], a.fraAnschluss2);
    for (std::size_t i = 0; i < 3; ++i) {
        anzeigen(optionen_[0][i], a.seite1[i]);
        anzeigen(optionen_[1][i], a.seite2[i]);
    }
    anzeigen(max6_, a.lblMax6);
    anzeigen(hinweis_, a.lblHinweis);
    anzeigen(l2006_, a.lbl2006);
    anzeigen(hilfeOLN_, a.hilfeOLN);
    anzeigen(hilfe2006_, a.hilfe2006);
    anzeigen(weiter_, a.weiter);
}

void OLNVernetzDialog::weiterGedrueckt() {
    if (presenter_.weiter()) accept();
    else aktualisieren();
}

}  // namespace tarvis::ui
