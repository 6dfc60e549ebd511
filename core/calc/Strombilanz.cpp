#include "calc/Strombilanz.h"

#include "projekt/Zahlen.h"
#include "projekt/ExtSummen.h"

namespace tarvis {

using calc::addieren;
using calc::in12V;
using calc::rGerade;

namespace {

// The loads that the peripheral outputs of the panel carry, mA.
struct Peripherie {
    double p12 = 0;
    double p28 = 0;
};

class Bilanz {
public:
    explicit Bilanz(Programm& p) : p_(p), z_(p.z), typ_(p.z.ZentralenTyp) {}

    void rechnen() {
        signalgeber28V();
        Peripherie peri = artikel();
        eigenversorgung();
        nichtVonDerZentraleGespeist();
        schluesseldepots();
        in12VUmrechnen();
        bedienteileFremdgespeist();
        loeschenUndSchalten();
        if (istEinbruchzentrale(typ_)) intrusionsModule();
        tableauUndRelais();
        tableautreiberUndJUBL();
        externeLasten();
        z_.DXABedarf.fill(0);
        z_.IRuhe = calc::alsSingle(static_cast<double>(z_.IRuhe) * 1.1);
        if ((istEinbruchzentrale(typ_)) && z_.IAlarm < z_.IRuhe) z_.IAlarm = z_.IRuhe;
        peripherieausgaenge(peri);
    }

private:
    double m(int i) const { return z_.Menge[i]; }
    const KatSatz& satz(int i) const { return p_.katalog.satz(i); }
    double e1(int n) const { return p_.estrom.EStrom1[static_cast<std::size_t>(n - 450)]; }
    double e2(int n) const { return p_.estrom.EStrom2[static_cast<std::size_t>(n - 450)]; }
    double e3(int n) const { return p_.estrom.EStrom3[static_cast<std::size_t>(n - 450)]; }
    double e5(int n) const { return p_.estrom.EStrom5[static_cast<std::size_t>(n - 450)]; }
    bool einbruch() const { return istEinbruchzentrale(typ_); }
    bool brand() const { return istBrandzentrale(typ_); }

    // The sounders and like articles at 28 V count only in alarm.
    void signalgeber28V() {
        double basis = m(367) * e5(480) + m(366) * e5(480) + m(436) * e5(480) + m(437) * e5(480) +
                       m(434) * e5(481) + m(433) * e5(482) + m(438) * e5(483) + m(439) * e5(484) +
                       m(441) * e5(485) + m(399) * e5(490);
        z_.I28AlarmBasis = calc::alsSingle(basis);
        if (z_.AnzPQB > 0) addieren(z_.I28AlarmBasis, e2(465));
        if (istBrandzentrale(typ_)) addieren(z_.I28AlarmBasis, m(603) * e5(491));
        z_.I28Alarm = z_.I28AlarmBasis;
    }

    // Every listed article with its catalogue currents.
    Peripherie artikel() {
        Peripherie peri;
        for (int i = 6; i <= kMaxSatz; ++i) {
            const double menge = m(i);
            if (menge == 0) continue;  // adds nothing, also to the rounded peripheral sums
            const KatSatz& s = satz(i);
            addieren(z_.IRuhe, menge * s.Ruhe12);
            if (brand()) addieren(z_.IAlarm, menge * s.AlarmBrand);
            else if (einbruch()) addieren(z_.IAlarm, menge * s.AlarmIntr);
            addieren(z_.IKBN35, menge * s.Strom35);
            addieren(z_.I28, menge * s.Strom28);
            if (i >= 321 && i <= 498) {
                const double alarm = istKVT2000_1(typ_) ? s.AlarmBrand : s.AlarmIntr;
                peri.p12 = rGerade(peri.p12 + (alarm + static_cast<double>(s.Ruhe12)) * menge);
                peri.p28 = rGerade(peri.p28 + menge * s.Strom28);
            }
        }
        return peri;
    }

    // The base sounder of the intrusion panels is fed from the panel's 12 V.
    void eigenversorgung() {
        if (!einbruch()) return;
        const double sockel = m(603) * satz(603).Strom28;
        addieren(z_.I28, -sockel);
        addieren(z_.IRuhe, sockel);
    }

    void nichtVonDerZentraleGespeist() {
        if (z_.AnzPQS > 0) addieren(z_.I28, -(static_cast<double>(z_.AnzPQS) - z_.PQSspeis) * satz(529).Strom28);
        if (z_.AnzPQB > 0) addieren(z_.I28, -(static_cast<double>(z_.AnzPQB) - z_.PQBspeis) * satz(527).Strom28);
        if (z_.AnzDUV > 0) addieren(z_.I28, -(static_cast<double>(z_.AnzDUV) - z_.DUVspeis) * satz(600).Strom28);
        if (m(400) >= 1 && z_.PeriEingabe == "N") addieren(z_.I28, -m(400) * satz(400).Strom28);
    }

