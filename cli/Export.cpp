// `tarvis-cli export` and `tarvis-cli link`.
#include "Ausgabebefehle.h"
#include "BatchMessages.h"
#include "Projektlauf.h"
#include "calc/Exportdateien.h"
#include "io/TextFile.h"
#include "ablauf/Verknuepfen.h"

namespace tarvis::cli {

namespace {

// Writes a file's text to the path given with --out, never over a file the
// command has read.
bool schreiben(const Programm& p, const std::string& ziel, const std::string& text, BatchMessages& ms) {
    if (!ZielErlaubt(ms, ziel, Eingabedateien(p))) return false;
    auto ok = io::writeText(ziel, text);
    if (!ok) SchreibfehlerMelden(ms, ok.error(), ziel);
    return static_cast<bool>(ok);
}

// Where the names of the files written are printed: not into the file
// itself when that is the tool's own output (--out /dev/stdout).
std::ostream& namenAusgabe(const std::string& ziel, std::ostream& aus, std::ostream& fehler) {
    return io::sameFile(ziel, "/dev/stdout") ? fehler : aus;
}

}  // namespace

int exportDatei(const AusgabeOptionen& o, std::ostream& aus, std::ostream& fehler) {
    if (o.art.empty()) {
        fehler << "tarvis-cli: export needs one of --npa, --prn-word, --prn-excel, --epo\n";
        return 2;
    }
    auto p = Programmstart(o.programmVerzeichnis, fehler);
    if (!p) return 2;
    BatchMessages ms(*p, fehler);
    auto halt = ProjektRechnen(*p, ms, o.datei, fehler);
    if (!halt) return 2;
    if (*halt != AuswertenHalt::Keiner) return 1;
    Zustand& z = p->z;
    const Zeitstempel t = Zeit(o.datum, o.zeit);

    std::string geschrieben;
    bool ok = false;
    if (o.art == "npa") {
        if (o.ziel.empty()) {
            ok = ParaSpeich(*p, ms, z.ProjektDatei, z.Projektname, t);
            geschrieben = z.ParaDatei;
        } else {
            ok = schreiben(*p, o.ziel, ParaDateiInhalt(*p, z.Projektname, t), ms);
            geschrieben = o.ziel;
        }
    } else if (o.art == "epo") {
        // The save command writes the hand-over file in LIBEX mode only.
        if (z.CodeModus != "V") {
            fehler << "tarvis-cli: " << o.datei << ": the hand-over file belongs to LIBEX mode (code mode "
                   << z.CodeModus.str() << ")\n";
            return 1;
        }
        if (o.ziel.empty()) {
            ok = EPOSchreiben(*p, ms);
            geschrieben = z.EPODatei;
        } else {
            ok = schreiben(*p, o.ziel, EPOInhalt(*p).text, ms);
            geschrieben = o.ziel;
        }
    } else {
        const PRNModus modus = o.art == "prn-word" ? PRNModus::Text : PRNModus::Tabelle;
        if (o.ziel.empty()) {
            ok = PRNDatei(*p, ms, modus, {}, t);
            geschrieben = DateiMitEndung(z.ProjektDatei, ".PRN");
        } else {
            ok = schreiben(*p, o.ziel, PRNInhalt(*p, modus, t), ms);
            geschrieben = o.ziel;
        }
    }
    if (!ok) return 1;
    namenAusgabe(geschrieben, aus, fehler) << geschrieben << "\n";
    return 0;
}

int link(const AusgabeOptionen& o, std::ostream& aus, std::ostream& fehler) {
    auto p = Programmstart(o.programmVerzeichnis, fehler);
    if (!p) return 2;
    BatchMessages ms(*p, fehler);
    Verknuepfung v(*p, ms);
    v.aktivieren();
    std::error_code ec;
    if (v.oeffnen(std::filesystem::absolute(o.dateiA, ec)) != Verknuepfung::Ergebnis::Gelesen) return 1;
    if (v.oeffnen(std::filesystem::absolute(o.dateiB, ec)) != Verknuepfung::Ergebnis::Gueltig) return 1;
    if (!o.ziel.empty()) v.zielSetzen(o.ziel);
    if (!v.speichern(Zeit(o.datum, o.zeit))) return 1;
    namenAusgabe(v.ziel(), aus, fehler) << v.ziel() << "\n" << v.liste() << "\n";
    return 0;
}

}  // namespace tarvis::cli
