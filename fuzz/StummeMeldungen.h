#pragma once
#include "projekt/MessageService.h"

namespace tarvis::fuzz {

// Answers like the batch tool: no message is shown, every question gets its
// default, no window is confirmed.
class StummeMeldungen : public MessageService {
public:
    int anzahl = 0;
    void zeigen(const Meldung&) override { ++anzahl; }
    Antwort fragen(const Meldung& m) override {
        ++anzahl;
        return m.standard == Antwort::Keine ? Antwort::Nein : m.standard;
    }
    std::optional<std::string> eingeben(const Meldung&, const std::string&) override { return std::nullopt; }
    bool oeffnen(Fenster) override { return false; }
    void hilfe(int) override {}
    void piepen() override {}
};

}  // namespace tarvis::fuzz
