#pragma once
#include <QDialog>
#include <filesystem>

class QTextBrowser;

namespace tarvis::ui {

// The help window: our HTML help pages, one per context number, with links
// between them and an index.
class HilfeFenster : public QDialog {
    Q_OBJECT
public:
    HilfeFenster(std::filesystem::path verzeichnis, QWidget* parent = nullptr);
    void zeigen(int kontext);
    QString aktuelleSeite() const;

private:
    std::filesystem::path verzeichnis_;
    QTextBrowser* browser_;
};

}  // namespace tarvis::ui
