#include "ablauf/NachweisPresenter.h"

#include <algorithm>

#include "projekt/Format.h"
#include "projekt/Texte.h"
#include "projekt/Zahlen.h"

namespace tarvis {

void NachweisPresenter::aktivieren() {
    const Nachrechnung r = NachweisNachrechnen(p_);
    gerechnet_ = r.p.z;
    // A project changed since its calculation so that it no longer
    // calculates has no evidence to show.
    auftrag_ = Druckauftrag{};
    if (r.halt == AuswertenHalt::Keiner) auftrag_ = NachweisSeiten(r.p, NachweisErstellen(r.p, r.strom), Zeitstempel::jetzt());
    else auftrag_.zeile().bei(5, Text(2222));

    NachweisAnsicht a;
    a.titel = Text(2140);
    a.drucken = Text(319);
    a.ok = "&OK";
    a.probeLabel = Text(2215);
    a.uebernehmen = Text(2219);
    for (const DruckSeite& s : auftrag_.seiten)
        for (const DruckZeile& z : s.zeilen) a.zeilen.push_back(ZeileAlsText(z));
    ansicht_ = std::move(a);
    setzeProbe(p_.z.UeZeit);
    box_.zeigen(ansicht_.probeStunden);
}

void NachweisPresenter::setzeProbe(int stunden) {
    const int t = std::clamp(stunden, 0, kMaxStunden);
    ansicht_.probeStunden = t;
    ansicht_.uebernehmenAktiv = t > 0 && t != p_.z.UeZeit;
    try {
        const Single kap = BatterieformelFuer(gerechnet_, t).kapazitaet;
        const Batteriewahl w = BatterienWaehlen(gerechnet_.ZentralenTyp, kap);
        std::string batterien;
        const std::pair<Integer, const char*> arten[] = {
            {w.bat24, "12 V/24 Ah"}, {w.bat40, "12 V/40 Ah"}, {w.bat17, "12 V/17 Ah"}};
        for (const auto& [anzahl, art] : arten)
            if (anzahl > 0) batterien += (batterien.empty() ? "" : " + ") + ZahlText(anzahl) + " x " + art;
        ansicht_.probeErgebnis = Text(2220) + " " + ZahlText(kap) + " Ah   " + Text(2221) + " " +
                                 (batterien.empty() ? "0" : batterien) + " = " + ZahlText(AhGesamt(w)) + " Ah";
        if (w.dxa > 0) ansicht_.probeErgebnis += ", DXA 1000: " + ZahlText(w.dxa);
    } catch (const calc::Laufzeitfehler&) {
        ansicht_.probeErgebnis = Text(2220) + " " + KeineZahlText();
    }
}

void NachweisPresenter::uebernehmen() {
    if (!ansicht_.uebernehmenAktiv) return;
    p_.z.UeZeit = static_cast<Integer>(ansicht_.probeStunden);
    p_.z.Bearbeitet = 1;
    if (rechnen_) rechnen_();
    aktivieren();
}

void NachweisPresenter::drucken() {
    if (drucken_) drucken_(auftrag_);
}

}  // namespace tarvis
