#include "shell/Verzeichnisbaum.h"

#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>

namespace tarvis::ui {

Verzeichnisbaum::Verzeichnisbaum(QWidget* parent) : QTreeView(parent) {
    setObjectName(QStringLiteral("Dir1"));
    modell_ = new QFileSystemModel(this);
    modell_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    modell_->setRootPath(QDir::rootPath());
    setModel(modell_);
    for (int c = 1; c < modell_->columnCount(); ++c) hideColumn(c);
    header()->setVisible(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& i) {
        if (i.isValid()) emit verzeichnisGewaehlt(modell_->filePath(i));
    });
    // The chosen folder stays in view while the tree reads its parents.
    connect(modell_, &QFileSystemModel::directoryLoaded, this, [this] {
        if (currentIndex().isValid()) scrollTo(currentIndex());
    });
}

void Verzeichnisbaum::setzeVerzeichnis(const QString& pfad) {
    QModelIndex i = modell_->index(QDir::cleanPath(pfad));
    if (!i.isValid()) return;
    setCurrentIndex(i);
    expand(i);
    scrollTo(i);
}

QString Verzeichnisbaum::verzeichnis() const {
    QModelIndex i = currentIndex();
    return i.isValid() ? modell_->filePath(i) : QString();
}

}  // namespace tarvis::ui
