#pragma once
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "loops/SpeiseRahmen.h"
#include "widgets/Zaehlfeld.h"

namespace tarvis::ui {

// The frame of one module kind in PQSPQBsp and DUV100Sp: "all" or "not all,
// but" with the count of modules fed from the system, and the current they need.
class SpeiseRahmenWidget : public QGroupBox {
    Q_OBJECT
public:
    // kind: "PQS", "PQB" or "DUV" (the object names follow: optPQSalle, txtPQSspeis ...).
    SpeiseRahmenWidget(const QString& art, SpeiseRahmen& rahmen, Zaehlgruppe& felder, QWidget* parent = nullptr);

    void anzeigen(const SpeiseRahmenAnsicht& a);
    Zaehlfeld* feld() const { return feld_; }

signals:
    void geaendert();

private:
    QLabel* lblSpeis_;
    QRadioButton* alle_;
    QRadioButton* nicht_;
    Zaehlfeld* feld_;
    QLabel* info_;
};

}  // namespace tarvis::ui
