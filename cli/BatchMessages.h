#pragma once
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "projekt/MessageService.h"
#include "projekt/Programm.h"

namespace tarvis::cli {

// The message service of the batch tool: every message goes to the error
// stream on one line, led by its first string-table number ("-" for a
// message of no table entry); questions take their
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

    void zeigen(const Meldung& m) override;
    Antwort fragen(const Meldung& m) override;
    std::optional<std::string> eingeben(const Meldung& m, const std::string& vorgabe) override;
    bool oeffnen(Fenster fenster) override;
    void hilfe(int) override {}
    void piepen() override {}

    // String numbers of the messages shown since the last call of neuBeginnen
    // (messages without a number are left out).
    const std::vector<int>& nummern() const { return nummern_; }
    void neuBeginnen() { nummern_.clear(); }

private:
    void ausgeben(const Meldung& m);

    Programm& p_;
    std::ostream& fehler_;
    std::vector<int> nummern_;
};

}  // namespace tarvis::cli
