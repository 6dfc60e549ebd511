#include <cmath>

#include "calc/Bericht.h"
#include "calc/BerichtZeilen.h"
#include "calc/Grenzpruefung.h"
#include "projekt/Druckseiten.h"
#include "projekt/Format.h"
#include "io/Cp1252.h"
#include "projekt/Texte.h"

namespace tarvis::bericht {
namespace {

int M(const Zustand& z, int i) { return z.Menge[i]; }

std::string ma(const std::string& label, double wert, const char* maske) {
    return mit(label, Format(wert, maske)) + " mA";
}

// The external-load tables are 73 characters wide: designation in columns
// 1..37, quantity in 39..45, quiescent current in 47..59 and alarm current
// in 61..73, one blank between fields.
std::string links(const std::string& s, std::size_t breite) {
    std::string out = io::utf8Left(s, breite);
    out.append(breite - io::utf8Length(out), ' ');
    return out;
}

std::string rechts(const std::string& s, std::size_t breite) {
    return FormatText(s, std::string(breite, '@'));
}

struct Lasten {
    int titel;
    const std::array<std::string, 10>& name;
    const std::array<Integer, 10>& menge;
    const std::array<Long, 10>& ruhe;
    const std::array<Long, 10>& alarm;
    Single summeRuhe, summeAlarm;
};

void Lasttabelle(Zeilen& zeilen, const Lasten& l, bool brand) {
    bool belegt = false;
    for (Integer m : l.menge) belegt = belegt || m > 0;
    if (!belegt) return;
    zeilen.zeile(Text(l.titel));
    zeilen.zeile(links(Text(611), 37) + " " + links(Text(612), 7) + " " + links(Text(613), 13) + " " +
                 links(Text(brand ? 615 : 614), 13));
    zeilen.zeile(reihe('-', 73));
    for (std::size_t k = 0; k < 10; ++k) {
        if (l.menge[k] <= 0) continue;
        zeilen.zeile(links(l.name[k], 37) + " " + rechts(Format(l.menge[k], "#####0"), 7) + " " +
                     rechts(Format(l.ruhe[k], "#######0"), 13) + " " + rechts(Format(l.alarm[k], "#######0"), 13));
    }
    zeilen.zeile(reihe('=', 73));
    zeilen.zeile(links("Summe:", 37) + " " + std::string(7, ' ') + " " + rechts(Format(l.summeRuhe, "#######0"), 13) +
                 " " + rechts(Format(l.summeAlarm, "#######0"), 13));
}

// Item 60: mains current, power and heat loss, without and with the charge
// of the batteries.
void Leistung(const Zustand& z, Zeilen& zeilen) {
    const double eta = istKVT1000(z.ZentralenTyp) ? 0.7 : 0.85;
    const double ruhe = z.IRuhe;
    const double a = ruhe / 1000 + static_cast<double>(z.BatAhGesamt) / 24;
    const double i1 = 13.8 / 230 * ruhe / (eta * 1000), i2 = 13.8 / 230 * a / eta;
    const double p1 = ruhe * 13.8 / (eta * 1000), p2 = a * 13.8 / eta;

    auto spalten = [](const std::string& label, const std::string& ohne, const std::string& mitLadung) {
        std::string s = label;
        AnSpalte(s, 27, ohne);
        AnSpalte(s, 52, mitLadung);
        return s;
    };
    zeilen.zeile(Text(621));
    zeilen.zeile(reihe('*', io::utf8Length(Text(621))));
    zeilen.zeile(Text(622));
    zeilen.zeile(spalten("", Text(623), Text(624)));
    zeilen.zeile(spalten("", Text(625), Text(626)));
    zeilen.zeile(spalten(Text(627), Format(i1, "#,##0.00") + " A", Format(i2, "#,##0.00") + " A"));
    zeilen.zeile(spalten(Text(628), Format(p1, "#####0") + "    W", Format(p2, "#####0") + "    W"));
    zeilen.zeile(spalten(Text(629), Format(p1 * 0.86, "#####0") + "    kcal/h", Format(p2 * 0.86, "#####0") + "    kcal/h"));
    zeilen.zeile(spalten(Text(630), Format(p1 * 3.6, "#####0") + "    kJ/h", Format(p2 * 3.6, "#####0") + "    kJ/h"));
    zeilen.zeile(Text(631));
    zeilen.zeile(Text(632));
    zeilen.zeile(Text(633));
    if (z.AnzBE > 0 && z.AnzBE != z.AnzBE2) zeilen.zeile(Text(634));
}

}  // namespace

// Items 24..61: current budget, supply check, batteries, external loads and
// the power estimate.
void Strombericht(Programm& p, MessageService& ms, Zeilen& zeilen) {
    Zustand& z = p.z;
    const int typ = z.ZentralenTyp;
    const bool brand = istBrandzentrale(typ);
    // Sums of Singles are taken in double.
    const double t28 = static_cast<double>(z.Ext28Ruhe) + z.I28 + z.Ext28Alarm + z.I28Alarm;

    zeilen.punkt();  // 24
    {
        std::string kopf = mit(Text(339), z.Projektname);
        zeilen.zeile(kopf);
        zeilen.zeile(reihe('*', io::utf8Length(kopf)));
        zeilen.leer();
    }

    zeilen.punkt();  // 25
    zeilen.zeile(ma(Text(582), z.IRuhe, "####0"));

    zeilen.punkt();  // 26: transmission devices, counted from the material list
    int anzUE = 0;
    for (int i = 354; i <= 362; ++i) anzUE += M(z, i);
    for (int i = 416; i <= 430; ++i) anzUE += M(z, i);
    if (anzUE > 0) zeilen.zeile(Text(583));

    zeilen.punkt();  // 27
    zeilen.zeile(ma(Text(brand ? 584 : 585), z.IAlarm, "####0"));

    zeilen.punkt();  // 28
    zeilen.zeile(ma(Text(586), z.IKBN35, "####0"));

    zeilen.punkt();  // 29
    if (!(istTL300(typ) && z.I28 <= 0)) zeilen.zeile(ma(Text(587), z.I28, "####0"));

    zeilen.punkt();  // 30
    for (int i = 382; i <= 410; ++i)
        if (M(z, i) > 1) {
            zeilen.zeile(Text(588));
            break;
        }

    zeilen.punkt();  // 31
    zeilen.zeile(mit(Text(istTL300(typ) ? 660 : 428), z.ZentralenName) + ":");

    zeilen.punkt();  // 32
    if (!istTL300(typ)) zeilen.zeile(Text(z.DXAVorschlag == 0 && z.ZOLWVorschlag < 1 ? 448 : 438));

    zeilen.punkt();  // 33: the TL 300's own supply
    if (istTL300(typ)) {
        if (t28 > z.Trafo28Max && !(z.Wandler28 != 0 && z.AnzPSM != 0)) zeilen.zeile(Text(736));
        else if (static_cast<double>(z.Trafo28Zus) + z.Trafo28Max < t28) zeilen.zeile(Text(737));
        int n = M(z, 274);
        if (!(n < 5 && (n <= 2 || (z.AnzPSM >= 1 && z.PSMParallel >= 2)))) zeilen.zeile(Text(738));
        if (static_cast<double>(z.IRuhe) + z.Ladestrom > z.NetzMax12) zeilen.zeile(Text(739));
        if (z.AnzPSM >= 1) {
            zeilen.zeile(mit(Text(743), ZahlText(z.AnzPSM)));
            zeilen.zeile(mit(Text(744), z.PSMParallel == 2 ? "1" : "0"));
        }
    }

    zeilen.punkt();  // 34
    if (z.AnzPSM >= 1 && !istTL300(typ)) zeilen.zeile(Text(722));

    zeilen.punkt();  // 35
    if (z.DXABedarf[1] >= 1)
        zeilen.zeile(mit(mit(Text(429), ZahlText(z.BatKapazitaet)) + " Ah = " + ZahlText(z.AnzBatterien),
                         Text(istKVT1000(typ) ? 430 : 431)));

    const std::string maximal12 = " mA. Maximal: " + Format(z.NetzMax12, "######") + " mA.";
    zeilen.punkt();  // 36
    if (z.DXABedarf[2] > 0) zeilen.zeile(mit(Text(432), Format(z.IAlarm, "######")) + maximal12);

    zeilen.punkt();  // 37
    if (z.DXABedarf[3] > 0)
        zeilen.zeile(mit(mit(mit(Text(433), Format(z.IRuhe, "######")), Text(434)), Format(z.Ladestrom, "######")) +
                     " = " + Format(static_cast<double>(z.IRuhe) + z.Ladestrom, "######") + maximal12);

    zeilen.punkt();  // 38
    if (z.DXABedarf[4] > 0)
        zeilen.zeile(mit(mit(mit(Text(433), Format(z.IRuhe, "######")), Text(435)), Format(z.IAlarm, "######")) +
                     " = " + Format(static_cast<double>(z.IAlarm) + z.IRuhe, "######") + maximal12);

    // 39: the 28 V limit of one converter, a whole number.
    double m28 = z.NetzMax28;
    if (istTL300(typ)) {
        m28 = 0;
        if (M(z, 150) == 1 && z.Wandler28 == 0) m28 = z.Trafo28Max;
        if (z.PSMParallel == 2 && z.Wandler28 == 1) m28 = static_cast<double>(z.Trafo28Zus) + z.Trafo28Max;
    }
    m28 = std::nearbyint(m28);
    const std::string maximal28 = " mA. Maximal: " + Format(m28, "######,0");

    zeilen.punkt();  // 40
    if (z.DXABedarf[5] >= 1) {
        zeilen.zeile(mit(Text(436), Format(static_cast<double>(z.I28) + z.I28Ruhe + z.Ext28Ruhe, "######,0")) +
                     maximal28 + " mA pro Wandler.");
        zeilen.zeile(mit(Text(437), Format(static_cast<double>(z.I28Alarm) + z.I28 + z.Ext28Alarm, "######")) +
                     maximal28 + " mA pro Wandler.");
        if (istTL300(typ) && t28 > z.Trafo28Max) {
            if (z.Wandler28 == 0) zeilen.zeile(" " + Text(672));
            if (z.PSMParallel < 2) zeilen.zeile(" " + Text(749));
        }
    }

    zeilen.punkt();  // 41: load of the 28 V transformer
    const double l28 = brand ? static_cast<double>(z.I28) + z.I28Ruhe + z.I28Alarm + z.Ext28Alarm
                             : static_cast<double>(z.I28Alarm) + z.I28 + z.Ext28Alarm;
    {
        std::string s = Text(589);
        if (static_cast<double>(z.I28) + z.I28Ruhe + z.I28AlarmBasis + z.I28Alarm > 0) s = mit(s, Text(590));
        zeilen.zeile(mit(s, Format(l28, "######0")) + maximal28 + " mA");
    }

    zeilen.punkt();  // 42
    zeilen.zeile(ma(Text(591), l28 * 28 / 13.8 / 0.8, "######0"));

    zeilen.punkt();  // 43
    zeilen.zeile(mit(mit(Text(592), ZahlText(z.UeZeit)), Text(593)));

    zeilen.punkt();  // 44
    zeilen.zeile(mit(Text(594), ZahlText(z.BatKapazitaet)) + " Ah");

    zeilen.punkt();  // 45
    zeilen.zeile(mit(mit(Text(595), ZahlText(z.Verzwahl)), Text(596)));

    zeilen.punkt();  // 46: the batteries chosen
    zeilen.zeile(Text(597));
    if (M(z, 272) > 0) zeilen.zeile(mit(Text(598), ZahlText(M(z, 272))) + " 12 V/24 Ah");
    if (int n40 = M(z, 273) + M(z, 278) + M(z, 279); n40 > 0) zeilen.zeile(mit(Text(598), ZahlText(n40)) + " 12 V/40 Ah");
    if (M(z, 274) > 0 && istTL300(typ)) {
        zeilen.zeile(mit(Text(598), ZahlText(M(z, 274))) + " 12 V/17 Ah");
        if (M(z, 274) >= 3 && z.AnzPSM == 0) zeilen.zeile(Text(599));
        if (z.PSMParallel == 2 && z.AnzPSM > 0 && M(z, 274) > 4) zeilen.zeile(Text(723));
        if (z.PSMParallel == 2 && z.AnzPSM >= 2) zeilen.zeile(Text(751));
    }

    zeilen.punkt();  // 47
    zeilen.zeile(ma(Text(600), z.Ladestrom, "#,###0.0"));

    zeilen.punkt();  // 48: the proposed supply units were not taken
    if (!istTL300(typ) && (!DXAAnzahl(z).eingehalten || !ZOLWAnzahl(z).eingehalten)) {
        std::string s = Text(601) + " ";
        if (!DXAAnzahl(z).eingehalten) s += "DXA 1000 ";
        if (!ZOLWAnzahl(z).eingehalten) s += "ZOLW ";
        zeilen.zeile(s + Text(602));
        zeilen.zeile(Text(603));
        z.EPOKennz = "N";
    }

    zeilen.punkt();  // 49: the TL 300 feeds at most 600 mA of 12 V loop modules
    if (istTL300(typ) && !TL300Module12(z).eingehalten) {
        zeilen.zeile(mit(ZahlText(z.INetz12), Text(740)));
        zeilen.zeile("Max: 600 mA (2 x 300 mA) in TL 300!");
        z.EPOKennz = "N";
    }

    zeilen.punkt();  // 50
    if (istTL300(typ) && z.EPOKennz == "N") {
        zeilen.zeile(reihe('!', 51));
        zeilen.zeile(Text(604));
        zeilen.zeile(Text(661));
        if (z.AnzPSM == 0) zeilen.zeile(Text(734));
        zeilen.zeile(reihe('!', 51));
    }

    // 51
    if (z.EPOKennz == "N") ms.meldung(Symbol::Ausrufezeichen, Nr(605));

    zeilen.punkt();  // 52
    if (istKVT2000(typ) && z.OLNJa == 1 &&
        (z.EPOKennz == "N" || z.DXAVorschlag + z.AnzDXA + z.AnzZOLW + z.ZOLWVorschlag > 0)) {
        zeilen.zeile(Text(606));
        zeilen.zeile(Text(607));
    }

    zeilen.punkt();  // 53
    if (z.PQSWahl == 2 || z.PQBWahl == 2 || z.DUVWahl == 2) zeilen.zeile(Text(608));

    zeilen.punkt();  // 54
    if (istTL300(typ) && z.EPOKennz == "N" && z.PSMParallel == 2 && z.AnzPSM >= 1) zeilen.zeile(Text(741));

    zeilen.punkt();  // 55
    if (z.EPOKennz == "N" && z.CodeModus == "V") zeilen.zeile(Text(550));

    zeilen.punkt();  // 56
    Lasttabelle(zeilen, {610, z.Ext12Name, z.Ext12Menge, z.Ext12RuheI, z.Ext12AlarmI, z.Ext12Ruhe, z.Ext12Alarm}, brand);
    zeilen.punkt();  // 57
    Lasttabelle(zeilen, {617, z.Ext28Name, z.Ext28Menge, z.Ext28RuheI, z.Ext28AlarmI, z.Ext28Ruhe, z.Ext28Alarm}, brand);

    zeilen.punkt();  // 58: peak current of the 28 V transformer
    const double spitze = static_cast<double>(z.Ext28Alarm) + z.I28AlarmBasis;
    if (!istTL300(typ) && spitze > 2000) {
        zeilen.zeile(Text(618));
        zeilen.zeile(Text(619));
        zeilen.zeile(Text(620));
    } else if (istTL300(typ)) {
        const double grenze = static_cast<double>(z.Trafo28Zus) + z.Trafo28Max;
        if (spitze > grenze) {
            zeilen.zeile(Text(618));
            zeilen.zeile(ZahlText(grenze) + " mA " + Text(662));
        }
    }

    zeilen.punkt();  // 59
    if (static_cast<double>(z.I28Alarm) + z.I28AlarmBasis > 0) zeilen.zeile(Text(753));

    zeilen.punkt();  // 60
    if (z.IRuhe != 0) Leistung(z, zeilen);

    zeilen.punkt();  // 61
    if (!z.Bemerkung1.empty()) {
        zeilen.zeile(Text(635));
        zeilen.zeile("**********");
        zeilen.zeile(z.Bemerkung1);
        zeilen.zeile(z.Bemerkung2);
        zeilen.zeile(z.Bemerkung3);
    }
}

}  // namespace tarvis::bericht
