#include "projekt/Einstellungen.h"

#include <optional>
#include <vector>

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
    // Each line: a label (skipped) and the value. A line that cannot be read
    // (cut short, a number out of range) keeps its variable's value; the
    // next line is read all the same, so one bad value costs no others.
    // Empty lines hold no field and count as no line.
    std::vector<std::string> zeilen;
    {
        const std::string& t = *text;
        std::size_t pos = 0;
        while (pos < t.size()) {
            std::size_t ende = t.find_first_of("\r\n", pos);
            if (ende == std::string::npos) ende = t.size();
            if (t.find_first_not_of(" \t", pos) < ende) zeilen.push_back(t.substr(pos, ende - pos));
            pos = ende + 1;
        }
    }
    std::size_t naechste = 0;
    // The value of the next line, read by `lesen`, when the line holds one.
    auto wert = [&](auto lesen) {
        io::FieldReader r(naechste < zeilen.size() ? zeilen[naechste] : std::string());
        ++naechste;
        r.text();
        auto v = lesen(r);
        return r.ok() ? std::optional<decltype(v)>(v) : std::nullopt;
    };
    auto textWert = [&](std::string& ziel) {
        if (auto v = wert([](io::FieldReader& r) { return r.text(); })) ziel = *v;
    };
    auto zahl = [&](auto& ziel) {
        using T = std::remove_reference_t<decltype(ziel)>;
        auto v = wert([](io::FieldReader& r) {
            if constexpr (sizeof(T) == 1) return r.byte();
            else return r.integer();
        });
        if (v) ziel = *v;
    };
    textWert(z.Sachbearbeiter);
    textWert(z.ProjPfad);
    if (auto code = wert([](io::FieldReader& r) { return r.text(); }))
        z.CodeModus = code->empty() ? std::string(" ") : code->substr(0, 1);
    zahl(z.WEKAbfrage);
    zahl(z.ParaSpeichern);
    textWert(z.KonfigVersion);
    textWert(z.DruckSchrift);
    zahl(z.DruckGroesse);
    zahl(z.EPOPeri);
    zahl(z.EPONetz);
    zahl(z.Sprache);
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
