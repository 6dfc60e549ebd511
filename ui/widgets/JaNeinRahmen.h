#pragma once
#include <QGroupBox>
#include <QRadioButton>

#include "projekt/Bedienelemente.h"

namespace tarvis::ui {

// A frame with a "Sì" and a "No" option, as the program uses it for every
// yes/no choice.
class JaNeinRahmen : public QGroupBox {
    Q_OBJECT
public:
    // The object names of the frame and of its two options (fraX, optXja, optXnein).
    JaNeinRahmen(const QString& rahmenName, const QString& jaName, const QString& neinName, QWidget* parent = nullptr);

    void anzeigen(const JaNeinAnsicht& a);
    QRadioButton* ja() const { return ja_; }
    QRadioButton* nein() const { return nein_; }

signals:
    // The user chose an option.
    void gewaehlt(bool ja);

private:
    QRadioButton* ja_;
    QRadioButton* nein_;
};

}  // namespace tarvis::ui
