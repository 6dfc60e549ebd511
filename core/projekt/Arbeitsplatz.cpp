#include "projekt/Arbeitsplatz.h"

#include <chrono>
#include <ctime>
#include <system_error>

#include "io/TextFile.h"
#include "projekt/Einstellungen.h"

namespace tarvis {

namespace fs = std::filesystem;

Zeitstempel Zeitstempel::jetzt() {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    char d[16], z[16];
    std::strftime(d, sizeof d, "%d/%m/%Y", &tm);
    std::strftime(z, sizeof z, "%H:%M:%S", &tm);
    return {d, z};
}

namespace {

std::string umwandeln(const std::string& s, bool gross) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            out += static_cast<char>(gross ? std::toupper(c) : std::tolower(c));
        } else if (c == 0xC3 && i + 1 < s.size()) {
            // Latin-1 letters U+00C0..U+00FE: upper and lower case differ by 0x20.
            auto d = static_cast<unsigned char>(s[i + 1]);
            bool klein = d >= 0xA0 && d <= 0xBE && d != 0xB7;
            bool grossB = d >= 0x80 && d <= 0x9E && d != 0x97;
            if (gross && klein) d = static_cast<unsigned char>(d - 0x20);
            else if (!gross && grossB) d = static_cast<unsigned char>(d + 0x20);
            out += static_cast<char>(c);
            out += static_cast<char>(d);
            ++i;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

}  // namespace

std::string Grossbuchstaben(const std::string& s) { return umwandeln(s, true); }
std::string Kleinbuchstaben(const std::string& s) { return umwandeln(s, false); }

fs::path DateiImVerzeichnis(const fs::path& verzeichnis, const std::string& name) {
    fs::path genau = verzeichnis / name;
    std::error_code ec;
    if (fs::exists(genau, ec)) return genau;
    std::string gesucht = Grossbuchstaben(name);
    for (fs::directory_iterator it(verzeichnis, ec), end; !ec && it != end; it.increment(ec)) {
        if (Grossbuchstaben(it->path().filename().string()) == gesucht) return it->path();
    }
    return genau;
}

bool DeutscherKatalog(const Katalog& k) {
    return k.satz(2).Bezeichnung.str().find("deutsch") != std::string::npos;
}

void ArbeitsplatzSchreiben(Programm& p, const Zeitstempel& t) {
    RechnerSchreiben(p.datei("RECHNER.DAT"), p.z.Arbeitsplatz);
    if (p.z.Arbeitsplatz == 2)
        io::appendText(p.datei("User.dat"), ProtokollZeile(p.z.Sachbearbeiter, t.datum, t.zeit, p.z.PrgVersion));
}

void EinstellungenSpeichern(Programm& p, const Zeitstempel& t) {
    Zustand& z = p.z;
    fs::path ziel = p.datei("PERS.DAT");
    if (z.Arbeitsplatz == 2 && !z.KonfigDatei.empty()) {
        // A directory chosen instead of a file gets a file named after the new clerk.
        if (z.KonfigDatei.back() == '/' || z.KonfigDatei.back() == '\\') z.KonfigDatei += z.NeuSachbe + ".dat";
        // A clerk named on the command line is found in any letter case when
        // read, so his file is written back under the name it already has.
        ziel = fs::path(z.KonfigDatei);
        if (ziel.is_relative()) ziel = DateiImVerzeichnis(p.verzeichnis, z.KonfigDatei);
    }
    KonfigDateiSchreiben(ziel, z, KonfigWerteAus(z));
    ArbeitsplatzSchreiben(p, t);
}

void KonfigLesen(Programm& p, MessageService& ms) {
    Zustand& z = p.z;
    fs::path datei(z.KonfigDatei);
    if (datei.is_relative()) datei = DateiImVerzeichnis(p.verzeichnis, z.KonfigDatei);
    // Lines that cannot be read (or a missing file) keep the values held so far.
    KonfigDateiLesen(datei, z);
    z.ParaSpeichern = 0;
    // As for PERS.DAT at start-up: the code mode is S or V.
    if (z.CodeModus != "S" && z.CodeModus != "V") z.CodeModus = "V";
    if (DeutscherKatalog(p.katalog) &&
        z.KonfigVersion.substr(0, 4) != z.PrgVersion.substr(0, 4))
        ms.hilfe(3);
}

void BelegtSetzen(Programm& p, const Zeitstempel& t) {
    Zustand& z = p.z;
    std::string name = z.Sachbearbeiter;
    std::string klein = Kleinbuchstaben(z.Sachbearbeiter);
    if (z.ProjektGeladen == 1 && (klein.empty() || klein == "nobody") && !z.AltSachbearbeiter.empty())
        name = z.AltSachbearbeiter;
    std::string zeile = ProtokollZeile(name, t.datum, t.zeit, z.PrgVersion);
    const char* namen[] = {"BELEGT.DAT", "BELEGT2.DAT", "BELEGT3.DAT"};
    Byte* flags[] = {&z.Belegt1, &z.Belegt2, &z.Belegt3};
    std::error_code ec;
    for (int i = 0; i < 3; ++i) {
        if (!fs::exists(p.datei(namen[i]), ec)) {
            io::writeText(p.datei(namen[i]), zeile);
            *flags[i] = 1;
            return;
        }
    }
    io::writeText(p.datei(namen[2]), zeile);
    z.Belegt3 = 1;
}

void BelegtLoeschen(Programm& p) {
    std::error_code ec;
    if (p.z.Belegt1) fs::remove(p.datei("BELEGT.DAT"), ec);
    if (p.z.Belegt2) fs::remove(p.datei("BELEGT2.DAT"), ec);
    if (p.z.Belegt3) fs::remove(p.datei("BELEGT3.DAT"), ec);
    p.z.Belegt1 = p.z.Belegt2 = p.z.Belegt3 = 0;
}

}  // namespace tarvis
