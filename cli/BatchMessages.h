#pragma once
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "projekt/MessageService.h"
#include "projekt/Programm.h"

namespace tarvis::cli {

// The message service of the batch tool: every message goes to the error
// stream on one line, led by its string-table number; questions take their
// default button (or the first one, as a message box does on Enter); the
// windows that the calculation opens are answered as the user would who
// accepts what the project holds:
// - JUBLSpeis keeps the stored AnzJUBL; Modus keeps the program's language;
// - DXAGeh takes the proposal, or the counts given on the command line,
//   under the window's forward rules (163, 164; a refusal leaves it unconfirmed).
// Other windows are not confirmed.
class BatchMessages : public MessageService {
public:
    BatchMessages(Programm& p, std::ostream& fehler);

    // Counts for DXAGeh instead of the proposal.
    std::optional<int> dxa, zolw;

    void meldung(Symbol symbol, const std::string& text, const std::string& titel) override;
    Antwort frage(const std::string& text, Schaltflaechen knoepfe, Symbol symbol, const std::string& titel,
                  Antwort standard) override;
    std::optional<std::string> eingabe(const std::string& text, const std::string& titel,
                                       const std::string& vorgabe) override;
    bool oeffnen(Fenster fenster) override;
    void hilfe(int) override {}
    void piepen() override {}

    // String numbers of the messages shown since the last call of neuBeginnen
    // (messages without a number are left out).
    const std::vector<int>& nummern() const { return nummern_; }
    void neuBeginnen() { nummern_.clear(); }

    // The string-table number of a message text: the entry the text begins
    // with (the longest such entry), else the longest entry it contains; 0
    // when none fits. Of equal texts, the one whose following entry also
    // appears in the message wins, else the lowest number.
    static int nummerVon(const std::string& text);

private:
    void ausgeben(const std::string& text);

    Programm& p_;
    std::ostream& fehler_;
    std::vector<int> nummern_;
};

}  // namespace tarvis::cli