    // Key depots with their own heating supply: listed, not counted.
    void schluesseldepots() {
        switch (z_.SDwahl) {
        case 5: addieren(z_.IRuhe, -static_cast<double>(satz(252).Ruhe12)); break;
        case 6: addieren(z_.IRuhe, -static_cast<double>(satz(253).Ruhe12)); break;
        case 7: addieren(z_.I28, -static_cast<double>(satz(254).Strom28)); break;
        case 8: addieren(z_.I28, -static_cast<double>(satz(255).Strom28)); break;
        default: break;
        }
    }

    void in12VUmrechnen() {
        addieren(z_.IRuhe, in12V(z_.IKBN35, 35));
        addieren(z_.IRuhe, in12V(z_.I28, 28));
    }

    void bedienteileFremdgespeist() {
        if (z_.AnzBE < 1 || z_.AnzBE2 == z_.AnzBE) return;
        const double fremd = static_cast<double>(z_.AnzBE) - z_.AnzBE2;
        if (typ_ >= 1 && typ_ <= 4) {
            const KatSatz& s = satz(205);
            addieren(z_.IRuhe, -fremd * s.Ruhe12);
            if (istKVT1000(typ_) || istKVT2000N(typ_)) addieren(z_.IAlarm, -fremd * s.AlarmIntr);
            else addieren(z_.IAlarm, -fremd * s.AlarmBrand);
        } else if (istRW500(typ_)) {
            const KatSatz& s = satz(209);
            addieren(z_.IRuhe, -fremd * s.Ruhe12);
            addieren(z_.IAlarm, -fremd * s.AlarmBrand);
        }
    }

    void loeschenUndSchalten() {
        if (z_.Loeschen == 1) {
            addieren(z_.IAlarm, in12V(e5(466), 28));
            addieren(z_.I28AlarmBasis, e5(466));
        }
        if (z_.VOGanz > 0) {
            addieren(z_.IAlarm, in12V(z_.VOGanz * e5(474), 28));
            addieren(z_.I28AlarmBasis, z_.VOGanz * e5(474));
        }
        addieren(z_.IAlarm, in12V(z_.SchaltenNorm * e5(466), 28));
        addieren(z_.I28AlarmBasis, z_.SchaltenNorm * e5(466));
        addieren(z_.IRuhe, in12V(z_.SchaltenInv * e5(466), 28));
        addieren(z_.I28Ruhe, z_.SchaltenInv * e5(466));
    }

    // Add to the quiescent current, the alarm current and the panel's 12 V load.
    void ruheAlarmNetz(double ruhe, double alarm) {
        addieren(z_.IRuhe, ruhe);
        addieren(z_.IAlarm, alarm);
        addieren(z_.INetz12, ruhe);
    }

    void ruheNetz(double v) {
        addieren(z_.IRuhe, v);
        addieren(z_.INetz12, v);
    }

    // Intrusion panels draw the loop and 28 V currents in alarm as well, and
    // feed the loop modules that need 12 V themselves.
    void intrusionsModule() {
        addieren(z_.IAlarm, in12V(z_.IKBN35, 35) + in12V(z_.I28, 28));

        const double pqv = m(627);
        if (z_.PQVspeis == 1) {
            ruheAlarmNetz(pqv * e1(455), pqv * e3(455));
        } else if (z_.PQVspeis == 2) {
            addieren(z_.I28, pqv * e5(456));
            addieren(z_.I28Alarm, pqv * e5(456));
            addieren(z_.IRuhe, in12V(pqv * e5(456), 28));
            addieren(z_.IAlarm, in12V(pqv * e5(456), 28));
        }

        if (z_.AnzBETL > 0) ruheAlarmNetz(z_.AnzBETL * e1(487), z_.AnzBETL * e3(487));

        const double zutritt = m(677) + m(678);
        ruheAlarmNetz(m(648) * e1(454) + m(649) * e1(453) + zutritt * e1(488) + m(679) * e1(489),
                      m(648) * e3(454) + m(649) * e3(453) + zutritt * e3(488) + m(679) * e3(489));

        // HY 100 relay contacts: normally open ones draw in alarm, inverted
        // ones all the time.
        addieren(z_.IAlarm, (static_cast<double>(z_.PQKnorm12) + z_.PQVnorm12) * e3(467));
        ruheNetz(rGerade((static_cast<double>(z_.PQKinv12) + z_.PQVinv12) * e3(467)));
        addieren(z_.IAlarm, in12V(z_.PQVnorm28 * e5(468), 28));
        addieren(z_.I28Alarm, z_.PQVnorm28 * e5(468));
        ruheNetz(rGerade(in12V(z_.PQVinv28 * e5(468), 28)));
        addieren(z_.IAlarm, in12V(z_.PQKnorm28 * e5(469), 28));
        addieren(z_.I28Alarm, z_.PQKnorm28 * e5(469));
        ruheNetz(rGerade(in12V(z_.PQKinv28 * e5(469), 28)));

        ruheAlarmNetz(z_.PQK12 * e1(457), z_.PQK12 * e3(457));
        const double pqk28 = rGerade(in12V(z_.PQK28 * e5(452), 28));
        ruheAlarmNetz(pqk28, pqk28);
        addieren(z_.I28Alarm, z_.PQK28 * e5(452));
    }

