#pragma once
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <vector>

#include "wizard/Auswahldialoge.h"

namespace tarvis::ui {

// The small choice dialogs (MG1000, MG_EAZ, GMAwechsel, WEKfrage,
// BranotWahl): a frame of options, a note, OK and perhaps help.
class AuswahlDialog : public QDialog {
    Q_OBJECT
public:
    AuswahlDialog(AuswahlPresenter& presenter, QWidget* parent = nullptr);

    void aktualisieren();
    QRadioButton* option(int i) const { return optionen_.at(static_cast<std::size_t>(i)); }
    QPushButton* ok() const { return ok_; }

private:
    void okGedrueckt();

    AuswahlPresenter& presenter_;
    QGroupBox* rahmen_;
    std::vector<QRadioButton*> optionen_;
    QLabel* hinweis_ = nullptr;
    QPushButton* ok_;
};

}  // namespace tarvis::ui
