#include "calc/Raster.h"

#include <QHeaderView>
#include <QScrollBar>
#include <algorithm>

#include "widgets/QtText.h"

namespace tarvis::ui {

QTableWidget* rasterErstellen(QWidget* eltern, int spalten) {
    auto* grid = new QTableWidget(0, spalten, eltern);
    grid->setTabKeyNavigation(false);  // Tab leaves the list for the buttons
    grid->setObjectName(QStringLiteral("Grid1"));
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->verticalHeader()->setVisible(false);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 4);
    grid->horizontalHeader()->setHighlightSections(false);
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->setWordWrap(false);
    return grid;
}

void rasterSpaltenbreite(QTableWidget* grid, int spalte, int einheiten) {
    int breite = einheiten * grid->fontMetrics().averageCharWidth() / 75;
    if (QTableWidgetItem* kopf = grid->horizontalHeaderItem(spalte))
        breite = std::max(breite, grid->horizontalHeader()->fontMetrics().horizontalAdvance(kopf->text()) + 12);
    grid->setColumnWidth(spalte, breite);
}

int rasterBreite(QTableWidget* grid) {
    int summe = 0;
    for (int c = 0; c < grid->columnCount(); ++c) summe += grid->columnWidth(c);
    return summe + 2 * grid->frameWidth() + grid->verticalScrollBar()->sizeHint().width() + 4;
}

void rasterFuellen(QTableWidget* grid, const std::vector<std::string>& kopf,
                   const std::vector<std::vector<std::string>>& zeilen, const std::vector<Qt::Alignment>& ausrichtung) {
    auto richtung = [&](std::size_t spalte) {
        return (spalte < ausrichtung.size() ? ausrichtung[spalte] : Qt::AlignLeft) | Qt::AlignVCenter;
    };
    grid->clearContents();
    grid->setRowCount(static_cast<int>(zeilen.size()));
    for (std::size_t s = 0; s < kopf.size(); ++s) {
        auto* k = new QTableWidgetItem(qs(kopf[s]));
        k->setTextAlignment(richtung(s));
        grid->setHorizontalHeaderItem(static_cast<int>(s), k);
    }
    for (std::size_t r = 0; r < zeilen.size(); ++r)
        for (std::size_t s = 0; s < zeilen[r].size(); ++s) {
            auto* item = new QTableWidgetItem(qs(zeilen[r][s]));
            item->setTextAlignment(richtung(s));
            grid->setItem(static_cast<int>(r), static_cast<int>(s), item);
        }
}

}  // namespace tarvis::ui
