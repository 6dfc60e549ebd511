#include "calc/Ergebnisliste.h"
#include "calc/Exportdateien.h"
#include "projekt/Format.h"
#include "io/Cp1252.h"
#include "io/FieldWriter.h"
#include "io/TextFile.h"
#include "projekt/Texte.h"

namespace tarvis {
namespace {

// The word-processor layout: lines of texts at print columns, as printed.
class Textzeilen {
public:
    Textzeilen& zeile() {
        if (offen_) abschliessen();
        offen_ = true;
        return *this;
    }
    // A field fills blanks up to its column also when it is empty, so that a
    // word processor gets the same layout whether or not the field is filled
    // ("Incaricato:" with no clerk still reaches column 18). Past its column
    // an empty field adds nothing: there is no text to keep apart.
    Textzeilen& bei(int spalte, const std::string& text) {
        if (!offen_) zeile();
        if (text.empty()) {
            auto laenge = io::utf8Length(aktuell_);
            auto ziel = static_cast<std::size_t>(spalte > 1 ? spalte - 1 : 0);
            if (laenge < ziel) aktuell_.append(ziel - laenge, ' ');
            return *this;
        }
        AnSpalte(aktuell_, spalte, text);
        return *this;
    }
    Textzeilen& leer() {
        zeile();
        return *this;
    }
    std::string str() {
        if (offen_) abschliessen();
        return out_;
    }

private:
    void abschliessen() {
        out_ += aktuell_ + "\r\n";
        aktuell_.clear();
        offen_ = false;
    }
    std::string out_, aktuell_;
    bool offen_ = false;
};

std::string Textlayout(const Programm& p, const Zeitstempel& t) {
    const Zustand& z = p.z;
    Textzeilen l;
    const std::string& banner = Text(321);
    l.zeile().bei(22, banner);
    l.zeile().bei(22, std::string(io::utf8Length(banner), '_'));
    l.leer();
    l.zeile().bei(1, Text(322)).bei(18, z.Projektname).bei(51, "TARVIS Version " + z.PrgVersion);
    l.zeile().bei(1, Text(323)).bei(18, z.Angebotsnummer).bei(51, "Datum: " + t.datum);
    l.zeile().bei(1, Text(324)).bei(18, z.Bestellnummer).bei(51, "Zeit:  " + t.zeit);
    l.zeile().bei(1, Text(325)).bei(18, z.Baupapiernummer);
    l.zeile().bei(1, Text(327)).bei(18, z.Auftragsnummer);
    l.zeile().bei(1, Text(328)).bei(18, z.Sachbearbeiter);
    l.leer();
    const std::string& titel = Text(329);
    l.zeile().bei(1, titel);
    l.zeile().bei(1, std::string(io::utf8Length(titel), '*'));
    l.leer();
    l.zeile().bei(1, Text(330)).bei(6, Text(331)).bei(12, Text(332)).bei(45, Text(z.CodeModus == "S" ? 334 : 333));
    l.leer();
    for (int i = 6; i <= kMaxSatz; ++i) {
        Integer m = z.Menge[i];
        if (m <= 0) continue;
        const KatSatz& s = p.katalog.satz(i);
        l.zeile()
            .bei(1, FormatText(std::to_string(i), "@@@"))
            .bei(5, FormatText(std::to_string(m), "@@@@"))
            .bei(12, s.Bezeichnung.str())
            .bei(45, ArtikelCode(s, z));
    }
    if (!z.Bemerkung1.empty()) {
        l.leer();
        const std::string& mitteilung = Text(336);
        l.zeile().bei(1, mitteilung);
        l.zeile().bei(1, std::string(io::utf8Length(mitteilung), '*'));
        l.leer();
        l.zeile().bei(1, z.Bemerkung1);
        l.zeile().bei(1, z.Bemerkung2);
        l.zeile().bei(1, z.Bemerkung3);
    }
    return l.str();
}

std::string Tabellenlayout(const Programm& p, const Zeitstempel& t) {
    const Zustand& z = p.z;
    io::FieldWriter w;
    w.text("TARVIS  " + z.PrgVersion).text(t.datum).text(" ").endLine();
    w.text(z.Projektname).text(z.Sachbearbeiter).text(" ").endLine();
    w.text("Art").text("Menge").text("Benennung").text("Nummer").text("KMAT").text(" Preis ").text(" Summe ").endLine();
    for (int i = 6; i <= kMaxSatz; ++i) {
        Integer m = z.Menge[i];
        if (m <= 0) continue;
        const KatSatz& s = p.katalog.satz(i);
        w.number(static_cast<long long>(i)).number(static_cast<long long>(m)).text(s.Bezeichnung.str()).text(ArtikelCode(s, z)).text(KMATText(s.DruckKennz)).endLine();
    }
    return w.str();
}

}  // namespace

std::string PRNInhalt(const Programm& p, PRNModus modus, const Zeitstempel& t) {
    return modus == PRNModus::Text ? Textlayout(p, t) : Tabellenlayout(p, t);
}

bool PRNDatei(Programm& p, MessageService& ms, PRNModus modus, const std::function<void()>& speichernUnter,
              const Zeitstempel& t) {
    if (p.z.ProjektDatei.empty() && speichernUnter) speichernUnter();
    if (io::utf8Length(p.z.ProjektDatei) < 4) return false;
    const std::string datei = DateiMitEndung(p.z.ProjektDatei, ".PRN");
    if (datei.empty() || !ZielErlaubt(ms, datei, Eingabedateien(p))) return false;
    auto ok = io::writeText(datei, PRNInhalt(p, modus, t));
    if (!ok) {
        SchreibfehlerMelden(ms, ok.error(), datei);
        return false;
    }
    ms.meldung(Symbol::Keins, Meldungstext(datei + " gespeichert"));
    return true;
}

}  // namespace tarvis
