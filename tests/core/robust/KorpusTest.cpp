// The broken files of tests/korpus (and a few made here that are too large to
// keep or cannot be kept in a repository), each read the way the program
// reads it: which message the user gets, and that nothing else is lost. The
// file itself stays as it was, the settings and the catalogue stay, a project
// opened before stays as it was when the file does not open and comes back
// whole from its file, and what the program holds after a refusal can be
// saved and opened again.
#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <map>
#include <sys/stat.h>

#include "support/Projektdatei.h"
#include "io/TextFile.h"
#include "projekt/Einstellungen.h"
#include "ablauf/Menue1Presenter.h"
#include "projekt/Texte.h"
#include "ablauf/Verknuepfen.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"

using namespace tarvis;
using test::ScriptedMessages;

namespace fs = std::filesystem;

namespace {

fs::path korpus(const std::string& datei) { return fs::path(TARVIS_SOURCE_DIR) / "tests" / "korpus" / datei; }

std::string inhalt(const fs::path& f) {
    auto b = io::readBytes(f);
    return b ? *b : std::string("<missing>");
}

// The message boxes shown, in order (questions, windows and help aside).
std::vector<std::string> meldungen(const ScriptedMessages& ms) {
    std::vector<std::string> m;
    for (const auto& e : ms.protokoll)
        if (e.art == ScriptedMessages::Eintrag::Meldung) m.push_back(e.text);
    return m;
}

std::string fehler(int nummer, const std::string& beschreibung) {
    return Text(394) + " " + std::to_string(nummer) + "\n" + beschreibung;
}

const std::string kEndeDerDatei = fehler(62, "Input past end of file");
const std::string kUeberlauf = fehler(6, "Overflow");
const std::string kIndex = fehler(9, "Subscript out of range");
const std::string kNegativ = fehler(6, "Overflow: negative value");

// Every file and folder below a directory with its bytes.
std::map<std::string, std::string> abbild(const fs::path& dir) {
    std::map<std::string, std::string> a;
    for (const auto& e : fs::recursive_directory_iterator(dir))
        a[fs::relative(e.path(), dir).string()] = e.is_regular_file() ? inhalt(e.path()) : "<dir>";
    return a;
}

// What a project file leaves alone: the settings of the clerk and the workstation.
std::vector<std::string> einstellungen(const Zustand& z) {
    return {z.Sachbearbeiter, z.ProjPfad, z.DruckSchrift, std::to_string(z.DruckGroesse), std::to_string(z.WEKAbfrage),
            std::to_string(z.EPOPeri), std::to_string(z.EPONetz), z.KonfigVersion, std::to_string(z.Arbeitsplatz),
            z.KonfigDatei, z.PrgVersion, z.VersionMin, z.VersionMax};
}

std::vector<float> stroeme(const EStromTabelle& t) {
    std::vector<float> v;
    for (const auto* spalte : {&t.EStrom1, &t.EStrom2, &t.EStrom3, &t.EStrom4, &t.EStrom5})
        v.insert(v.end(), spalte->begin(), spalte->end());
    return v;
}

// A program started in a copy of the built program directory with the
// settings of tests/korpus/einstellungen/PERS.DAT (clerk Bianchi, font
// DejaVu Sans Mono 10, Italian).
class Korpus : public ::testing::Test {
protected:
    void SetUp() override {
        fs::copy(TARVIS_PROGRAM_DIR, dir.path(), fs::copy_options::recursive);
        fs::copy_file(korpus("einstellungen/PERS.DAT"), dir / "PERS.DAT");
        umgebung.programmVerzeichnis = dir.path();
        umgebung.heute = umgebung.buildDatum = {2026, 12, 6};
    }

    bool starten() { return presenter.starten(umgebung); }
    fs::path projekte() const { return dir / "PROJEKTE"; }

