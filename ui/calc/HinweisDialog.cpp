#include "calc/HinweisDialog.h"

#include <QGuiApplication>
#include <algorithm>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

#include "calc/Drucken.h"
#include "calc/Raster.h"
#include "shell/QtText.h"
#include "widgets/Knoepfe.h"

namespace tarvis::ui {

HinweisDialog::HinweisDialog(HinweisPresenter& presenter, QWidget* parent) : QDialog(parent), presenter_(presenter) {
    setObjectName(QStringLiteral("Hinweis"));
    presenter_.aktivieren();
    const HinweisAnsicht& a = presenter_.ansicht();
    setWindowTitle(qs(a.titel).remove(QLatin1Char('&')));

    auto* layout = new QVBoxLayout(this);
    // A second column only for what stands beside a line (the standby time
    // beside the battery line).
    const bool neben = std::any_of(a.neben.begin(), a.neben.end(), [](const std::string& s) { return !s.empty(); });
    grid_ = rasterErstellen(this, neben ? 2 : 1);
    grid_->horizontalHeader()->setVisible(false);
    // The report's columns line up only in a fixed-pitch font.
    grid_->setFont(DruckSchriftart("COURIER NEW", 10));
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 2);
    grid_->setShowGrid(false);
    layout->addWidget(grid_, 1);

    std::vector<std::vector<std::string>> zeilen;
    for (std::size_t k = 0; k < a.zeilen.size(); ++k) {
        const std::string& z = a.zeilen[k];
        zeilen.push_back({z});
        if (neben) zeilen.back().push_back(k < a.neben.size() ? a.neben[k] : std::string());
        laengsteZeile_ = std::max(laengsteZeile_, grid_->fontMetrics().horizontalAdvance(qs(z)));
    }
    rasterFuellen(grid_, {}, zeilen, {});
    if (!zeilen.empty()) grid_->setCurrentCell(a.aktuelleZeile - 1, a.aktuelleSpalte);

    auto* drucken = new QPushButton(qs(a.drucken), this);
    drucken->setObjectName(QStringLiteral("cmdDrucken"));
    connect(drucken, &QPushButton::clicked, this, [this] { presenter_.drucken(); });
    auto* ok = okKnopf(this, qs(a.ok), [this] { return presenter_.ok(); });
    layout->addLayout(knopfzeile({drucken}, {ok}));

    // Wide enough for the report's lines where the screen allows.
    int breite = laengsteZeile_ + 60;
    for (const std::string& t : a.neben)
        if (!t.empty()) breite = std::max(breite, laengsteZeile_ + 60 + grid_->fontMetrics().horizontalAdvance(qs(t)) + 40);
    if (QScreen* s = QGuiApplication::primaryScreen()) breite = std::min(breite, s->availableGeometry().width() - 40);
    resize(std::max(breite, 640), 560);
    spalteAnpassen();
}

void HinweisDialog::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    spalteAnpassen();
}

void HinweisDialog::spalteAnpassen() {
    // Beside the lines: the second column takes the rest of the width.
    if (grid_->columnCount() > 1) {
        grid_->setColumnWidth(0, laengsteZeile_ + 24);
        return;
    }
    // The window's width less a margin; a longer line widens the column and
    // the grid scrolls sideways instead of cutting it.
    int breite = grid_->viewport()->width() - 4;
    grid_->setColumnWidth(0, std::max(breite, laengsteZeile_ + 8));
}

}  // namespace tarvis::ui
