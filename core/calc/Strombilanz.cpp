#include "calc/Strombilanz.h"

#include <optional>
#include <vector>

#include "projekt/Zahlen.h"
#include "projekt/ExtSummen.h"

namespace tarvis {

using calc::addieren;
using calc::in12V;
using calc::rGerade;

namespace {

// The four sums the current budget adds terms to.
enum class Stromsumme { Ruhe, Alarm, KBN35, V28 };

// The loads that the peripheral outputs of the panel carry, mA.
struct Peripherie {
    double p12 = 0;
    double p28 = 0;
};

class Bilanz {
public:
    Bilanz(Programm& p, Stromprotokoll* protokoll)
        : p_(p), z_(p.z), typ_(p.z.ZentralenTyp), protokoll_(protokoll) {}

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
        if (protokoll_) protokoll_->ruheVorReserve = z_.IRuhe;
        z_.IRuhe = calc::alsSingle(static_cast<double>(z_.IRuhe) * 1.1);
        if (protokoll_) protokoll_->alarmVorAnhebung = z_.IAlarm;
        if ((istEinbruchzentrale(typ_)) && z_.IAlarm < z_.IRuhe) {
            z_.IAlarm = z_.IRuhe;
            if (protokoll_) protokoll_->alarmAngehoben = true;
        }
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

    std::vector<Stromterm>& liste(Stromsumme s) {
        switch (s) {
        case Stromsumme::Ruhe: return protokoll_->ruhe;
        case Stromsumme::Alarm: return protokoll_->alarm;
        case Stromsumme::KBN35: return protokoll_->kbn35;
        case Stromsumme::V28: break;
        }
        return protokoll_->v28;
    }

    // A term of a sum: quantity times the current of one, in the quiescent
    // and alarm sums a 28 V or 35 V current as its 12 V equivalent, rounded
    // where the rule rounds it. The value is what the sum receives; the
    // evidence keeps the term when it is asked for.
    struct Term {
        int text = 0, satz = 0;
        std::optional<double> menge{};
        double einzel = 0;
        int volt = 12;
        bool gerundet = false;
    };
    double wert(Stromsumme s, const Term& t, double vorzeichen = 1) {
        const double strom = t.menge ? *t.menge * t.einzel : t.einzel;
        const bool zwoelf = s == Stromsumme::Ruhe || s == Stromsumme::Alarm;
        double v = zwoelf && t.volt != 12 ? in12V(strom, t.volt) : strom;
        if (t.gerundet) v = rGerade(v);
        v = vorzeichen < 0 ? -v : v;
        if (protokoll_ && v != 0) liste(s).push_back({t.text, t.satz, t.menge, t.einzel, t.volt, t.gerundet, v});
        return v;
    }
    // A term the rule takes off its sum.
    double abzug(Stromsumme s, const Term& t) { return wert(s, t, -1); }

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
            addieren(z_.IRuhe, wert(Stromsumme::Ruhe, {.satz = i, .menge = menge, .einzel = s.Ruhe12}));
            if (brand()) addieren(z_.IAlarm, wert(Stromsumme::Alarm, {.satz = i, .menge = menge, .einzel = static_cast<double>(s.AlarmBrand)}));
            else if (einbruch()) addieren(z_.IAlarm, wert(Stromsumme::Alarm, {.satz = i, .menge = menge, .einzel = static_cast<double>(s.AlarmIntr)}));
            addieren(z_.IKBN35, wert(Stromsumme::KBN35, {.satz = i, .menge = menge, .einzel = s.Strom35, .volt = 35}));
            addieren(z_.I28, wert(Stromsumme::V28, {.satz = i, .menge = menge, .einzel = s.Strom28, .volt = 28}));
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
        const Term sockel{.text = 2100, .satz = 603, .menge = m(603), .einzel = satz(603).Strom28};
        addieren(z_.I28, abzug(Stromsumme::V28, {.text = 2100, .satz = 603, .menge = m(603), .einzel = satz(603).Strom28, .volt = 28}));
        addieren(z_.IRuhe, wert(Stromsumme::Ruhe, sockel));
    }

