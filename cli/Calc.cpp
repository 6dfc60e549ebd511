#include "Calc.h"


#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <nlohmann/json.hpp>

#include "Ausgabebefehle.h"
#include "BatchMessages.h"
#include "JsonObjekt.h"
#include "Projektlauf.h"
#include "calc/Auswerten.h"
#include "io/TextFile.h"
#include "projekt/EStrom.h"
#include "projekt/Katalog.h"
#include "projekt/ProjektDatei.h"

namespace tarvis::cli {
namespace {

namespace fs = std::filesystem;

// The results of the calculation by their variable names, in the order of
// the output.
struct Wert {
    const char* name;
    std::string json;  // the value as JSON text
    std::string text;
};

std::vector<Wert> summen(const Zustand& z) {
    std::vector<Wert> w;
    auto f = [&](const char* name, float v) { w.push_back({name, alsJsonZahl(v), neunStellen(v)}); };
    auto i = [&](const char* name, long long v) { w.push_back({name, std::to_string(v), std::to_string(v)}); };
    auto t = [&](const char* name, const std::string& v) { w.push_back({name, Json(v).dump(), v}); };
    f("IRuhe", z.IRuhe);
    f("IAlarm", z.IAlarm);
    f("IKBN35", z.IKBN35);
    f("I28", z.I28);
    f("I28Ruhe", z.I28Ruhe);
    f("I28AlarmBasis", z.I28AlarmBasis);
    f("I28Alarm", z.I28Alarm);
    f("INetz12", z.INetz12);
    f("BatKapazitaet", z.BatKapazitaet);
    i("AnzBatterien", z.AnzBatterien);
    i("AnzBat24", z.AnzBat24);
    i("AnzBat40", z.AnzBat40);
    i("AnzBat17", z.AnzBat17);
    i("BatAhGesamt", z.BatAhGesamt);
    f("Ladestrom", z.Ladestrom);
    f("NetzMax12", z.NetzMax12);
    f("NetzMax28", z.NetzMax28);
    f("Trafo28Max", z.Trafo28Max);
    f("Trafo28Zus", z.Trafo28Zus);
    Json bedarf = Json::array();
    std::string bedarfText;
    for (std::size_t k = 1; k <= 5; ++k) {
        bedarf.push_back(z.DXABedarf[k]);
        bedarfText += (k > 1 ? " " : "") + std::to_string(z.DXABedarf[k]);
    }
    w.push_back({"DXABedarf", bedarf.dump(), bedarfText});
    i("DXAVorschlag", z.DXAVorschlag);
    i("ZOLWVorschlag", z.ZOLWVorschlag);
    i("AnzDXA", z.AnzDXA);
    i("AnzZOLW", z.AnzZOLW);
    t("EPOKennz", z.EPOKennz.str());
    t("Kennz11E", z.Kennz11E.str());
    i("Trafo28Ueber", z.Trafo28Ueber);
    i("ZusKennz", z.ZusKennz);
    return w;
}

Json mengen(const Zustand& z) {
    Json m = Json::object();
    // Every record number once: appended without the object's key search.
    auto& eintraege = m.get_ref<Json::object_t&>();
    for (int i = 1; i <= kMaxSatz; ++i)
        if (z.Menge[i] != 0)
            eintraege.emplace_back(std::to_string(i), z.Menge[i]);
    return m;
}

}  // namespace

Json MeldungenJson(const std::vector<int>& nummern) {
    Json m = Json::array();
    for (int n : nummern) m.push_back(n);
    return m;
}

const char* haltName(AuswertenHalt h) {
    switch (h) {
    case AuswertenHalt::Zentralentyp: return "type";
    case AuswertenHalt::Schnittstellen: return "interfaces";
    case AuswertenHalt::DXAGeh: return "supply";
    case AuswertenHalt::Laufzeitfehler: return "error";
    case AuswertenHalt::Keiner: break;
    }
    return "";
}

JsonObjekt CalcJson(Programm& p, BatchMessages& ms, AuswertenHalt halt) {
    const Zustand& z = p.z;
    JsonObjekt j;
    if (halt != AuswertenHalt::Keiner) j.setzen("stopped", haltName(halt));
    if (halt == AuswertenHalt::Schnittstellen) {
        j.setzen("ZusKennz", z.ZusKennz);
    } else if (halt == AuswertenHalt::Zentralentyp || halt == AuswertenHalt::Laufzeitfehler) {
        j.setzen("ZentralenTyp", z.ZentralenTyp);
    } else {
        // A run stopped in the supply window keeps the results of that run.
        j.setzen("ZentralenTyp", z.ZentralenTyp);
        j.setzen("Menge", mengen(z));
        for (const Wert& w : summen(z)) j.roh(w.name, w.json);
        if (halt == AuswertenHalt::Keiner) {
            // The report after a complete calculation; it may turn EPOKennz to "N".
            BerichtErgebnis b = BerichtNachRechnung(p, ms);
            j.setzen("Hinweiszeile", b.zeilen);
            j.setzen("EPOKennzBericht", b.epoKennz);
        }
    }
    j.setzen("Meldungen", MeldungenJson(ms.nummern()));
    return j;
}

namespace {

void textAusgeben(const Programm& p, AuswertenHalt halt, std::ostream& aus) {
    const Zustand& z = p.z;
    if (halt != AuswertenHalt::Keiner) aus << "stopped: " << haltName(halt) << "\n";
    if (halt != AuswertenHalt::Keiner && halt != AuswertenHalt::DXAGeh) return;
    aus << z.Projektname << " - " << z.ZentralenName << " (ZentralenTyp " << z.ZentralenTyp << ")\n\n";
    for (int i = 1; i <= kMaxSatz; ++i) {
        const Integer menge = z.Menge[i];
        if (menge == 0) continue;
        char zeile[32];
        std::snprintf(zeile, sizeof zeile, "%4d %6d  ", i, menge);
        aus << zeile << p.katalog.satz(i).Bezeichnung.trimmed() << "\n";
    }
    aus << "\n";
    for (const Wert& w : summen(z)) {
        std::string name = w.name;
        name.resize(14, ' ');
        aus << name << w.text << "\n";
    }
}

}  // namespace

int calc(const CalcOptionen& o, std::ostream& aus, std::ostream& fehler) {
    auto start = Programmstart(o.programmVerzeichnis, fehler);
    if (!start) return 2;
    Programm& p = *start;

    if (auto lesbar = io::readable(o.datei); !lesbar) {
        fehler << "tarvis-cli: cannot read " << o.datei.string() << ": " << lesbar.error().beschreibung << "\n";
        return 2;
    }
    std::error_code ec;
    BatchMessages ms(p, fehler);
    ms.dxa = o.dxa;
    ms.zolw = o.zolw;
    const LadeErgebnis geladen = ProjektOeffnen(p, ms, fs::absolute(o.datei, ec));
    if (geladen != LadeErgebnis::Geladen) {
        fehler << "tarvis-cli: " << o.datei.string() << ": "
               << (geladen == LadeErgebnis::Abgelehnt ? "the project is refused" : "not a readable project file")
               << "\n";
        return 2;
    }

    ms.neuBeginnen();
    const AuswertenHalt halt = AuswertenAblauf(p, ms);
    if (o.json) aus << CalcJson(p, ms, halt).text() << "\n";
    else textAusgeben(p, halt, aus);
    return halt == AuswertenHalt::Keiner ? 0 : 1;
}

}  // namespace tarvis::cli
