#include <QGridLayout>
#include <QVBoxLayout>

#include "widgets/QtText.h"
#include "widgets/Optionen.h"
#include "wizard/zusaetze/ZusaetzeSeiten.h"

namespace tarvis::ui {

PeripherieSeite::PeripherieSeite(ZusaetzePresenter& p, QWidget* parent)
    : ZusaetzeSeite(p, parent),
      lblTrennung_(label("lblTrennung", true)),
      lblGewaehlt_(label("lblGewählt")),
      lblSignal_(label("lblSignal", true)),
      cmdWahl_(knopf("cmdWahl", [&p] { p.peripherieWaehlen(); })),
      cmdLoeschen_(knopf("cmdLöschen", [&p] { p.peripherieLoeschen(); })),
      hilfe_(knopf("cmdHilfePeri", [&p] { p.hilfe(kReiterPeripherie); })),
      tir_(jaNein("fraTIR", "optTIRja", "optTIRnein", [&p](bool ja) { p.tir(ja); })) {
    auto* layout = new QGridLayout(this);
    layout->addWidget(lblTrennung_, 0, 0, 1, 2);
    layout->addWidget(cmdWahl_, 1, 0);
    layout->addWidget(lblGewaehlt_, 2, 0, 1, 2);
    layout->addWidget(cmdLoeschen_, 3, 0);
    layout->addWidget(lblSignal_, 4, 0, 1, 2);
    layout->addWidget(tir_, 5, 0);
    layout->setRowStretch(6, 1);
    layout->addWidget(hilfe_, 7, 1, Qt::AlignRight);
    layout->setColumnStretch(1, 1);
}

void PeripherieSeite::aktualisieren(const ZusaetzeAnsicht& a) {
    const auto& pe = a.peripherie;
    anzeigen(lblTrennung_, pe.lblTrennung);
    anzeigen(lblGewaehlt_, pe.lblGewaehlt);
    anzeigen(lblSignal_, pe.lblSignal);
    anzeigen(cmdWahl_, pe.cmdWahl);
    anzeigen(cmdLoeschen_, pe.cmdLoeschen);
    anzeigen(hilfe_, pe.hilfe);
    tir_->anzeigen(pe.tir);
}

}  // namespace tarvis::ui