    void nichtVonDerZentraleGespeist() {
        auto fremd = [this](int nr, double anzahl) {
            addieren(z_.I28, abzug(Stromsumme::V28, {.text = 2101, .satz = nr, .menge = anzahl, .einzel = satz(nr).Strom28, .volt = 28}));
        };
        if (z_.AnzPQS > 0) fremd(529, static_cast<double>(z_.AnzPQS) - z_.PQSspeis);
        if (z_.AnzPQB > 0) fremd(527, static_cast<double>(z_.AnzPQB) - z_.PQBspeis);
        if (z_.AnzDUV > 0) fremd(600, static_cast<double>(z_.AnzDUV) - z_.DUVspeis);
        if (m(400) >= 1 && z_.PeriEingabe == "N") fremd(400, m(400));
    }

    // Key depots with their own heating supply: listed, not counted.
    void schluesseldepots() {
        auto ruhe = [this](int nr) {
            addieren(z_.IRuhe, abzug(Stromsumme::Ruhe, {.text = 2102, .satz = nr, .menge = 1, .einzel = satz(nr).Ruhe12}));
        };
        auto v28 = [this](int nr) {
            addieren(z_.I28, abzug(Stromsumme::V28, {.text = 2102, .satz = nr, .menge = 1, .einzel = satz(nr).Strom28, .volt = 28}));
        };
        switch (z_.SDwahl) {
        case 5: ruhe(252); break;
        case 6: ruhe(253); break;
        case 7: v28(254); break;
        case 8: v28(255); break;
        default: break;
        }
    }

    void in12VUmrechnen() {
        addieren(z_.IRuhe, wert(Stromsumme::Ruhe, {.text = 2103, .einzel = z_.IKBN35, .volt = 35}));
        addieren(z_.IRuhe, wert(Stromsumme::Ruhe, {.text = 2104, .einzel = z_.I28, .volt = 28}));
    }

    void bedienteileFremdgespeist() {
        if (z_.AnzBE < 1 || z_.AnzBE2 == z_.AnzBE) return;
        const double fremd = static_cast<double>(z_.AnzBE) - z_.AnzBE2;
        auto ab = [&](Single& summe, Stromsumme art, int nr, double einzel) {
            addieren(summe, abzug(art, {.text = 2105, .satz = nr, .menge = fremd, .einzel = einzel}));
        };
        if (typ_ >= 1 && typ_ <= 4) {
            const KatSatz& s = satz(205);
            ab(z_.IRuhe, Stromsumme::Ruhe, 205, s.Ruhe12);
            if (istKVT1000(typ_) || istKVT2000N(typ_)) ab(z_.IAlarm, Stromsumme::Alarm, 205, s.AlarmIntr);
            else ab(z_.IAlarm, Stromsumme::Alarm, 205, s.AlarmBrand);
        } else if (istRW500(typ_)) {
            const KatSatz& s = satz(209);
            ab(z_.IRuhe, Stromsumme::Ruhe, 209, s.Ruhe12);
            ab(z_.IAlarm, Stromsumme::Alarm, 209, s.AlarmBrand);
        }
    }

