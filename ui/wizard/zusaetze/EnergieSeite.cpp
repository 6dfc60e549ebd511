#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "widgets/QtText.h"
#include "widgets/Optionen.h"
#include "wizard/zusaetze/ZusaetzeSeiten.h"

namespace tarvis::ui {

EnergieSeite::EnergieSeite(ZusaetzePresenter& p, QWidget* parent)
    : ZusaetzeSeite(p, parent),
      fraUezeit_(rahmen("fraUezeit")),
      fraVzeit_(rahmen("fraVzeit")),
      fraExtVerb_(rahmen("fraExtVerb")),
      lblUezeit_(label("lblUezeit")),
      lblVerz_(label("lblVerz", true)),
      lblMinuten_(label("lblMinuten")),
      lblBedarf_(label("lblBedarf", true)),
      lbl12_(label("lbl12")),
      lbl28_(label("lbl28")),
      verz_(jaNein("fraVerzJaNein", "optVerzJa", "optVerzNein", [&p](bool ja) { p.verzoegerung(ja); })),
      cmd12eingeben_(knopf("cmd12eingeben", [&p] { p.ext12Eingeben(); })),
      cmd12loeschen_(knopf("cmd12löschen", [&p] { p.ext12Loeschen(); })),
      cmd28eingeben_(knopf("cmd28eingeben", [&p] { p.ext28Eingeben(); })),
      cmd28loeschen_(knopf("cmd28löschen", [&p] { p.ext28Loeschen(); })),
      hilfe_(knopf("cmdHilfeEV", [&p] { p.hilfe(kReiterEnergie); })) {
    // Standby time.
    auto* ue = new QGridLayout(fraUezeit_);
    ue->addWidget(lblUezeit_, 0, 0);
    ue->addWidget(zaehlfeld("txtUezeit", "hsbUezeit", ZFeld::Uezeit), 0, 1, Qt::AlignLeft);
    auto* stunden = new QHBoxLayout;
    const char* namen[] = {"opt4h", "opt30h", "opt60h", "opt72h"};
    const int werte[] = {4, 30, 60, 72};
    for (int i = 0; i < 4; ++i) {
        int h = werte[i];
        stunden_[static_cast<std::size_t>(i)] = option(namen[i], fraUezeit_, [&p, h] { p.stundenWaehlen(h); });
        stunden->addWidget(stunden_[static_cast<std::size_t>(i)]);
    }
    stunden->addStretch();
    ue->addLayout(stunden, 1, 0, 1, 2);
    ue->setColumnStretch(1, 1);

    // Mains-failure delay.
    auto* vz = new QGridLayout(fraVzeit_);
    vz->addWidget(lblVerz_, 0, 0, 1, 3);
    vz->addWidget(verz_, 1, 0);
    vz->addWidget(zaehlfeld("txtVzeit", "hsbVzeit", ZFeld::Vzeit), 1, 1);
    vz->addWidget(lblMinuten_, 1, 2);
    vz->setColumnStretch(2, 1);

    // External loads.
    auto* ext = new QGridLayout(fraExtVerb_);
    ext->addWidget(lblBedarf_, 0, 0, 1, 3);
    ext->addWidget(lbl12_, 1, 0);
    ext->addWidget(cmd12eingeben_, 1, 1);
    ext->addWidget(cmd12loeschen_, 1, 2);
    ext->addWidget(lbl28_, 2, 0);
    ext->addWidget(cmd28eingeben_, 2, 1);
    ext->addWidget(cmd28loeschen_, 2, 2);
    ext->setColumnStretch(0, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fraUezeit_);
    layout->addWidget(fraVzeit_);
    layout->addWidget(fraExtVerb_);
    layout->addStretch();
    layout->addWidget(hilfe_, 0, Qt::AlignRight);
}

void EnergieSeite::aktualisieren(const ZusaetzeAnsicht& a) {
    const auto& e = a.energie;
    anzeigen(fraUezeit_, e.fraUezeit);
    anzeigen(lblUezeit_, e.lblUezeit);
    for (std::size_t i = 0; i < 4; ++i) anzeigen(stunden_[i], e.stunden[i]);
    anzeigen(fraVzeit_, e.fraVzeit);
    anzeigen(lblVerz_, e.lblVerz);
    anzeigen(lblMinuten_, e.lblMinuten);
    verz_->anzeigen(e.verz);
    anzeigen(fraExtVerb_, e.fraExtVerb);
    anzeigen(lblBedarf_, e.lblBedarf);
    anzeigen(lbl12_, e.lbl12);
    anzeigen(lbl28_, e.lbl28);
    anzeigen(cmd12eingeben_, e.cmd12eingeben);
    anzeigen(cmd12loeschen_, e.cmd12loeschen);
    anzeigen(cmd28eingeben_, e.cmd28eingeben);
    anzeigen(cmd28loeschen_, e.cmd28loeschen);
    anzeigen(hilfe_, e.hilfe);
    felderAktualisieren();
}

}  // namespace tarvis::ui
