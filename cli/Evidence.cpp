#include "Evidence.h"

#include "BatchMessages.h"
#include "JsonObjekt.h"
#include "Projektlauf.h"
#include "ablauf/Nachweis.h"
#include "calc/Bericht.h"

namespace tarvis::cli {

namespace {

Json terme(const Programm& p, const std::vector<Stromterm>& liste) {
    Json a = Json::array();
    for (const Stromterm& t : liste) a.push_back(Json{{"Text", TermName(p, t)}, {"mA", t.mA}});
    return a;
}

}  // namespace

int evidence(const EvidenceOptionen& o, std::ostream& aus, std::ostream& fehler) {
    auto start = Programmstart(o.programmVerzeichnis, fehler);
    if (!start) return 2;
    Programm& p = *start;
    BatchMessages ms(p, fehler);
    if (!ProjektOeffnenBatch(p, ms, o.datei, fehler)) return 2;

    ms.neuBeginnen();
    Stromprotokoll strom;
    const AuswertenHalt halt = AuswertenAblauf(p, ms, &strom);
    if (o.json) {
        // The object of calc, which runs the report after a complete calculation.
        JsonObjekt j = CalcJson(p, ms, halt);
        if (halt == AuswertenHalt::Keiner) {
            const Nachweis n = NachweisErstellen(p, std::move(strom));
            j.setzen("Autonomie", n.autonomie ? Json(*n.autonomie) : Json(nullptr));
            j.setzen("IRuheTerme", terme(p, n.strom.ruhe));
            j.setzen("IAlarmTerme", terme(p, n.strom.alarm));
            j.setzen("IAlarmAngehoben", n.strom.alarmAngehoben);
        }
        aus << j.text() << "\n";
    } else if (halt == AuswertenHalt::Keiner) {
        HinweisAktivieren(p, ms);
        aus << AlsText(NachweisSeiten(p, NachweisErstellen(p, std::move(strom)), Zeit(o.datum, o.zeit)));
    } else {
        aus << "stopped: " << haltName(halt) << "\n";
    }
    return halt == AuswertenHalt::Keiner ? 0 : 1;
}

}  // namespace tarvis::cli
