#include "widgets/ElementGrid.h"

#include <QAbstractTableModel>
#include <QFont>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>

#include "widgets/QtText.h"

namespace tarvis::ui {

class ElementGridModell : public QAbstractTableModel {
public:
    explicit ElementGridModell(QObject* parent) : QAbstractTableModel(parent) {}

    void setzen(std::function<const ElementRaster&()> r) { raster_ = std::move(r); }
    const ElementRaster* raster() const { return raster_ ? &raster_() : nullptr; }
    void neu() {
        beginResetModel();
        endResetModel();
    }
    void werte() {
        if (rowCount() > 0 && columnCount() > 0)
            emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    }

    int rowCount(const QModelIndex& p = {}) const override { return p.isValid() || !raster() ? 0 : raster()->zeilen(); }
    int columnCount(const QModelIndex& p = {}) const override {
        return p.isValid() || !raster() ? 0 : raster()->spalten();
    }

    QVariant data(const QModelIndex& i, int rolle) const override {
        const ElementRaster* r = raster();
        if (!r || !i.isValid()) return {};
        switch (rolle) {
        case Qt::DisplayRole: return qs(r->zelle(i.row(), i.column()));
        case Qt::TextAlignmentRole:
            return i.column() >= ElementRaster::kErsteMengenSpalte || i.column() == 0
                       ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                       : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
        case Qt::FontRole:
            if (r->zeile(i.row()).art == RasterZeilenArt::Ueberschrift) {
                QFont f;
                f.setBold(true);
                return f;
            }
            return {};
        default: return {};
        }
    }

    QVariant headerData(int s, Qt::Orientation o, int rolle) const override {
        const ElementRaster* r = raster();
        if (!r || o != Qt::Horizontal || rolle != Qt::DisplayRole) return {};
        const auto& kopf = r->kopf();
        return s >= 0 && s < static_cast<int>(kopf.size()) ? qs(kopf[static_cast<std::size_t>(s)]) : QString();
    }

private:
    std::function<const ElementRaster&()> raster_;
};

ElementGrid::ElementGrid(QWidget* parent) : QTableView(parent), modell_(new ElementGridModell(this)) {
    setObjectName(QStringLiteral("Grid1"));
    setModel(modell_);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
}

ElementGrid::~ElementGrid() = default;

void ElementGrid::binden(ElementGridBindung b) {
    bindung_ = std::move(b);
    modell_->setzen(bindung_.raster);
    neuAufbauen();
}

void ElementGrid::neuAufbauen() {
    synchron_ = true;
    modell_->neu();
    synchron_ = false;
    const ElementRaster* r = modell_->raster();
    if (!r) return;
    const QFontMetrics fm = fontMetrics();
    const QFontMetrics kopfMetrik = horizontalHeader()->fontMetrics();
    const int ziffer = fm.horizontalAdvance(QLatin1Char('8'));
    auto breite = [&](int c, int inhalt) {
        QString kopf = modell_->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        setColumnWidth(c, std::max(inhalt, kopfMetrik.horizontalAdvance(kopf) + 8) + 12);
    };
    breite(0, ziffer * 4);
    // The designation takes the room left over, but never less than 30 characters.
    horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    horizontalHeader()->setMinimumSectionSize(ziffer * 2);
    breite(2, fm.horizontalAdvance(QStringLiteral("4.999.999.999")));
    for (int c = ElementRaster::kErsteMengenSpalte; c < r->spalten(); ++c) {
        breite(c, ziffer * 5);
        // Quantity columns of loops the panel does not have stay out of sight.
        setColumnHidden(c, r->istMengenSpalte(c) && c - ElementRaster::kErsteMengenSpalte >= r->nutzbareSpalten());
    }
    int gesamt = fm.averageCharWidth() * 30 + 12;
    for (int c = 0; c < r->spalten(); ++c)
        if (c != 1 && !isColumnHidden(c)) gesamt += columnWidth(c);
    setMinimumWidth(gesamt + verticalScrollBar()->sizeHint().width() + 2 * frameWidth());
    auswahlZeigen();
}

void ElementGrid::aktualisieren() {
    modell_->werte();
    auswahlZeigen();
}

void ElementGrid::auswahlZeigen() {
    const ElementRaster* r = modell_->raster();
    if (!r || r->gewaehlteZeile() < 0) return;
    QModelIndex i = modell_->index(r->gewaehlteZeile(), r->gewaehlteSpalte());
    if (i == currentIndex()) return;
    synchron_ = true;
    setCurrentIndex(i);
    synchron_ = false;
}

void ElementGrid::currentChanged(const QModelIndex& aktuell, const QModelIndex& vorher) {
    QTableView::currentChanged(aktuell, vorher);
    if (synchron_ || !aktuell.isValid() || !bindung_.waehlen) return;
    bindung_.waehlen(aktuell.row(), aktuell.column());
    auswahlZeigen();
    emit gewaehlt();
}

void ElementGrid::keyPressEvent(QKeyEvent* e) {
    const bool kuerzel = e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && !kuerzel && bindung_.taste) {
        const ElementRaster& r = bindung_.raster();
        if (r.boxAktiv(r.gewaehlteMenge())) {
            e->accept();
            emit bearbeiten(r.gewaehlteMenge(), true);
            return;
        }
    }
    char32_t zeichen = 0;
    if (e->key() == Qt::Key_Backspace) zeichen = U'\b';
    else if (!kuerzel && !e->text().isEmpty() && e->text().at(0).isPrint()) zeichen = e->text().toUcs4().value(0);
    if (zeichen == 0 || !bindung_.taste) {
        QTableView::keyPressEvent(e);
        return;
    }
    // Typed characters never reach the view's own search.
    e->accept();
    const ElementRaster& r = bindung_.raster();
    switch (bindung_.taste(zeichen)) {
    case RasterTaste::Ziffer:
        aktualisieren();
        emit bearbeiten(r.gewaehlteMenge(), false);
        break;
    case RasterTaste::Gefunden:
        aktualisieren();
        scrollTo(currentIndex(), QAbstractItemView::PositionAtTop);
        emit gesucht();
        break;
    case RasterTaste::Suche: emit gesucht(); break;
    case RasterTaste::Keine: break;
    }
}

}  // namespace tarvis::ui
