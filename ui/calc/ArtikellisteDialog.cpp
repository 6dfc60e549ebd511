#include "calc/ArtikellisteDialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "calc/Raster.h"
#include "widgets/QtText.h"
#include "widgets/Knoepfe.h"

namespace tarvis::ui {

ArtikellisteDialog::ArtikellisteDialog(const ListesehAnsicht& a, QWidget* parent) : QDialog(parent) {
    std::vector<std::vector<std::string>> zeilen;
    zeilen.reserve(a.zeilen.size());
    for (const auto& z : a.zeilen) zeilen.push_back({z.nummer, z.bezeichnung, z.code});
    aufbauen("Listeseh", a.titel, {a.kopfNummer, a.kopfBezeichnung, a.kopfCode}, zeilen, {600, 3000, 1200});
}

ArtikellisteDialog::ArtikellisteDialog(const SuchergAnsicht& a, QWidget* parent) : QDialog(parent) {
    std::vector<std::vector<std::string>> zeilen;
    zeilen.reserve(a.zeilen.size());
    for (const auto& z : a.zeilen) zeilen.push_back({z.nummer, z.bezeichnung, z.code});
    aufbauen("Sucherg", a.titel, {a.kopfNummer, a.kopfBezeichnung, a.kopfCode}, zeilen, {500, 3500, 1200});
}

void ArtikellisteDialog::aufbauen(const char* name, const std::string& titel, const std::array<std::string, 3>& kopf,
                                  const std::vector<std::vector<std::string>>& zeilen,
                                  const std::array<int, 3>& breiten) {
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(qs(titel));
    auto* layout = new QVBoxLayout(this);
    grid_ = rasterErstellen(this, 3);
    rasterFuellen(grid_, {kopf.begin(), kopf.end()}, zeilen, {Qt::AlignRight, Qt::AlignLeft, Qt::AlignLeft});
    rasterSpaltenbreiten(grid_, breiten);
    if (!zeilen.empty()) grid_->setCurrentCell(0, 0);
    layout->addWidget(grid_, 1);

    auto* ok = okKnopf(this, QStringLiteral("&OK"), [] { return true; });
    layout->addLayout(knopfzeile({}, {ok}));
    resize(rasterBreite(grid_) + 30, 520);
}

}  // namespace tarvis::ui
