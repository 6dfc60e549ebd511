#include "projekt/Zaehlgruppe.h"

#include <limits>

namespace tarvis {

int Zaehlgruppe::hinzufuegen(Bindung b) {
    Feld f{Zaehlbox(b.regel), std::move(b)};
    f.box.zeigen(f.b.lesen());
    felder_.push_back(std::move(f));
    return static_cast<int>(felder_.size()) - 1;
}

void Zaehlgruppe::zeigen(int f) { feld(f).box.zeigen(feld(f).b.lesen()); }

ZaehlAnsicht Zaehlgruppe::zaehlAnsicht(int f) const {
    const Feld& x = feld(f);
    return x.box.ansicht(x.b.lesen(), x.b.aktiv ? x.b.aktiv() : true);
}

void Zaehlgruppe::zaehlText(int f, const std::string& text) {
    Feld& x = feld(f);
    int grenze = x.b.grenze ? x.b.grenze() : std::numeric_limits<int>::max();
    x.b.schreiben(x.box.textAendern(text, grenze));
    if (x.b.nachher) x.b.nachher();
}

}  // namespace tarvis
