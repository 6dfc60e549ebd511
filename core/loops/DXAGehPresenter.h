#pragma once
#include <string>

#include "projekt/Zaehlgruppe.h"
#include "projekt/Bedienelemente.h"
#include "projekt/Programm.h"

namespace tarvis {

struct DXAGehAnsicht {
    std::string titel;
    Beschriftung label1;                     // the verdict
    Beschriftung lblDXAak, lblDXAakzept, lblZOLWak, lblZOLWakzept;
    Beschriftung lblDXA, lblZOLW;            // heads of the two boxes
    bool korrekturAktiv = true;              // the correction frame, its boxes and labels
    Beschriftung lblHinweis;                 // note of the correction frame
    Beschriftung label2, label3, label4, label5, label6, label9;  // one line per sizing criterion
    Beschriftung label7, label8;
    Schalter psm, kbn, weiter;
};

// DXAGeh, opened by the calculation: why supply units are needed, the
// computed values against their limits, and the proposed number of DXA 1000
// supply units and ZOLW converter cards, which the user confirms or corrects.
class DXAGehPresenter {
public:
    enum Feld : int { DXA, ZOLW };

    DXAGehPresenter(Programm& p, MessageService& ms);

    // On show: the proposal goes into the boxes (the counts confirmed the
    // time before stay on show beside them).
    void aktivieren();
    DXAGehAnsicht ansicht() const;
    Zaehlgruppe& felder() { return felder_; }
    void kbn() { ms_.oeffnen(Fenster::KBNEIN); }
    void psm() { ms_.oeffnen(Fenster::PSM300); }
    // cmdWeiter: true (WeiterOK = 1) when the counts fit together.
    bool weiter();

    // The 28 V limit of the criterion-5 lines.
    double grenze28() const;

private:
    Programm& p_;
    MessageService& ms_;
    Zaehlgruppe felder_;
    Integer dxaVorher_ = 0, zolwVorher_ = 0;
};

}  // namespace tarvis
