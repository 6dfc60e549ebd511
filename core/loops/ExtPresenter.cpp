#include "loops/ExtPresenter.h"

#include "projekt/Format.h"
#include "projekt/Netzgrenzwerte.h"
#include "projekt/Namensregeln.h"
#include "projekt/Texte.h"

namespace tarvis {

namespace {

std::string leerBeiNull(long long x) { return x > 0 ? std::to_string(x) : std::string(); }

}  // namespace

ExtPresenter::ExtPresenter(Programm& p, MessageService& ms, ExtSpannung spannung)
    : p_(p), ms_(ms), spannung_(spannung), felder_(ms) {
    auto nachher = [this] {
        if (!stumm_) summieren();
    };
    for (std::size_t i = 0; i < kZeilen; ++i) {
        felder_.hinzufuegen({ZaehlRegel{0, true, false, 3, false}, [this, i] { return static_cast<int>(mengen()[i]); },
                             [this, i](int w) { mengen()[i] = static_cast<Integer>(w); }, {}, {}, nachher});
        felder_.hinzufuegen({ZaehlRegel{0, true, false, 4, false}, [this, i] { return static_cast<int>(ruheStroeme()[i]); },
                             [this, i](int w) { ruheStroeme()[i] = w; }, {}, {}, nachher});
        felder_.hinzufuegen({ZaehlRegel{0, true, false, 4, false}, [this, i] { return static_cast<int>(alarmStroeme()[i]); },
                             [this, i](int w) { alarmStroeme()[i] = w; }, {}, {}, nachher});
    }
}

std::array<std::string, 10>& ExtPresenter::namen() { return v12() ? p_.z.Ext12Name : p_.z.Ext28Name; }
std::array<Integer, 10>& ExtPresenter::mengen() { return v12() ? p_.z.Ext12Menge : p_.z.Ext28Menge; }
std::array<Long, 10>& ExtPresenter::ruheStroeme() { return v12() ? p_.z.Ext12RuheI : p_.z.Ext28RuheI; }
std::array<Long, 10>& ExtPresenter::alarmStroeme() { return v12() ? p_.z.Ext12AlarmI : p_.z.Ext28AlarmI; }

void ExtPresenter::aktivieren() {
    stumm_ = true;
    for (int i = 0; i < kZeilen; ++i) {
        auto iu = static_cast<std::size_t>(i);
        if (mengen()[iu] < 1) {
            // A quantity of 0 deletes the currents of its row; the designation stays.
            felder_.zaehlText(feld(i, Menge), "");
            felder_.zaehlText(feld(i, Ruhe), "");
            felder_.zaehlText(feld(i, Alarm), "");
        } else {
            felder_.textZeigen(feld(i, Menge), std::to_string(mengen()[iu]));
            felder_.textZeigen(feld(i, Ruhe), leerBeiNull(ruheStroeme()[iu]));
            felder_.textZeigen(feld(i, Alarm), leerBeiNull(alarmStroeme()[iu]));
        }
    }
    stumm_ = false;
    summieren();
}

ExtSummen ExtPresenter::summieren() {
    ExtSummen s = ExtSummenBilden(p_.z, spannung_, ms_);
    if (s.zuGrosseZeile) {
        fokus_ = s.zuGrosseZeile;
    } else {
        anzeigeRuhe_ = s.ruhe;
        anzeigeAlarm_ = s.alarm;
    }
    return s;
}

std::optional<int> ExtPresenter::fokusAbholen() {
    auto f = fokus_;
    fokus_.reset();
    return f;
}

const std::string& ExtPresenter::name(int zeile) const {
    const Zustand& z = p_.z;
    return (v12() ? z.Ext12Name : z.Ext28Name).at(static_cast<std::size_t>(zeile));
}

void ExtPresenter::nameAendern(int zeile, const std::string& text) {
    namen().at(static_cast<std::size_t>(zeile)) = OhneAnfuehrungszeichen(text);
}

bool ExtPresenter::nameTaste(char32_t zeichen) {
    if (ZeichenSpeicherbar(zeichen)) return true;
    ms_.piepen();
    return false;
}

ExtAnsicht ExtPresenter::ansicht() const {
    const Zustand& z = p_.z;
    ExtAnsicht a;
    a.titel = Text(v12() ? 138 : 139);
    a.label1 = Beschriftung{Text(140)};
    a.label2 = Beschriftung{Text(141)};
    a.label3 = Beschriftung{Text(142)};
    a.label4 = Beschriftung{Text(143)};
    a.label5 = Beschriftung{Text(144)};
    a.label6 = Beschriftung{Text(istEinbruchzentrale(z.ZentralenTyp) ? 145 : 146)};
    a.label7 = Beschriftung{Text(112)};
    // The 12 V window shows its own whole-number totals, the 28 V window the project's.
    if (v12()) {
        a.summeRuhe = Beschriftung{std::to_string(anzeigeRuhe_)};
        a.summeAlarm = Beschriftung{std::to_string(anzeigeAlarm_)};
    } else {
        a.summeRuhe = Beschriftung{ZahlText(static_cast<Single>(anzeigeRuhe_))};
        a.summeAlarm = Beschriftung{ZahlText(static_cast<Single>(anzeigeAlarm_))};
    }
    a.kbn = Schalter{Text(721)};
    a.kbnSichtbar = istTL300(z.ZentralenTyp);
    a.ok = Schalter{"&OK"};
    a.hilfe = Schalter{Text(37)};
    return a;
}

bool ExtPresenter::ok() {
    Zustand& z = p_.z;
    const ExtSummen s = summieren();
    // A row beyond the range has been reported and holds the focus; its
    // totals are incomplete and must not go into the current budget.
    if (s.zuGrosseZeile) return false;
    Netzgrenzwerte(z);
    const bool tl300 = istTL300(z.ZentralenTyp);
    const double ruhe = s.ruhe, alarm = s.alarm;
    auto stopp = [this](const Meldungstext& text) {
        ms_.meldung(Symbol::Ausrufezeichen, text);
        return false;
    };

    if (v12()) {
        if (tl300 && z.PSMParallel < 2 && z.AnzPSM == 0 && (ruhe > 300 || alarm > 300))
            return stopp(Nr(179) + "\n" + Nr(742));
        if (tl300 && (ruhe > z.NetzMax12 || alarm > z.NetzMax12)) return stopp(Nr(748));
    } else {
        const double trafo = z.Trafo28Max, mitZusatz = static_cast<double>(z.Trafo28Max) + z.Trafo28Zus;
        bool genug = true;
        if (tl300 && z.PSMParallel < 2) genug = (ruhe <= trafo && alarm <= trafo) || z.AnzPSM > 0;
        if (genug || z.Wandler28 != 0) {
            if (tl300 && (ruhe > mitZusatz || alarm > mitZusatz))
                return stopp(Nr(747) + " " + ZahlText(mitZusatz) + " mA!");
        } else {
            // A warning only: the window closes all the same.
            ms_.meldung(Symbol::Ausrufezeichen, Nr(745) + " " + ZahlText(trafo) + " mA!\n" + Nr(746));
        }
    }
    if (istEinbruchzentrale(z.ZentralenTyp) && alarm < ruhe) return stopp(Nr(161));
    return true;
}

}  // namespace tarvis
