#pragma once
#include <QDialog>

#include "ablauf/SpeichuPresenter.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace tarvis::ui {

class Verzeichnisbaum;

// The save-as window Speichu: directory view, name box with the resulting
// path, and the parameter-file option.
class SpeichuDialog : public QDialog {
    Q_OBJECT
public:
    SpeichuDialog(SpeichuPresenter& presenter, QWidget* parent = nullptr);
    void aktualisieren();

protected:
    void reject() override;

private:
    SpeichuPresenter& presenter_;
    QLineEdit* text1_ = nullptr;
    QLabel* label5_ = nullptr;
    QRadioButton* paraJa_ = nullptr;
    QRadioButton* paraNein_ = nullptr;
    Verzeichnisbaum* dir1_ = nullptr;
};

}  // namespace tarvis::ui