    test::TempDir dir;
    Programm p;
    ScriptedMessages start;
    Menue1Presenter presenter{p, start};
    StartUmgebung umgebung;
};

// ---------------------------------------------------------------- project files

struct Fall {
    std::string datei;  // in tests/korpus/projekt, or made by `machen`
    LadeErgebnis ergebnis;
    std::vector<std::string> meldungen;
    std::vector<Fenster> fenster = {};
    std::function<void(const Zustand&)> pruefen = {};
    std::function<void(const fs::path&)> machen = {};
};

// The file's name stands for the case in test names and failures.
void PrintTo(const Fall& fall, std::ostream* os) { *os << fall.datei; }

const std::string kVilla = Text(64) + " KVT 1000 Intrusione 16 MG\n" + Text(62);
const std::string kVillaText = Text(53) + "\nZugang über Hof\nSchlüssel beim Hausmeister\n";

std::string typ1() { return inhalt(fs::path(TARVIS_SOURCE_DIR) / "tests/golden/typ1.PLM"); }

void schreiben(const fs::path& f, const std::string& bytes) { ASSERT_TRUE(io::writeBytes(f, bytes)); }

std::vector<Fall> faelle() {
    const std::string schleife127 = Text(153) + "127" + Text(154);
    return {
        {"leer.PLM", LadeErgebnis::NichtLesbar, {Text(86)}},
        {"nullbytes.PLM", LadeErgebnis::Lesefehler, {kEndeDerDatei}},
        {"nur-version.PLM", LadeErgebnis::Lesefehler, {kEndeDerDatei}},
        {"abgeschnitten.PLM", LadeErgebnis::Lesefehler, {kEndeDerDatei}},
        // A last loop tuple cut short is left out, the project opens.
        {"letztes-tupel-halb.PLM", LadeErgebnis::Geladen, {kVilla, kVillaText}, {},
         [](const Zustand& z) {
             EXPECT_EQ(z.KBNWert(1, 561, 1), 5);
             EXPECT_EQ(z.KBNWert(1, 586, 1), 0);
         }},
        {"falsche-marke.PLM", LadeErgebnis::KeinProjekt, {"Kein TARVIS-Projekt!"}},
        {"muell.PLM", LadeErgebnis::KeinProjekt, {"Kein TARVIS-Projekt!"}},
        {"ueberlauf-integer.PLM", LadeErgebnis::Lesefehler, {kUeberlauf}},
        {"ueberlauf-single.PLM", LadeErgebnis::Lesefehler, {kUeberlauf}},
        {"ueberlauf-long.PLM", LadeErgebnis::Lesefehler, {kUeberlauf}},
        // Counts and currents are never negative (-400 outputs made a negative battery).
        {"negativ-anzahl.PLM", LadeErgebnis::Lesefehler, {kNegativ}},
        {"negativ-strom.PLM", LadeErgebnis::Lesefehler, {kNegativ}},
        {"negativ-menge.PLM", LadeErgebnis::Lesefehler, {kNegativ}},
        {"negativ-text.PLM", LadeErgebnis::Lesefehler, {kNegativ}},
        {"satznummer.PLM", LadeErgebnis::Lesefehler, {kIndex}},
        {"anzahl-zu-gross.PLM", LadeErgebnis::Lesefehler, {kIndex}},
        {"tupel-ausserhalb.PLM", LadeErgebnis::Lesefehler, {kIndex}},
        {"unplausibel.PLM", LadeErgebnis::Geladen, {Text(640) + "\n" + Text(641), schleife127, kVilla, kVillaText}, {},
         [](const Zustand& z) { EXPECT_EQ(z.KBNWert(1, 561, 1), 200); }},
        {"version-neu.PLM", LadeErgebnis::Geladen,
         {"Projekt version-neu.PLM " + Text(58) + "\n" + Text(59), kVilla, kVillaText}},
        {"kvt1000-glt.PLM", LadeErgebnis::Abgelehnt, {Text(168)}, {},
         [](const Zustand& z) { EXPECT_EQ(z.TypFehler, 1); }},
        // A project without a language asks for it in the code-mode window;
        // the language held before (that of the project before) stays.
        {"ohne-sprache.PLM", LadeErgebnis::Geladen, {kVilla, kVillaText}, {Fenster::Modus},
         [](const Zustand& z) { EXPECT_EQ(z.Sprache, 1); }},

        // Made here: a file the size of a disk image's worth of tuples, a
        // file too large to be a project (refused before it is read), a
        // folder, a pipe and a file that is not there.
        {"riesig-tupel.PLM", LadeErgebnis::Geladen, {schleife127, kVilla, kVillaText}, {},
         [](const Zustand& z) { EXPECT_EQ(z.KBNMenge2[534], 100000); },
         [](const fs::path& f) {
             std::string t = typ1();
             for (int i = 0; i < 100000; ++i) t += "1,2,534,1\r\n";
             schreiben(f, t);
         }},
        {"riesig.PLM", LadeErgebnis::NichtLesbar, {Text(86)}, {}, {},
         [](const fs::path& f) { schreiben(f, "\"26.1.0\"\r\n\"" + std::string(io::kMaxLesen, 'x') + "\"\r\n"); }},
        {"ordner.PLM", LadeErgebnis::NichtLesbar, {Text(86)}, {}, {},
         [](const fs::path& f) { fs::create_directory(f); }},
        {"pipe.PLM", LadeErgebnis::NichtLesbar, {Text(86)}, {}, {}, [](const fs::path& f) { ::mkfifo(f.c_str(), 0600); }},
        {"fehlt.PLM", LadeErgebnis::NichtLesbar, {Text(86)}, {}, {}, [](const fs::path&) {}},
    };
}

class KorpusProjekt : public Korpus, public ::testing::WithParamInterface<Fall> {};

std::string fallName(const ::testing::TestParamInfo<Fall>& info) {
    std::string n;
    for (char c : info.param.datei) n += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return n;
}

}  // namespace

