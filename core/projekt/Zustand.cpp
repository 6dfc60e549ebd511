#include "projekt/Zustand.h"

#include <cmath>

#include "projekt/Texte.h"

namespace tarvis {

SatzArray<Long>& Zustand::KBNMenge(int k) {
    switch (k) {
    case 1: return KBNMenge1;
    case 2: return KBNMenge2;
    case 3: return KBNMenge3;
    default: return KBNMenge4;
    }
}

const SatzArray<Long>& Zustand::KBNMenge(int k) const {
    return const_cast<Zustand&>(*this).KBNMenge(k);
}

void ProjektZuruecksetzen(Zustand& z) {
    // Master data, file names and the flags of the project.
    z.Auftragsnummer.clear();
    z.Angebotsnummer.clear();
    z.AltSachbearbeiter.clear();
    z.Baupapiernummer.clear();
    z.Bestellnummer.clear();
    z.ProjektDatei.clear();
    z.Bemerkung1.clear();
    z.Bemerkung2.clear();
    z.Bemerkung3.clear();
    z.Hilfstext1.clear();
    z.Hilfstext2.clear();
    z.Bearbeitet = 0;
    z.EPOAbgefragt = 0;
    z.ProjektGeladen = 0;
    z.EPONetz = 1;
    z.Projektname = "Projekt1";
    z.EPOPeri = 1;
    z.ProjCodeModus = " ";
    z.Berechnet = 0;
    z.Gespeichert = 0;
    z.StammdatenOK = 0;
    z.ModusOK = 0;
    z.NichtLieferbar = 0;
    z.AusDatei = 0;
    z.Verknuepft = 0;

    // Saved project variables get their reset values; Sachbearbeiter, AnzMG,
    // Alarmart, Sprache and the other settings stay.
    z.YAwahl = 1;
    z.PQVspeis = 1;
    z.MGEAZ = 2;
    z.EPOKennz = "J";
    z.Doppeln = "N";
    z.PeriEingabe = "N";
    z.Kennz11E = "N";
    z.OLNName = "1";
    z.ZentralenTyp = 0;
    z.ZentralenTypBest = 0;
    z.RAVI1 = z.RAVI2 = 0;
    z.Schnitt1 = z.Schnitt2 = 0;
    z.QUFwahl = 0;
    z.AnzDrucker = 0;
    z.Flaechwahl = 0;
    z.AnzFBF = 0;
    z.FSKAwahl = 0;
    z.Tele = 0;
    z.SDwahl = 0;
    z.DIPwahl = 0;
    z.Schlwahl = 0;
    z.TIRwahl = 0;
    z.KOPwahl = 0;
    z.ZusKennz = 0;
    z.OLMAwahl = 0;
    z.AnzBE = z.AnzBE2 = z.AnzBETL = 0;
    z.ZusStrom = 0;
    z.Vert20DA = 0;
    z.Verzwahl = 0;
    z.MRVNnorm = z.MRVNinv = z.VRXnorm = z.VRXinv = 0;
    z.KPLnorm = z.KPLinv = z.TabloNorm = z.TabloInv = 0;
    z.UeZeit = 0;
    z.OLNJa = z.OLN1a = z.OLN2a = z.OLN1b = z.OLN2b = z.OLN1c = z.OLN2c = 0;
    z.SchaltenNorm = z.SchaltenInv = z.Loeschen = z.VOGanz = 0;
    z.PQKnorm28 = z.PQKinv28 = z.PQKnorm12 = z.PQKinv12 = 0;
    z.PQVnorm28 = z.PQVinv28 = z.PQVnorm12 = z.PQVinv12 = 0;
    z.PQK28 = z.PQK12 = z.PQSspeis = z.PQBspeis = z.DUVspeis = z.AnzJUBL = 0;
    z.PSMVRX = 0;
    z.Wandler28 = 0;
    z.AnzDXA = z.AnzZOLW = 0;
    z.Ext12Ruhe = z.Ext12Alarm = z.Ext28Ruhe = z.Ext28Alarm = 0;
    z.Frei1 = z.Frei2 = z.Frei3 = 0;
    z.Typ1Zusatz = 0;
    z.HYZusatz = 0;

    // Erase the external loads, the loop copy and the material list; the loop
    // quantities survive when the caller asked to keep them.
    z.Ext12Name.fill("");
    z.Ext28Name.fill("");
    z.Ext12RuheI.fill(0);
    z.Ext12AlarmI.fill(0);
    z.Ext28RuheI.fill(0);
    z.Ext28AlarmI.fill(0);
    z.Ext12Menge.fill(0);
    z.Ext28Menge.fill(0);
    z.KBNWert.loeschen();
    z.Menge.fill(0);
    if (z.NetzBehalten == 0) {
        for (int k = 1; k <= 4; ++k) z.KBNMenge(k).fill(0);
    }

    z.DXARuhe12 = z.DXARuhe24 = z.DXARuhe28 = z.DXARuhe35 = 0;
    z.DXAAlarm12 = z.DXAAlarm24 = z.DXAAlarm28 = z.DXAAlarm35 = 0;
    z.AnzPQK = z.AnzPQV = z.AnzPQS = z.AnzPQB = z.AnzDUV = z.AnzPSM = z.AnzHY = z.AnzArt646 = 0;
    z.PQBFrageGestellt = z.PQSFrageGestellt = 0;
    z.BedienFrageGestellt = 0;
    z.PQSBestaetigt = z.PQBBestaetigt = z.DUVBestaetigt = 0;
    z.PSMParallel = 0;
    z.DXAVorschlag = 0;
    z.ZOLWVorschlag = 0;
    z.Trafo28Ueber = 0;

    // No panel is chosen now; the name says so (without flagging an error).
    z.ZentralenName = Text(219);

    // The main window's caption and the commands that need a project.
    z.Hauptfenstertitel = "TARVIS - Projekt1";
    z.ProjektBefehleAktiv = 0;
    z.KBNMenueAktiv = 0;
}

std::string ZentralenNameFuer(int typ) {
    switch (typ) {
    case 1: return "KVT 1000 " + Text(192);
    case 2: return "KVT 2000/1 " + Text(191) + " D";
    case 3: return "KVT 2000 " + Text(192);
    case 4: return "KVT 2000 " + Text(191);
    case 5: return "RW 500";
    case 6: return "TL 300";
    case 7: return "DXA 1000 autark";
    default: return Text(219);
    }
}

void ZentralenNameSetzen(Zustand& z, int typ) {
    z.ZentralenName = ZentralenNameFuer(typ);
    if (typ < 1 || typ > 7) z.TypFehler = 1;
}

Integer Aufrunden(double x) {
    double i = std::floor(x);
    if (i < x) i += 1;
    return static_cast<Integer>(i);
}

}  // namespace tarvis
