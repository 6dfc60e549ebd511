// A KVT 2000 B project as a user enters it: New through the input windows,
// the calculation, the result and report windows with the printed result
// list, Save with the parameter and hand-over files, and Open again. Then
// two such projects linked into one KVT 2000/6 fire D.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <filesystem>
#include <tuple>

#include "calc/Auswerten.h"
#include "calc/Drucken.h"
#include "calc/Exportdateien.h"
#include "support/Projektdatei.h"
#include "io/TextFile.h"
#include "loops/DXAGehPruefung.h"
#include "loops/KBNNachzaehlen.h"
#include "loops/KBNUebernahme.h"
#include "ablauf/Anwendung.h"
#include "ablauf/Menue1View.h"
#include "widgets/QtText.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"
#include "ui/calc/Fensterfuehrer.h"

using namespace tarvis;
using namespace tarvis::ui;
using tarvis::test::befehl;
using tarvis::test::Fensterfuehrer;
using tarvis::test::programmKopie;
using tarvis::test::klicken;
using tarvis::test::pdfText;
using tarvis::test::tippen;
namespace fs = std::filesystem;

namespace {

template <class T> T* kind(QWidget* w, const char* name) { return Fensterfuehrer::kind<T>(w, name); }

// Whether a PDF's text holds a phrase; the text extraction may widen or
// narrow the blanks between words.
bool enthaelt(const QString& text, const QString& phrase) {
    QString muster;
    for (const QString& wort : phrase.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        muster += (muster.isEmpty() ? QString() : QStringLiteral("\\s+")) + QRegularExpression::escape(wort);
    return text.contains(QRegularExpression(muster));
}

std::string lesen(const fs::path& f) {
    auto t = io::readText(f);
    return t ? *t : std::string("<missing>");
}

using Schleifen = std::vector<std::tuple<int, int, int>>;  // loop, record, quantity

// The loop entry is another window's work: here the quantities go into the
// loops directly and the routines of its forward button hand them on.
void ersatzfenster(Anwendung& a, Schleifen schleifen) {
    a.ansichten().ersetzen(Fenster::KBNEIN, [&a, schleifen] {
        Zustand& z = a.programm().z;
        for (auto [k, i, q] : schleifen) z.KBNMenge(k)[i] = q;
        KBNSummieren(a.programm(), a.meldungen());
        KBNMengenUebernehmen(z);
        KBNModuleAbleiten(z, a.meldungen());
        KBNBedienteileZaehlen(z);
        z.WeiterOK = 1;
        return true;
    });
}

}  // namespace

class ProjektAblaufTest : public QObject {
    Q_OBJECT

private slots:
    void aKvt2000BFromNewToPrintedSavedAndReopened() {
        tarvis::test::TempDir dir;
        Anwendung a;
        QVERIFY(a.starten(programmKopie(dir), std::nullopt));
        Menue1View& v = a.hauptfenster();
        v.show();
        Zustand& z = a.programm().z;
        ersatzfenster(a, {{1, 534, 12}, {3, 534, 4}, {1, 560, 2}});
        const fs::path pdf = dir / "ergebnis.pdf";
        QStringList pdfVorschlaege;
        setzePdfDateiWahl([&](QWidget*, const QString& vorschlag) {
            pdfVorschlaege << vorschlag;
            return qs(pdf.string());
        });

        Fensterfuehrer f;
        // The loop entry printout after the loop entry is not wanted here.
        f.antwort = [](const QString& t) {
            if (t.startsWith(QStringLiteral("Sì = elenco di stampa completo"))) return QMessageBox::Cancel;
            return t.startsWith(QStringLiteral("Stampare elenco")) ? QMessageBox::Yes : QMessageBox::NoButton;
        };
        f.fenster["ZentTyp"] = [](QWidget* w) {
            Fensterfuehrer::spaeter([w] {
                kind<QRadioButton>(w, "optKVT2B")->click();
                kind<QPushButton>(w, "cmdWeiter")->click();
            });
        };
        f.fenster["OLNVernetz"] = [](QWidget* w) {
            Fensterfuehrer::spaeter([w] {
                kind<QRadioButton>(w, "optOLNja")->click();
                tippen(w, "txtName", QStringLiteral("NORD"));
                kind<QPushButton>(w, "cmdWeiter")->click();
            });
        };
        f.fenster["Stammdaten"] = [](QWidget* w) {
            Fensterfuehrer::spaeter([w] {
                tippen(w, "text1", QStringLiteral("Nord"));
                tippen(w, "text2", QStringLiteral("A-17"));
                tippen(w, "text3", QStringLiteral("B-4711"));
                tippen(w, "text4", QStringLiteral("BP 12"));
                tippen(w, "text5", QStringLiteral("AU 99"));
                tippen(w, "text6", QStringLiteral("Rossi"));
                kind<QPushButton>(w, "cmdOK")->click();
            });
        };
        f.fenster["Modus"] = [](QWidget* w) {
            Fensterfuehrer::spaeter([w] {
                kind<QRadioButton>(w, "optLIBEX")->click();
                kind<QRadioButton>(w, "optDeutsch")->click();
                kind<QPushButton>(w, "cmdOK")->click();
            });
        };
        f.fenster["Zusaetze"] = [](QWidget* w) { Fensterfuehrer::druecken(kind<QPushButton>(w, "cmdWeiter")); };
        QStringList kopf, zeile534;
        int artikelZeilen = -1;
        f.fenster["Ausgabe"] = [&](QWidget* w) {
            auto* g = kind<QTableWidget>(w, "Grid1");
            artikelZeilen = g->rowCount();
            for (int c = 0; c < g->columnCount(); ++c) kopf << g->horizontalHeaderItem(c)->text();
            for (int r = 0; r < g->rowCount(); ++r)
                if (g->item(r, 0)->text() == QStringLiteral("534 "))
                    for (int c = 0; c < 4; ++c) zeile534 << g->item(r, c)->text();
            Fensterfuehrer::druecken(kind<QPushButton>(w, "cmdWeiter"));
        };
        QStringList bericht;
        bool festeBreite = false;
        f.fenster["Hinweis"] = [&](QWidget* w) {
            auto* g = kind<QTableWidget>(w, "Grid1");
            festeBreite = QFontInfo(g->font()).fixedPitch();
            for (int r = 0; r < g->rowCount(); ++r) bericht << g->item(r, 0)->text();
            auto* ok = kind<QPushButton>(w, "cmdOK");
            Fensterfuehrer::druecken(kind<QPushButton>(w, "cmdDrucken"), [ok] { Fensterfuehrer::druecken(ok); });
        };

        // New: from the panel type to the printed result.
        QVERIFY(befehl(v, Befehl::Neu));
        QVERIFY2(f.haengend.isEmpty(), qPrintable(f.haengend.join(QLatin1Char(','))));
        QVERIFY2(f.unbekannt.isEmpty() || f.unbekannt == QStringList{QStringLiteral("DXAGeh")},
                 qPrintable(f.unbekannt.join(',')));
        QStringList fenster;
        for (const QString& g : f.gesehen)
            if (!g.startsWith(QStringLiteral("Meldung: "))) fenster << g;
        fenster.removeAll(QStringLiteral("DXAGeh"));
        QCOMPARE(fenster, (QStringList{"ZentTyp", "OLNVernetz", "Stammdaten", "Modus", "Zusaetze", "Ausgabe", "Hinweis"}));
        QCOMPARE(z.ZentralenTyp, Integer{4});
        QCOMPARE(z.Berechnet, Byte{1});
        QCOMPARE(z.ProjektBefehleAktiv, Byte{1});
        QVERIFY(v.aktion(Befehl::Speichern)->isEnabled());
        QVERIFY(!v.werkzeug(Befehl::Drucken)->isHidden());

        // The result window lists what the calculation put into the list.
        int erwartet = 0;
        for (int i = 6; i <= 700; ++i) erwartet += z.Menge[i] > 0;
        QCOMPARE(artikelZeilen, erwartet);
        QCOMPARE(kopf, (QStringList{"Articolo ", "Quantità ", "Denominazione", "LIBEX"}));
        QCOMPARE(zeile534, (QStringList{"534 ", "16 ", "Optischer Rauchmelder OM 301  ", "K52301725"}));
        QVERIFY(z.Menge[154] >= 1);  // the loop card for loops 3 and 4
        QVERIFY(z.Menge[158] >= 1 && z.Menge[156] >= 1);  // OLN

        // The report window, in a fixed-pitch font, from its first line.
        QVERIFY(festeBreite);
        QVERIFY(bericht.size() > 20);
        QCOMPARE(bericht.first(), QStringLiteral("Indicazioni di calcolo al progetto:  Nord"));
        QVERIFY(bericht.contains(QStringLiteral("Bilancio energetico al progetto: Nord")));

        // The printout went into the PDF file the user chose.
        QCOMPARE(pdfVorschlaege.size(), 1);
        QVERIFY(pdfVorschlaege.first().endsWith(QStringLiteral("Nord.pdf")));
        const QString text = pdfText(pdf);
        const QStringList seiten = text.split(QLatin1Char('\f'));
        QVERIFY2(seiten.size() >= 3, qPrintable(text));  // list, then the report on pages of its own
        const QString& listenSeite = seiten[0];
        for (const char* s : {"NORVEK -Sistemi di sicurezza GmbH - KVT/RW/TL", "Progetto:", "Nord", "TARVIS Version 26.1.0",
                              "N° offerta:", "A-17", "B-4711", "BP 12", "AU 99", "Incaricato:", "Rossi",
                              "Elenco dei materiali:", "KVT nell'anello OLN:", "Art.", "Quant.", "LIBEX", "KMAT",
                              "KVT 2000 B deutsch", "K52016005"})
            QVERIFY2(enthaelt(listenSeite, QString::fromUtf8(s)), qPrintable(QString::fromUtf8(s) + QStringLiteral(" in:\n") + listenSeite));
        QVERIFY2(listenSeite.contains(
                     QRegularExpression(QStringLiteral("534 +16 +Optischer Rauchmelder OM 301 +K52301725 +nein"))),
                 qPrintable(listenSeite));
        QVERIFY(!listenSeite.contains(QStringLiteral("Prima:")));
        const QString berichtSeiten = seiten.mid(1).join(QLatin1Char('\n'));
        QVERIFY2(enthaelt(berichtSeiten, QStringLiteral("Indicazioni di calcolo al progetto: Nord")), qPrintable(berichtSeiten));
        QVERIFY(enthaelt(berichtSeiten, QStringLiteral("Bilancio energetico al progetto: Nord")));
        QVERIFY(enthaelt(berichtSeiten, bericht.value(10)));
        QVERIFY(!text.contains(QStringLiteral("Seitenwechsel")));

        // Save: the project has no file yet, so the save-as window comes.
        f.fenster["Speichu"] = [&](QWidget* w) {
            Fensterfuehrer::spaeter([w] {
                tippen(w, "text1", QStringLiteral("NORD"));
                kind<QRadioButton>(w, "optParaJa")->click();
                kind<QPushButton>(w, "cmdOK")->click();
            });
        };
        f.fenster["EPOspei"] = [](QWidget* w) { Fensterfuehrer::druecken(kind<QPushButton>(w, "cmdOK")); };
        QStringList bericht2;
        f.fenster["SpeiRep"] = [&](QWidget* w) {
            for (int i = 1; i <= 8; ++i) bericht2 << kind<QLabel>(w, qPrintable(QStringLiteral("Label%1").arg(i)))->text();
            Fensterfuehrer::druecken(kind<QPushButton>(w, "cmdOK"));
        };
        const int vorher = static_cast<int>(f.gesehen.size());
        QVERIFY(befehl(v, Befehl::Speichern));
        QCOMPARE(f.gesehen.mid(vorher), (QStringList{"Speichu", "EPOspei", "SpeiRep"}));
        const fs::path projekte = dir / "PROJEKTE";
        QCOMPARE(z.ProjektDatei, (projekte / "NORD.PLM").string());
        QCOMPARE(bericht2.value(0), qs("File del progetto salvato: " + (projekte / "NORD.PLM").string()));
        QCOMPARE(bericht2.value(1), qs("File *PAR salvato: " + (projekte / "NORD.NPA").string()));
        QCOMPARE(bericht2.value(2), qs("Elenco LIBEX salvato: " + (projekte / "NORD.EPO").string()));
        QCOMPARE(z.Bearbeitet, Byte{0});

        const std::string plm = lesen(projekte / "NORD.PLM");
        QVERIFY2(plm.starts_with("\"26.1.0\"\r\n\"NORD\",\"Rossi\",\"A-17\",\"B-4711\",\"BP 12\",\"AU 99\",\"TARVIS\"\r\n"),
                 plm.c_str());
        const std::string npa = lesen(projekte / "NORD.NPA");
        QVERIFY2(npa.find("\"001\",\"Typ (OPX,KVT,RW)\",\"KVT2000\"\r\n") != std::string::npos, npa.c_str());
        QVERIFY2(npa.find("\"006\",\"Linienkarten\",2\r\n") != std::string::npos, npa.c_str());
        QVERIFY2(npa.find("\"Optischer Rauchmelder OM 301  \",1,1,12\r\n") != std::string::npos, npa.c_str());
        const std::string epo = lesen(projekte / "NORD.EPO");
        QVERIFY2(epo.starts_with("\"" + z.EPOKennz.str() + "\"\r\n"), epo.c_str());
        QVERIFY2(epo.find("\"K52016005\",1,\"KVT 2000 B deutsch            \",0\r\n") != std::string::npos, epo.c_str());
        QVERIFY2(epo.find("\"K52301725\",16,") != std::string::npos, epo.c_str());
        const std::vector<std::string> gespeichert = tarvis::test::Gespeichert::von(z, z.Sachbearbeiter);

        // Open it again: after a reset the same project comes back.
        ProjektZuruecksetzen(z);
        f.fenster["Oeffnen"] = [](QWidget* w) {
            auto* liste = kind<QListWidget>(w, "File1");
            auto treffer = liste->findItems(QStringLiteral("NORD.PLM"), Qt::MatchExactly);
            if (!treffer.isEmpty()) liste->setCurrentItem(treffer.first());
            Fensterfuehrer::druecken(kind<QPushButton>(w, "cmdOK"));
        };
        f.fenster["Stammdaten"] = [](QWidget* w) { Fensterfuehrer::druecken(kind<QPushButton>(w, "cmdOK")); };
        const int vorOeffnen = static_cast<int>(f.gesehen.size());
        QVERIFY(befehl(v, Befehl::Oeffnen));
        QCOMPARE(f.gesehen.mid(vorOeffnen),
                 (QStringList{"Oeffnen",
                              "Meldung: Il progetto letto è:  KVT 2000 Incendio\nAvanti con 'Elabora' - 'Mostra risultato' o "
                              "'Immissione progetto'.",
                              "Stammdaten"}));
        QCOMPARE(z.ProjektDatei, (projekte / "NORD.PLM").string());
        QCOMPARE(z.ProjektGeladen, Byte{1});
        QCOMPARE(tarvis::test::Gespeichert::von(z, "Rossi"), gespeichert);
        QVERIFY(v.windowTitle().contains(QStringLiteral("NORD")));
        QVERIFY(v.aktion(Befehl::Drucken)->isEnabled());
    }

