#include "loops/DXA1000Presenter.h"

#include <array>

#include "projekt/Texte.h"

namespace tarvis {

namespace {

std::array<Long*, 8> stroeme(Zustand& z) {
    return {&z.DXARuhe12, &z.DXARuhe24, &z.DXARuhe28, &z.DXARuhe35,
            &z.DXAAlarm12, &z.DXAAlarm24, &z.DXAAlarm28, &z.DXAAlarm35};
}

}  // namespace

DXA1000Presenter::DXA1000Presenter(Programm& p, MessageService& ms) : p_(p), ms_(ms), felder_(ms) {
    Zustand& z = p_.z;
    felder_.hinzufuegen({ZaehlRegel{99, true, true, 2}, [&z] { return static_cast<int>(z.UeZeit); },
                         [&z](int w) { z.UeZeit = static_cast<Integer>(w); }, {}, {}, {}});
    for (Long* v : stroeme(z))
        felder_.hinzufuegen({ZaehlRegel{9999, true, true, 4, false}, [v] { return static_cast<int>(*v); },
                             [v](int w) { *v = w; }, {}, {}, {}});
}

DXA1000Ansicht DXA1000Presenter::ansicht() const {
    const Zustand& z = p_.z;
    const bool brand = z.Alarmart == "B";
    DXA1000Ansicht a;
    a.titel = "DXA 1000 ";
    a.label1 = Beschriftung{Text(480)};
    a.label2 = Beschriftung{Text(481)};
    a.frmBranot = Beschriftung{Text(444)};
    a.frmStromEin = Beschriftung{Text(445)};
    a.lblUezeit = Beschriftung{Text(125)};
    a.lblRuhe = Beschriftung{Text(456)};
    a.lblAlarm = Beschriftung{Text(brand ? 447 : 446)};
    a.lbl12 = Beschriftung{"mA an 12 V"};
    a.lbl24 = Beschriftung{"mA an 24 V"};
    a.lbl28 = Beschriftung{"mA an 28 V"};
    a.lbl35 = Beschriftung{"mA an 35 V"};
    a.brand = Schalter{Text(191), true, brand};
    a.notruf = Schalter{Text(192), true, z.Alarmart == "N"};
    a.weiter = Schalter{Text(170)};
    a.zurueck = Schalter{Text(172)};
    a.hilfe = Schalter{Text(37)};
    return a;
}

bool DXA1000Presenter::weiter() {
    Zustand& z = p_.z;
    const auto s = stroeme(z);
    long long ruhe = 0, alarm = 0;
    for (int i = 0; i < 4; ++i) {
        ruhe += *s[static_cast<std::size_t>(i)];
        alarm += *s[static_cast<std::size_t>(i + 4)];
    }
    const bool einbruch = z.Alarmart == "N";
    auto ja = [this](const Meldungstext& frage) {
        return ms_.frage(frage, Schaltflaechen::JaNein, Symbol::Frage) == Antwort::Ja;
    };

    // Currents need a standby time and a standby time needs currents.
    const bool vollstaendig = (ruhe + alarm == 0 && z.UeZeit == 0) || (ruhe + alarm != 0 && z.UeZeit >= 1);
    if (!vollstaendig) {
        ms_.meldung(Symbol::Ausrufezeichen, Nr(174));
        return false;
    }
    if (einbruch) {
        bool kleiner = false;
        for (int i = 0; i < 4; ++i) kleiner = kleiner || *s[static_cast<std::size_t>(i + 4)] < *s[static_cast<std::size_t>(i)];
        if (kleiner && !ja(Nr(161) + "\nrichtig?")) return false;
    }
    if (alarm > 0 && ruhe <= 0 && !ja(Nr(473) + (einbruch ? "\n" + Nr(472) : Meldungstext()))) return false;
    z.StammdatenOK = 1;
    ms_.oeffnen(Fenster::DXAErg);
    return true;
}

}  // namespace tarvis