    void loeschenUndSchalten() {
        if (z_.Loeschen == 1) {
            addieren(z_.IAlarm, wert(Stromsumme::Alarm, {.text = 2106, .menge = 1, .einzel = e5(466), .volt = 28}));
            addieren(z_.I28AlarmBasis, e5(466));
        }
        if (z_.VOGanz > 0) {
            addieren(z_.IAlarm, wert(Stromsumme::Alarm, {.text = 2107, .menge = z_.VOGanz, .einzel = e5(474), .volt = 28}));
            addieren(z_.I28AlarmBasis, z_.VOGanz * e5(474));
        }
        addieren(z_.IAlarm, wert(Stromsumme::Alarm, {.text = 2108, .menge = z_.SchaltenNorm, .einzel = e5(466), .volt = 28}));
        addieren(z_.I28AlarmBasis, z_.SchaltenNorm * e5(466));
        addieren(z_.IRuhe, wert(Stromsumme::Ruhe, {.text = 2109, .menge = z_.SchaltenInv, .einzel = e5(466), .volt = 28}));
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
        const double kbn35 = wert(Stromsumme::Alarm, {.text = 2103, .einzel = z_.IKBN35, .volt = 35});
        const double v28 = wert(Stromsumme::Alarm, {.text = 2104, .einzel = z_.I28, .volt = 28});
        addieren(z_.IAlarm, kbn35 + v28);

        const double pqv = m(627);
        if (z_.PQVspeis == 1) {
            beide({.text = 2110, .satz = 627, .menge = pqv, .einzel = e1(455)}, e3(455));
        } else if (z_.PQVspeis == 2) {
            // Added after the 28 V sum was turned into 12 V: the terms below count it.
            addieren(z_.I28, pqv * e5(456));
            addieren(z_.I28Alarm, pqv * e5(456));
            const Term t{.text = 2111, .satz = 627, .menge = pqv, .einzel = e5(456), .volt = 28};
            addieren(z_.IRuhe, wert(Stromsumme::Ruhe, t));
            addieren(z_.IAlarm, wert(Stromsumme::Alarm, t));
        }

        if (z_.AnzBETL > 0) beide({.text = 2112, .menge = z_.AnzBETL, .einzel = e1(487)}, e3(487));

        // Modules that need 12 V themselves, added as one sum.
        const double zutritt = m(677) + m(678);
        const Term module[] = {{.text = 2134, .satz = 648, .menge = m(648), .einzel = e1(454)},
                               {.text = 2134, .satz = 649, .menge = m(649), .einzel = e1(453)},
                               {.text = 2113, .menge = zutritt, .einzel = e1(488)},
                               {.text = 2134, .satz = 679, .menge = m(679), .einzel = e1(489)}};
        const double alarmEinzel[] = {e3(454), e3(453), e3(488), e3(489)};
        double ruhe = 0, alarm = 0;
        for (std::size_t k = 0; k < 4; ++k) {
            const double r = wert(Stromsumme::Ruhe, module[k]);
            Term a = module[k];
            a.einzel = alarmEinzel[k];
            const double al = wert(Stromsumme::Alarm, a);
            ruhe = k == 0 ? r : ruhe + r;
            alarm = k == 0 ? al : alarm + al;
        }
        ruheAlarmNetz(ruhe, alarm);

        // HY 100 relay contacts: normally open ones draw in alarm, inverted
        // ones all the time.
        addieren(z_.IAlarm, wert(Stromsumme::Alarm, {.text = 2114, .menge = static_cast<double>(z_.PQKnorm12) + z_.PQVnorm12, .einzel = e3(467)}));
        ruheNetz(wert(Stromsumme::Ruhe, {.text = 2115, .menge = static_cast<double>(z_.PQKinv12) + z_.PQVinv12, .einzel = e3(467), .gerundet = true}));
        addieren(z_.IAlarm, wert(Stromsumme::Alarm, {.text = 2116, .menge = z_.PQVnorm28, .einzel = e5(468), .volt = 28}));
        addieren(z_.I28Alarm, z_.PQVnorm28 * e5(468));
        ruheNetz(wert(Stromsumme::Ruhe, {.text = 2117, .menge = z_.PQVinv28, .einzel = e5(468), .volt = 28, .gerundet = true}));
        addieren(z_.IAlarm, wert(Stromsumme::Alarm, {.text = 2118, .menge = z_.PQKnorm28, .einzel = e5(469), .volt = 28}));
        addieren(z_.I28Alarm, z_.PQKnorm28 * e5(469));
        ruheNetz(wert(Stromsumme::Ruhe, {.text = 2119, .menge = z_.PQKinv28, .einzel = e5(469), .volt = 28, .gerundet = true}));

        beide({.text = 2120, .menge = z_.PQK12, .einzel = e1(457)}, e3(457));
        const Term pqk28{.text = 2121, .menge = z_.PQK28, .einzel = e5(452), .volt = 28, .gerundet = true};
        ruheAlarmNetz(wert(Stromsumme::Ruhe, pqk28), wert(Stromsumme::Alarm, pqk28));
        addieren(z_.I28Alarm, z_.PQK28 * e5(452));
    }

    // A module fed by the panel: its quiescent term, and the same quantity
    // with the alarm current of one.
    void beide(const Term& ruhe, double alarmEinzel) {
        Term alarm = ruhe;
        alarm.einzel = alarmEinzel;
        const double r = wert(Stromsumme::Ruhe, ruhe);
        ruheAlarmNetz(r, wert(Stromsumme::Alarm, alarm));
    }

