#pragma once
#include <QTableWidget>
#include <array>
#include <string>
#include <vector>

namespace tarvis::ui {

// The grids of the result and list windows: read-only tables whose header
// row holds the column titles.
QTableWidget* rasterErstellen(QWidget* eltern, int spalten);

// Header texts and rows; `ausrichtung` per column (left when missing).
void rasterFuellen(QTableWidget* grid, const std::vector<std::string>& kopf,
                   const std::vector<std::vector<std::string>>& zeilen, const std::vector<Qt::Alignment>& ausrichtung);

// Column widths in the proportion of the window's layout units (twips):
// 75 units to a character of the grid's font, so that the designation
// column holds its 30 characters.
template <std::size_t N> void rasterSpaltenbreiten(QTableWidget* grid, const std::array<int, N>& breiten) {
    const int zeichen = grid->fontMetrics().averageCharWidth();
    for (std::size_t i = 0; i < N; ++i) grid->setColumnWidth(static_cast<int>(i), breiten[i] * zeichen / 75);
}

template <std::size_t N> int rasterBreite(QTableWidget* grid, const std::array<int, N>& breiten) {
    int summe = 0;
    const int zeichen = grid->fontMetrics().averageCharWidth();
    for (int b : breiten) summe += b * zeichen / 75;
    return summe + 2 * grid->frameWidth() + 24;  // room for the scroll bar
}

}  // namespace tarvis::ui