    void tableauUndRelais() {
        if (z_.TabloNorm + z_.TabloInv > 0) {
            addieren(z_.IRuhe, static_cast<double>(z_.TabloInv) * z_.ZusStrom);
            addieren(z_.IAlarm, static_cast<double>(z_.TabloNorm) * z_.ZusStrom);
        }
        if (z_.MRVNnorm + z_.MRVNinv > 0) {
            addieren(z_.IRuhe, z_.MRVNinv * e3(470));
            addieren(z_.IAlarm, z_.MRVNnorm * e3(470));
        }
        if (z_.VRXnorm + z_.VRXinv > 0) {
            addieren(z_.IRuhe, z_.VRXinv * e3(471));
            addieren(z_.IAlarm, z_.VRXnorm * e3(471));
        }
        if (z_.KPLnorm + z_.KPLinv > 0) {
            addieren(z_.IRuhe, z_.KPLinv * e3(472));
            addieren(z_.IAlarm, z_.KPLnorm * e3(472));
        }
    }

    void tableautreiberUndJUBL() {
        const double treiber = m(607) + m(609) + m(610) + m(612) + m(613) + m(614) + m(615);
        addieren(z_.IRuhe, treiber * e1(477) + in12V(z_.AnzJUBL * e5(479), 28));
        addieren(z_.IAlarm, treiber * e3(477));
        addieren(z_.I28Alarm, z_.AnzJUBL * e5(479));
        addieren(z_.I28Ruhe, z_.AnzJUBL * e5(479));
    }

    void externeLasten() {
        z_.Ext12Ruhe = calc::alsSingle(ExtSumme(z_.Ext12Menge, z_.Ext12RuheI));
        z_.Ext12Alarm = calc::alsSingle(ExtSumme(z_.Ext12Menge, z_.Ext12AlarmI));
        z_.Ext28Ruhe = calc::alsSingle(ExtSumme(z_.Ext28Menge, z_.Ext28RuheI));
        z_.Ext28Alarm = calc::alsSingle(ExtSumme(z_.Ext28Menge, z_.Ext28AlarmI));
        addieren(z_.IRuhe, static_cast<double>(z_.Ext12Ruhe) + in12V(z_.Ext28Ruhe, 28));
        addieren(z_.IAlarm, static_cast<double>(z_.Ext12Alarm) + in12V(z_.Ext28Alarm, 28));
    }

    // The panel's peripheral outputs carry a limited load; beyond it the
    // fuse distributor is needed.
    void peripherieausgaenge(const Peripherie& peri) {
        const double e12r = z_.Ext12Ruhe, e12a = z_.Ext12Alarm, e28r = z_.Ext28Ruhe, e28a = z_.Ext28Alarm;
        bool ueber = false;
        if (istKVT1000(typ_)) ueber = peri.p12 + e12a > 1000 || peri.p28 + e28a > 500;
        if (istKVT2000N(typ_)) ueber = peri.p12 + e12a > 500 || peri.p28 + e28a > 500;
        if (istKVT2000_1(typ_) || istKVT2000B(typ_)) ueber = peri.p12 + e12r + e12a > 500 || peri.p28 + e28r + e28a > 500;
        if (!ueber) return;
        if (istKVT1000(typ_)) z_.Menge[225] = 1;
        else z_.Menge[231] = 1;
    }

    Programm& p_;
    Zustand& z_;
    const int typ_;
};

}  // namespace

void Strombilanz(Programm& p) { Bilanz(p).rechnen(); }

}  // namespace tarvis
