#pragma once
#include <QDialog>

#include "ablauf/NachweisPresenter.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tarvis::ui {

class Zaehlfeld;

// The calculation evidence window: the document in a fixed-pitch font, the
// box that tries another standby time with its button to take it over, a
// print button and OK.
class NachweisDialog : public QDialog {
    Q_OBJECT
public:
    NachweisDialog(NachweisPresenter& presenter, QWidget* parent = nullptr);
    QPlainTextEdit* dokument() const { return text_; }
    Zaehlfeld* probe() const { return probe_; }
    QLabel* ergebnis() const { return ergebnis_; }
    QPushButton* uebernehmen() const { return uebernehmen_; }

private:
    void anzeigen();
    void probeAnzeigen();

    NachweisPresenter& presenter_;
    QPlainTextEdit* text_ = nullptr;
    Zaehlfeld* probe_ = nullptr;
    QLabel* ergebnis_ = nullptr;
    QPushButton* uebernehmen_ = nullptr;
};

}  // namespace tarvis::ui
