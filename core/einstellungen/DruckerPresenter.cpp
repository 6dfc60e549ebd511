#include "einstellungen/DruckerPresenter.h"

#include "projekt/Arbeitsplatz.h"

namespace tarvis {

using Schrift = DruckerAnsicht::Schrift;

DruckerPresenter::DruckerPresenter(Programm& p) : p_(p) {}

void DruckerPresenter::aktivieren() {
    const Zustand& z = p_.z;
    // Selecting an option runs its click, so the stored name takes the
    // option's spelling.
    if (z.DruckGroesse == 8 || z.DruckGroesse == 10 || z.DruckGroesse == 12) groesseKlick(z.DruckGroesse);
    std::string name = Grossbuchstaben(z.DruckSchrift);
    if (name == "COURIER") schriftKlick(Schrift::Courier);
    else if (name == "COURIER NEW") schriftKlick(Schrift::CourierNew);
}

void DruckerPresenter::groesseKlick(int groesse) {
    groesse_ = groesse;
    p_.z.DruckGroesse = static_cast<Integer>(groesse);
}

void DruckerPresenter::schriftKlick(Schrift schrift) {
    schrift_ = schrift;
    if (schrift == Schrift::Courier) p_.z.DruckSchrift = "COURIER";
    else if (schrift == Schrift::CourierNew) p_.z.DruckSchrift = "COURIER NEW";
}

DruckerAnsicht DruckerPresenter::ansicht() const {
    DruckerAnsicht a;
    a.titel = "Druckbild        fonts";
    a.groesseRahmen = "Schriftgröße      font-size";
    a.schriftRahmen = "Schriftart      font";
    a.cour = "Courier";
    a.courNew = "Courier New";
    a.ok = "&OK";
    a.groesse = groesse_;
    a.schrift = schrift_;
    return a;
}

}  // namespace tarvis