TEST_P(KorpusProjekt, OpenShowsItsMessageAndLosesNothingElse) {
    const Fall& fall = GetParam();
    ASSERT_TRUE(starten());
    // The project the user had open before: a KVT 2000 fire.
    const fs::path vorher = projekte() / "VORHER.PLM";
    fs::copy_file(fs::path(TARVIS_SOURCE_DIR) / "tests/golden/typ2.PLM", vorher);
    ScriptedMessages ms0;
    ASSERT_EQ(ProjektOeffnen(p, ms0, vorher), LadeErgebnis::Geladen);
    p.z.Bearbeitet = 1;  // and had changed
    const auto projektVorher = test::Gespeichert::von(p.z, p.z.Sachbearbeiter);
    const auto einstellungenVorher = einstellungen(p.z);
    const std::string katalogVorher = p.katalog.zuBytes();
    const auto stroemeVorher = stroeme(p.estrom);

    const fs::path datei = projekte() / fall.datei;
    if (fall.machen) fall.machen(datei);
    else fs::copy_file(korpus("projekt/" + fall.datei), datei);
    const auto verzeichnisVorher = abbild(dir.path());

    ScriptedMessages ms;
    EXPECT_EQ(ProjektOeffnen(p, ms, datei), fall.ergebnis);
    EXPECT_EQ(meldungen(ms), fall.meldungen);
    EXPECT_EQ(ms.fenster(), fall.fenster);
    if (fall.pruefen) fall.pruefen(p.z);

    // Opening writes nothing: the file, the project before and the settings
    // files are as they were.
    EXPECT_TRUE(abbild(dir.path()) == verzeichnisVorher);
    // The settings, the catalogue and the element table stay.
    EXPECT_EQ(einstellungen(p.z), einstellungenVorher);
    EXPECT_EQ(p.katalog.zuBytes(), katalogVorher);
    EXPECT_EQ(stroeme(p.estrom), stroemeVorher);
    // A file that did not open leaves the project before as it was: no half
    // project to save or print, nor its name for a Save to write over.
    if (fall.ergebnis != LadeErgebnis::Geladen && fall.ergebnis != LadeErgebnis::Abgelehnt) {
        EXPECT_EQ(test::Gespeichert::von(p.z, einstellungenVorher[0]), projektVorher);
        EXPECT_EQ(p.z.ProjektDatei, vorher.string());
        EXPECT_EQ(p.z.Bearbeitet, 1);
    }
    // What the program holds now is a project it can save and open again.
    Programm q;
    q.katalog = p.katalog;
    q.z.VersionMax = p.z.VersionMax;
    ScriptedMessages stumm;
    EXPECT_EQ(ProjektTextOeffnen(q, stumm, projekte() / "NEU.PLM", ProjektText(p.z)), LadeErgebnis::Geladen);
    // And the project before comes back whole.
    ASSERT_EQ(ProjektOeffnen(p, stumm, vorher), LadeErgebnis::Geladen);
    EXPECT_EQ(test::Gespeichert::von(p.z, einstellungenVorher[0]), projektVorher);
}

INSTANTIATE_TEST_SUITE_P(Korpus, KorpusProjekt, ::testing::ValuesIn(faelle()), fallName);

// ------------------------------------------------------- files read at start-up

