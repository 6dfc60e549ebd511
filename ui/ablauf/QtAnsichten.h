#pragma once
#include <functional>
#include <map>

#include "ablauf/Ansichten.h"

class QWidget;

namespace tarvis::ui {

class Anwendung;

// The views of the windows: each makes its dialog for the presenter the flow
// layer hands it, on top of the window that is active, and runs it modally.
class QtAnsichten : public Ansichten {
public:
    explicit QtAnsichten(Anwendung& a) : a_(a) {}

    // Tests put a window of their own in place of a view.
    void ersetzen(Fenster f, std::function<bool()> ersatz) { ersatz_[f] = std::move(ersatz); }

    bool zeigen(Fenster f, StammdatenPresenter& p) override;
    bool zeigen(Fenster f, TexteingabePresenter& p) override;
    bool zeigen(Fenster f, ModusPresenter& p) override;
    bool zeigen(Fenster f, DruckerPresenter& p) override;
    bool zeigen(Fenster f, SBWahlPresenter& p) override;
    bool zeigen(Fenster f, ZentTypPresenter& p) override;
    bool zeigen(Fenster f, AuswahlPresenter& p) override;
    bool zeigen(Fenster f, OLNVernetzPresenter& p) override;
    bool zeigen(Fenster f, ZusaetzePresenter& p) override;
    bool zeigen(Fenster f, HY100Presenter& p) override;
    bool zeigen(Fenster f, PQSloeschenPresenter& p) override;
    bool zeigen(Fenster f, KBNEINPresenter& p) override;
    bool zeigen(Fenster f, PQKSpeisungPresenter& p) override;
    bool zeigen(Fenster f, PQVSpeisungPresenter& p) override;
    bool zeigen(Fenster f, PQSPQBspPresenter& p) override;
    bool zeigen(Fenster f, DUV100SpPresenter& p) override;
    bool zeigen(Fenster f, JUBLSpeisPresenter& p) override;
    bool zeigen(Fenster f, DXAGehPresenter& p) override;
    bool zeigen(Fenster f, PSM300Presenter& p) override;
    bool zeigen(Fenster f, DXA1000Presenter& p) override;
    bool zeigen(Fenster f, PERIPHPresenter& p) override;
    bool zeigen(Fenster f, ExtPresenter& p) override;
    bool zeigen(Fenster f, PeriStromPresenter& p) override;
    bool zeigen(Fenster f, AusgabePresenter& p) override;
    bool zeigen(Fenster f, HinweisPresenter& p) override;
    bool zeigen(Fenster f, EPOspeiPresenter& p) override;
    bool zeigen(Fenster f, SpeichuPresenter& p) override;
    bool zeigen(Fenster f, OeffnenPresenter& p) override;
    bool zeigen(Fenster f, NachweisPresenter& p) override;
    bool zeigen(Fenster f, Verknuepfung& v, const std::string& start) override;
    void zeigen(Fenster f, const DXAErgAnsicht& a) override;
    void zeigen(Fenster f, const SpeiRepAnsicht& a) override;
    void zeigen(Fenster f, const ListesehAnsicht& a) override;
    void zeigen(Fenster f, const SuchergAnsicht& a) override;
    void kontakt(const std::string& version) override;
    bool druckerEinrichten() override;
    void drucken(const Druckauftrag& auftrag) override;

private:
    template <class D, class P> bool modal(Fenster f, P& p);
    template <class D, class A> void anzeigen(Fenster f, const A& a);

    QWidget* eltern() const;

    Anwendung& a_;
    std::map<Fenster, std::function<bool()>> ersatz_;
};

}  // namespace tarvis::ui
