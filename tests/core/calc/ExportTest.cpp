#include <gtest/gtest.h>

#include "CalcHilfe.h"
#include "calc/EPOspeiPresenter.h"
#include "calc/Exportdateien.h"
#include "calc/SpeiRep.h"
#include "io/TextFile.h"
#include "projekt/Texte.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"

using namespace tarvis;
using test::ScriptedMessages;

namespace {

const Zeitstempel kZeit{"06/12/2026", "14:05:09"};

std::string lesen(const std::filesystem::path& f) {
    auto b = io::readBytes(f);
    return b ? *b : std::string("<missing>");
}

// A saved KVT 2000 B with a loop, peripherals and panel articles.
Programm projekt(const test::TempDir& dir) {
    Programm p = test::musterProgramm();
    Zustand& z = p.z;
    test::zentrale(z, 4);
    z.Alarmart = "B";
    z.AnzMG = 32;
    z.Projektname = "Müller";
    z.ProjektDatei = (dir / "MUELLER.PLM").string();
    z.PrgVersion = "26.1.0";
    z.Berechnet = 1;
    z.Menge[108] = 1;   // KVT 2000 B deutsch
    z.Menge[46] = 1;    // no LIBEX code
    z.Menge[156] = 2;   // WX 20
    z.Menge[355] = 1;   // a transmission device
    z.Menge[365] = 2;   // sounders
    z.Menge[433] = 1;
    test::schleife(z, 1, 534, 12);
    test::schleife(z, 3, 534, 4);
    test::schleife(z, 2, 546, 12);  // a "!" accessory
    test::schleife(z, 1, 544, 1);   // LIBEX number part 0000
    return p;
}

}  // namespace

TEST(ParaDatei, KeyLinesThenLoopElementsWithoutAccessories) {
    test::TempDir dir;
    Programm p = projekt(dir);
    p.z.Doppeln = "J";
    ScriptedMessages ms;
    ASSERT_TRUE(ParaSpeich(p, ms, p.z.ProjektDatei, p.z.Projektname, kZeit));
    EXPECT_EQ(p.z.ParaDatei, (dir / "MUELLER.NPA").string());
    EXPECT_EQ(lesen(dir / "MUELLER.NPA"),
              "\"000\",\"M\xDCLLER.NPA\",\"06/12/2026\"\r\n"
              "\"001\",\"Typ (OPX,KVT,RW)\",\"KVT2000\"\r\n"
              "\"002\",\"Brand/Notruf (B,N,undef)\",\"B\"\r\n"
              "\"004\",\"Linientechnik (KBN,GLT)\",\"KBN\"\r\n"
              "\"005\",\"Meldergruppen KBN\",32\r\n"
              "\"006\",\"Linienkarten\",2\r\n"
              "\"007\",\"Doppelung DKM (J,N)\",\"J\"\r\n"
              "\"009\",\"Blockschl. KBN\",0\r\n"
              "\"010\",\"Uebertragungseinr.\",1\r\n"
              "\"011\",\"Externsignalg. opt./ak.\",2\r\n"
              "\"015\",\"BE eingeb.\",1\r\n"
              "\"016\",\"BE abges.\",0\r\n"
              "\"018\",\"Drucker\",0\r\n"
              "\"020\",\"FBF\",0\r\n"
              "\"021\",\"FSK-A\",0\r\n"
              "\"022\",\"Abges. Schluesselschalter\",0\r\n"
              "\"024\",\"BIX300\",0\r\n"
              "\"025\",\"OLMA\",0\r\n"
              "\"026\",\"WX20\",2\r\n"
              "\"027\",\"WX485\",0\r\n"
              "\"028\",\"WX24\",0\r\n"
              "\"OM \",\"Optischer Rauchmelder OM 301  \",1,1,12\r\n"
              "\"OM \",\"Optischer Rauchmelder OM 301  \",2,1,4\r\n"
              "\"MKM\",\"Mehrkriterienmelder MKM 400   \",1,1,1\r\n");
    EXPECT_TRUE(ms.protokoll.empty());
}

TEST(ParaDatei, WithoutLoopElementsOnlyKeyLinesAndNoTypeLineForOtherTypes) {
    Programm p = test::musterProgramm();
    p.z.ZentralenTyp = 7;
    p.z.ProjektGeladen = 1;
    std::string text = ParaDateiInhalt(p, "x", kZeit);
    EXPECT_EQ(text.find("\"001\""), std::string::npos);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 20);
    EXPECT_TRUE(text.ends_with("\"028\",\"WX24\",0\r\n"));
}

