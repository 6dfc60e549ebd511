#include "ablauf/Verknuepfen.h"

#include "projekt/Druckseiten.h"
#include "calc/Exportdateien.h"
#include "projekt/Format.h"
#include "io/Cp1252.h"
#include "io/FieldReader.h"
#include "io/FieldWriter.h"
#include "io/TextFile.h"
#include "projekt/Texte.h"

namespace tarvis {

namespace fs = std::filesystem;

namespace {

constexpr int kKVT2000B = 108, kRAVI1 = 158, kWX20 = 156, kDKM100 = 154, kKVT2000_6 = 123;

const char* const kUngueltig = " = ungültig!";

bool istArtikel(const Katalog& k, int satz, const UebergabeEintrag& e) { return k.satz(satz).LIBEXBrand == e.code; }

// Lines of the printable material list, items at print columns, CR LF.
class Liste {
public:
    Liste& zeile(const DruckZeile& z = {}) {
        out_ += ZeileAlsText(z) + "\r\n";
        return *this;
    }
    const std::string& str() const { return out_; }

private:
    std::string out_;
};

}  // namespace

io::Result<Uebergabedatei> UebergabeLesen(const fs::path& datei, const Katalog& katalog) {
    auto text = io::readText(datei);
    if (!text) return text.error();
    auto zeilenende = text->find('\n');
    io::FieldReader r(zeilenende == std::string::npos ? std::string() : text->substr(zeilenende + 1));
    Uebergabedatei d;
    while (!r.atEnd()) {
        UebergabeEintrag e;
        e.code = r.text();
        e.menge = r.integer();
        e.name = r.text();
        r.number();
        if (!r.ok()) return *r.error();
        if (d.eintraege.size() == kMaxUebergabeEintraege) return io::IoError{9, "Subscript out of range"};
        if (e.menge >= 1) {
            d.hat108 = d.hat108 || istArtikel(katalog, kKVT2000B, e);
            d.hat158 = d.hat158 || istArtikel(katalog, kRAVI1, e);
            d.hat156 = d.hat156 || istArtikel(katalog, kWX20, e);
            d.hat154 = d.hat154 || istArtikel(katalog, kDKM100, e);
        }
        d.eintraege.push_back(std::move(e));
    }
    return d;
}

Verknuepfungsdateien VerknuepfungInhalt(const Programm& p, const Uebergabedatei& d1, const Uebergabedatei& d2,
                                        const std::string& ziel, const Zeitstempel& t) {
    const Katalog& k = p.katalog;
    const KatSatz& kvt6 = k.satz(kKVT2000_6);
    Liste txt;
    io::FieldWriter epo;

    txt.zeile();
    txt.zeile({{22, std::string(35, '_')}});
    txt.zeile().zeile();
    txt.zeile({{1, Text(322)}, {18, ziel}});
    txt.zeile({{1, "TARVIS Version " + p.z.PrgVersion}});
    txt.zeile({{1, "Datum: " + t.datum + "  Zeit:  " + t.zeit}});
    txt.zeile().zeile();
    txt.zeile({{1, "Materialaufstellung für KVT 2000/6 Brand D"}});
    txt.zeile({{1, std::string(42, '*')}}).zeile();
    txt.zeile({{1, "Anz."}, {12, "Benennung"}, {45, "LIBEX-Nummer"}}).zeile();
    txt.zeile({{12, "KMAT KVT 2000/6 Brand D"}, {45, kvt6.Sachnummer.str()}}).zeile();

    // The two panels become one KVT 2000/6 fire D.
    epo.text("J").endLine();
    epo.text(kvt6.LIBEXBrand.str()).number(1LL).text(kvt6.Bezeichnung.str()).number(0LL).endLine();
    txt.zeile({{1, "   1"}, {12, kvt6.Bezeichnung.str()}, {45, kvt6.LIBEXBrand.str()}});

    // Each file loses its panel, one RAVI 1 and two WX 20; one DKM 100 is
    // kept for the pair: every DKM 100 entry of file 1 loses one, in file 2
    // only the first and only when file 1 had none.
    bool dkmAbgezogen = false;
    auto uebernehmen = [&](const Uebergabedatei& d, bool ersteDatei) {
        for (const UebergabeEintrag& e : d.eintraege) {
            int menge = e.menge;
            if (istArtikel(k, kKVT2000B, e)) menge = 0;
            else if (istArtikel(k, kRAVI1, e)) menge -= 1;
            else if (istArtikel(k, kWX20, e)) menge -= 2;
            else if (istArtikel(k, kDKM100, e) && (ersteDatei || !dkmAbgezogen)) {
                menge -= 1;
                dkmAbgezogen = true;
            }
            if (menge <= 0) continue;
            epo.text(e.code).number(static_cast<long long>(menge)).text(e.name).number(0LL).endLine();
            txt.zeile({{1, FormatText(std::to_string(menge), "@@@@")}, {12, e.name}, {45, e.code}});
        }
    };
    uebernehmen(d1, true);
    txt.zeile();
    uebernehmen(d2, false);
    return {epo.str(), txt.str()};
}

Verknuepfung::Verknuepfung(Programm& p, MessageService& ms) : p_(p), ms_(ms) {}

void Verknuepfung::aktivieren() {
    dateiNr_ = 1;
    optionenGeloescht_ = false;
}

VerknuepfungAnsicht Verknuepfung::ansicht() const {
    VerknuepfungAnsicht a;
    a.dateiNr = optionenGeloescht_ ? 0 : dateiNr_;
    a.lblD1 = lblD1_;
    a.lblD2 = lblD2_;
    a.rahmen = beideGueltig_ ? "Geöffnete Dateien zur Verknüpfung" : "Nummer der zu öffnenden Übergabedatei";
    a.oeffnenHinweisSichtbar = !beideGueltig_;
    a.speichernSichtbar = beideGueltig_;
    a.speichernAktiv = beideGueltig_;
    a.ziel = ziel_;
    return a;
}

void Verknuepfung::dateiNrSetzen(int nr) {
    dateiNr_ = nr == 2 ? 2 : 1;
    optionenGeloescht_ = false;
}

Verknuepfung::Ergebnis Verknuepfung::oeffnen(const std::optional<fs::path>& datei) {
    if (!datei) {
        ms_.meldung(Symbol::Ausrufezeichen, Nr(364));
        return Ergebnis::Ungueltig;
    }
    const std::string pfad = datei->string();
    const std::string name = datei->filename().string();
    const bool erste = dateiNr_ == 1;
    (erste ? datei1_ : datei2_) = pfad;
    p_.z.ProjPfad = datei->parent_path().string();
    // The same file, however it is spelt (another folder path, a link).
    if (!erste && io::sameFile(pfad, datei1_)) {
        ms_.meldung(Symbol::Ausrufezeichen, "Sie haben 2 x die gleiche Datei gewählt!");
        lblD2_ = name + kUngueltig;
        return Ergebnis::Ungueltig;
    }

    (erste ? lblD1_ : lblD2_) = name;
    Uebergabedatei& d = erste ? d1_ : d2_;
    d = {};
    beideGueltig_ = false;
    auto gelesen = UebergabeLesen(*datei, p_.katalog);
    if (!gelesen) {
        // An unreadable file, or one too long for the link, is refused; the
        // user can choose another.
        const io::IoError& f = gelesen.error();
        ms_.meldung(Symbol::Ausrufezeichen,
                    f.nummer == 9 ? Meldungstext("In Datei " + name + " sind mehr als 100 Einträge enthalten!")
                                  : Nr(394) + " " + std::to_string(f.nummer) + "\n" + f.beschreibung);
        (erste ? lblD1_ : lblD2_) = name + kUngueltig;
        return Ergebnis::Ungueltig;
    }
    d = std::move(*gelesen);
    return erste ? pruefen1(name) : pruefen2(name);
}

Verknuepfung::Ergebnis Verknuepfung::pruefen1(const std::string& name) {
    dateiNr_ = 2;
    bool gueltig = true;
    if (!d1_.hat108) {
        ms_.meldung(Symbol::Ausrufezeichen, Meldungstext("In Datei " + name + " ist keine gültige KVT 2000 Brand enthalten!"));
        gueltig = false;
    }
    if (!d1_.hat158 || !d1_.hat156) {
        ms_.meldung(Symbol::Ausrufezeichen, Meldungstext("In Datei " + name + " ist keine OLN-Vernetzung enthalten!"));
        gueltig = false;
    }
    if (gueltig) return Ergebnis::Gelesen;
    dateiNr_ = 1;
    lblD1_ = name + kUngueltig;
    return Ergebnis::Ungueltig;
}

Verknuepfung::Ergebnis Verknuepfung::pruefen2(const std::string& name) {
    if (!d2_.hat108) {
        ms_.meldung(Symbol::Ausrufezeichen, Meldungstext("In Datei " + name + " ist keine gültige KVT 2000 Brand enthalten!"));
        lblD2_ = name + kUngueltig;
    }
    if (!d2_.hat158 || !d2_.hat156) {
        ms_.meldung(Symbol::Ausrufezeichen, Meldungstext("In Datei " + name + " ist keine OLN-Vernetzung enthalten!"));
        lblD2_ = name + kUngueltig;
    }
    const bool dkm = d1_.hat154 || d2_.hat154;
    if (!dkm) {
        ms_.meldung(Symbol::Ausrufezeichen, "In keiner der beiden Dateien ist eine DKM 100 enthalten!");
        lblD2_ = name + kUngueltig;
    }
    const bool alle = d1_.hat108 && d1_.hat158 && d1_.hat156 && d2_.hat108 && d2_.hat158 && d2_.hat156;
    if (!alle || !dkm) {
        ms_.meldung(Symbol::Ausrufezeichen, "KVT 2000/6 Brand kann nicht gespeichert werden!");
        lblD2_ = name + kUngueltig;
        p_.z.WeiterOK = 0;
        return Ergebnis::Geschlossen;
    }
    beideGueltig_ = true;
    optionenGeloescht_ = true;
    ziel_ = DateiMitEndung(datei2_, "_6.EPO");
    return Ergebnis::Gueltig;
}

void Verknuepfung::zielSetzen(const std::string& text) {
    ziel_ = text;
    // A pipe or a device is written as named; a name with another ending
    // would make a new file beside it (in /dev for /dev/stdout).
    if (!Grossbuchstaben(ziel_).ends_with(".EPO") && !io::writtenDirectly(ziel_)) ziel_ += ".EPO";
}

bool Verknuepfung::speichern(const Zeitstempel& t) {
    if (!beideGueltig_) return false;
    if (ms_.frage(Meldungstext("Datei " + ziel_ + " speichern?"), Schaltflaechen::JaNein, Symbol::Frage) != Antwort::Ja) return false;
    const std::string liste = this->liste();
    std::vector<std::string> eingaben = Eingabedateien(p_);
    eingaben.insert(eingaben.end(), {datei1_, datei2_});
    if (liste.empty() || !ZielErlaubt(ms_, ziel_, eingaben) || !ZielErlaubt(ms_, liste, eingaben)) return false;
    Verknuepfungsdateien inhalt = VerknuepfungInhalt(p_, d1_, d2_, ziel_, t);
    // The list belongs to the hand-over file: both are written or neither.
    const std::string epo = io::utf8ToCp1252(inhalt.epo), txt = io::utf8ToCp1252(inhalt.txt);
    auto ok = io::writeAll({{ziel_, epo}, {liste, txt}});
    if (!ok) {
        SchreibfehlerMelden(ms_, ok.error(), ok.error().datei.empty() ? ziel_ : ok.error().datei);
        return false;
    }
    ms_.meldung(Symbol::Keins, Meldungstext(ziel_ + " gespeichert"));
    p_.z.Verknuepft = 1;
    p_.z.WeiterOK = 1;
    return true;
}

// A pipe or a device has no folder for the list: it goes where it goes
// without a name given, beside file 2.
std::string Verknuepfung::liste() const {
    return io::writtenDirectly(ziel_) ? DateiMitEndung(datei2_, "_6.TXT") : DateiMitEndung(ziel_, ".TXT");
}

void Verknuepfung::abbrechen() { p_.z.WeiterOK = 0; }

}  // namespace tarvis
