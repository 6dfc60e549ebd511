#include "projekt/Einstellungen.h"

#include "io/FieldReader.h"
#include "io/FieldWriter.h"
#include "io/TextFile.h"

namespace tarvis {

namespace fs = std::filesystem;

Byte RechnerLesen(const fs::path& datei) {
    auto text = io::readText(datei);
    if (!text) return 1;
    io::FieldReader r(std::move(*text));
    Byte a = r.byte();
    return r.ok() && (a == 1 || a == 2) ? a : 1;
}

io::Status RechnerSchreiben(const fs::path& datei, Byte arbeitsplatz) {
    io::FieldWriter w;
    w.number(static_cast<long long>(arbeitsplatz)).endLine();
    w.text("Bedeutung:").endLine();
    w.text("1 = Einplatzsystem").endLine();
    w.text("2 = Mehrplatzsystem").endLine();
    return io::writeText(datei, w.str());
}

bool KonfigDateiLesen(const fs::path& datei, Zustand& z) {
    auto text = io::readText(datei);
    if (!text) return false;
    io::FieldReader r(std::move(*text));
    // Each line: a label (skipped) and the value. The first failure ends the
    // reading; what was read before it stays.
    auto textWert = [&](std::string& ziel) {
        r.text();
        std::string v = r.text();
        if (r.ok()) ziel = v;
        return r.ok();
    };
    auto zahl = [&](auto& ziel) {
        r.text();
        using T = std::remove_reference_t<decltype(ziel)>;
        T v{};
        if constexpr (sizeof(T) == 1) v = r.byte();
        else v = r.integer();
        if (r.ok()) ziel = v;
        return r.ok();
    };
    std::string code;
    bool ok = textWert(z.Sachbearbeiter) && textWert(z.ProjPfad) && textWert(code);
    if (r.ok()) z.CodeModus = code.empty() ? std::string(" ") : code.substr(0, 1);
    ok = ok && zahl(z.WEKAbfrage) && zahl(z.ParaSpeichern) && textWert(z.KonfigVersion) && textWert(z.DruckSchrift) &&
         zahl(z.DruckGroesse) && zahl(z.EPOPeri) && zahl(z.EPONetz) && zahl(z.Sprache);
    (void)ok;
    return true;
}

KonfigWerte KonfigWerteAus(const Zustand& z) { return {z.Sachbearbeiter, z.ProjPfad, false}; }

namespace {
// A double quote would end the quoted field early and break the file.
std::string ohneAnfuehrung(std::string s) {
    for (char& c : s)
        if (c == '"') c = '\'';
    return s;
}
}  // namespace

io::Status KonfigDateiSchreiben(const fs::path& datei, const Zustand& z, const KonfigWerte& k) {
    io::FieldWriter w;
    w.text("Sachbearbeiter: ").text(ohneAnfuehrung(k.sachbearbeiter)).endLine();
    w.text("Projektpfad:    ").text(ohneAnfuehrung(k.projPfad)).endLine();
    w.text("Sachnr./LIBEX:  ").text(z.CodeModus.str()).endLine();
    w.text("Abfrage WEK 100:").number(static_cast<long long>(z.WEKAbfrage)).endLine();
    w.text("Para:           ").number(static_cast<long long>(z.ParaSpeichern)).endLine();
    w.text("Version:        ").text(ohneAnfuehrung(z.PrgVersion)).endLine();
    w.text("Schriftart:     ").text(ohneAnfuehrung(z.DruckSchrift)).endLine();
    w.text("Schriftgröße:   ").number(static_cast<long long>(z.DruckGroesse)).endLine();
    w.text("OKTA Peripherie:").number(static_cast<long long>(z.EPOPeri)).endLine();
    w.text(k.neuerSachbearbeiter ? "OKTA Netzelem. :" : "OKTA Netzelem.: ").number(static_cast<long long>(z.EPONetz)).endLine();
    w.text("Sprachversion:  ").number(static_cast<long long>(z.Sprache)).endLine();
    return io::writeText(datei, w.str());
}

std::string ProtokollZeile(const std::string& name, const std::string& datum, const std::string& zeit,
                           const std::string& version) {
    io::FieldWriter w;
    w.text(ohneAnfuehrung(name)).text(datum).text(zeit).text(version).endLine();
    return w.str();
}

}  // namespace tarvis