TEST(ParaDatei, IncompleteProjectIsRefusedWith475) {
    test::TempDir dir;
    Programm p = projekt(dir);
    p.z.Berechnet = 0;
    ScriptedMessages ms;
    EXPECT_FALSE(ParaSpeich(p, ms, p.z.ProjektDatei, p.z.Projektname, kZeit));
    ASSERT_EQ(ms.texte(), std::vector<std::string>{Text(475)});
    EXPECT_FALSE(std::filesystem::exists(dir / "MUELLER.NPA"));
    EXPECT_EQ(p.z.ParaDatei, "");
}

TEST(EPODatei, FlagLineThenArticlesWithACode) {
    test::TempDir dir;
    Programm p = projekt(dir);
    p.z.EPOAbgefragt = 1;
    p.z.EPOKennz = "N";
    ScriptedMessages ms;
    ASSERT_TRUE(EPOSchreiben(p, ms));
    EXPECT_EQ(p.z.EPODatei, (dir / "MUELLER.EPO").string());
    EXPECT_EQ(lesen(dir / "MUELLER.EPO"),
              "\"N\"\r\n"
              "\"K52016005\",1,\"KVT 2000 B deutsch            \",0\r\n"
              "\"K52041096\",2,\"Schnittstelle WX 20           \",0\r\n"
              "\"K52224328\",1,\"\xDC" "bertragungsger\xE4t \xDC" "G 100 ISDN \",0\r\n"
              "\"K52236784\",2,\"Au\xDF" "ensirene AS 12             \",0\r\n"
              "\"K52261973\",1,\"Blitzsirene BS 28 rot         \",0\r\n"
              "\"K52301725\",16,\"Optischer Rauchmelder OM 301  \",0\r\n"
              "\"K52300000\",1,\"Mehrkriterienmelder MKM 400   \",0\r\n"
              "\"K52308236\",12,\"Meldersockel MS 301           \",0\r\n");
    EXPECT_EQ(p.z.EPOGeschrieben, 1);
    EXPECT_TRUE(ms.fenster().empty());
    EXPECT_EQ(p.z.LIBEXFehlt, 1);

    // Without the article that has no code at all, the MKM 400 (written, its
    // number part 0000) still reports a missing number.
    p.z.Menge[46] = 0;
    p.z.LIBEXFehlt = 0;
    ASSERT_TRUE(EPOSchreiben(p, ms));
    EXPECT_EQ(p.z.LIBEXFehlt, 1);
    p.z.Menge[544] = 0;
    ASSERT_TRUE(EPOSchreiben(p, ms));
    EXPECT_EQ(p.z.LIBEXFehlt, 0);
}

TEST(EPODatei, ChoicesLeaveOutLoopElementsOrPeripherals) {
    test::TempDir dir;
    Programm p = projekt(dir);
    p.z.EPOAbgefragt = 0;
    p.z.Menge[46] = 0;  // its blank code would report a missing LIBEX number
    ScriptedMessages ms;
    ms.fensterSkript[Fenster::EPOspei] = [&p] {
        p.z.EPONetz = 0;
        p.z.EPOAbgefragt = 1;
        return true;
    };
    ASSERT_TRUE(EPOSchreiben(p, ms));
    EXPECT_EQ(ms.fenster(), std::vector<Fenster>{Fenster::EPOspei});
    std::string epo = lesen(dir / "MUELLER.EPO");
    EXPECT_TRUE(epo.starts_with("\"J\"\r\n\"K52016005\""));
    EXPECT_EQ(epo.find("K5230"), std::string::npos);
    EXPECT_NE(epo.find("K52224328"), std::string::npos);
    EXPECT_EQ(p.z.LIBEXFehlt, 0);  // the MKM 400 is out of range

    p.z.EPONetz = 0;
    p.z.EPOPeri = 0;
    p.z.Menge.fill(0);
    EXPECT_EQ(EPOInhalt(p).text, "\"J\"\r\n");
}

