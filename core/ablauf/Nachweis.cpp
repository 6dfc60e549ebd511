#include "ablauf/Nachweis.h"

#include <algorithm>

#include "calc/Bericht.h"
#include "io/Cp1252.h"
#include "loops/DXAGehPruefung.h"
#include "loops/KBNGrenzen.h"
#include "projekt/Format.h"
#include "projekt/KBNSummen.h"
#include "projekt/Texte.h"

namespace tarvis {

namespace {

NachweisGrenze bindend(Grenzwert g, int schleife = 0) { return {g, schleife, true}; }

// A criterion of the supply sizing as a limit of the panel's own unit: kept
// while the sizing needs no unit for it.
NachweisGrenze kriteriumGrenze(int text, const Versorgungskriterium& c) {
    return {{text, c.last, c.grenze, c.bedarf < 1}, 0, false};
}

std::vector<NachweisGrenze> grenzen(const Programm& p, const Nachweis& n) {
    const Zustand& z = p.z;
    std::vector<NachweisGrenze> g;
    const int kriteriumText[] = {0, 0, 2185, 2186, 2187, 2188};
    for (int k = 2; k <= 5; ++k)
        if (n.kriterien[static_cast<std::size_t>(k)].gilt)
            g.push_back(kriteriumGrenze(kriteriumText[k], n.kriterien[static_cast<std::size_t>(k)]));
    if (const auto& a = n.strom.ausgaenge) {
        g.push_back({{2189, a->last12, a->grenze12, !(a->last12 > a->grenze12)}, 0, false});
        g.push_back({{2190, a->last28, a->grenze28, !(a->last28 > a->grenze28)}, 0, false});
    }
    if (istTL300(z.ZentralenTyp)) {
        g.push_back(bindend(TL300Batterien(z, z.Menge[274])));
        g.push_back(bindend(TL300Trafo28(z)));
        g.push_back(bindend(TL300Netz12(z)));
        g.push_back(bindend(TL300Module12(z)));
    }
    g.push_back(bindend(DXAAnzahl(z)));
    g.push_back(bindend(ZOLWAnzahl(z)));

    // The loops against the limits of the loop entry.
    const KBNSummen s = KBNSummenBilden(z, p.katalog);
    for (int k = 1; k <= 4; ++k) {
        const auto e = static_cast<double>(s.elemente[static_cast<std::size_t>(k)]);
        const double i = s.strom[static_cast<std::size_t>(k)];
        if (e == 0 && i == 0) continue;
        g.push_back(bindend({2207, e, kMaxElementeJeLoop, !(e > kMaxElementeJeLoop)}, k));
        g.push_back(bindend({2208, i, kMaxStromJeLoop, !(i > kMaxStromJeLoop)}, k));
    }
    return g;
}

// --- The document ---------------------------------------------------------

// Columns of the tables: the label from column 5, quantity, current of one,
// voltage and value right-aligned up to column 79.
constexpr int kLinks = 5;
constexpr std::size_t kLabelBreite = 40;

std::string rechts(const std::string& s, std::size_t breite) { return FormatText(s, std::string(breite, '@')); }
std::string mA(double x) { return Format(x, "#,##0.00"); }
std::string ganz(double x) { return Format(x, "#,##0"); }
std::string kurz(const std::string& s) { return io::utf8Left(s, kLabelBreite); }

class Dokument {
public:
    explicit Dokument(Druckauftrag& a) : a_(a) {}

    void titel(const std::string& text) {
        a_.leer();
        a_.zeile().bei(kLinks, text);
        a_.zeile().bei(kLinks, std::string(io::utf8Length(text), '-'));
    }
    void text(const std::string& s, int spalte = kLinks) { a_.zeile().bei(spalte, s); }
    // A label and its value beside it.
    void wert(const std::string& label, const std::string& v) { a_.zeile().bei(kLinks, label).bei(kLinks + 30, v); }
    void leer() { a_.leer(); }

