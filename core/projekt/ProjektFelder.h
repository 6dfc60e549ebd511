#pragma once
#include "projekt/Zustand.h"

namespace tarvis::projektdatei {

// Lines 3..36 of the project file, field by field in their order. The writer
// and the reader both walk this one list, so that they cannot drift apart.
// F provides:
//   zahl(v)           a number of the variable's type (Integer, Byte, Long, Single)
//   zahlAlsText(v)    a number that the reader takes as text and converts
//   text(s), fest(s)  a text, a fixed-length text
//   reserviert(n)     n reserved fields (written as "", skipped on reading)
//   gltAnzahl()       the reserved field that old files used for the GLT count
//   sprache(v)        the language version (0 or less: the reader asks for it)
//   bedienteile(z)    the operating-unit byte: AnzBETL at a TL 300, else AnzBE
//   bedienteileZuordnen(z)  after the panel type is known (line 15)
//   zeilenende()
// Z is Zustand for the reader and const Zustand for the writer.
template <typename Z, typename F> void ProjektFelder(Z& z, F& f) {
    // 3: remarks
    f.text(z.Bemerkung1); f.text(z.Bemerkung2); f.text(z.Bemerkung3); f.zeilenende();
    // 4
    f.zahl(z.YAwahl); f.zahl(z.PQVspeis); f.zahl(z.Frei1); f.zahl(z.AnzJUBL); f.zahl(z.RAVI1); f.fest(z.CodeModus);
    f.zeilenende();
    // 5
    f.zahl(z.QUFwahl); f.zahl(z.AnzDrucker); f.gltAnzahl(); f.fest(z.OLNName); f.zahl(z.AnzMG); f.zahl(z.Flaechwahl);
    f.zahl(z.FSKAwahl); f.zahl(z.AnzFBF); f.fest(z.PeriEingabe); f.zahl(z.Tele); f.sprache(z.Sprache); f.zeilenende();
    // 6
    f.reserviert(4); f.zahl(z.ZusKennz); f.zahl(z.RAVI2); f.zahl(z.ZusStrom); f.zahl(z.PQSspeis); f.zahl(z.PQBspeis);
    f.zahl(z.DUVspeis); f.reserviert(1); f.zeilenende();
    // 7
    f.zahl(z.SchaltenNorm); f.zahl(z.SchaltenInv); f.zahl(z.SDwahl); f.zeilenende();
    // 8: sums of the external loads and options
    f.zahl(z.Ext12Ruhe); f.zahl(z.Ext28Ruhe); f.zahl(z.Ext12Alarm); f.zahl(z.Ext28Alarm); f.zahlAlsText(z.PSMParallel);
    f.zahl(z.Vert20DA); f.zahl(z.Loeschen); f.reserviert(1); f.zeilenende();
    // 9: relay card contact loads
    f.zahl(z.PQKnorm28); f.zahl(z.PQKinv28); f.zahl(z.PQKnorm12); f.zahl(z.PQKinv12);
    f.zahl(z.PQVnorm28); f.zahl(z.PQVinv28); f.zahl(z.PQVnorm12); f.zahl(z.PQVinv12); f.zeilenende();
    // 10
    f.zahl(z.UeZeit); f.zahl(z.VOGanz); f.zahl(z.MGEAZ); f.zahl(z.Schlwahl); f.reserviert(2); f.zahl(z.TIRwahl);
    f.zahl(z.KOPwahl); f.zeilenende();
    // 11: relays and indicators
    f.zahl(z.MRVNnorm); f.zahl(z.MRVNinv); f.zahl(z.VRXnorm); f.zahl(z.VRXinv); f.zahl(z.KPLnorm); f.zahl(z.KPLinv);
    f.zahl(z.RWZusatzkarte); f.zahl(z.TabloNorm); f.zahl(z.TabloInv); f.zeilenende();
    // 12
    f.zahlAlsText(z.PSMVRX); f.fest(z.Doppeln); f.zahlAlsText(z.Wandler28); f.reserviert(5); f.zeilenende();
    // 13: networking
    f.zahl(z.OLNJa); f.zahl(z.OLN1a); f.zahl(z.OLN2a); f.zahl(z.OLN1b); f.zahl(z.OLN2b); f.zahl(z.OLN1c);
    f.zahl(z.OLN2c); f.reserviert(2); f.zeilenende();
    // 14
    f.zahl(z.PQK28); f.zahl(z.HYZusatz); f.reserviert(1); f.zahl(z.DIPwahl); f.zahl(z.Schnitt2); f.zahl(z.PQK12);
    f.bedienteile(z); f.zahl(z.Schnitt1); f.zahl(z.AnzBE2); f.reserviert(5); f.zeilenende();
    // 15
    f.zahl(z.Typ1Zusatz); f.zahl(z.ParaSpeichern); f.reserviert(1); f.zahl(z.ZentralenTyp); f.reserviert(1);
    f.bedienteileZuordnen(z);
    f.fest(z.Kennz11E); f.zahl(z.OLMAwahl); f.zahl(z.AnzZOLW); f.reserviert(1); f.zahl(z.AnzDXA); f.reserviert(4);
    f.zeilenende();
    // 16
    f.zahl(z.Frei2); f.zahl(z.Frei3); f.reserviert(1); f.zahl(z.Verzwahl); f.zeilenende();
    // 17..26 and 27..36: the external loads at 12 V and at 28 V
    for (std::size_t k = 0; k < 10; ++k) {
        f.text(z.Ext12Name[k]); f.zahl(z.Ext12RuheI[k]); f.zahl(z.Ext12AlarmI[k]); f.zahl(z.Ext12Menge[k]);
        f.zeilenende();
    }
    for (std::size_t k = 0; k < 10; ++k) {
        f.text(z.Ext28Name[k]); f.zahl(z.Ext28RuheI[k]); f.zahl(z.Ext28AlarmI[k]); f.zahl(z.Ext28Menge[k]);
        f.zeilenende();
    }
}

}  // namespace tarvis::projektdatei
