#include "calc/HinweisDialog.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "calc/Drucken.h"
#include "io/Cp1252.h"
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
    grid_ = rasterErstellen(this, 1);
    grid_->horizontalHeader()->setVisible(false);
    // The report's columns line up only in a fixed-pitch font.
    grid_->setFont(DruckSchriftart("COURIER NEW", 10));
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 2);
    grid_->setShowGrid(false);
    layout->addWidget(grid_, 1);

    std::vector<std::vector<std::string>> zeilen;
    for (std::size_t k = 0; k < a.zeilen.size(); ++k) {
        // What stands beside a line (the standby time beside the battery
        // line) follows it in the row, apart from the report's text.
        std::string z = a.zeilen[k];
        if (k < a.neben.size() && !a.neben[k].empty())
            z += std::string(std::max<std::size_t>(4, 44 - std::min<std::size_t>(44, io::utf8Length(z))), ' ') + a.neben[k];
        zeilen.push_back({z});
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
