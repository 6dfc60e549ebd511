#include "widgets/Verzeichnisbaum.h"

#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QScrollBar>
#include <QTimer>

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
    // The model reads the folders in the background: the folders it adds
    // above the chosen one would push it out of view.
    connect(modell_, &QFileSystemModel::directoryLoaded, this, &Verzeichnisbaum::imBlickHalten);
    connect(modell_, &QAbstractItemModel::rowsInserted, this, &Verzeichnisbaum::imBlickHalten);
    connect(modell_, &QAbstractItemModel::layoutChanged, this, &Verzeichnisbaum::imBlickHalten);
    connect(verticalScrollBar(), &QScrollBar::sliderPressed, this, [this] { folgen_ = false; });
}

void Verzeichnisbaum::setzeVerzeichnis(const QString& pfad) {
    QModelIndex i = modell_->index(QDir::cleanPath(pfad));
    if (!i.isValid()) return;
    folgen_ = true;
    setCurrentIndex(i);
    expand(i);
    imBlickHalten();
}

QString Verzeichnisbaum::verzeichnis() const {
    QModelIndex i = currentIndex();
    return i.isValid() ? modell_->filePath(i) : QString();
}

void Verzeichnisbaum::imBlickHalten() {
    if (!folgen_ || ausstehend_) return;
    ausstehend_ = true;
    // After the view has laid out the rows (and, when it is just being
    // shown, has its size).
    QTimer::singleShot(0, this, [this] {
        ausstehend_ = false;
        if (folgen_ && isVisible() && currentIndex().isValid()) scrollTo(currentIndex(), PositionAtCenter);
    });
}

void Verzeichnisbaum::showEvent(QShowEvent* e) {
    QTreeView::showEvent(e);
    imBlickHalten();
}

void Verzeichnisbaum::mousePressEvent(QMouseEvent* e) {
    folgen_ = false;
    QTreeView::mousePressEvent(e);
}

void Verzeichnisbaum::keyPressEvent(QKeyEvent* e) {
    folgen_ = false;
    QTreeView::keyPressEvent(e);
}

void Verzeichnisbaum::wheelEvent(QWheelEvent* e) {
    folgen_ = false;
    QTreeView::wheelEvent(e);
}

}  // namespace tarvis::ui
