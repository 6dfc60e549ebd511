#pragma once
#include <string>
#include <vector>

#include "projekt/Bedienelemente.h"
#include "projekt/MessageService.h"
#include "projekt/Programm.h"

namespace tarvis {

// One option of a small choice dialog, with the name of its control.
struct AuswahlOption {
    std::string name;
    Schalter schalter;
};

// What a small choice dialog shows: a frame of options, an optional note,
// an optional help button and OK.
struct AuswahlAnsicht {
    std::string name;  // window name
    std::string titel;
    std::string rahmenName, rahmen;
    std::vector<AuswahlOption> optionen;
    std::string hinweisName, hinweis;  // label under the frame, empty = none
    std::string hilfeName, hilfeText;  // help button, empty = none
};

// The small modal choice dialogs of the project input: options, OK, and a
// double-click on an option that chooses it and presses OK.
class AuswahlPresenter {
public:
    AuswahlPresenter(Programm& p, MessageService& ms) : p_(p), ms_(ms) {}
    virtual ~AuswahlPresenter() = default;

    // What the dialog does each time it is shown.
    virtual void aktivieren() = 0;
    virtual AuswahlAnsicht ansicht() const = 0;
    // Option click (index into the options of the view).
    virtual void waehlen(int index) = 0;
    // OK; true when the dialog closes.
    virtual bool ok() { return true; }
    virtual void hilfe() {}

protected:
    Programm& p_;
    MessageService& ms_;
};

// MG1000: number of detector zones of the KVT 1000.
class MG1000Presenter : public AuswahlPresenter {
public:
    using AuswahlPresenter::AuswahlPresenter;
    void aktivieren() override;
    AuswahlAnsicht ansicht() const override;
    void waehlen(int index) override;
};

// MG_EAZ: single-zone display of the RW 500.
class MGEAZPresenter : public AuswahlPresenter {
public:
    using AuswahlPresenter::AuswahlPresenter;
    void aktivieren() override;
    AuswahlAnsicht ansicht() const override;
    void waehlen(int index) override;
    bool ok() override;

private:
    bool mg32Aktiv_ = true;
};

// GMAwechsel: start a new project or change the panel type.
class GMAwechselPresenter : public AuswahlPresenter {
public:
    using AuswahlPresenter::AuswahlPresenter;
    void aktivieren() override;
    AuswahlAnsicht ansicht() const override;
    void waehlen(int index) override { wahl_ = index; }
    bool ok() override;
    int wahl() const { return wahl_; }

private:
    // The project reset of choices 1..3; the caller restores what survives.
    void zuruecksetzen(bool netzBehalten);

    int wahl_ = 0;
    bool eingeschraenkt_ = false;  // standalone parts: only "no change" and "change type"
};

// WEKfrage: whether the loop entry asks the WEK 100 / JAG 100 safety question.
class WEKfragePresenter : public AuswahlPresenter {
public:
    using AuswahlPresenter::AuswahlPresenter;
    void aktivieren() override;
    AuswahlAnsicht ansicht() const override;
    void waehlen(int index) override;
    void hilfe() override { ms_.hilfe(130); }
};

// BranotWahl: fire or intrusion focus of the article list.
class BranotWahlPresenter : public AuswahlPresenter {
public:
    using AuswahlPresenter::AuswahlPresenter;
    void aktivieren() override;
    AuswahlAnsicht ansicht() const override;
    void waehlen(int index) override;
};

}  // namespace tarvis
