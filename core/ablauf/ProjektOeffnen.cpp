#include "io/TextFile.h"
#include "loops/KBNNachzaehlen.h"
#include "projekt/ProjektDatei.h"
#include "projekt/ProjektLesen.h"
#include "projekt/Texte.h"

namespace tarvis {

namespace fs = std::filesystem;

// The open: the file is read into a state of its own and replaces the
// project only when it was read to its end. A damaged file must not leave
// half a project behind, under its own name, for the next New or Save to
// build on. What the reading found is told here, in the order of the file.
LadeErgebnis ProjektTextOeffnen(Programm& p, MessageService& ms, const fs::path& datei, std::string text) {
    ProjektGelesen g = ProjektLesen(p.z, p.katalog, datei, std::move(text));
    if (g.ergebnis == LadeErgebnis::NichtLesbar) {
        ms.meldung(Symbol::Kritisch, Nr(86));
        return g.ergebnis;
    }
    if (g.versionFremd)
        ms.meldung(Symbol::Ausrufezeichen, "Projekt " + datei.filename().string() + " " + Nr(58) + "\n" + Nr(59));
    if (g.ergebnis == LadeErgebnis::KeinProjekt) {
        ms.meldung(Symbol::Ausrufezeichen, "Kein TARVIS-Projekt!");
        return g.ergebnis;
    }
    if (g.ergebnis == LadeErgebnis::Lesefehler) {
        ms.meldung(Symbol::Kritisch, Nr(394) + " " + std::to_string(g.fehler.nummer) + "\n" + g.fehler.beschreibung);
        return g.ergebnis;
    }

    p.z = std::move(g.z);
    Zustand& z = p.z;
    // A project without a language version has it chosen now.
    if (g.ohneSprache) ms.oeffnen(Fenster::Modus);

    // 10. What was read, and the recount of the loops.
    if (g.unplausibel) ms.meldung(Symbol::Ausrufezeichen, Nr(640) + "\n" + Nr(641));
    z.ProjektGeoeffnet = 1;
    KBNNachzaehlen(p, ms);
    if (z.AnzPQS > 0) z.PQSBestaetigt = 1;
    if (z.AnzPQB > 0) z.PQBBestaetigt = 1;
    if (z.AnzDUV > 0) z.DUVBestaetigt = 1;
    z.AnzBETL = z.Menge[620];
    z.ProjektGeladen = 1;
    z.ProjektBefehleAktiv = 1;

    // 12. What was read, by panel type.
    const Meldungstext weiter = "\n" + Nr(62);
    if (istKVT1000(z.ZentralenTyp)) {
        if (g.gltAnzahl > 0) {
            // Read whole, so it stays, marked for the report.
            ms.meldung(Symbol::Ausrufezeichen, Nr(168));
            z.TypFehler = 1;
            return LadeErgebnis::Abgelehnt;
        }
        ms.meldung(Symbol::Information,
                   Nr(64) + " " + z.ZentralenName + " " + std::to_string(z.AnzMG) + " MG" + weiter);
    } else if ((z.ZentralenTyp >= 3 && z.ZentralenTyp <= 8) || z.ZentralenTyp == 0) {
        ms.meldung(Symbol::Information, Nr(64) + " " + z.ZentralenName + weiter);
    } else if (istKVT2000_1(z.ZentralenTyp)) {
        // Versions 00.0 to 02.3 knew code 2 as the KVT 1000 B; it now means the KVT 2000/1 fire D.
        const int jahrWert = g.version >= 1000 ? g.version - 1000 : g.version;
        if (jahrWert + 2000 < 2024)
            ms.meldung(Symbol::Ausrufezeichen, "Das Projekt war KVT 1000 B und ist nicht mehr lieferbar!\n"
                                               "Es erfolgt Umstellung auf KVT 2000/1.");
    }

    // 13., 14.
    if (z.NichtLieferbar == 1) ms.meldung(Symbol::Ausrufezeichen, Nr(642) + "\n" + Nr(643));
    if (!z.Bemerkung1.empty())
        ms.meldung(Symbol::Information,
                   Nr(53) + "\n" + z.Bemerkung1 + "\n" + z.Bemerkung2 + "\n" + z.Bemerkung3);

    // 15.
    if (g.dateiProjektname != z.Projektname) z.Projektname = g.dateiProjektname;
    return LadeErgebnis::Geladen;
}

LadeErgebnis ProjektOeffnen(Programm& p, MessageService& ms, const fs::path& datei) {
    auto text = io::readText(datei);
    if (!text) {
        ms.meldung(Symbol::Kritisch, Nr(86));
        return LadeErgebnis::NichtLesbar;
    }
    return ProjektTextOeffnen(p, ms, datei, std::move(*text));
}

bool ProjektLaden(Programm& p, MessageService& ms, const fs::path& datei) {
    return ProjektOeffnen(p, ms, datei) == LadeErgebnis::Geladen;
}

}  // namespace tarvis
