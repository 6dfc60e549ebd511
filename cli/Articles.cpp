// `tarvis-cli articles`: the article list window, or the article search.
#include "Ausgabebefehle.h"
#include "BatchMessages.h"
#include "Projektlauf.h"
#include "calc/Artikelliste.h"
#include "projekt/Texte.h"

namespace tarvis::cli {

int articles(const AusgabeOptionen& o, std::ostream& aus, std::ostream& fehler) {
    auto p = Programmstart(o.programmVerzeichnis, fehler);
    if (!p) return 2;
    p->z.CodeModus = o.modus;
    p->z.Schwerpunkt = o.fokus;
    if (!o.suche) {
        const ListesehAnsicht a = ListesehAktivieren(*p);
        for (const ArtikelZeile& z : a.zeilen) aus << z.nummer << "\t" << z.bezeichnung << "\t" << z.code << "\n";
        return 0;
    }
    if (!SuchformatGueltig(*o.suche, o.modus)) {
        BatchMessages ms(*p, fehler);
        ms.meldung(Symbol::Ausrufezeichen, Nr(470), {});
        return 1;
    }
    auto treffer = ArtikelSuchen(p->katalog, *o.suche, o.modus, o.fokus);
    if (treffer.empty()) {
        BatchMessages ms(*p, fehler);
        ms.meldung(Symbol::Kritisch, Nr(44), {});
        return 1;
    }
    for (const Suchtreffer& t : treffer) aus << t.nummer << "\t" << t.bezeichnung << "\t" << t.code << "\n";
    return 0;
}

}  // namespace tarvis::cli