namespace {

// A file of the program directory broken (or missing) at start-up.
struct Startfall {
    std::string name;
    std::function<void(const fs::path& dir, StartUmgebung&)> machen;
    std::vector<std::string> meldungen;  // none: the program starts
    std::function<void(const Programm&, const ScriptedMessages&)> pruefen = {};
};

std::vector<Startfall> startfaelle() {
    std::vector<Startfall> f;
    auto kopie = [](const std::string& quelle, const std::string& ziel) {
        return [=](const fs::path& d, StartUmgebung&) { fs::copy_file(korpus(quelle), d / ziel, fs::copy_options::overwrite_existing); };
    };
    // A catalogue that is missing, a folder or a pipe, holds a negative
    // current (record 534's alarm current, offset 73, -1), or is shorter than
    // its 700 records (a copy broken off, a wrong file) ends the program with
    // message 45; an element table without its header or entries, with an
    // overflow or a negative current, or missing, with 51.
    for (const char* datei : {"TARVIS.ART", "ESTROMK.DAT"})
        for (const char* art : {"missing", "folder", "pipe"})
            f.push_back({std::string(datei) + " " + art, [=](const fs::path& d, StartUmgebung&) {
                             fs::remove(d / datei);
                             if (art[0] == 'f') fs::create_directory(d / datei);
                             if (art[0] == 'p') ::mkfifo((d / datei).c_str(), 0600);
                         }, {Text(datei[0] == 'T' ? 45 : 51) + "\n" + Text(91)}});
    f.push_back({"negative current", [](const fs::path& d, StartUmgebung&) {
                     schreiben(d / "TARVIS.ART", inhalt(d / "TARVIS.ART").replace(533 * 96 + 73, 2, "\xFF\xFF"));
                 }, {Text(45) + "\n" + Text(91)}});
    for (const char* k : {"leer.ART", "kurz.ART", "ungerade.ART"}) f.push_back({k, kopie(std::string("katalog/") + k, "TARVIS.ART"), {Text(45) + "\n" + Text(91)}});
    for (const char* e : {"leer.DAT", "halber-kopf.DAT", "ueberlauf.DAT", "negativ.DAT", "nur-kopf.DAT", "muell.DAT"})
        f.push_back({e, kopie(std::string("estrom/") + e, "ESTROMK.DAT"), {Text(51) + "\n" + Text(91)}});

    // A catalogue longer than 700 records opens; the program uses the first 700.
    f.push_back({"catalogue longer", [](const fs::path& d, StartUmgebung&) { schreiben(d / "TARVIS.ART", inhalt(d / "TARVIS.ART") + std::string(96, 'x') + "half"); }, {},
                 [](const Programm& q, const ScriptedMessages&) {
                     EXPECT_EQ(q.katalog.anzahl(), 700);
                     EXPECT_EQ(q.katalog.satz(3).Bezeichnung.trimmed(), "Ausgabe 26.1 Musterdaten");
                 }});
    // An element table with bad entries starts with the entries it could
    // read: element -> its quiescent current at 12 V, for those with a value.
    auto stroeme = [](std::map<int, float> erwartet, float strom5) {
        return [=](const Programm& q, const ScriptedMessages&) {
            std::map<int, float> gelesen;
            for (std::size_t i = 0; i <= 50; ++i)
                if (q.estrom.EStrom1[i] != 0 || q.estrom.EStrom3[i] != 0 || q.estrom.EStrom5[i] != 0) gelesen[450 + static_cast<int>(i)] = q.estrom.EStrom1[i];
            EXPECT_EQ(gelesen, erwartet);
            EXPECT_EQ(q.estrom.EStrom5[0], strom5);
            EXPECT_EQ(q.estrom.EStrom5[1], 0.0f);
        };
    };
    f.push_back({"abgeschnitten.DAT", kopie("estrom/abgeschnitten.DAT", "ESTROMK.DAT"), {}, stroeme({{450, 0.0f}}, 180.0f)});  // 451 cut short, left out
    f.push_back({"fremde-nummern.DAT", kopie("estrom/fremde-nummern.DAT", "ESTROMK.DAT"), {}, stroeme({{457, 30.0f}}, 0.0f)});

    // Broken settings start the program silently on the values read: PERS.DAT
    // cut after its fourth line keeps the font and language of the start; no
    // clerk selection; the settings read carry no version, so the what's-new
    // page opens as after another version; a single-user workstation.
    for (const char* rechner : {"RECHNER-leer.DAT", "RECHNER-3.DAT", "RECHNER-300.DAT", "RECHNER-text.DAT"})
        f.push_back({rechner,
                     [=](const fs::path& d, StartUmgebung& u) {
                         kopie("einstellungen/PERS-abgeschnitten.DAT", "PERS.DAT")(d, u);
                         kopie(std::string("einstellungen/") + rechner, "RECHNER.DAT")(d, u);
                     },
                     {},
                     [](const Programm& q, const ScriptedMessages& ms) {
                         EXPECT_TRUE(ms.fenster().empty());
                         EXPECT_EQ(ms.hilfeKontexte(), std::vector<int>{3});
                         EXPECT_EQ(std::tuple(q.z.Arbeitsplatz, q.z.Sachbearbeiter, q.z.WEKAbfrage, q.z.DruckSchrift, q.z.DruckGroesse),
                                   std::tuple(Byte{1}, std::string("Bianchi"), Byte{1}, std::string("Courier NEW"), Integer{12}));
                     }});
    // Garbage settings start the program in a code mode it knows.
    f.push_back({"PERS-muell.DAT", kopie("einstellungen/PERS-muell.DAT", "PERS.DAT"), {}, [](const Programm& q, const ScriptedMessages&) {
                     EXPECT_TRUE(q.z.CodeModus == "S" || q.z.CodeModus == "V");
                     EXPECT_EQ(q.z.Arbeitsplatz, 1);
                 }});
    // A clerk's configuration cut short keeps what the workstation settings
    // said: read from VERDI.KON up to its third line, the rest from PERS.DAT.
    f.push_back({"NAME-abgeschnitten.KON",
                 [=](const fs::path& d, StartUmgebung& u) {
                     ASSERT_TRUE(RechnerSchreiben(d / "RECHNER.DAT", 2));
                     kopie("einstellungen/NAME-abgeschnitten.KON", "VERDI.KON")(d, u);
                     u.sachbearbeiterArgument = "verdi";
                 },
                 {},
                 [](const Programm& q, const ScriptedMessages& ms) {
                     EXPECT_TRUE(ms.protokoll.empty());
                     EXPECT_EQ(std::tuple(q.z.Arbeitsplatz, q.z.Sachbearbeiter, q.z.ProjPfad, q.z.CodeModus.str(), q.z.DruckSchrift, q.z.DruckGroesse, q.z.Sprache),
                               std::tuple(Byte{2}, std::string("Verdi"), std::string("/srv/verdi"), std::string("S"), std::string("DejaVu Sans Mono"), Integer{10}, Byte{3}));
                 }});
    return f;
}

}  // namespace

