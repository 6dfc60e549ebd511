#include <QVBoxLayout>

#include "widgets/QtText.h"
#include "widgets/Optionen.h"
#include "wizard/zusaetze/ZusaetzeSeiten.h"

namespace tarvis::ui {

OptionsrahmenSeite::OptionsrahmenSeite(ZusaetzePresenter& p, QWidget* parent, const char* rahmenName,
                                       std::vector<const char*> namen, std::function<void(int)> setzer)
    : ZusaetzeSeite(p, parent), rahmen_(rahmen(rahmenName)) {
    auto* r = new QVBoxLayout(rahmen_);
    for (std::size_t i = 0; i < namen.size(); ++i) {
        int wert = static_cast<int>(i);
        auto* o = option(namen[i], rahmen_, [setzer, wert] { setzer(wert); });
        r->addWidget(o);
        optionen_.push_back(o);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rahmen_);
    layout->addStretch();
}

void OptionsrahmenSeite::zeigen(const Beschriftung& rahmen, const Schalter* optionen, std::size_t n) {
    anzeigen(rahmen_, rahmen);
    for (std::size_t i = 0; i < n && i < optionen_.size(); ++i) anzeigen(optionen_[i], optionen[i]);
}

SchluesselSeite::SchluesselSeite(ZusaetzePresenter& p, QWidget* parent)
    : OptionsrahmenSeite(p, parent, "fraSchlsch", {"optSchl0", "optSchl1", "optSchl2"}, [&p](int n) { p.schluessel(n); }) {}

void SchluesselSeite::aktualisieren(const ZusaetzeAnsicht& a) {
    zeigen(a.schluessel.rahmen, a.schluessel.optionen.data(), a.schluessel.optionen.size());
}

DipSeite::DipSeite(ZusaetzePresenter& p, QWidget* parent)
    : OptionsrahmenSeite(p, parent, "fraDIP", {"optDIP0", "optDIP1", "optDIP2"}, [&p](int n) { p.dip(n); }) {}

void DipSeite::aktualisieren(const ZusaetzeAnsicht& a) {
    zeigen(a.dip.rahmen, a.dip.optionen.data(), a.dip.optionen.size());
}

DruckerSeite::DruckerSeite(ZusaetzePresenter& p, QWidget* parent)
    : OptionsrahmenSeite(p, parent, "fraDrucker", {"optDru0", "optDru1", "optDru2", "optDru3"},
                         [&p](int n) { p.drucker(n); }) {}

void DruckerSeite::aktualisieren(const ZusaetzeAnsicht& a) {
    zeigen(a.drucker.fraDrucker, a.drucker.optionen.data(), a.drucker.optionen.size());
}

}  // namespace tarvis::ui