    void termKopf(bool zwoelf) {
        a_.zeile()
            .bei(kLinks, Text(2148))
            .bei(46, rechts(Text(2149), 7))
            .bei(54, rechts(Text(2150), 10))
            .bei(65, rechts("V", 3))
            .bei(69, rechts(Text(zwoelf ? 2152 : 2151), 11));
    }
    void term(const Programm& p, const Stromterm& t) {
        a_.zeile().bei(kLinks, kurz(TermName(p, t)));
        a_.bei(46, rechts(t.menge ? ZahlText(*t.menge) : std::string(), 7));
        a_.bei(54, rechts(mA(t.einzel), 10)).bei(65, rechts(std::to_string(t.volt), 3));
        a_.bei(69, rechts(mA(t.mA) + (t.gerundet ? "*" : ""), 11));
    }
    // A sum line: its label and the value in the value column.
    void summe(const std::string& label, double v) {
        a_.zeile().bei(kLinks, kurz(label)).bei(69, rechts(mA(v), 11));
    }

private:
    Druckauftrag& a_;
};

double summeVon(const std::vector<Stromterm>& terme) {
    double s = 0;
    for (const Stromterm& t : terme) s += t.mA;
    return s;
}

void termTabelle(Dokument& d, const Programm& p, const std::vector<Stromterm>& terme, bool zwoelf) {
    d.termKopf(zwoelf);
    for (const Stromterm& t : terme) d.term(p, t);
    d.summe(Text(2153), summeVon(terme));
}

void strombilanz(Dokument& d, const Programm& p, const Nachweis& n) {
    const Zustand& z = p.z;
    d.titel(Text(2144));
    termTabelle(d, p, n.strom.ruhe, true);
    d.summe(Text(2154), static_cast<double>(z.IRuhe) - n.strom.ruheVorReserve);
    d.summe(Text(2155), z.IRuhe);

    d.titel(Text(2145));
    termTabelle(d, p, n.strom.alarm, true);
    if (n.strom.alarmAngehoben) d.summe(Text(2156), z.IAlarm);
    d.summe(Text(2157), z.IAlarm);
    if (std::any_of(n.strom.ruhe.begin(), n.strom.ruhe.end(), [](const Stromterm& t) { return t.gerundet; }))
        d.text(Text(2158));

    d.titel(Text(2146));
    termTabelle(d, p, n.strom.kbn35, false);
    d.titel(Text(2147));
    termTabelle(d, p, n.strom.v28, false);
    d.summe(Text(2159), z.I28);
}

void batterien(Dokument& d, const Programm& p, const Nachweis& n) {
    const Zustand& z = p.z;
    d.titel(Text(2160));
    if (!n.formel) {
        d.text(Text(2168));
    } else {
        const Batterieformel& f = *n.formel;
        d.text(Text(f.brand ? 2161 : 2162));
        if (f.brand) d.text("    " + Text(2225));
        d.wert(Text(2163), ZahlText(z.UeZeit) + " h");
        if (f.brand) {
            d.wert(Text(2166), ZahlText(f.tV) + " h (" + ZahlText(z.Verzwahl) + " min)");
            d.wert(Text(2167), "0,5 h");
            d.wert("IR", mA(z.IRuhe) + " mA");
            d.wert("IA", mA(z.IAlarm) + " mA");
            d.wert("k", Format(f.k, "0.00") + "  " + Text(f.k > 1 ? 2164 : 2165));
            d.text("C = ((" + ZahlText(z.UeZeit) + " + " + ZahlText(f.tV) + ") x " + mA(z.IRuhe) + " / 1000");
            d.text("      + " + mA(z.IAlarm) + " x 0,5 / 1000 + " + mA(z.IRuhe) + " x 0,5 / 1000) x " + Format(f.k, "0.00"));
        } else {
            d.wert("IR", mA(z.IRuhe) + " mA");
            d.text("C = [" + ZahlText(z.UeZeit) + " x " + mA(z.IRuhe) + " / 1000] + 0,5");
        }
    }
    d.wert(Text(2169), ZahlText(z.BatKapazitaet) + " Ah");
    const std::pair<Integer, const char*> arten[] = {
        {z.AnzBat24, " x 12 V/24 Ah"}, {z.AnzBat40, " x 12 V/40 Ah"}, {z.AnzBat17, " x 12 V/17 Ah"}};
    bool keine = true;
    for (const auto& [anzahl, art] : arten) {
        if (anzahl <= 0) continue;
        d.wert(keine ? Text(2170) : std::string(), ZahlText(anzahl) + art);
        keine = false;
    }
    if (keine) d.wert(Text(2170), "0");
    d.wert(Text(2171), ZahlText(z.BatAhGesamt) + " Ah");
    d.wert(Text(2172), Format(z.Ladestrom, "#,###0.0") + " mA");
    d.wert(Text(2173), n.autonomie ? ZahlText(*n.autonomie) + " " + Text(2174) : Text(2175));
}

void grenzenTabelle(Dokument& d, const Nachweis& n, Druckauftrag& a) {
    d.titel(Text(2176));
    a.zeile()
        .bei(kLinks, Text(2177))
        .bei(46, rechts(Text(2178), 11))
        .bei(58, rechts(Text(2179), 10))
        .bei(70, Text(2180));
    for (const NachweisGrenze& g : n.grenzen) {
        a.zeile()
            .bei(kLinks, kurz(GrenzName(g)))
            .bei(46, rechts(ganz(g.wert.last), 11))
            .bei(58, rechts(ganz(g.wert.grenze), 10))
            .bei(70, Text(g.wert.eingehalten ? 2181 : 2182));
    }
}

void kriterien(Dokument& d, const Programm& p, const Nachweis& n, Druckauftrag& a) {
    const Zustand& z = p.z;
    d.titel(Text(2198));
    a.zeile()
        .bei(kLinks, Text(2199))
        .bei(37, rechts(Text(2178), 10))
        .bei(48, rechts(Text(2179), 9))
        .bei(59, rechts(Text(2201), 10))
        .bei(70, rechts(Text(2202), 9));
    a.zeile().bei(kLinks, "1 " + Text(2203) + " " + ZahlText(z.BatKapazitaet) + " Ah").bei(70, rechts(ZahlText(z.DXABedarf[1]), 9));
    const int texte[] = {0, 0, 2204, 2205, 2206, 2209};
    for (int k = 2; k <= 5; ++k) {
        const Versorgungskriterium& c = n.kriterien[static_cast<std::size_t>(k)];
        if (!c.gilt) continue;
        a.zeile()
            .bei(kLinks, std::to_string(k) + " " + Text(texte[k]))
            .bei(37, rechts(ganz(c.last), 10))
            .bei(48, rechts(ganz(c.grenze), 9))
            .bei(59, rechts(ganz(c.je), 10))
            .bei(70, rechts(ZahlText(z.DXABedarf[static_cast<std::size_t>(k)]), 9));
    }
    d.wert(Text(2210), "DXA 1000: " + ZahlText(z.DXAVorschlag) + "   ZOLW: " + ZahlText(z.ZOLWVorschlag));
    d.wert(Text(2211), "DXA 1000: " + ZahlText(z.AnzDXA) + "   ZOLW: " + ZahlText(z.AnzZOLW));
}

// The calculation without windows: the JUBL window keeps its count, the
// supply window confirms the units the project holds.
class StilleRechnung : public MessageService {
public:
    explicit StilleRechnung(Zustand& z) : z_(z) {}
    std::vector<int> nummern;