    void twoKvt2000BProjectsAreLinkedAndTheLinkNotesPrinted() {
        tarvis::test::TempDir dir;
        Anwendung a;
        QVERIFY(a.starten(programmKopie(dir), std::nullopt));
        Menue1View& v = a.hauptfenster();
        v.show();
        const fs::path projekte = dir / "PROJEKTE";

        // Two networked KVT 2000 B, the second with loops on its second card
        // (and so the DKM 100 loop card).
        for (auto [name, karte2] : {std::pair{"HALLE1", false}, std::pair{"HALLE2", true}}) {
            Programm& p = a.programm();
            ProjektZuruecksetzen(p.z);
            p.z.ZentralenTyp = 4;
            p.z.Sprache = 1;
            p.z.Tele = 1;
            p.z.CodeModus = "V";
            p.z.OLNJa = 1;
            p.z.OLN1a = p.z.OLN2a = 1;
            p.z.KBNMenge(karte2 ? 3 : 1)[534] = 10;
            KBNSummieren(p, a.meldungen());
            KBNMengenUebernehmen(p.z);
            p.z.ProjektDatei = (projekte / (std::string(name) + ".PLM")).string();
            tarvis::test::ScriptedMessages stumm;
            stumm.fensterSkript[Fenster::DXAGeh] = [&] {
                DXAGehVorschlagUebernehmen(p.z);
                return DXAGehWeiter(p.z, stumm);
            };
            stumm.fensterSkript[Fenster::JUBLSpeis] = [] { return true; };
            QVERIFY(Auswerten(p, stumm));
            p.z.EPOAbgefragt = 1;
            QVERIFY(EPOSchreiben(p, stumm));
        }
        // A project calculated in this run and cleared: printing is allowed in
        // the code mode of that calculation.
        ProjektZuruecksetzen(a.programm().z);
        a.programm().z.ProjCodeModus = a.programm().z.CodeModus;
        a.programm().z.ProjPfad = projekte.string();
        a.programm().z.Projektname = "Verbund";

        const fs::path pdf = dir / "verbund.pdf";
        setzePdfDateiWahl([&](QWidget*, const QString&) { return qs(pdf.string()); });
        Fensterfuehrer f;
        f.antwort = [](const QString& t) {
            return t.startsWith(QStringLiteral("Stampare elenco")) || t.endsWith(QStringLiteral("speichern?"))
                       ? QMessageBox::Yes
                       : QMessageBox::NoButton;
        };
        QStringList labels;
        f.fenster["Oeffnen6"] = [&](QWidget* w) {
            auto* liste = kind<QListWidget>(w, "File1");
            auto waehlen = [liste](const char* datei) {
                auto t = liste->findItems(QString::fromLatin1(datei), Qt::MatchExactly);
                if (!t.isEmpty()) liste->setCurrentItem(t.first());
            };
            auto* oeffnen = kind<QPushButton>(w, "cmdÖffnen");
            auto* speichern = kind<QPushButton>(w, "cmdSpeichern");
            Fensterfuehrer::spaeter([=, &labels] {
                waehlen("HALLE1.EPO");
                oeffnen->click();
                waehlen("HALLE2.EPO");
                oeffnen->click();
                labels << kind<QLabel>(w, "lblD1")->text() << kind<QLabel>(w, "lblD2")->text()
                       << kind<QLineEdit>(w, "txtSpeichern")->text() << QString::number(speichern->isEnabled());
                Fensterfuehrer::druecken(speichern);
            });
        };
        QStringList bericht;
        f.fenster["Hinweis"] = [&](QWidget* w) {
            auto* g = kind<QTableWidget>(w, "Grid1");
            for (int r = 0; r < g->rowCount(); ++r) bericht << g->item(r, 0)->text();
            auto* ok = kind<QPushButton>(w, "cmdOK");
            Fensterfuehrer::druecken(kind<QPushButton>(w, "cmdDrucken"), [ok] { Fensterfuehrer::druecken(ok); });
        };
        QVERIFY(befehl(v, Befehl::Verknuepfen));

        QCOMPARE(labels, (QStringList{"HALLE1.EPO", "HALLE2.EPO", qs((projekte / "HALLE2_6.EPO").string()), "1"}));
        QCOMPARE(a.programm().z.Verknuepft, Byte{1});
        const std::string epo = lesen(projekte / "HALLE2_6.EPO");
        QVERIFY2(epo.starts_with("\"J\"\r\n\"K52018724\",1,\"KVT 2000/6 Brand D"), epo.c_str());
        // The DKM 100 of the second panel is the one the KVT 2000/6 brings.
        QVERIFY2(epo.find("K52046851") == std::string::npos, epo.c_str());
        QVERIFY2(epo.find("\"K52301725\",10,") != std::string::npos, epo.c_str());
        QVERIFY2(epo.find("K52016005") == std::string::npos, epo.c_str());        // no single KVT 2000 B
        QVERIFY(fs::exists(projekte / "HALLE2_6.TXT"));

        QVERIFY(bericht.size() >= 11);
        QCOMPARE(bericht.first(), QStringLiteral("Hinweise zu Projekt: Verbund"));
        QCOMPARE(bericht.last(), QString());  // the page break marker, shown empty

        // The printout: the list page, then the link notes; the marker breaks
        // the page and is not printed, and no empty sheet follows it.
        const QString text = pdfText(pdf);
        QStringList seiten = text.split(QLatin1Char('\f'));
        if (seiten.last().trimmed().isEmpty()) seiten.removeLast();  // after the last form feed
        QCOMPARE(seiten.size(), 2);
        QVERIFY2(enthaelt(seiten[1], QStringLiteral("Sie haben 2 KVT 2000 KBN Brand verknüpft zu 1 KVT 2000/6 B")),
                 qPrintable(seiten[1]));
        QVERIFY(!text.contains(QStringLiteral("Seitenwechsel")));
    }

