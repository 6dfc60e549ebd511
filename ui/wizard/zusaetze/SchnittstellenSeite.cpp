#include <QGridLayout>
#include <QVBoxLayout>

#include "widgets/QtText.h"
#include "widgets/Optionen.h"
#include "wizard/zusaetze/ZusaetzeSeiten.h"

namespace tarvis::ui {

SchnittstellenSeite::SchnittstellenSeite(ZusaetzePresenter& p, QWidget* parent)
    : ZusaetzeSeite(p, parent),
      fraSchnitt1_(rahmen("fraSchnitt1")),
      fraSchnitt2_(rahmen("fraSchnitt2")),
      ravi1_(jaNein("fraRAVI1", "optRAVI1ja", "optRAVI1nein", [&p](bool ja) { p.ravi1(ja); })),
      ravi2_(jaNein("fraRAVI2", "optRAVI2ja", "optRAVI2nein", [&p](bool ja) { p.ravi2(ja); })) {
    auto* s1 = new QVBoxLayout(fraSchnitt1_);
    const char* namen1[] = {"optSchnitt10", "optBIX1", "optWX201", "opt20mA1"};
    for (int i = 0; i < 4; ++i) {
        int wahl = i + 1;
        schnitt1_[static_cast<std::size_t>(i)] = option(namen1[i], fraSchnitt1_, [&p, wahl] { p.schnitt1(wahl); });
        s1->addWidget(schnitt1_[static_cast<std::size_t>(i)]);
    }
    auto* s2 = new QVBoxLayout(fraSchnitt2_);
    const char* namen2[] = {"optSchnitt20", "optBIX2", "optWX202"};
    for (int i = 0; i < 3; ++i) {
        int wahl = i + 1;
        schnitt2_[static_cast<std::size_t>(i)] = option(namen2[i], fraSchnitt2_, [&p, wahl] { p.schnitt2(wahl); });
        s2->addWidget(schnitt2_[static_cast<std::size_t>(i)]);
    }
    s2->addStretch();

    auto* layout = new QGridLayout(this);
    layout->addWidget(fraSchnitt1_, 0, 0);
    layout->addWidget(ravi1_, 0, 1, Qt::AlignTop);
    layout->addWidget(fraSchnitt2_, 1, 0);
    layout->addWidget(ravi2_, 1, 1, Qt::AlignTop);
    layout->setColumnStretch(0, 2);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(2, 1);
}

void SchnittstellenSeite::aktualisieren(const ZusaetzeAnsicht& a) {
    const auto& s = a.schnittstellen;
    anzeigen(fraSchnitt1_, s.fraSchnitt1);
    anzeigen(fraSchnitt2_, s.fraSchnitt2);
    for (std::size_t i = 0; i < 4; ++i) anzeigen(schnitt1_[i], s.schnitt1[i]);
    for (std::size_t i = 0; i < 3; ++i) anzeigen(schnitt2_[i], s.schnitt2[i]);
    ravi1_->anzeigen(s.ravi1);
    ravi2_->anzeigen(s.ravi2);
}

}  // namespace tarvis::ui
