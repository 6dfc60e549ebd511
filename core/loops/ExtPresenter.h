#pragma once
#include <array>
#include <optional>
#include <string>

#include "projekt/ExtSummen.h"
#include "projekt/Zaehlgruppe.h"
#include "projekt/Bedienelemente.h"
#include "projekt/Programm.h"

namespace tarvis {

struct ExtAnsicht {
    std::string titel;
    Beschriftung label1, label2, label3, label4, label5, label6, label7;
    Beschriftung summeRuhe, summeAlarm;  // lblSummeRuhe, lblSummeAlarm
    Schalter kbn, ok, hilfe;
    bool kbnSichtbar = false;  // the loop entry is reached from here on a TL 300
};

// The twin windows Ex12 and Ex28: up to ten loads outside the catalogue on
// the 12 V or the 28 V supply, each with quantity, quiescent and alarm
// current, their totals, and on OK the limits of the TL 300's own supply.
class ExtPresenter {
public:
    enum Spalte : int { Menge, Ruhe, Alarm };
    static constexpr int kZeilen = 10;
    static int feld(int zeile, Spalte s) { return zeile * 3 + s; }

    ExtPresenter(Programm& p, MessageService& ms, ExtSpannung spannung);

    // On show: rows with a quantity below 1 lose their currents.
    void aktivieren();
    ExtAnsicht ansicht() const;
    bool v12() const { return spannung_ == ExtSpannung::V12; }

    // The designation boxes (37 characters; a double quote is refused).
    const std::string& name(int zeile) const;
    void nameAendern(int zeile, const std::string& text);
    bool nameTaste(char32_t zeichen);
    // Quantity and current boxes (field = feld(zeile, spalte)): digits only.
    Zaehlgruppe& felder() { return felder_; }
    // The row whose quantity box takes the focus after a product was too large (once).
    std::optional<int> fokusAbholen();

    void kbn() { ms_.oeffnen(Fenster::KBNEIN); }
    void hilfe() { ms_.hilfe(20); }
    // cmdOk: true when the window closes.
    bool ok();

private:
    ExtSummen summieren();
    std::array<std::string, 10>& namen();
    std::array<Integer, 10>& mengen();
    std::array<Long, 10>& ruheStroeme();
    std::array<Long, 10>& alarmStroeme();

    Programm& p_;
    MessageService& ms_;
    ExtSpannung spannung_;
    Zaehlgruppe felder_;
    bool stumm_ = false;  // no total routine while the window fills its boxes
    Long anzeigeRuhe_ = 0, anzeigeAlarm_ = 0;
    std::optional<int> fokus_;
};

}  // namespace tarvis
