#include "ablauf/HilfeFenster.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace tarvis::ui {

HilfeFenster::HilfeFenster(std::filesystem::path verzeichnis, QWidget* parent)
    : QDialog(parent), verzeichnis_(std::move(verzeichnis)), browser_(new QTextBrowser(this)) {
    setWindowTitle(QStringLiteral("TARVIS - Guida"));
    resize(760, 620);
    browser_->setOpenLinks(true);
    browser_->setSearchPaths({QString::fromStdString(verzeichnis_.string())});

    auto* indietro = new QPushButton(QStringLiteral("&Indietro"), this);
    auto* indice = new QPushButton(QStringLiteral("I&ndice"), this);
    auto* chiudi = new QPushButton(QStringLiteral("&Chiudi"), this);
    connect(indietro, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(indice, &QPushButton::clicked, this, [this] { browser_->setSource(QUrl(QStringLiteral("index.html"))); });
    connect(chiudi, &QPushButton::clicked, this, &QDialog::close);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(indietro);
    knoepfe->addWidget(indice);
    knoepfe->addStretch();
    knoepfe->addWidget(chiudi);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    layout->addLayout(knoepfe);
}

void HilfeFenster::zeigen(int kontext) {
    QString seite = QStringLiteral("%1.html").arg(kontext);
    if (!std::filesystem::exists(verzeichnis_ / seite.toStdString())) seite = QStringLiteral("index.html");
    browser_->setSource(QUrl(seite));
    // Asked for from a modal window, help must be modal itself to be usable;
    // asked for from the main window it stays beside it.
    if (!isVisible()) setWindowModality(QApplication::activeModalWidget() ? Qt::ApplicationModal : Qt::NonModal);
    show();
    raise();
    activateWindow();
}

QString HilfeFenster::aktuelleSeite() const { return browser_->source().fileName(); }

}  // namespace tarvis::ui
