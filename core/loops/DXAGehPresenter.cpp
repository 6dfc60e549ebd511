#include "loops/DXAGehPresenter.h"

#include "projekt/Format.h"
#include "loops/DXAGehPruefung.h"
#include "projekt/Texte.h"

namespace tarvis {

namespace {

std::string f(double x) { return Format(x, "######"); }

Zaehlgruppe::Bindung bindung(Integer& v, const Zustand& z) {
    return {ZaehlRegel{99, true, true, 2}, [&v] { return static_cast<int>(v); },
            [&v](int w) { v = static_cast<Integer>(w); }, {},
            // A DXA 1000 cannot be connected in parallel with a TL 300.
            [&z] { return !istTL300(z.ZentralenTyp); }, {}};
}

}  // namespace

DXAGehPresenter::DXAGehPresenter(Programm& p, MessageService& ms) : p_(p), ms_(ms), felder_(ms) {
    felder_.hinzufuegen(bindung(p_.z.AnzDXA, p_.z));
    felder_.hinzufuegen(bindung(p_.z.AnzZOLW, p_.z));
}

void DXAGehPresenter::aktivieren() {
    Zustand& z = p_.z;
    dxaVorher_ = z.AnzDXA;
    zolwVorher_ = z.AnzZOLW;
    DXAGehVorschlagUebernehmen(z);
    felder_.zeigen(DXA);
    felder_.zeigen(ZOLW);
}

double DXAGehPresenter::grenze28() const {
    const Zustand& z = p_.z;
    if (!istTL300(z.ZentralenTyp)) return z.NetzMax28;
    if (z.Wandler28 == 0) return z.Trafo28Max;
    if (z.PSMParallel == 2 && z.Wandler28 == 1) return static_cast<double>(z.Trafo28Max) + z.Trafo28Zus;
    // Any other transformer set-up has no limit of its own.
    return 0;
}

DXAGehAnsicht DXAGehPresenter::ansicht() const {
    const Zustand& z = p_.z;
    const int typ = z.ZentralenTyp;
    const bool tl300 = istTL300(typ);
    const double ext28 = static_cast<double>(z.Ext28Ruhe) + z.I28 + z.Ext28Alarm + z.I28Alarm;
    const double s = ext28 + z.I28Ruhe;
    DXAGehAnsicht a;
    a.titel = z.ZentralenName + " " + Text(tl300 ? 660 : 428);

    if (z.DXAVorschlag == 0 && z.ZOLWVorschlag == 0 && (s <= 0 || !tl300)) {
        a.label1 = Beschriftung{Text(448), !tl300};
    } else if (tl300) {
        std::string t;
        if (s > 0) t = Text(750);
        if (static_cast<double>(z.Trafo28Max) + z.Trafo28Zus < ext28) t += (t.empty() ? "" : "\n") + Text(438);
        a.label1 = Beschriftung{t};
    } else {
        a.label1 = Beschriftung{Text(438)};
    }

    a.lblDXAak = Beschriftung{Text(439), !tl300};
    a.lblDXAakzept = Beschriftung{std::to_string(dxaVorher_), !tl300};
    a.lblZOLWak = Beschriftung{Text(440), !tl300};
    a.lblZOLWakzept = Beschriftung{std::to_string(zolwVorher_), !tl300};
    a.lblDXA = Beschriftung{"DXA 1000", !tl300};
    a.lblZOLW = Beschriftung{"ZOLW", !tl300};
    a.korrekturAktiv = !tl300;
    a.lblHinweis = Beschriftung{tl300 ? Text(661) : "", true, tl300};

    auto zeile = [&z](int k, std::string text) {
        const bool da = z.DXABedarf[static_cast<std::size_t>(k)] > 0;
        return Beschriftung{da ? std::move(text) : std::string(), true, da};
    };
    const double iRuhe = z.IRuhe, iAlarm = z.IAlarm, netz12 = z.NetzMax12;
    a.label2 = zeile(1, Text(429) + " " + f(z.BatKapazitaet) + " Ah = " + f(z.AnzBatterien) + " " +
                            Text(istKVT1000(typ) ? 430 : 431));
    a.label3 = zeile(2, Text(432) + " " + f(iAlarm) + " mA. Maximal: " + f(netz12) + " mA.");
    a.label4 = zeile(3, Text(433) + " " + f(iRuhe) + " " + Text(434) + " " + f(z.Ladestrom) + " = " +
                            f(iRuhe + z.Ladestrom) + " mA. Maximal: " + f(netz12) + " mA.");
    a.label5 = istBrandzentrale(typ)
                   ? zeile(4, Text(433) + " " + f(iRuhe) + " " + Text(435) + " " + f(iAlarm) + " = " +
                                  f(iRuhe + iAlarm) + " mA. Maximal: " + f(netz12) + " mA.")
                   : Beschriftung{"", true, false};
    const std::string m28 = Format(grenze28(), "######,0");
    std::string ohne = tl300 && z.Wandler28 == 0 ? " " + Text(672) : "";
    a.label6 = zeile(5, Text(436) + " " + f(static_cast<double>(z.I28Ruhe) + z.I28 + z.Ext28Ruhe) +
                            " mA. Maximal: " + m28 + " mA" + ohne);
    a.label9 = zeile(5, Text(437) + " " + f(static_cast<double>(z.I28Alarm) + z.I28 + z.Ext28Alarm) +
                            " mA. Maximal: " + m28 + " mA");

    a.label7 = Beschriftung{Text(718)};
    a.label8 = Beschriftung{Text(720)};
    a.psm = Schalter{Text(719), z.AnzPSM > 0};
    a.kbn = Schalter{Text(721)};
    a.weiter = Schalter{Text(170)};
    return a;
}

bool DXAGehPresenter::weiter() { return DXAGehWeiter(p_.z, ms_); }

}  // namespace tarvis
