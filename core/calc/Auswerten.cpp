#include "calc/Auswerten.h"

#include "calc/Batterien.h"
#include "calc/Grenzpruefung.h"
#include "calc/MaterialRegeln.h"
#include "projekt/Netzgrenzwerte.h"
#include "calc/Strombilanz.h"
#include "calc/Versorgung.h"
#include "projekt/Zahlen.h"
#include "projekt/Texte.h"
#include "projekt/Schnittstellen.h"

namespace tarvis {

namespace {

// JUBL display-panel controls may take their 28 V from the system; the
// window asks how many do.
void jublSpeisung(Zustand& z, MessageService& ms) {
    if (z.Menge[453] + z.Menge[456] >= 1) {
        z.JUBLFrage = 1;
        ms.oeffnen(Fenster::JUBLSpeis);
    } else {
        z.JUBLFrage = 0;
        z.AnzJUBL = 0;
    }
}

void summenLoeschen(Zustand& z) {
    z.IRuhe = z.IAlarm = z.IKBN35 = 0;
    z.I28 = z.I28Ruhe = z.I28AlarmBasis = z.I28Alarm = 0;
    z.INetz12 = 0;
}

// The confirmed supply units go into the list of the panel type.
void versorgungEintragen(Zustand& z) {
    const int typ = z.ZentralenTyp;
    SatzArray<Integer>& m = z.Menge;
    if (istKVT1000(typ)) { m[275] = z.AnzDXA; m[276] = z.AnzZOLW; }
    if (istKVT2000(typ)) { m[280] = z.AnzDXA; m[282] = z.AnzZOLW; }
    if (istRW500(typ)) { m[281] = z.AnzDXA; m[283] = z.AnzZOLW; }
    if (!DXAAnzahl(z).eingehalten || !ZOLWAnzahl(z).eingehalten) z.EPOKennz = "N";
}

void abschluss(Zustand& z) {
    const int typ = z.ZentralenTyp;
    const double t28 = static_cast<double>(z.I28) + z.Ext28Ruhe + z.Ext28Alarm + z.I28Alarm;
    if (t28 > 0 && istTL300(typ)) z.Menge[150] = 1;  // the TL 300's 28 V transformer
    z.Menge[284] = z.Wandler28;
    z.Menge[248] = calc::alsInteger(static_cast<double>(z.Menge[248]) + z.PSMVRX);
    z.Berechnet = 1;
    z.ProjCodeModus = z.CodeModus;
    if (istTL300(typ) && !TL300Netz12(z).eingehalten) z.EPOKennz = "N";
    z.ProjektBefehleAktiv = 1;
}

AuswertenHalt ablauf(Programm& p, MessageService& ms, Stromprotokoll* protokoll) {
    Zustand& z = p.z;

    // Without a panel type there are no supply limits to size against.
    if (z.ZentralenTyp < 1 || z.ZentralenTyp > 8) {
        ms.meldung(Symbol::Ausrufezeichen, Nr(292));
        return AuswertenHalt::Zentralentyp;
    }

    for (int i = 6; i <= 319; ++i) z.Menge[i] = 0;
    // The extension card is recounted below; a card needed once must not
    // stay in the position count for good.
    z.RWZusatzkarte = 0;

    if (SchnittstellenPruefen(z, ms).abbruch) return AuswertenHalt::Schnittstellen;

    calc::ZentralenArtikel(z, ms);
    calc::AllgemeineArtikel(z);
    calc::SignalgeberKarte(z);
    jublSpeisung(z, ms);
    calc::RelaisUndAusgaenge(z);
    calc::SachnummernZubehoer(z);
    calc::RW500Steckplaetze(z);
    calc::SachnummernDUVZubehoer(z);
    calc::KBNElemente(p, z, ms);

    Netzgrenzwerte(z);
    z.EPOKennz = "J";
    summenLoeschen(z);
    Strombilanz(p, protokoll);
    Batterien(z);
    Versorgung(z);

    z.WeiterOK = 0;
    if (!ms.oeffnen(Fenster::DXAGeh)) return AuswertenHalt::DXAGeh;

    versorgungEintragen(z);
    abschluss(z);
    return AuswertenHalt::Keiner;
}

}  // namespace

AuswertenHalt AuswertenAblauf(Programm& p, MessageService& ms, Stromprotokoll* protokoll) {
    try {
        return ablauf(p, ms, protokoll);
    } catch (const calc::Laufzeitfehler& f) {
        ms.meldung(Symbol::Kritisch, Nr(394) + " " + std::to_string(f.nummer) + "\n" + f.beschreibung);
        return AuswertenHalt::Laufzeitfehler;
    }
}

bool Auswerten(Programm& p, MessageService& ms) { return AuswertenAblauf(p, ms) == AuswertenHalt::Keiner; }

}  // namespace tarvis
