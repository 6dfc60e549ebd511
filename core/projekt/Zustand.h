#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "projekt/Zentralentyp.h"
#include "projekt/FestText.h"

namespace tarvis {

using Integer = std::int16_t;
using Long = std::int32_t;
using Single = float;
using Byte = std::uint8_t;

// Arrays indexed by catalogue record number 1..700 (index 0 unused).
constexpr int kMaxSatz = 700;
template <typename T> struct SatzArray : std::array<T, kMaxSatz + 1> {
    using Basis = std::array<T, kMaxSatz + 1>;
    using Basis::operator[];
    // By record number.
    T& operator[](int satz) { return Basis::operator[](static_cast<std::size_t>(satz)); }
    const T& operator[](int satz) const { return Basis::operator[](static_cast<std::size_t>(satz)); }
};

// Copy of the loop quantities by card a (1..2), record i (504..700) and loop
// b (1..2) of the card: the quantity of record i on loop 2(a-1)+b.
class KBNWertArray {
public:
    Long& operator()(int a, int i, int b) { return w_[index(a, i, b)]; }
    Long operator()(int a, int i, int b) const { return w_[index(a, i, b)]; }
    void loeschen() { w_.fill(0); }

private:
    static std::size_t index(int a, int i, int b) {
        return static_cast<std::size_t>(((a - 1) * 197 + (i - 504)) * 2 + (b - 1));
    }
    std::array<Long, 2 * 197 * 2> w_{};
};

// The whole state of the program: one project, the program settings beside
// it and the run-time flags that steer the windows. It lives for the whole
// run; a new project means resetting values (ProjektZuruecksetzen).
struct Zustand {
    // --- Project identity and master data (saved) ---
    std::string Projektname = "Projekt1";
    std::string Angebotsnummer, Bestellnummer, Baupapiernummer, Auftragsnummer;
    std::string AltSachbearbeiter;
    std::string Bemerkung1, Bemerkung2, Bemerkung3;
    std::string ProjektDatei;
    std::string EPODatei;
    std::string Hilfstext1, Hilfstext2;  // the two scratch strings the reset empties

    // --- Panel choice ---
    Integer ZentralenTyp = 0;
    FestText<1> Alarmart;
    Integer AnzMG = 0;
    Integer MGEAZ = 2;
    std::string ZentralenName;
    Integer ZentralenTypAlt = 0, ZentralenTypBest = 0;

    // --- Add-on functions, supply options and external loads (saved) ---
    Integer YAwahl = 1;
    Integer RAVI1 = 0, RAVI2 = 0;
    Integer Schnitt1 = 0, Schnitt2 = 0;
    Integer QUFwahl = 0;
    Integer AnzDrucker = 0;
    Integer Flaechwahl = 0;
    Integer AnzFBF = 0;
    Integer FSKAwahl = 0;
    Byte Tele = 0;
    Byte SDwahl = 0;
    Integer DIPwahl = 0;
    Integer Schlwahl = 0;
    Byte TIRwahl = 0;
    Integer KOPwahl = 0;
    Byte ZusKennz = 0;
    Integer OLMAwahl = 0;
    Integer AnzBE = 0, AnzBE2 = 0;
    Integer AnzBETL = 0;
    Integer ZusStrom = 0;
    Integer Vert20DA = 0;
    Integer Verzwahl = 0;
    Integer MRVNnorm = 0, MRVNinv = 0, VRXnorm = 0, VRXinv = 0, KPLnorm = 0, KPLinv = 0, TabloNorm = 0, TabloInv = 0;
    Integer RWZusatzkarte = 0;
    Integer UeZeit = 0;
    Byte OLNJa = 0, OLN1a = 0, OLN2a = 0, OLN1b = 0, OLN2b = 0, OLN1c = 0, OLN2c = 0;
    FestText<20> OLNName = "1";
    FestText<1> Doppeln = "N";
    Integer SchaltenNorm = 0, SchaltenInv = 0, Loeschen = 0, VOGanz = 0;
    Integer PQKnorm28 = 0, PQKinv28 = 0, PQKnorm12 = 0, PQKinv12 = 0;
    Integer PQVnorm28 = 0, PQVinv28 = 0, PQVnorm12 = 0, PQVinv12 = 0;
    Integer PQK28 = 0, PQK12 = 0, PQVspeis = 1, PQSspeis = 0, PQBspeis = 0, DUVspeis = 0, AnzJUBL = 0;
    Integer PSMVRX = 0;
    Byte Wandler28 = 0;
    Integer AnzDXA = 0, AnzZOLW = 0;
    Single Ext12Ruhe = 0, Ext12Alarm = 0, Ext28Ruhe = 0, Ext28Alarm = 0;
    Byte PSMParallel = 0;
    std::array<std::string, 10> Ext12Name{}, Ext28Name{};
    std::array<Long, 10> Ext12RuheI{}, Ext12AlarmI{}, Ext28RuheI{}, Ext28AlarmI{};
    std::array<Integer, 10> Ext12Menge{}, Ext28Menge{};
    FestText<1> PeriEingabe = "N";
    FestText<1> Kennz11E = "N";
    Integer Frei1 = 0, Frei2 = 0, Frei3 = 0;
    Integer Typ1Zusatz = 0;
    Integer HYZusatz = 0;

