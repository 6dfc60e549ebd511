#pragma once
#include <QDialog>
#include <array>
#include <string>
#include <vector>

#include "calc/Artikelliste.h"

class QTableWidget;

namespace tarvis::ui {

// The article list window Listeseh and the search result window Sucherg:
// record number, designation and code in a grid, and OK.
class ArtikellisteDialog : public QDialog {
    Q_OBJECT
public:
    ArtikellisteDialog(const ListesehAnsicht& a, QWidget* parent = nullptr);
    ArtikellisteDialog(const SuchergAnsicht& a, QWidget* parent = nullptr);
    QTableWidget* raster() const { return grid_; }

private:
    void aufbauen(const char* name, const std::string& titel, const std::array<std::string, 3>& kopf,
                  const std::vector<std::vector<std::string>>& zeilen, const std::array<int, 3>& breiten);

    QTableWidget* grid_ = nullptr;
};

}  // namespace tarvis::ui
