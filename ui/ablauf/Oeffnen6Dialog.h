#pragma once
#include <QDialog>

#include "ablauf/Verknuepfen.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace tarvis::ui {

class Verzeichnisbaum;

// The link window Oeffnen6: two hand-over files of KVT 2000 B projects are
// opened one after the other from the "*.EPO" list and saved as one
// KVT 2000/6 fire D hand-over file.
class Oeffnen6Dialog : public QDialog {
    Q_OBJECT
public:
    Oeffnen6Dialog(Verknuepfung& presenter, MessageService& ms, const std::string& startverzeichnis,
                   QWidget* parent = nullptr);
    QListWidget* dateiliste() const { return file1_; }
    Verzeichnisbaum* verzeichnisse() const { return dir1_; }
    void aktualisieren();
    // Reads the file chosen in the list (the double click and cmdÖffnen).
    void oeffnen();

protected:
    void reject() override;

private:
    void dateienZeigen(const QString& verzeichnis);

    Verknuepfung& presenter_;
    MessageService& ms_;
    Verzeichnisbaum* dir1_ = nullptr;
    QListWidget* file1_ = nullptr;
    QGroupBox* frmDatei_ = nullptr;
    QRadioButton* opt1_ = nullptr;
    QRadioButton* opt2_ = nullptr;
    QLabel* lblD1_ = nullptr;
    QLabel* lblD2_ = nullptr;
    QLabel* lblOeffnen_ = nullptr;
    QLabel* lblSpeichern_ = nullptr;
    QLineEdit* txtSpeichern_ = nullptr;
    QPushButton* cmdOeffnen_ = nullptr;
    QPushButton* cmdSpeichern_ = nullptr;
    QString verzeichnis_;
};

}  // namespace tarvis::ui
