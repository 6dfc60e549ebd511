#pragma once
#include <QTableWidget>
#include <array>
#include <cstddef>
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
// column holds its 30 characters; a column is never narrower than its
// header text.
void rasterSpaltenbreite(QTableWidget* grid, int spalte, int einheiten);
template <std::size_t N> void rasterSpaltenbreiten(QTableWidget* grid, const std::array<int, N>& breiten) {
    for (std::size_t i = 0; i < N; ++i) rasterSpaltenbreite(grid, static_cast<int>(i), breiten[i]);
}

// The width the grid needs for its columns and a scroll bar.
int rasterBreite(QTableWidget* grid);

}  // namespace tarvis::ui
