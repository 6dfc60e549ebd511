#pragma once
#include <QTreeView>

class QFileSystemModel;

namespace tarvis::ui {

// The directory view of the save, open and link windows: the folders of the
// file system as a tree (it stands in for the drive and directory lists).
class Verzeichnisbaum : public QTreeView {
    Q_OBJECT
public:
    explicit Verzeichnisbaum(QWidget* parent = nullptr);

    // Selects a folder and shows it opened.
    void setzeVerzeichnis(const QString& pfad);
    QString verzeichnis() const;

signals:
    void verzeichnisGewaehlt(const QString& pfad);

private:
    QFileSystemModel* modell_ = nullptr;
};

}  // namespace tarvis::ui