// What the program makes of each at start-up; nothing in the program
// directory changes.
TEST_F(Korpus, BrokenFilesAtStartUpEndTheProgramOrStartItOnWhatCouldBeRead) {
    for (const auto& fall : startfaelle()) {
        SCOPED_TRACE(fall.name);
        test::TempDir d;
        fs::copy(dir.path(), d.path(), fs::copy_options::recursive);
        StartUmgebung u = umgebung;
        u.programmVerzeichnis = d.path();
        fall.machen(d.path(), u);
        const auto vorher = abbild(d.path());
        Programm q;
        ScriptedMessages ms;
        Menue1Presenter m(q, ms);
        EXPECT_EQ(m.starten(u), fall.meldungen.empty());
        EXPECT_EQ(meldungen(ms), fall.meldungen);
        EXPECT_TRUE(fall.meldungen.empty() || ms.protokoll.back().symbol == Symbol::Kritisch);
        if (fall.pruefen) fall.pruefen(q, ms);
        EXPECT_TRUE(abbild(d.path()) == vorher);
    }
}

// ------------------------------------------------------------------- settings

// A settings file read over settings held keeps the value of each line it
// cannot read: all (empty), those after the fourth (cut off), the WEK
// question's alone (a number out of range), the font size (garbage: the eighth
// line holds no comma). Reading leaves the file as it was.
TEST(KorpusEinstellungen, ASettingsFileKeepsTheValuesOfLinesItCannotRead) {
    for (const auto& [datei, erwartet] : std::map<std::string, std::string>{
             {"PERS.DAT", "Bianchi|/srv/tarvis/PROJEKTE|S|1|1|26.1.0|DejaVu Sans Mono|10|0|0|3|"},
             {"PERS-leer.DAT", "Rossi|/home/rossi|V|0|0|25.2.0|Courier NEW|12|1|1|1|"},
             {"PERS-abgeschnitten.DAT", "Bianchi|/srv/tarvis/PROJEKTE|S|1|0|25.2.0|Courier NEW|12|1|1|1|"},
             {"PERS-ueberlauf.DAT", "Bianchi|/srv/tarvis/PROJEKTE|S|0|1|26.1.0|DejaVu Sans Mono|10|1|1|3|"},
             {"PERS-muell.DAT", "12"}}) {
        SCOPED_TRACE(datei);
        Zustand z;  // WEK question, parameter file 0, font size 12, hand-over parts 1
        std::tie(z.Sachbearbeiter, z.ProjPfad, z.KonfigVersion, z.DruckSchrift) = std::tuple("Rossi", "/home/rossi", "25.2.0", "Courier NEW");
        z.CodeModus = "V";
        z.Sprache = 1;
        const fs::path f = korpus("einstellungen/" + datei);
        const std::string bytes = inhalt(f);
        EXPECT_TRUE(KonfigDateiLesen(f, z));
        std::string ist;
        for (const std::string& w : {z.Sachbearbeiter, z.ProjPfad, z.CodeModus.str(), std::to_string(z.WEKAbfrage), std::to_string(z.ParaSpeichern), z.KonfigVersion,
                                     z.DruckSchrift, std::to_string(z.DruckGroesse), std::to_string(z.EPOPeri), std::to_string(z.EPONetz), std::to_string(z.Sprache)})
            ist += w + "|";
        EXPECT_EQ(erwartet.size() > 2 ? ist : std::to_string(z.DruckGroesse), erwartet);
        EXPECT_EQ(inhalt(f), bytes);
    }
}