TEST(EPODatei, ZeroNumberPartSetsLIBEXFehltForAnArticleNotWritten) {
    Programm p = test::musterProgramm();
    test::zentrale(p.z, 3);  // intrusion: the intrusion field is checked
    p.z.Menge[108] = 1;      // a fire panel: no intrusion code, so not written
    auto e = EPOInhalt(p);
    EXPECT_EQ(e.text, "\"J\"\r\n");
    EXPECT_TRUE(e.libexFehlt);
}

TEST(EPODatei, ShortProjectPathWritesNothing) {
    test::TempDir dir;
    Programm p = projekt(dir);
    p.z.EPOAbgefragt = 1;
    p.z.ProjektDatei = "X.P";
    p.z.EPODatei = "vorher";
    p.z.LIBEXFehlt = 1;
    ScriptedMessages ms;
    EXPECT_FALSE(EPOSchreiben(p, ms));
    EXPECT_EQ(p.z.EPODatei, "vorher");
    EXPECT_EQ(p.z.EPOGeschrieben, 0);
    EXPECT_FALSE(std::filesystem::exists("X.EPO"));
    EXPECT_TRUE(ms.protokoll.empty());
}

TEST(EPODatei, WriteErrorIsReportedAndNothingIsSet) {
    test::TempDir dir;
    Programm p = projekt(dir);
    p.z.EPOAbgefragt = 1;
    p.z.ProjektDatei = (dir / "fehlt" / "MUELLER.PLM").string();
    ScriptedMessages ms;
    EXPECT_FALSE(EPOSchreiben(p, ms));
    ASSERT_EQ(ms.protokoll.size(), 1u);
    EXPECT_TRUE(ms.protokoll[0].text.starts_with(Text(394) + " 76\n"));
    EXPECT_EQ(p.z.EPOGeschrieben, 0);
}

TEST(PRNDatei, WordProcessorLayout) {
    test::TempDir dir;
    Programm p = projekt(dir);
    p.z.Menge.fill(0);
    p.z.Menge[108] = 1;
    p.z.Menge[46] = 1;
    p.z.Sachbearbeiter = "Rossi";
    p.z.Angebotsnummer = "A-17";
    p.z.Bemerkung1 = "Nota";
    ScriptedMessages ms;
    ASSERT_TRUE(PRNDatei(p, ms, PRNModus::Text, {}, kZeit));
    const std::string b = std::string(21, ' ');
    EXPECT_EQ(lesen(dir / "MUELLER.PRN"),
              b + "NORVEK -Sistemi di sicurezza GmbH - KVT/RW/TL\r\n" +
              b + std::string(45, '_') + "\r\n"
              "\r\n"
              "Progetto:        M\xFCller" + std::string(27, ' ') + "TARVIS Version 26.1.0\r\n"
              "N\xB0 offerta:      A-17" + std::string(29, ' ') + "Datum: 06/12/2026\r\n"
              "N\xB0 ordine:" + std::string(40, ' ') + "Zeit:  14:05:09\r\n"
              "N\xB0 foglio di costruz.:\r\n"
              "N\xB0 ordine:" + std::string(7, ' ') + "\r\n"  // an empty field still reaches its column
              "Incaricato:      Rossi\r\n"
              "\r\n"
              "Elenco dei materiali:\r\n"
              "*********************\r\n"
              "\r\n"
              "Art. Quant.Denominazione" + std::string(20, ' ') + "LIBEX\r\n"
              "\r\n"
              " 46    1   Anschaltsatz BE N-Zentralen               \r\n"
              "108    1   KVT 2000 B deutsch               K52016005\r\n"
              "\r\n"
              "Comunicazione:\r\n"
              "**************\r\n"
              "\r\n"
              "Nota\r\n"
              "\r\n"
              "\r\n");
    EXPECT_EQ(ms.texte(), std::vector<std::string>{(dir / "MUELLER.PRN").string() + " gespeichert"});
}

TEST(PRNDatei, SpreadsheetLayout) {
    test::TempDir dir;
    Programm p = projekt(dir);
    p.z.Menge.fill(0);
    p.z.Menge[275] = 1;
    p.z.Menge[108] = 1;
    p.z.Menge[46] = 2;
    p.z.CodeModus = "S";
    p.z.Sachbearbeiter = "Rossi";
    EXPECT_EQ(PRNInhalt(p, PRNModus::Tabelle, kZeit),
              "\"TARVIS  26.1.0\",\"06/12/2026\",\" \"\r\n"
              "\"Müller\",\"Rossi\",\" \"\r\n"
              "\"Art\",\"Menge\",\"Benennung\",\"Nummer\",\"KMAT\",\" Preis \",\" Summe \"\r\n"
              "46,2,\"Anschaltsatz BE N-Zentralen   \",\"4.996.103.117\",\"nein\"\r\n"
              "108,1,\"KVT 2000 B deutsch            \",\"4.996.110.155\",\"ja\"\r\n"
              "275,1,\"Versorgung DXA 1000 KVT 1000  \",\"4.998.130.809\",\"KMAT DXA\"\r\n");
}