    void theExportsOfANeverSavedProjectAskForItsFileFirst() {
        tarvis::test::TempDir dir;
        Anwendung a;
        QVERIFY(a.starten(programmKopie(dir), std::nullopt));
        Menue1View& v = a.hauptfenster();
        Zustand& z = a.programm().z;
        z.ZentralenTyp = 4;
        z.Projektname = "Ost";
        z.Menge[534] = 3;
        z.Berechnet = 1;
        z.ProjektBefehleAktiv = 1;
        z.CodeModus = z.ProjCodeModus = "S";
        z.Sprache = 3;
        v.aktualisieren();
        Fensterfuehrer f;
        QString endung;
        f.fenster["Speichu"] = [&](QWidget* w) {
            endung = kind<QLabel>(w, "lblEndung")->text();
            Fensterfuehrer::druecken(kind<QPushButton>(w, "cmdOK"));
        };
        f.fenster["SpeiRep"] = [](QWidget* w) { Fensterfuehrer::druecken(kind<QPushButton>(w, "cmdOK")); };
        QVERIFY(befehl(v, Befehl::PRN2));
        QVERIFY2(f.haengend.isEmpty(), qPrintable(f.haengend.join(QLatin1Char(','))));
        const fs::path projekte = dir / "PROJEKTE";
        QCOMPARE(endung, QStringLiteral(".PRN"));
        // The project was saved under the name, then the spreadsheet file written.
        QCOMPARE(f.gesehen, (QStringList{"Speichu", "SpeiRep",
                                         qs("Meldung: " + (projekte / "Ost.PRN").string() + " gespeichert")}));
        QVERIFY(fs::exists(projekte / "Ost.PLM"));
        QVERIFY2(lesen(projekte / "Ost.PRN").find("534,3,\"Optischer Rauchmelder OM 301  \"") != std::string::npos,
                 lesen(projekte / "Ost.PRN").c_str());
        // The next export knows the file: no window, the word-processor layout.
        f.gesehen.clear();
        QVERIFY(befehl(v, Befehl::PRN1));
        QCOMPARE(f.gesehen, QStringList{qs("Meldung: " + (projekte / "Ost.PRN").string() + " gespeichert")});
        QVERIFY(lesen(projekte / "Ost.PRN").find("Elenco dei materiali:") != std::string::npos);
    }

    void aCalculationThatStopsShowsNoResultWindow() {
        tarvis::test::TempDir dir;
        Anwendung a;
        QVERIFY(a.starten(programmKopie(dir), std::nullopt));
        Fensterfuehrer f;
        bool gezeigt = true, fertig = false;
        QTimer::singleShot(0, [&] {
            a.presenter().ausfuehren(Befehl::Berechnen);  // no panel type chosen
            gezeigt = a.meldungen().oeffnen(Fenster::Ausgabe);
            fertig = true;
        });
        QVERIFY(QTest::qWaitFor([&] { return fertig; }, 20000));
        QVERIFY(!gezeigt);
        QCOMPARE(f.gesehen, QStringList{QStringLiteral("Meldung: Selezionare prima un tipo di centrale!")});
        QCOMPARE(a.programm().z.ProjektBefehleAktiv, Byte{0});
    }
};

QTEST_MAIN(ProjektAblaufTest)
#include "ProjektAblaufTest.moc"