    // --- Quantities (saved) ---
    SatzArray<Integer> Menge{};
    SatzArray<Long> KBNMenge1{}, KBNMenge2{}, KBNMenge3{}, KBNMenge4{};
    KBNWertArray KBNWert;

    // --- Calculation results ---
    Single IRuhe = 0, IAlarm = 0, IKBN35 = 0, I28 = 0, I28Ruhe = 0, I28Alarm = 0, INetz12 = 0;
    Single BatKapazitaet = 0;
    Long BatAhGesamt = 0;
    Single Ladestrom = 0;
    Integer AnzBatterien = 0, AnzBat24 = 0, AnzBat40 = 0, AnzBat17 = 0;
    Single NetzMax12 = 0, NetzMax28 = 0, Trafo28Max = 0, Trafo28Zus = 0;
    std::array<Integer, 8> DXABedarf{};  // 1..7
    Byte DXAVorschlag = 0;
    Integer ZOLWVorschlag = 0;
    Byte Trafo28Ueber = 0;

    // --- Calculation (Auswerten): further results and the DXA 1000 limits ---
    Single I28AlarmBasis = 0;         // 28 V alarm current of sounders and the like, mA
    Single DXAMax12 = 0, DXAMax28 = 0;  // limits of one DXA 1000, mA
    Single NetzRest12 = 0, DXARest12 = 0;  // the 12 V limits less the charging current, mA
    Integer JUBLFrage = 0;            // 1 when the JUBL supply dialog was shown
    // --- end of the calculation block ---

    // Loop sums and the counts derived from the loops (written by the loop entry).
    // The per-loop sums are kept wider than 16 bits so that they cannot
    // overflow before the element limit is reported.
    Long SumElem1 = 0, SumElem2 = 0, SumElem3 = 0, SumElem4 = 0;
    Long SumStrom1 = 0, SumStrom2 = 0, SumStrom3 = 0, SumStrom4 = 0;
    Integer AnzPQK = 0, AnzPQV = 0, AnzPQS = 0, AnzPQB = 0, AnzDUV = 0, AnzPSM = 0, AnzHY = 0, AnzArt646 = 0, AnzUE = 0;

    // --- Loop entry and supply-module options ---
    // Whether all PQS / PQB / DUV 100 modules get their 28 V from the system:
    // 1 all, 2 not all (the loop entry sets 2 when the module count changed).
    Byte PQSWahl = 0, PQBWahl = 0;
    Integer DUVWahl = 0;
    // --- end of the loop entry block ---

    // --- Loop entry window ---
    // 1 once the loop entry was left with forward: Edit items 4 (edit the
    // loop entry) and 5 (print it) are enabled from then on.
    Byte KBNMenueAktiv = 0;
    // --- end of the loop entry window block ---

    // Currents of the standalone DXA 1000 calculation, mA.
    Long DXARuhe12 = 0, DXARuhe24 = 0, DXARuhe28 = 0, DXARuhe35 = 0;
    Long DXAAlarm12 = 0, DXAAlarm24 = 0, DXAAlarm28 = 0, DXAAlarm35 = 0;