    void zeigen(const Meldung& m) override { merken(m); }
    Antwort fragen(const Meldung& m) override {
        merken(m);
        if (m.standard != Antwort::Keine) return m.standard;
        return m.knoepfe == Schaltflaechen::Ok || m.knoepfe == Schaltflaechen::OkAbbrechen ? Antwort::Ok : Antwort::Ja;
    }
    std::optional<std::string> eingeben(const Meldung& m, const std::string&) override {
        merken(m);
        return std::nullopt;
    }
    bool oeffnen(Fenster f) override {
        if (f == Fenster::JUBLSpeis) return true;
        if (f == Fenster::DXAGeh) return DXAGehWeiter(z_, *this);
        return false;
    }
    void hilfe(int) override {}
    void piepen() override {}

private:
    void merken(const Meldung& m) {
        if (int n = m.text.nummer(); n != 0) nummern.push_back(n);
    }
    Zustand& z_;
};

}  // namespace

std::string TermName(const Programm& p, const Stromterm& t) {
    std::string name = t.satz > 0 ? p.katalog.satz(t.satz).Bezeichnung.trimmed() : std::string();
    if (t.text == 0) return name;
    return name.empty() ? Text(t.text) : Text(t.text) + " " + name;
}

std::string GrenzName(const NachweisGrenze& g) {
    if (g.schleife == 0) return Text(g.wert.text);
    return Text(2212) + " " + std::to_string(g.schleife) + ": " + Text(g.wert.text);
}

bool Nachweis::grenzenEingehalten() const { return ueberschritten().empty(); }

std::vector<NachweisGrenze> Nachweis::ueberschritten() const {
    std::vector<NachweisGrenze> u;
    for (const NachweisGrenze& g : grenzen)
        if (g.bindend && !g.wert.eingehalten) u.push_back(g);
    return u;
}

Nachweis NachweisErstellen(const Programm& p, Stromprotokoll strom) {
    const Zustand& z = p.z;
    Nachweis n;
    n.strom = std::move(strom);
    if (z.UeZeit > 0) n.formel = BatterieformelFuer(z, z.UeZeit);
    n.autonomie = Autonomie(z);
    for (int k = 2; k <= 5; ++k) n.kriterien[static_cast<std::size_t>(k)] = VersorgungskriteriumFuer(z, k);
    n.grenzen = grenzen(p, n);
    return n;
}

Druckauftrag NachweisSeiten(const Programm& p, const Nachweis& n, const Zeitstempel& t) {
    const Zustand& z = p.z;
    Druckauftrag a;
    a.schrift = z.DruckSchrift;
    a.groesse = z.DruckGroesse;
    Dokument d(a);

    a.leer();
    const std::string& titel = Text(2140);
    a.zeile().bei(kLinks, titel);
    a.zeile().bei(kLinks, std::string(io::utf8Length(titel), '='));
    a.leer();
    a.zeile().bei(kLinks, Text(322)).bei(23, z.Projektname).bei(51, "TARVIS Version " + z.PrgVersion);
    a.zeile().bei(kLinks, Text(2142)).bei(23, ZentralenNameFuer(z.ZentralenTyp)).bei(51, Text(2223) + " " + t.datum);
    a.zeile().bei(kLinks, Text(328)).bei(23, z.Sachbearbeiter).bei(51, Text(2224) + " " + t.zeit);

    strombilanz(d, p, n);
    batterien(d, p, n);
    grenzenTabelle(d, n, a);
    kriterien(d, p, n, a);
    d.leer();
    d.text(Text(n.grenzenEingehalten() ? 2213 : 2214));
    return a;
}

Nachrechnung NachweisNachrechnen(const Programm& p) {
    Nachrechnung r{p, {}, AuswertenHalt::Keiner, {}};
    StilleRechnung ms(r.p.z);
    r.halt = AuswertenAblauf(r.p, ms, &r.strom);
    if (r.halt == AuswertenHalt::Keiner) HinweisAktivieren(r.p, ms);
    r.meldungen = std::move(ms.nummern);
    return r;
}

}  // namespace tarvis
