#include "BatchMessages.h"

#include "loops/DXAGehPruefung.h"

namespace tarvis::cli {
BatchMessages::BatchMessages(Programm& p, std::ostream& fehler) : p_(p), fehler_(fehler) {}

void BatchMessages::ausgeben(const Meldung& m) {
    const int nummer = m.text.nummer();
    if (nummer != 0) nummern_.push_back(nummer);
    std::string zeile = m.text.text();
    for (std::size_t pos = 0; (pos = zeile.find('\n', pos)) != std::string::npos;) zeile.replace(pos, 1, " / ");
    fehler_ << (nummer != 0 ? std::to_string(nummer) : std::string("-")) << ": " << zeile << "\n";
}

void BatchMessages::zeigen(const Meldung& m) { ausgeben(m); }

Antwort BatchMessages::fragen(const Meldung& m) {
    ausgeben(m);
    if (m.standard != Antwort::Keine) return m.standard;
    switch (m.knoepfe) {
    case Schaltflaechen::Ok:
    case Schaltflaechen::OkAbbrechen:
        return Antwort::Ok;
    default:
        return Antwort::Ja;
    }
}

std::optional<std::string> BatchMessages::eingeben(const Meldung& m, const std::string&) {
    ausgeben(m);
    return std::nullopt;
}

bool BatchMessages::oeffnen(Fenster fenster) {
    switch (fenster) {
    case Fenster::JUBLSpeis:
    case Fenster::Modus:
        return true;
    case Fenster::DXAGeh:
        DXAGehVorschlagUebernehmen(p_.z);
        if (dxa) p_.z.AnzDXA = static_cast<Integer>(*dxa);
        if (zolw) p_.z.AnzZOLW = static_cast<Integer>(*zolw);
        return DXAGehWeiter(p_.z, *this);
    default:
        return false;
    }
}

}  // namespace tarvis::cli