    // --- Program settings (settings file; not reset with the project) ---
    std::string Sachbearbeiter;
    std::string ProjPfad;
    FestText<1> CodeModus = "V";
    FestText<1> ProjCodeModus = "V";
    Byte Sprache = 0;
    Byte WEKAbfrage = 0;
    Byte ParaSpeichern = 0;
    std::string DruckSchrift = "Courier NEW";
    Integer DruckGroesse = 12;
    Integer EPOPeri = 1;
    Byte EPONetz = 1;
    Byte Arbeitsplatz = 1;
    std::string KonfigDatei;
    std::string PrgVersion;
    std::string VersionMin = "98.4", VersionMax;
    std::string ArtDatei;
    // Version read from the clerk's settings file; start-up compares it.
    std::string KonfigVersion;
    std::string NeuSachbe;

    // --- Run-time flags (not saved) ---
    Byte WeiterOK = 0;
    Byte Bearbeitet = 0;
    Byte Gespeichert = 0;
    Byte SpeichAbbruch = 0;
    Byte ProjektGeladen = 0;
    Byte ModusOK = 0, StammdatenOK = 0;
    Byte AusDatei = 0;
    Byte Berechnet = 0;
    Byte NetzBehalten = 0;
    Byte ProjektGeoeffnet = 0;
    Byte PQSBestaetigt = 0, PQBBestaetigt = 0, DUVBestaetigt = 0;
    Byte PQBFrageGestellt = 0, PQSFrageGestellt = 0;
    Integer BedienFrageGestellt = 0;
    Byte Verknuepft = 0;
    Integer ZusAbbruch = 0;
    Byte NichtLieferbar = 0;
    Integer TypUngueltig = 0;
    Integer TypFehler = 0;
    Byte EPOAbgefragt = 0;
    Byte EPOGeschrieben = 0, LIBEXFehlt = 0;
    FestText<1> EPOKennz = "J";
    Byte Belegt1 = 0, Belegt2 = 0, Belegt3 = 0;

    // The main window's caption as last set by the reset or the title rule,
    // and whether the commands that need a project are enabled (the reset
    // disables them; opening a project and the calculation enable them).
    std::string Hauptfenstertitel = "TARVIS";
    Byte ProjektBefehleAktiv = 0;

    // --- Project input wizard (panel type, Edit menu, networking) ---
    // Edit item 8 (OLN networking) enabled by a confirmed networking window
    // even before the project commands are; the panel type dialog disables
    // it for panels without networking.
    Byte OLNMenueAktiv = 0;
    // --- end of the wizard block ---

    // --- Clerks and the project directory command ---
    // The directory last chosen in the clerk selection; its list starts there.
    std::string KonfigVerz;
    // The last answer of the project directory command, its next default.
    std::string PVerzAntwort;

    // --- Report, export files, save report and article search ---
    // The notes and current report: lines 1..149 (index 0 unused); HinweisAnz
    // is the number of the next free line, at most 150.
    std::array<std::string, 151> Hinweiszeile{};
    Integer HinweisAnz = 1;
    std::string ParaDatei;       // path of the last parameter file written
    Integer ZOLWKarten = 0;      // ZOLW converter cards of the standalone DXA 1000
    FestText<1> Schwerpunkt = "N";  // focus of the article list in LIBEX mode: "B" fire, "N" intrusion
    // The last article search: record number ("000"), designation and code per match.
    std::vector<std::string> SuchArtNr, SuchBezeichnung, SuchCode;
    // --- end of the report block ---

    // --- Save command ---
    // 1 when the last save wrote the parameter file; the save report names
    // the file only then (ParaSpeich refuses an incomplete project).
    Byte ParaGeschrieben = 0;
    // --- end of the save command block ---

    // The loop quantity array of loop k (1..4).
    SatzArray<Long>& KBNMenge(int k);
    const SatzArray<Long>& KBNMenge(int k) const;
};

// Turns the state into an empty new project; program settings stay.
void ProjektZuruecksetzen(Zustand& z);

// The display name of a panel type code (219 for none or an unknown code).
std::string ZentralenNameFuer(int typ);

// Sets ZentralenName from a panel type code (and TypFehler for an unknown code).
void ZentralenNameSetzen(Zustand& z, int typ);

// The smallest whole number not below x.
Integer Aufrunden(double x);

}  // namespace tarvis
