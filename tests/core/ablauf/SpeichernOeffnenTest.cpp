#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "support/Projektdatei.h"
#include "support/Programme.h"
#include "io/TextFile.h"
#include "projekt/Dateiliste.h"
#include "ablauf/Menue1Presenter.h"
#include "projekt/Namensregeln.h"
#include "ablauf/OeffnenPresenter.h"
#include "projekt/ProjektDatei.h"
#include "ablauf/SpeichernAblauf.h"
#include "ablauf/SpeichuPresenter.h"
#include "projekt/Texte.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"

using namespace tarvis;
using test::ScriptedMessages;
namespace fs = std::filesystem;

namespace {

// A calculated KVT 2000 B with loop elements, in the project directory of a test.
struct Projekt {
    test::TempDir dir;
    Programm p = test::musterProgramm();
    ScriptedMessages ms;
    // What the save-as window does when the user types `name` and presses OK.
    std::string name = "NORD";
    int speichuGezeigt = 0;

    Projekt() {
        Zustand& z = p.z;
        test::zentrale(z, 4);
        z.Projektname = "Nord";
        z.Sachbearbeiter = "Rossi";
        z.PrgVersion = "26.1.0";
        z.VersionMax = "26.1";
        z.ProjPfad = dir.path().string();
        test::schleife(z, 1, 534, 10);
        EXPECT_EQ(test::rechnen(p), AuswertenHalt::Keiner);
        ms.fensterSkript[Fenster::Speichu] = [this] {
            ++speichuGezeigt;
            SpeichuPresenter s(p, ms);
            s.aktivieren();
            s.nameSetzen(name);
            bool ok = s.ok();
            s.nachSchliessen();
            return ok;
        };
        ms.fensterSkript[Fenster::EPOspei] = [] { return true; };
        ms.fensterSkript[Fenster::SpeiRep] = [] { return true; };
    }
    fs::path operator/(const std::string& n) const { return dir / n; }
    std::string lesen(const std::string& n) const {
        auto t = io::readText(dir / n);
        return t ? *t : "<missing>";
    }
};

}  // namespace

TEST(Speichern, AnExistingFileIsReplacedOnlyAfterYes) {
    Projekt f;
    Zustand& z = f.p.z;
    z.ProjektDatei = (f / "ALT.PLM").string();
    ASSERT_TRUE(io::writeText(f / "ALT.PLM", "alt"));

    // No: nothing under the old name, the save-as window again.
    f.ms.antworten = {Antwort::Nein};
    Speichern(f.p, f.ms);
    EXPECT_EQ(f.ms.texte().front(), "File già esistente! Sovrascrivere?");
    EXPECT_EQ(z.SpeichAbbruch, 0);  // saved under the new name
    EXPECT_EQ(f.speichuGezeigt, 1);
    EXPECT_EQ(f.lesen("ALT.PLM"), "alt");
    EXPECT_TRUE(fs::exists(f / "NORD.PLM"));

    // Yes: replaced.
    z.ProjektDatei = (f / "ALT.PLM").string();
    f.ms.antworten = {Antwort::Ja};
    Speichern(f.p, f.ms);
    EXPECT_TRUE(f.lesen("ALT.PLM").starts_with("\"26.1.0\""));
}

TEST(Speichern, AnIncompleteProjectGetsNoParameterFileAndTheReportDoesNotClaimOne) {
    Projekt f;
    Zustand& z = f.p.z;
    z.ParaSpeichern = 1;
    z.Berechnet = 0;
    z.ProjektGeladen = 0;
    z.ParaDatei = "/somewhere/OLD.NPA";  // from an earlier save
    z.ProjektDatei = (f / "Q.PLM").string();
    Speichern(f.p, f.ms);
    EXPECT_FALSE(fs::exists(f / "Q.NPA"));
    EXPECT_EQ(f.ms.texte(), std::vector<std::string>{"Immissione incompleta! Il file *PAR non viene salvato."});
    EXPECT_EQ(SpeiRepNachSpeichern(z).label[2], "");
}

