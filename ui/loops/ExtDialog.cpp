#include "loops/ExtDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "loops/Bausteine.h"
#include "widgets/QtText.h"
#include "widgets/Optionen.h"

namespace tarvis::ui {

ExtDialog::ExtDialog(ExtPresenter& presenter, QWidget* parent)
    : QDialog(parent),
      presenter_(presenter),
      label1_(neuesLabel("Label1", this, true)),
      label2_(neuesLabel("Label2", this, true)),
      label3_(neuesLabel("Label3", this)),
      label4_(neuesLabel("Label4", this, true)),
      label5_(neuesLabel("Label5", this, true)),
      label6_(neuesLabel("Label6", this, true)),
      label7_(neuesLabel("Label7", this, true)),
      summeRuhe_(zahlLabel("lblSummeRuhe", this)),
      summeAlarm_(zahlLabel("lblSummeAlarm", this)),
      kbn_(neuerKnopf("cmdKBN", this)),
      ok_(neuerKnopf("cmdOk", this)),
      hilfe_(neuerKnopf("cmdHelp", this)) {
    const QString v = presenter_.v12() ? QStringLiteral("12") : QStringLiteral("28");
    setObjectName(QStringLiteral("Ex") + v);
    auto* g = new QGridLayout;
    g->addWidget(label3_, 0, 0, Qt::AlignBottom);
    g->addWidget(label4_, 0, 1, Qt::AlignBottom | Qt::AlignRight);
    g->addWidget(label5_, 0, 2, Qt::AlignBottom | Qt::AlignRight);
    g->addWidget(label6_, 0, 3, Qt::AlignBottom | Qt::AlignRight);
    for (QLabel* k : {label4_, label5_, label6_}) k->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    const QString spalten[] = {QStringLiteral("Menge"), QStringLiteral("Ruhe"), QStringLiteral("Alarm")};
    for (int i = 0; i < ExtPresenter::kZeilen; ++i) {
        const QString n = v + QLatin1Char('_') + QString::number(i);
        auto* name = new QLineEdit(this);
        name->setObjectName(QStringLiteral("txtName") + n);
        name->setMaxLength(37);
        name->setText(qs(presenter_.name(i)));
        name->installEventFilter(this);
        connect(name, &QLineEdit::textEdited, this, [this, i](const QString& t) { presenter_.nameAendern(i, ss(t)); });
        namen_[static_cast<std::size_t>(i)] = name;
        g->addWidget(name, i + 1, 0);
        for (int s = 0; s < 3; ++s) {
            auto* f = new Zaehlfeld(QStringLiteral("txt") + spalten[s] + n, QStringLiteral("hsb") + spalten[s] + n, this);
            felder_[static_cast<std::size_t>(i * 3 + s)] = f;
            connect(f, &Zaehlfeld::geaendert, this, &ExtDialog::nachEingabe);
            g->addWidget(f, i + 1, s + 1, Qt::AlignRight);
        }
    }
    g->setColumnStretch(0, 1);
    for (int s = 1; s <= 3; ++s) g->setColumnMinimumWidth(s, 120);
    const int summe = ExtPresenter::kZeilen + 1;
    label7_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    g->addWidget(label7_, summe, 0, 1, 2);
    g->addWidget(summeRuhe_, summe, 2, Qt::AlignRight);
    g->addWidget(summeAlarm_, summe, 3, Qt::AlignRight);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(kbn_);
    knoepfe->addStretch();
    knoepfe->addWidget(hilfe_);
    knoepfe->addWidget(ok_);
    ok_->setDefault(true);
    auto* l = new QVBoxLayout(this);
    l->addWidget(label1_);
    l->addWidget(label2_);
    l->addLayout(g);
    l->addLayout(knoepfe);
    setMinimumWidth(760);

    presenter_.aktivieren();
    for (std::size_t k = 0; k < felder_.size(); ++k) felder_[k]->binden(presenter_.felder(), static_cast<int>(k));
    connect(kbn_, &QPushButton::clicked, this, [this] {
        presenter_.kbn();
        aktualisieren();
    });
    connect(hilfe_, &QPushButton::clicked, this, [this] { presenter_.hilfe(); });
    connect(ok_, &QPushButton::clicked, this, [this] {
        if (presenter_.ok()) accept();
        else nachEingabe();
    });
    aktualisieren();
    nachEingabe();
}

void ExtDialog::nachEingabe() {
    aktualisieren();
    if (auto zeile = presenter_.fokusAbholen()) {
        QLineEdit* f = felder_[static_cast<std::size_t>(ExtPresenter::feld(*zeile, ExtPresenter::Menge))]->feld();
        f->setFocus();
        f->selectAll();
    }
}

void ExtDialog::aktualisieren() {
    ExtAnsicht a = presenter_.ansicht();
    setWindowTitle(qs(a.titel));
    anzeigen(label1_, a.label1);
    anzeigen(label2_, a.label2);
    anzeigen(label3_, a.label3);
    anzeigen(label4_, a.label4);
    anzeigen(label5_, a.label5);
    anzeigen(label6_, a.label6);
    anzeigen(label7_, a.label7);
    anzeigen(summeRuhe_, a.summeRuhe);
    anzeigen(summeAlarm_, a.summeAlarm);
    for (Zaehlfeld* f : felder_) f->aktualisieren();
    anzeigen(kbn_, a.kbn);
    kbn_->setVisible(a.kbnSichtbar);
    anzeigen(ok_, a.ok);
    anzeigen(hilfe_, a.hilfe);
}

bool ExtDialog::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        for (QLineEdit* n : namen_)
            if (o == n && !k->text().isEmpty() && !presenter_.nameTaste(k->text().toUcs4().value(0))) return true;
    }
    return QDialog::eventFilter(o, e);
}

}  // namespace tarvis::ui
