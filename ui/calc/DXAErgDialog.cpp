#include "calc/DXAErgDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/QtText.h"
#include "widgets/Knoepfe.h"

namespace tarvis::ui {

namespace {

QLabel* label(QWidget* eltern, const char* name, const std::string& text, bool zahl = false) {
    auto* l = new QLabel(qs(text), eltern);
    l->setObjectName(QString::fromUtf8(name));
    if (zahl) {
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setMinimumWidth(70);
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Sunken);
    }
    return l;
}

// A frame of label and value rows.
QGroupBox* rahmen(QWidget* eltern, const char* name, const std::string& titel,
                  std::initializer_list<std::pair<QLabel*, QLabel*>> zeilen) {
    auto* r = new QGroupBox(qs(titel), eltern);
    r->setObjectName(QString::fromUtf8(name));
    auto* g = new QGridLayout(r);
    int zeile = 0;
    for (auto [text, wert] : zeilen) {
        text->setParent(r);
        wert->setParent(r);
        g->addWidget(text, zeile, 0);
        g->addWidget(wert, zeile, 1);
        ++zeile;
    }
    g->setColumnStretch(0, 1);
    return r;
}

}  // namespace

DXAErgDialog::DXAErgDialog(const DXAErgAnsicht& a, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("DXAErg"));
    setWindowTitle(qs(a.titel));
    auto* layout = new QVBoxLayout(this);

    layout->addWidget(rahmen(this, "frmSumme", a.frmSumme,
                             {{label(this, "lblRuhe", a.lblRuhe), label(this, "lblRuhestrom", a.lblRuhestrom, true)},
                              {label(this, "lblAlarm", a.lblAlarm), label(this, "lblAlarmstrom", a.lblAlarmstrom, true)},
                              {label(this, "lblKap", a.lblKap), label(this, "lblBattkap", a.lblBattkap, true)},
                              {label(this, "lblLade", a.lblLade), label(this, "lblLadestrom", a.lblLadestrom, true)}}));
    layout->addWidget(rahmen(this, "frmbenötigen", a.frmBenoetigen,
                             {{label(this, "lblDXA", a.lblDXA), label(this, "lblDXAZahl", a.lblDXAZahl, true)},
                              {label(this, "lblZOLW", a.lblZOLW), label(this, "lblZOLWZahl", a.lblZOLWZahl, true)},
                              {label(this, "lblBatt", a.lblBatt), label(this, "lblBattZahl", a.lblBattZahl, true)}}));
    // The notes on parallel units only take room when there are any.
    for (auto [name, text] : {std::pair{"lblParallel1", &a.lblParallel1}, std::pair{"lblParallel2", &a.lblParallel2}}) {
        QLabel* l = label(this, name, *text);
        l->setVisible(!text->empty());
        layout->addWidget(l);
    }

    auto* ok = okKnopf(this, QStringLiteral("&OK"), [] { return true; });
    layout->addLayout(knopfzeile({}, {ok}));
    setMinimumWidth(420);
}

}  // namespace tarvis::ui
