#pragma once
#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "calc/Auswerten.h"
#include "loops/DXAGehPruefung.h"
#include "projekt/EStrom.h"
#include "projekt/Katalog.h"
#include "projekt/Programm.h"
#include "projekt/Texte.h"
#include "support/ScriptedMessages.h"
#include "support/Schleifen.h"

namespace tarvis::test {

// The program with the sample catalogue and element table of the build.
inline Programm musterProgramm() {
    Programm p;
    p.verzeichnis = TARVIS_PROGRAM_DIR;
    if (auto k = Katalog::oeffnen(p.datei("TARVIS.ART")); k.ok()) p.katalog = *k;
    if (auto e = EStromLesen(p.datei("ESTROMK.DAT")); e.ok()) p.estrom = *e;
    ProjektZuruecksetzen(p.z);
    return p;
}

// A program whose catalogue has no currents (every record is an article
// "Artikel n") and whose element table is all 0: a test gives currents only
// to the records it is about, so that every sum can be followed by hand.
inline Programm leeresProgramm() {
    Programm p;
    for (int n = 1; n <= Katalog::kSaetze; ++n) {
        KatSatz s;
        s.Bezeichnung = "Artikel " + std::to_string(n);
        p.katalog.setzen(n, s);
    }
    ProjektZuruecksetzen(p.z);
    return p;
}

inline KatSatz artikel(const std::string& name, float ruhe12, std::int16_t alarmBrand, std::int16_t alarmIntr,
                       float strom35 = 0, float strom28 = 0) {
    KatSatz s;
    s.Bezeichnung = name;
    s.Ruhe12 = ruhe12;
    s.AlarmBrand = alarmBrand;
    s.AlarmIntr = alarmIntr;
    s.Strom35 = strom35;
    s.Strom28 = strom28;
    return s;
}

// A loop element of the catalogue: its marker ("!" an accessory, "" a
// heading), designation and current at 35 V.
inline KatSatz schleifenelement(const char* kennung, const char* bezeichnung, float strom35 = 0) {
    KatSatz s;
    s.Kennung = kennung;
    s.Bezeichnung = bezeichnung;
    s.Strom35 = strom35;
    return s;
}

// A project of the panel type that passes the interface count check:
// teleservice answered "no", German, no add-on functions.
inline void zentrale(Zustand& z, int typ) {
    z.ZentralenTyp = static_cast<Integer>(typ);
    z.Sprache = 1;
    z.Tele = 1;
    z.CodeModus = "V";
}

// Messages with the window answers of an attentive user: the JUBL window
// keeps its count, the supply proposal window takes the proposal.
struct Ablauf {
    ScriptedMessages ms;
    explicit Ablauf(Programm& p) {
        ms.fensterSkript[Fenster::JUBLSpeis] = [] { return true; };
        ms.fensterSkript[Fenster::DXAGeh] = [&p, this] {
            DXAGehVorschlagUebernehmen(p.z);
            return DXAGehWeiter(p.z, ms);
        };
    }
};

inline AuswertenHalt rechnen(Programm& p) {
    Ablauf a(p);
    return AuswertenAblauf(p, a.ms);
}

inline int m(const Programm& p, int i) { return p.z.Menge[i]; }

// Converts a current at 28 V or 35 V into 12 V, as the budget does.
inline double v12(double strom, double volt) { return strom * volt / 11.04; }

inline int piepser(const ScriptedMessages& ms) {
    return static_cast<int>(std::count_if(ms.protokoll.begin(), ms.protokoll.end(),
                                          [](const auto& e) { return e.art == ScriptedMessages::Eintrag::Piep; }));
}

}  // namespace tarvis::test
