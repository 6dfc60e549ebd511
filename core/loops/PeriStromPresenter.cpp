#include "loops/PeriStromPresenter.h"

#include "projekt/Format.h"
#include "projekt/Zahlen.h"
#include "projekt/Texte.h"

namespace tarvis {

namespace {

// Elements whose 28 V alarm current comes from the element table instead.
bool ausgenommen(int i) {
    switch (i) {
    case 366: case 367: case 433: case 434: case 436: case 437: case 438: case 439: case 441: return true;
    default: return false;
    }
}

// Adds to a sum that the program keeps as a whole number.
void plus(double& summe, double wert) { summe = calc::rGerade(summe + wert); }

}  // namespace

PeriStromPresenter::PeriStromPresenter(Programm& p, MessageService& ms, PeriStromDaten& daten)
    : PeriListe(p, ms, daten.PeriMenge), daten_(daten), duv_(ms) {
    Zustand& z = p_.z;
    duv_.hinzufuegen({ZaehlRegel{99, true, true, 2}, [&z] { return static_cast<int>(z.AnzDUV); },
                      [&z](int w) { z.AnzDUV = static_cast<Integer>(w); }, {}, {}, {}});
}

void PeriStromPresenter::aktivieren() {
    // No panel of the intrusion kind here: the fire code is shown.
    aufbauen(true);
    duv_.zeigen(0);
}

PeriStromAnsicht PeriStromPresenter::ansicht() const {
    PeriStromAnsicht a;
    a.titel = Text(116);
    a.liste = listeAnsicht();
    a.lblUebertrag = Beschriftung{Text(279)};
    a.frmKoppler = Beschriftung{Text(400)};
    a.fraDUV = Beschriftung{"DUV 100 KBN"};
    a.lblMengeDUV = Beschriftung{Text(108)};
    const std::string texte[] = {Text(401), "PQK 100 (4-Draht)", "PQV 100 (12 V)", "PQV 100 (28 V)", "PQB 100", "PQS 100"};
    for (std::size_t k = 0; k < 6; ++k) a.koppler[k] = Schalter{texte[k], true, daten_.Koppler == static_cast<int>(k)};
    a.ok = Schalter{Text(402)};
    a.loeschen = Schalter{Text(15)};
    a.hilfe = Schalter{Text(37)};
    return a;
}

PeriStromSummen PeriStromPresenter::summen() const {
    const auto& q = daten_.PeriMenge;
    const EStromTabelle& e = p_.estrom;
    auto Q = [&q](int i) { return static_cast<double>(q[static_cast<std::size_t>(i)]); };
    auto e1 = [&e](int n) { return static_cast<double>(e.EStrom1[static_cast<std::size_t>(n - 450)]); };
    auto e2 = [&e](int n) { return static_cast<double>(e.EStrom2[static_cast<std::size_t>(n - 450)]); };
    auto e3 = [&e](int n) { return static_cast<double>(e.EStrom3[static_cast<std::size_t>(n - 450)]); };
    auto e5 = [&e](int n) { return static_cast<double>(e.EStrom5[static_cast<std::size_t>(n - 450)]); };
    auto strom28 = [this](int i) { return static_cast<double>(p_.katalog.satz(i).Strom28); };

    PeriStromSummen s;
    for (int i = kPeriErster; i <= kPeriLetzter; ++i) {
        if (ausgenommen(i)) continue;
        const KatSatz& k = p_.katalog.satz(i);
        plus(s.ruhe12, Q(i) * static_cast<double>(k.Ruhe12));
        plus(s.ruhe28, Q(i) * static_cast<double>(k.Strom28));
        plus(s.alarm12, Q(i) * k.AlarmIntr);
    }
    s.alarm28 = calc::rGerade(e5(480) * (Q(366) + Q(367) + Q(436) + Q(437)) + e5(481) * Q(434) + e5(482) * Q(433) +
                              e5(483) * Q(438) + e5(484) * Q(439) + e5(485) * Q(441) + e5(490) * Q(399));
    switch (daten_.Koppler) {
    case 1: plus(s.ruhe12, e1(457)); plus(s.alarm12, e3(457)); break;
    case 2: plus(s.ruhe12, e1(455)); plus(s.alarm12, e3(455)); break;
    case 3: plus(s.ruhe28, e5(456)); plus(s.alarm28, e5(456)); break;
    case 4: plus(s.ruhe28, strom28(527)); plus(s.alarm28, e2(465) * 12 * 0.8 / 28); break;
    case 5: plus(s.ruhe28, strom28(529)); plus(s.alarm28, strom28(529)); break;
    default: break;
    }
    plus(s.ruhe28, p_.z.AnzDUV * strom28(600));
    plus(s.alarm28, p_.z.AnzDUV * strom28(600));
    return s;
}

bool PeriStromPresenter::ok() {
    const PeriStromSummen s = summen();
    auto zeile = [](int text, double wert) { return Nr(text) + " " + Format(wert, "#####00000") + " mA"; };
    const Meldungstext text = zeile(496, s.ruhe12) + "\n" + zeile(497, s.alarm12) + "\n" + zeile(498, s.ruhe28) +
                              "\n" + zeile(499, s.alarm28) + "\n     " + Nr(280);
    return ms_.frage(text, Schaltflaechen::JaNein, Symbol::Frage) != Antwort::Ja;
}

void PeriStromPresenter::loeschen() {
    if (ms_.frage(Nr(149), Schaltflaechen::JaNein, Symbol::Frage) != Antwort::Ja) return;
    daten_.PeriMenge.fill(0);
    daten_.Koppler = 0;
    aktivieren();
}

}  // namespace tarvis
