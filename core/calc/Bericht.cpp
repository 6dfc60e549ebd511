#include "calc/Bericht.h"

#include <algorithm>

#include "calc/BerichtZeilen.h"
#include "projekt/Netzgrenzwerte.h"
#include "io/Cp1252.h"
#include "projekt/Texte.h"

namespace tarvis {
namespace bericht {

namespace {
constexpr Integer kLetzteZeile = 149;
constexpr Integer kHoechstesAnz = 150;
}  // namespace

Zeilen::Zeilen(Zustand& z) : z_(z) {
    for (auto& s : z_.Hinweiszeile) s.clear();
    z_.HinweisAnz = 1;
}

void Zeilen::vorPunkt() {
    if (!leerVorPunkt_) return;
    leerVorPunkt_ = false;
    leer();
}

void Zeilen::zeile(const std::string& text) {
    vorPunkt();
    if (z_.HinweisAnz > kLetzteZeile) return;
    z_.Hinweiszeile[static_cast<std::size_t>(z_.HinweisAnz)] = text;
    ++z_.HinweisAnz;
}

void Zeilen::leer() {
    vorPunkt();
    if (z_.HinweisAnz < kHoechstesAnz) ++z_.HinweisAnz;
}

std::string reihe(char c, std::size_t n) { return std::string(n, c); }

std::string mit(const std::string& a, const std::string& b) { return a + " " + b; }

namespace {

int M(const Zustand& z, int i) { return z.Menge[i]; }

bool irgendeine(const Zustand& z, int von, int bis, int ueber = 0) {
    for (int i = von; i <= bis; ++i)
        if (M(z, i) > ueber) return true;
    return false;
}

std::string ohneEndblanks(const std::string& s) {
    auto e = s.find_last_not_of(' ');
    return e == std::string::npos ? std::string() : s.substr(0, e + 1);
}

// Label, name and a row of "*" under it as long as the line.
void ueberschrift(Zeilen& zeilen, const std::string& label, const std::string& name) {
    std::string kopf = mit(label, name);
    zeilen.zeile(kopf);
    zeilen.zeile(reihe('*', io::utf8Length(kopf)));
}

void Verknuepfungshinweise(const Zustand& z, Zeilen& zeilen) {
    ueberschrift(zeilen, "Hinweise zu Projekt:", z.Projektname);
    for (const char* s : {
             "Sie haben 2 KVT 2000 KBN Brand verknüpft zu 1 KVT 2000/6 B",
             "Zur Weiterbearbeitung mit OKTA wurde eine Übergabedatei .EPO gespeichert.",
             "Falls Sie ohne OKTA eine Bestellung im SAP veranlassen möchten,",
             "öffnen Sie bitte die Datei mit der Endung >.TXT< mit einem beliebigen",
             "ASCII-Texteditor, z. B. NOTEPAD.EXE oder Word und drucken Sie sie aus.",
             "Die übliche PLM-Datei von TARVIS gibt es hierfür nicht.",
             "Es existieren zwei separate PLM-Dateien der beiden KVT 2000.",
             "Diese enthalten jedoch überflüssige Komponenten:",
             "2xKVT 2000 B, 2xRAVI 1, 4xWX 20, 1xDKM 100.",
             kSeitenwechsel,
         })
        zeilen.zeile(s);
}

}  // namespace

// Items 1..23: delivery notes and warnings about the project.
void Hinweise(Programm& p, Zeilen& zeilen) {
    Zustand& z = p.z;
    const int typ = z.ZentralenTyp;
    auto texte = [&](std::initializer_list<int> nummern) {
        for (int n : nummern) zeilen.zeile(Text(n));
    };

    zeilen.punkt();  // 1
    ueberschrift(zeilen, Text(335), z.Projektname);
    zeilen.leer();

    zeilen.punkt();  // 2
    texte({337, 338, 529, 530});
    zeilen.zeile("Only for users of the English version of TARVIS:");
    zeilen.zeile("The program contains material numbers (ID.) of the German products only.");
    zeilen.zeile("When the English version is required please exchange the numbers.");
    texte({692, 693, 694});

    zeilen.punkt();  // 3: loop elements whose code is still missing
    int ohneCode = 0, ohneSachnummer = 0;
    for (int i = 504; i <= kMaxSatz; ++i) {
        if (M(z, i) <= 0) continue;
        const KatSatz& s = p.katalog.satz(i);
        const std::string& code = LIBEXCode(s, typ);
        if (code.ends_with("    ") || code.ends_with("0000")) ++ohneCode;
        if (s.Sachnummer.str().ends_with("0000")) ++ohneSachnummer;
    }
    if (int n = std::max(ohneCode, ohneSachnummer); n > 0) {
        zeilen.zeile(reihe('!', 63));
        zeilen.zeile(mit(mit(Text(534), std::to_string(n)), Text(535)));
        zeilen.zeile(Text(536));
        zeilen.zeile(reihe('!', 63));
    }

    zeilen.punkt();  // 4
    if (z.NichtLieferbar == 1) texte({537, 538});
    if (z.TypFehler == 1) texte({539, 541, 542, 543});
    if (z.TypUngueltig == 1) texte({546, 547});

    zeilen.punkt();  // 5
    zeilen.zeile(Text(z.CodeModus == "S" ? 548 : 549));

    zeilen.punkt();  // 6
    if (z.JUBLFrage == 1) {
        zeilen.zeile(Text(551));
        if (z.AnzJUBL == 0) {
            zeilen.zeile(Text(552));
            if (istRW500(typ)) zeilen.zeile(Text(553));
        }
    }

    zeilen.punkt();  // 7
    if (istRW500(typ) && z.AnzBE >= 1 && z.AnzBE > z.AnzBE2) texte({554, 555});

    zeilen.punkt();  // 8
    if (M(z, 648) + M(z, 649) > 0) {
        std::string namen;
        for (int i : {648, 649}) {
            if (M(z, i) <= 0) continue;
            if (!namen.empty()) namen += ", ";
            namen += ohneEndblanks(p.katalog.satz(i).Bezeichnung.str());
        }
        zeilen.zeile(mit(Text(556), namen));
        texte({557, 558});
    }

    zeilen.punkt();  // 9
    if (istTL300(typ) && M(z, 607) + M(z, 609) + M(z, 610) >= 1) texte({666, 667, 668});

    const double t28 = static_cast<double>(z.Ext28Ruhe) + z.I28 + z.Ext28Alarm + z.I28Alarm;
    zeilen.punkt();  // 10
    if (istTL300(typ) && z.Trafo28Ueber == 1 && z.Wandler28 == 0 && t28 > z.Trafo28Max) {
        zeilen.zeile(reihe('!', 53));
        texte({682, 683, 734});
        zeilen.zeile(reihe('!', 53));
    }

    zeilen.punkt();  // 11
    if (z.AnzDXA > z.DXAVorschlag) zeilen.zeile(Text(684));

    zeilen.punkt();  // 12
    if (z.AnzDXA >= 1 && z.AnzDXA + 1 > z.AnzBatterien && !istTL300(typ)) texte({559, 560});

    zeilen.punkt();  // 13
    if (istRW500(typ) && z.YAwahl >= 1 && z.Schnitt1 == 2) zeilen.zeile(Text(562));

    zeilen.punkt();  // 14
    if (z.Tele == 0 || z.Tele == 2) zeilen.zeile(Text(705));

    zeilen.punkt();  // 15
    if (z.ZusAbbruch == 1) zeilen.zeile(Text(563));

    zeilen.punkt();  // 16: OLN networking
    if (z.OLNJa == 1 && (z.OLN1b == 1 || z.OLN2b == 1)) texte({758, 759, 760});
    if (z.OLNJa == 1) {
        texte({566, 567, 568, 569, 570});
        if (istKVT2000N(typ)) zeilen.zeile(Text(681));
    }

    zeilen.punkt();  // 17
    if (irgendeine(z, 504, kMaxSatz)) zeilen.zeile(Text(571));

    zeilen.punkt();  // 18
    if (z.SDwahl != 0) {
        zeilen.zeile(Text(572));
        if (z.SDwahl < 5 && !istRW500(typ)) zeilen.zeile(Text(754));
    }

    zeilen.punkt();  // 19
    if (M(z, 512) > 0) zeilen.zeile(Text(752));

    zeilen.punkt();  // 20
    if (irgendeine(z, 342, 352)) texte({573, 574});

    zeilen.punkt();  // 21
    if (M(z, 677) + M(z, 678) + M(z, 679) > 0) texte({663, 664, 665});

    zeilen.punkt();  // 22: the second doubler cannot feed 12 V and 28 V loads at once
    bool f = z.PQK12 > 0 || z.PQVspeis == 1;
    bool h28 = static_cast<double>(z.PQK28) + z.I28 + z.I28Ruhe + z.I28AlarmBasis + z.I28Alarm > 0;
    if (f && h28 && z.AnzMG > 0) zeilen.zeile(Text(575));
    if ((z.Ext28Ruhe > 0 && f) || (z.Ext12Ruhe > 0 && h28)) zeilen.zeile(Text(576));

    zeilen.punkt();  // 23
    if (M(z, 147) >= 1 && istRW500(typ)) texte({579, 580, 581});
}

}  // namespace bericht

void HinweisErstellen(Programm& p, MessageService& ms) {
    bericht::Zeilen zeilen(p.z);
    if (p.z.Verknuepft == 1) {
        bericht::Verknuepfungshinweise(p.z, zeilen);
        return;
    }
    bericht::Hinweise(p, zeilen);
    bericht::Strombericht(p, ms, zeilen);
}

std::vector<std::string> HinweisAktivieren(Programm& p, MessageService& ms) {
    Netzgrenzwerte(p.z);
    HinweisErstellen(p, ms);
    std::vector<std::string> zeilen;
    for (int k = 1; k < p.z.HinweisAnz; ++k) {
        const std::string& s = p.z.Hinweiszeile[static_cast<std::size_t>(k)];
        zeilen.push_back(s == kSeitenwechsel ? std::string() : s);
    }
    return zeilen;
}

}  // namespace tarvis