    void tableauUndRelais() {
        // Inverted outputs draw all the time, normal ones in alarm.
        auto ausgaenge = [this](int text, double norm, double inv, double einzel) {
            addieren(z_.IRuhe, wert(Stromsumme::Ruhe, {.text = text + 1, .menge = inv, .einzel = einzel}));
            addieren(z_.IAlarm, wert(Stromsumme::Alarm, {.text = text, .menge = norm, .einzel = einzel}));
        };
        if (z_.TabloNorm + z_.TabloInv > 0) ausgaenge(2122, z_.TabloNorm, z_.TabloInv, z_.ZusStrom);
        if (z_.MRVNnorm + z_.MRVNinv > 0) ausgaenge(2124, z_.MRVNnorm, z_.MRVNinv, e3(470));
        if (z_.VRXnorm + z_.VRXinv > 0) ausgaenge(2126, z_.VRXnorm, z_.VRXinv, e3(471));
        if (z_.KPLnorm + z_.KPLinv > 0) ausgaenge(2128, z_.KPLnorm, z_.KPLinv, e3(472));
    }

    void tableautreiberUndJUBL() {
        const double treiber = m(607) + m(609) + m(610) + m(612) + m(613) + m(614) + m(615);
        const double t = wert(Stromsumme::Ruhe, {.text = 2130, .menge = treiber, .einzel = e1(477)});
        const double j = wert(Stromsumme::Ruhe, {.text = 2131, .menge = z_.AnzJUBL, .einzel = e5(479), .volt = 28});
        addieren(z_.IRuhe, t + j);
        addieren(z_.IAlarm, wert(Stromsumme::Alarm, {.text = 2130, .menge = treiber, .einzel = e3(477)}));
        addieren(z_.I28Alarm, z_.AnzJUBL * e5(479));
        addieren(z_.I28Ruhe, z_.AnzJUBL * e5(479));
    }

    void externeLasten() {
        z_.Ext12Ruhe = calc::alsSingle(ExtSumme(z_.Ext12Menge, z_.Ext12RuheI));
        z_.Ext12Alarm = calc::alsSingle(ExtSumme(z_.Ext12Menge, z_.Ext12AlarmI));
        z_.Ext28Ruhe = calc::alsSingle(ExtSumme(z_.Ext28Menge, z_.Ext28RuheI));
        z_.Ext28Alarm = calc::alsSingle(ExtSumme(z_.Ext28Menge, z_.Ext28AlarmI));
        const double r12 = wert(Stromsumme::Ruhe, {.text = 2132, .einzel = z_.Ext12Ruhe});
        const double r28 = wert(Stromsumme::Ruhe, {.text = 2133, .einzel = z_.Ext28Ruhe, .volt = 28});
        addieren(z_.IRuhe, r12 + r28);
        const double a12 = wert(Stromsumme::Alarm, {.text = 2132, .einzel = z_.Ext12Alarm});
        const double a28 = wert(Stromsumme::Alarm, {.text = 2133, .einzel = z_.Ext28Alarm, .volt = 28});
        addieren(z_.IAlarm, a12 + a28);
    }

    // The panel's peripheral outputs carry a limited load; beyond it the
    // fuse distributor is needed.
    void peripherieausgaenge(const Peripherie& peri) {
        const double e12r = z_.Ext12Ruhe, e12a = z_.Ext12Alarm, e28r = z_.Ext28Ruhe, e28a = z_.Ext28Alarm;
        std::optional<Ausgangslast> last;
        if (istKVT1000(typ_)) last = Ausgangslast{peri.p12 + e12a, 1000, peri.p28 + e28a, 500};
        if (istKVT2000N(typ_)) last = Ausgangslast{peri.p12 + e12a, 500, peri.p28 + e28a, 500};
        if (istKVT2000_1(typ_) || istKVT2000B(typ_)) last = Ausgangslast{peri.p12 + e12r + e12a, 500, peri.p28 + e28r + e28a, 500};
        if (protokoll_) protokoll_->ausgaenge = last;
        if (!last || !(last->last12 > last->grenze12 || last->last28 > last->grenze28)) return;
        if (istKVT1000(typ_)) z_.Menge[225] = 1;
        else z_.Menge[231] = 1;
    }

    Programm& p_;
    Zustand& z_;
    const int typ_;
    Stromprotokoll* protokoll_;
};

}  // namespace

void Strombilanz(Programm& p, Stromprotokoll* protokoll) { Bilanz(p, protokoll).rechnen(); }

}  // namespace tarvis