TEST(Speichern, ExitOrOpenWithYesStayWithTheProjectWhenTheSaveRefuses) {
    struct Fall {
        const char* wie;
        std::function<void(Projekt&)> vorbereiten;
        std::string dateiDanach;  // below the project directory
    };
    auto speichu = [](Projekt& f, const std::string& verzeichnis, bool ok) {
        f.ms.fensterSkript[Fenster::Speichu] = [&f, verzeichnis, ok] {
            SpeichuPresenter s(f.p, f.ms);
            s.aktivieren();
            if (!verzeichnis.empty()) s.verzeichnisSetzen((f / verzeichnis).string());
            s.nameSetzen("SUED");
            const bool bestaetigt = ok && s.ok();
            if (!ok) s.abbrechen();
            s.nachSchliessen();
            return bestaetigt;
        };
    };
    const std::vector<Fall> faelle = {
        {"178", [](Projekt& f) { f.p.z.CodeModus = "S"; f.p.z.ProjektDatei = (f / "N.PLM").string(); }, "N.PLM"},
        {"failed write", [](Projekt& f) { f.p.z.ProjektDatei = (f / "fehlt" / "N.PLM").string(); }, "fehlt/N.PLM"},
        // The name typed into a cancelled save-as window is the one a later save uses.
        {"save-as cancelled", [&](Projekt& f) { speichu(f, "", false); }, "SUED.PLM"},
        // A save-as whose save fails leaves the project its name and no file.
        {"save-as failed", [&](Projekt& f) { speichu(f, "fehlt", true); }, ""},
    };
    for (const auto& fall : faelle)
        for (Befehl befehl : {Befehl::Ende, Befehl::Oeffnen}) {
            SCOPED_TRACE(std::string(fall.wie) + (befehl == Befehl::Ende ? " exit" : " open"));
            Projekt f;
            Zustand& z = f.p.z;
            z.Bearbeitet = 1;
            f.p.verzeichnis = f.dir.path();
            fall.vorbereiten(f);
            Menue1Presenter menue(f.p, f.ms);
            menue.setzeVerfuegbar({Befehl::Oeffnen});
            menue.setzeAktion(Befehl::Speichern, [&] { Speichern(f.p, f.ms); });
            f.ms.antworten = {Antwort::Ja};
            EXPECT_FALSE(menue.ausfuehren(befehl));  // the program stays
            EXPECT_EQ(z.SpeichAbbruch, 1);
            EXPECT_EQ(z.Bearbeitet, 1);
            EXPECT_EQ(z.Projektname, "Nord");
            EXPECT_EQ(z.ProjektDatei, fall.dateiDanach.empty() ? "" : (f / fall.dateiDanach).string());
            const auto fenster = f.ms.fenster();
            EXPECT_EQ(std::count(fenster.begin(), fenster.end(), Fenster::Oeffnen), 0);
            EXPECT_FALSE(fs::exists(f / "N.PLM") || fs::exists(f / "SUED.PLM"));
        }
}

TEST(Speichu, NamesThatCannotBeFileNamesAreRefused) {
    Projekt f;
    SpeichuPresenter s(f.p, f.ms);
    s.aktivieren();
    s.nameSetzen("");
    EXPECT_FALSE(s.ok());
    s.nameSetzen("A/B");
    EXPECT_FALSE(s.ok());
    // A name too long for a file name of the folder, with the endings the
    // project's files get; an accented letter takes two bytes.
    const std::size_t laengster = LaengsterProjektname(f.dir.path());
    EXPECT_GE(laengster, 200u);
    std::string umlaute;
    while (umlaute.size() <= laengster) umlaute += "ü";
    for (const std::string& lang : {std::string(laengster + 1, 'A'), std::string(280, 'A'), umlaute}) {
        s.nameSetzen(lang);
        EXPECT_FALSE(s.ok());
    }
    EXPECT_EQ(f.ms.texte(), (std::vector<std::string>{"Immettere nomi del progetto!",
                                                       "Il nome del progetto non è conforme alle regole DOS", Text(2020),
                                                       Text(2020), Text(2020)}));
    s.nachSchliessen();  // not confirmed: nothing saved
    EXPECT_TRUE(fs::is_empty(f.dir.path()));

    // The longest name the folder takes is saved, with every file of the save.
    s.nameSetzen(std::string(laengster, 'A'));
    ASSERT_TRUE(s.ok());
    s.nachSchliessen();
    EXPECT_TRUE(fs::exists(f / (std::string(laengster, 'A') + ".PLM")));
    EXPECT_TRUE(fs::exists(f / (std::string(laengster, 'A') + ".EPO")));
}

// A file that is no project keeps the window open and the project; a saved one is opened.
TEST(Oeffnen, AFileThatIsNoProjectKeepsTheWindowOpenASavedOneOpens) {
    Projekt f;
    ASSERT_TRUE(io::writeText(f / "FREMD.PLM", "\"26.1.0\"\r\n\"X\",\"\",\"\",\"\",\"\",\"\",\"WORD\"\r\n"));
    f.p.z.ProjektDatei = (f / "NORD.PLM").string();
    Speichern(f.p, f.ms);
    f.ms.protokoll.clear();
    f.p.z.ProjektBefehleAktiv = 0;
    OeffnenPresenter o(f.p, f.ms);
    o.aktivieren();
    EXPECT_EQ(o.oeffnen("FREMD.PLM"), OeffnenPresenter::Ergebnis::Bleibt);
    EXPECT_EQ(f.ms.texte(), std::vector<std::string>{"Kein TARVIS-Projekt!"});
    EXPECT_EQ(f.p.z.ZentralenTyp, 4);
    ASSERT_EQ(o.oeffnen("NORD.PLM"), OeffnenPresenter::Ergebnis::Geladen);
    EXPECT_EQ(f.p.z.ProjektBefehleAktiv, 1);
}