// ---------------------------------------------------------- hand-over files

TEST_F(Korpus, ABrokenHandOverFileIsRefusedAndTheLinkGoesOnWithAnother) {
    ASSERT_TRUE(starten());
    ScriptedMessages ms0;
    ASSERT_EQ(ProjektOeffnen(p, ms0, fs::path(TARVIS_SOURCE_DIR) / "tests/golden/typ4.PLM"), LadeErgebnis::Geladen);
    const auto projekt = test::Gespeichert::von(p.z, p.z.Sachbearbeiter);
    fs::copy(korpus("uebergabe"), projekte());
    const auto vorher = abbild(dir.path());
    auto ohne = [](const std::string& n) {
        return std::vector<std::string>{"In Datei " + n + " ist keine gültige KVT 2000 Brand enthalten!", "In Datei " + n + " ist keine OLN-Vernetzung enthalten!"};
    };
    struct {
        const char* datei;
        std::vector<std::string> meldungen;
        bool unlesbar = false;  // cannot be read (rather than read and found wanting)
    } const faelle[] = {
        {"leer.EPO", ohne("leer.EPO")},
        {"nur-kennzeichen.EPO", ohne("nur-kennzeichen.EPO")},
        {"muell.EPO", ohne("muell.EPO")},
        {"ohne-oln.EPO", {"In Datei ohne-oln.EPO ist keine OLN-Vernetzung enthalten!"}},
        {"abgeschnitten.EPO", {kEndeDerDatei}, true},
        {"ueberlauf.EPO", {kUeberlauf}, true},
        {"zu-viele.EPO", {"In Datei zu-viele.EPO sind mehr als 100 Einträge enthalten!"}, true},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.datei);
        // As the first file it is refused and the user chooses again; as the
        // second file after a good first one, a file that cannot be read is
        // refused and the first one stays read for another second.
        for (bool zweite : {false, true}) {
            if (zweite && !fall.unlesbar) continue;
            ScriptedMessages ms;
            Verknuepfung v(p, ms);
            v.aktivieren();
            if (zweite) {
                ASSERT_EQ(v.oeffnen(projekte() / "NORD.EPO"), Verknuepfung::Ergebnis::Gelesen);
            }
            EXPECT_EQ(v.oeffnen(projekte() / fall.datei), Verknuepfung::Ergebnis::Ungueltig);
            EXPECT_EQ(meldungen(ms), fall.meldungen);
            const std::string ungueltig = std::string(fall.datei) + " = ungültig!";
            EXPECT_EQ(v.ansicht().lblD1, zweite ? "NORD.EPO" : ungueltig);
            EXPECT_EQ(zweite ? v.ansicht().lblD2 : std::to_string(v.ansicht().dateiNr), zweite ? ungueltig : "1");
            EXPECT_EQ(v.oeffnen(projekte() / (zweite ? "SUED.EPO" : "NORD.EPO")),
                      zweite ? Verknuepfung::Ergebnis::Gueltig : Verknuepfung::Ergebnis::Gelesen);
            EXPECT_EQ(v.ansicht().speichernAktiv, zweite);
        }
    }
    // The link reads the files only and leaves the open project alone.
    EXPECT_TRUE(abbild(dir.path()) == vorher);
    EXPECT_EQ(test::Gespeichert::von(p.z, p.z.Sachbearbeiter), projekt);
}
