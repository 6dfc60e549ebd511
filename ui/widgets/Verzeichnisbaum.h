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

protected:
    void showEvent(QShowEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    void imBlickHalten();

    QFileSystemModel* modell_ = nullptr;
    // The chosen folder is kept in view while the tree reads the folders
    // around it, until the user moves in the tree himself.
    bool folgen_ = true;
    bool ausstehend_ = false;
};

}  // namespace tarvis::ui
