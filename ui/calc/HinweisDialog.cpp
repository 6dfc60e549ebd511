#include "calc/HinweisDialog.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "calc/Drucken.h"
#include "calc/Raster.h"
#include "widgets/QtText.h"
#include "widgets/Knoepfe.h"

namespace tarvis::ui {

namespace {

// Where the remark beside a line starts: after the line, at least at column 45.
int nebenX(const QFontMetrics& fm, const QString& zeile) {
    return std::max(fm.horizontalAdvance(zeile + QStringLiteral("    ")), fm.horizontalAdvance(QString(44, QLatin1Char(' '))));
}

// Paints what stands beside a report line (kept in the item apart from its
// text) after the line, in the colour of links: a remark on the line, not
// part of the report.
class NebenDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& o, const QModelIndex& i) const override {
        QStyledItemDelegate::paint(p, o, i);
        const QString neben = i.data(Qt::UserRole).toString();
        if (neben.isEmpty()) return;
        const QFontMetrics fm(o.font);
        const int x = o.rect.left() + 3 + nebenX(fm, i.data(Qt::DisplayRole).toString());
        p->save();
        p->setPen(o.palette.color(o.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Link));
        p->drawText(QRect(x, o.rect.top(), o.rect.right() - x, o.rect.height()), Qt::AlignVCenter | Qt::AlignLeft, neben);
        p->restore();
    }
};

}  // namespace

HinweisDialog::HinweisDialog(HinweisPresenter& presenter, QWidget* parent) : QDialog(parent), presenter_(presenter) {
    setObjectName(QStringLiteral("Hinweis"));
    presenter_.aktivieren();
    const HinweisAnsicht& a = presenter_.ansicht();
    setWindowTitle(qs(a.titel).remove(QLatin1Char('&')));

    auto* layout = new QVBoxLayout(this);
    grid_ = rasterErstellen(this, 1);
    grid_->horizontalHeader()->setVisible(false);
    // The report's columns line up only in a fixed-pitch font.
    grid_->setFont(DruckSchriftart("COURIER NEW", 10));
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 2);
    grid_->setShowGrid(false);
    layout->addWidget(grid_, 1);

    std::vector<std::vector<std::string>> zeilen;
    for (const auto& z : a.zeilen) {
        zeilen.push_back({z});
        laengsteZeile_ = std::max(laengsteZeile_, grid_->fontMetrics().horizontalAdvance(qs(z)));
    }
    rasterFuellen(grid_, {}, zeilen, {});
    // What stands beside a line (the standby time beside the battery line).
    grid_->setItemDelegate(new NebenDelegate(grid_));
    for (std::size_t k = 0; k < a.neben.size() && k < a.zeilen.size(); ++k) {
        if (a.neben[k].empty()) continue;
        grid_->item(static_cast<int>(k), 0)->setData(Qt::UserRole, qs(a.neben[k]));
        const int breite = nebenX(grid_->fontMetrics(), qs(a.zeilen[k])) + grid_->fontMetrics().horizontalAdvance(qs(a.neben[k]));
        laengsteZeile_ = std::max(laengsteZeile_, breite);
    }
    if (!zeilen.empty()) grid_->setCurrentCell(a.aktuelleZeile - 1, a.aktuelleSpalte);

    auto* drucken = new QPushButton(qs(a.drucken), this);
    drucken->setObjectName(QStringLiteral("cmdDrucken"));
    connect(drucken, &QPushButton::clicked, this, [this] { presenter_.drucken(); });
    auto* ok = okKnopf(this, qs(a.ok), [this] { return presenter_.ok(); });
    layout->addLayout(knopfzeile({drucken}, {ok}));

    // Wide enough for the report's lines where the screen allows.
    int breite = laengsteZeile_ + 60;
    if (QScreen* s = QGuiApplication::primaryScreen()) breite = std::min(breite, s->availableGeometry().width() - 40);
    resize(std::max(breite, 640), 560);
    spalteAnpassen();
}

void HinweisDialog::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    spalteAnpassen();
}

void HinweisDialog::spalteAnpassen() {
    // The window's width less a margin; a longer line widens the column and
    // the grid scrolls sideways instead of cutting it.
    int breite = grid_->viewport()->width() - 4;
    grid_->setColumnWidth(0, std::max(breite, laengsteZeile_ + 8));
}

}  // namespace tarvis::ui
