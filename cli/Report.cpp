// `tarvis-cli report` and `tarvis-cli print`.
#include "Ausgabebefehle.h"
#include "BatchMessages.h"
#include "Projektlauf.h"
#include "calc/Artikelliste.h"
#include "calc/Bericht.h"
#include "calc/Ergebnisliste.h"
#include "loops/KBNDruck.h"

namespace tarvis::cli {

BerichtErgebnis BerichtNachRechnung(Programm& p, MessageService& ms) {
    HinweisAktivieren(p, ms);
    BerichtErgebnis e;
    for (int k = 1; k < p.z.HinweisAnz; ++k) e.zeilen.push_back(p.z.Hinweiszeile[static_cast<std::size_t>(k)]);
    e.epoKennz = p.z.EPOKennz.str();
    return e;
}

int report(const AusgabeOptionen& o, std::ostream& aus, std::ostream& fehler) {
    auto p = Programmstart(o.programmVerzeichnis, fehler);
    if (!p) return 2;
    BatchMessages ms(*p, fehler);
    auto halt = ProjektRechnen(*p, ms, o.datei, fehler);
    if (!halt) return 2;
    if (*halt != AuswertenHalt::Keiner) return 1;
    for (const std::string& zeile : BerichtNachRechnung(*p, ms).zeilen) aus << zeile << "\n";
    return 0;
}

int print(const AusgabeOptionen& o, std::ostream& aus, std::ostream& fehler) {
    auto p = Programmstart(o.programmVerzeichnis, fehler);
    if (!p) return 2;
    BatchMessages ms(*p, fehler);
    const Zeitstempel t = Zeit(o.datum, o.zeit);
    if (o.art == "articles") {
        p->z.CodeModus = o.modus;
        p->z.Schwerpunkt = o.fokus;
        aus << AlsText(ArtikellisteSeiten(*p));
        return 0;
    }
    if (o.datei.empty()) {
        fehler << "tarvis-cli: print " << o.art << " needs a project file\n";
        return 2;
    }
    if (o.art == "loops") {
        if (!ProjektOeffnenBatch(*p, ms, o.datei, fehler)) return 2;
        aus << AlsText(KBNDruckSeiten(*p, o.alle, t));
        return 0;
    }
    auto halt = ProjektRechnen(*p, ms, o.datei, fehler);
    if (!halt) return 2;
    if (*halt != AuswertenHalt::Keiner) return 1;
    HinweisAktivieren(*p, ms);
    aus << AlsText(ErgebnislisteSeiten(*p, t));
    return 0;
}

}  // namespace tarvis::cli
