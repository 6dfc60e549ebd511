#pragma once
#include <functional>
#include <string>
#include <vector>

#include "ablauf/Nachweis.h"
#include "projekt/MessageService.h"
#include "projekt/Programm.h"
#include "projekt/Zaehleingabe.h"

namespace tarvis {

// What the evidence window shows: the document's lines, and the box where
// the engineer tries another standby time.
struct NachweisAnsicht {
    std::string titel, drucken, ok;
    std::vector<std::string> zeilen;
    std::string probeLabel, uebernehmen;
    int probeStunden = 0;
    std::string probeErgebnis;  // capacity and batteries the tried time needs
    bool uebernehmenAktiv = false;
};

// The calculation evidence window. It shows the project calculated as it
// stands (a copy, the supply units it holds confirmed), so that its numbers
// are those of the report. Trying a standby time changes nothing; taking it
// over sets UeZeit and calculates the project again (the supply window
// may open), then the window shows the new calculation.
class NachweisPresenter {
public:
    NachweisPresenter(Programm& p, MessageService& ms, std::function<void(const Druckauftrag&)> drucken,
                      std::function<void()> rechnen)
        : p_(p), ms_(ms), drucken_(std::move(drucken)), rechnen_(std::move(rechnen)) {}

    void aktivieren();
    const NachweisAnsicht& ansicht() const { return ansicht_; }
    // The box: hours 0..9999 (0 cannot be taken over: no standby time).
    void setzeProbe(int stunden);
    ZaehlAnsicht probeAnsicht() const { return box_.ansicht(ansicht_.probeStunden); }
    void probeText(const std::string& text) { setzeProbe(box_.textAendern(text, kMaxStunden)); }
    void probeBalken(int stunden) {
        box_.zeigen(stunden);
        setzeProbe(stunden);
    }
    bool probeTaste(char32_t zeichen) { return box_.taste(zeichen, ms_); }
    void probeTasteUnten() { box_.tasteUnten(ansicht_.probeStunden); }
    void uebernehmen();
    void drucken();
    bool ok() { return true; }

private:
    static constexpr int kMaxStunden = 9999;
    Programm& p_;
    MessageService& ms_;
    Zaehlbox box_{ZaehlRegel{kMaxStunden, true, true, 4, true}};
    std::function<void(const Druckauftrag&)> drucken_;
    std::function<void()> rechnen_;
    Zustand gerechnet_;  // the state of the calculation shown
    Druckauftrag auftrag_;
    NachweisAnsicht ansicht_;
};

}  // namespace tarvis
