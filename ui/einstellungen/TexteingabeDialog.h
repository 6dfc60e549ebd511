#pragma once
#include <QDialog>
#include <array>

#include "einstellungen/TexteingabePresenter.h"

class QLineEdit;

namespace tarvis::ui {

// The remarks window Texteingabe.
class TexteingabeDialog : public QDialog {
    Q_OBJECT
public:
    TexteingabeDialog(TexteingabePresenter& presenter, QWidget* parent = nullptr);
    void aktualisieren();

private:
    TexteingabePresenter& presenter_;
    std::array<QLineEdit*, 4> texte_{};
};

}  // namespace tarvis::ui
