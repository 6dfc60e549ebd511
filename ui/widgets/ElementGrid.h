#pragma once
#include <QTableView>
#include <functional>

#include "loops/ElementRaster.h"

namespace tarvis::ui {

class ElementGridModell;

// What the grid talks to: the presenter that owns the element list.
struct ElementGridBindung {
    std::function<const ElementRaster&()> raster;
    std::function<void(int zeile, int spalte)> waehlen;
    std::function<RasterTaste(char32_t)> taste;
};

// The element grid of the loop entry and the peripheral windows: the rows
// and quantity columns of an element list, the selected cell (kept by the
// presenter within the usable quantity columns), digits handed to the
// quantity boxes and letters to the quick search.
class ElementGrid : public QTableView {
    Q_OBJECT
public:
    explicit ElementGrid(QWidget* parent = nullptr);
    ~ElementGrid() override;

    void binden(ElementGridBindung b);
    // Binds to a presenter offering raster(), zelleWaehlen() and rasterTaste().
    template <class P> void binden(P& p) {
        binden(ElementGridBindung{[&p]() -> const ElementRaster& { return p.raster(); },
                                  [&p](int r, int c) { p.zelleWaehlen(r, c); },
                                  [&p](char32_t c) { return p.rasterTaste(c); }});
    }

    // The rows or columns changed (the list was built again).
    void neuAufbauen();
    // Quantities and the selection changed.
    void aktualisieren();

signals:
    // The user selected a cell.
    void gewaehlt();
    // The quantity box of quantity column k (0-based) takes over: a digit was
    // handed to it, or Enter was pressed on an element row (`markieren`: the
    // box's text is selected so that typing replaces it).
    void bearbeiten(int k, bool markieren);
    // The quick-search text changed.
    void gesucht();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void currentChanged(const QModelIndex& aktuell, const QModelIndex& vorher) override;

private:
    void auswahlZeigen();

    ElementGridModell* modell_;
    ElementGridBindung bindung_;
    bool synchron_ = false;
};

}  // namespace tarvis::ui
