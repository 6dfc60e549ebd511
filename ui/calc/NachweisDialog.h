#pragma once
#include <QDialog>

#include "ablauf/NachweisPresenter.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace tarvis::ui {

// The calculation evidence window: the document in a fixed-pitch font, the
// box that tries another standby time with its button to take it over, a
// print button and OK.
class NachweisDialog : public QDialog {
    Q_OBJECT
public:
    NachweisDialog(NachweisPresenter& presenter, QWidget* parent = nullptr);
    QPlainTextEdit* dokument() const { return text_; }
    QSpinBox* probe() const { return probe_; }
    QLabel* ergebnis() const { return ergebnis_; }
    QPushButton* uebernehmen() const { return uebernehmen_; }

private:
    void anzeigen();
    void probeAnzeigen();

    NachweisPresenter& presenter_;
    QPlainTextEdit* text_ = nullptr;
    QSpinBox* probe_ = nullptr;
    QLabel* ergebnis_ = nullptr;
    QPushButton* uebernehmen_ = nullptr;
};

}  // namespace tarvis::ui
