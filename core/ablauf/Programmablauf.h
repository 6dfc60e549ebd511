#pragma once
#include <optional>
#include <string>

#include "ablauf/Ansichten.h"
#include "ablauf/Eingabefolge.h"
#include "ablauf/Menue1Presenter.h"
#include "calc/Exportdateien.h"
#include "loops/PeriStromPresenter.h"
#include "projekt/MessageService.h"
#include "projekt/Programm.h"

namespace tarvis {

// The running program without its toolkit: the main window's commands and
// what each does, and for every window the presenter it gets, what comes
// before the window and what follows it. The toolkit gives the messages (a
// MessageService) and the views (Ansichten); nothing of a flow is decided
// there.
class Programmablauf {
public:
    Programmablauf(Programm& p, MessageService& meldungen, Ansichten& ansichten);
    Programmablauf(const Programmablauf&) = delete;
    Programmablauf& operator=(const Programmablauf&) = delete;

    Menue1Presenter& menue() { return menue_; }
    // The messages the presenters use: those of the toolkit, with the
    // windows opened here.
    MessageService& meldungen() { return weiter_; }

    // Opens a window modally; true when it was confirmed.
    bool fenster(Fenster f);

private:
    // Messages go to the toolkit, windows to the flow.
    class Weiterleitung : public MessageService {
    public:
        Weiterleitung(MessageService& ms, Programmablauf& a) : ms_(ms), a_(a) {}
        void zeigen(const Meldung& m) override { ms_.zeigen(m); }
        Antwort fragen(const Meldung& m) override { return ms_.fragen(m); }
        std::optional<std::string> eingeben(const Meldung& m, const std::string& vorgabe) override {
            return ms_.eingeben(m, vorgabe);
        }
        bool oeffnen(Fenster f) override { return a_.fenster(f); }
        void hilfe(int kontext) override { ms_.hilfe(kontext); }
        void piepen() override { ms_.piepen(); }

    private:
        MessageService& ms_;
        Programmablauf& a_;
    };

    void befehleSetzen();
    void drucken();
    void prnDatei(PRNModus modus);

    Programm& p_;
    Ansichten& ansichten_;
    Weiterleitung weiter_;
    Menue1Presenter menue_;
    Eingabefolge folge_;

    // What the windows keep between two openings in one run.
    // The result window follows the calculation that ran just before it;
    // one that stopped (interface check, supply proposal not confirmed, no
    // panel type) shows none.
    std::optional<bool> berechnet_;
    // The label beside the name box of the save-as window (".PRN" while a
    // PRN file is saved).
    std::string speichuEndung_ = ".PLM";
    // The additional functions, left with forward, open again on the tab
    // that was in front.
    int zusaetzeReiter_ = 0;
    // The standalone peripheral calculation keeps its entries for the run.
    PeriStromDaten periStrom_;
};

}  // namespace tarvis