TEST(PRNDatei, WithoutProjectFileTheSaveAsCommandRunsFirst) {
    test::TempDir dir;
    Programm p = projekt(dir);
    p.z.ProjektDatei.clear();
    ScriptedMessages ms;
    int gefragt = 0;
    EXPECT_FALSE(PRNDatei(p, ms, PRNModus::Tabelle, [&] { ++gefragt; }, kZeit));
    EXPECT_EQ(gefragt, 1);
    EXPECT_TRUE(ms.protokoll.empty());

    ASSERT_TRUE(PRNDatei(p, ms, PRNModus::Tabelle, [&] { p.z.ProjektDatei = (dir / "NEU.PLM").string(); }, kZeit));
    EXPECT_TRUE(std::filesystem::exists(dir / "NEU.PRN"));
}

TEST(PRNDatei, AFailedWriteIsReportedNotFollowedBySaved) {
    test::TempDir dir;
    Programm p = projekt(dir);
    // A directory stands where the file should go: the write fails.
    std::filesystem::create_directory(dir / "MUELLER.PRN");
    ScriptedMessages ms;
    EXPECT_FALSE(PRNDatei(p, ms, PRNModus::Text, {}, kZeit));
    ASSERT_EQ(ms.protokoll.size(), 1u);
    EXPECT_EQ(ms.protokoll[0].symbol, Symbol::Ausrufezeichen);
    EXPECT_TRUE(ms.protokoll[0].text.starts_with(Text(394)));
    EXPECT_EQ(ms.protokoll[0].text.find("gespeichert"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "MUELLER.PRN"));
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(SpeiRep, LinesOfTheSaveReport) {
    Zustand z;
    z.ProjektDatei = "/p/A.PLM";
    auto a = SpeiRepAktivieren(z);
    EXPECT_EQ(a.titel, Text(655));
    EXPECT_EQ(a.label[1], "File del progetto salvato: /p/A.PLM");
    for (int i = 2; i <= 8; ++i) EXPECT_EQ(a.label[static_cast<std::size_t>(i)], "") << i;

    z.ParaSpeichern = 1;
    z.ParaDatei = "/p/A.NPA";
    z.EPOGeschrieben = 1;
    z.EPODatei = "/p/A.EPO";
    z.LIBEXFehlt = 1;
    z.EPONetz = 0;
    z.EPOPeri = 1;
    a = SpeiRepAktivieren(z);
    EXPECT_EQ(a.label[2], "File *PAR salvato: /p/A.NPA");
    EXPECT_EQ(a.label[3], "Elenco LIBEX salvato: /p/A.EPO");
    EXPECT_EQ(a.label[4], Text(302));
    EXPECT_EQ(a.label[5], "Elementi di rete non salvato");
    EXPECT_EQ(a.label[6], "Periferiche (rivelatori ecc.) salvato");
    EXPECT_EQ(a.label[7], Text(464));
    EXPECT_EQ(a.label[8], Text(465));
}

TEST(EPOspei, ClicksStoreAtOnceAndOKConfirmsForTheProject) {
    Programm p = test::musterProgramm();
    EPOspeiPresenter e(p);
    auto a = e.ansicht();
    EXPECT_TRUE(a.peripherieAn);
    EXPECT_TRUE(a.netzAn);
    EXPECT_EQ(a.hinweis, Text(460));
    e.netzKlick(false);
    EXPECT_EQ(p.z.EPONetz, 0);
    EXPECT_FALSE(e.ansicht().netzAn);
    e.peripherieKlick(false);
    e.peripherieKlick(true);
    EXPECT_EQ(p.z.EPOPeri, 1);
    EXPECT_EQ(p.z.EPOAbgefragt, 0);
    EXPECT_TRUE(e.ok());
    EXPECT_EQ(p.z.EPOAbgefragt, 1);
}
