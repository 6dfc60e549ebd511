#pragma once
#include "projekt/MessageService.h"

namespace tarvis::fuzz {

// Answers like the batch tool: no message is shown, every question gets its
// default, no window is confirmed.
class StummeMeldungen : public MessageService {
public:
    int anzahl = 0;
    void meldung(Symbol, const std::string&, const std::string&) override { ++anzahl; }
    Antwort frage(const std::string&, Schaltflaechen, Symbol, const std::string&, Antwort standard) override {
        ++anzahl;
        return standard == Antwort::Keine ? Antwort::Nein : standard;
    }
    std::optional<std::string> eingabe(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
    bool oeffnen(Fenster) override { return false; }
    void hilfe(int) override {}
    void piepen() override {}
};

}  // namespace tarvis::fuzz
