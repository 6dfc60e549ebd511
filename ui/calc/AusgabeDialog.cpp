#include "calc/AusgabeDialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "calc/Raster.h"
#include "widgets/QtText.h"

namespace tarvis::ui {

AusgabeDialog::AusgabeDialog(AusgabePresenter& presenter, QWidget* parent) : QDialog(parent), presenter_(presenter) {
    setObjectName(QStringLiteral("Ausgabe"));
    presenter_.aktivieren();
    const AusgabeAnsicht& a = presenter_.ansicht();
    setWindowTitle(qs(a.titel));

    auto* layout = new QVBoxLayout(this);
    grid_ = rasterErstellen(this, 4);
    layout->addWidget(grid_, 1);

    auto* weiter = new QPushButton(qs(a.weiter), this);
    weiter->setObjectName(QStringLiteral("cmdWeiter"));
    weiter->setDefault(true);
    connect(weiter, &QPushButton::clicked, this, [this] {
        if (presenter_.weiter()) accept();
    });
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(weiter);
    layout->addLayout(knoepfe);

    fuellen();
    resize(rasterBreite(grid_) + 40, 480);
}

void AusgabeDialog::fuellen() {
    const AusgabeAnsicht& a = presenter_.ansicht();
    const std::vector<Qt::Alignment> ausrichtung{Qt::AlignRight, Qt::AlignRight, Qt::AlignLeft, Qt::AlignLeft};
    std::vector<std::vector<std::string>> zeilen;
    zeilen.reserve(a.zeilen.size());
    for (const auto& z : a.zeilen) zeilen.emplace_back(z.begin(), z.end());
    rasterFuellen(grid_, std::vector<std::string>(a.kopf.begin(), a.kopf.end()), zeilen, ausrichtung);
    rasterSpaltenbreiten(grid_, a.breiten);
    if (!a.zeilen.empty()) grid_->setCurrentCell(a.aktuelleZeile - 1, a.aktuelleSpalte);
}

}  // namespace tarvis::ui
