// Each window's controls reach its presenter and show what it holds: the
// windows are built on their presenters, driven with QTest and the project
// state checked. The windows of the main flow are also driven by the
// acceptance test; their keyboard use and layout by TastaturTest.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <QRegularExpression>
#include <memory>

#include "calc/ArtikellisteDialog.h"
#include "calc/AusgabeDialog.h"
#include "calc/Drucken.h"
#include "calc/EPOspeiDialog.h"
#include "calc/HinweisDialog.h"
#include "ablauf/SpeichernAblauf.h"
#include "calc/SpeiRepDialog.h"
#include "io/TextFile.h"
#include "loops/DXAGehDialog.h"
#include "loops/ExtDialog.h"
#include "loops/PQSPQBspDialog.h"
#include "loops/PeripherieDialoge.h"
#include "loops/RelaisDialoge.h"
#include "loops/SpeisungDialoge.h"
#include "projekt/Einstellungen.h"
#include "projekt/ProjektDatei.h"
#include "ablauf/Anwendung.h"
#include "ablauf/Oeffnen6Dialog.h"
#include "ablauf/OeffnenDialog.h"
#include "widgets/QtText.h"
#include "einstellungen/SBWahlDialog.h"
#include "ablauf/SpeichuDialog.h"
#include "einstellungen/StammdatenDialog.h"
#include "einstellungen/TexteingabeDialog.h"
#include "widgets/Verzeichnisbaum.h"
#include "support/Fensterfuehrer.h"
#include "support/Programme.h"
#include "support/TempDir.h"
#include "wizard/AuswahlDialog.h"
#include "wizard/OLNVernetzDialog.h"
#include "wizard/ZentTypDialog.h"
#include "wizard/ZusaetzeDialog.h"

using namespace tarvis;
using namespace tarvis::ui;
using tarvis::test::Fensterfuehrer;
using tarvis::test::ScriptedMessages;
namespace fs = std::filesystem;

namespace {

template <class T> T* kind(QWidget& w, const char* name) {
    T* k = w.findChild<T*>(QString::fromUtf8(name));
    if (!k) qFatal("missing control %s in %s", name, qPrintable(w.objectName()));
    return k;
}
void klick(QWidget& w, const char* name) { kind<QAbstractButton>(w, name)->click(); }
void tippen(QWidget& w, const char* name, const QString& text) {
    auto* feld = kind<QLineEdit>(w, name);
    feld->setFocus();
    feld->selectAll();
    if (text.isEmpty()) QTest::keyClick(feld, Qt::Key_Delete);
    QTest::keyClicks(feld, text);
}
QString text(QWidget& w, const char* name) { return kind<QLabel>(w, name)->text(); }
bool angenommen(QDialog& d) { return d.result() == QDialog::Accepted; }

Programm programm(int typ) {
    Programm p = test::musterProgramm();
    p.z.ZentralenTyp = static_cast<Integer>(typ);
    ZentralenNameSetzen(p.z, typ);
    return p;
}

}  // namespace

class FensterTest : public QObject {
    Q_OBJECT

private slots:
    void resultReportAndSmallResultWindows() {
        Programm p = programm(4);
        p.z.Menge[534] = 16;
        p.z.Menge[108] = 1;
        ScriptedMessages ms;
        AusgabePresenter ap(p, ms);
        AusgabeDialog a(ap);
        QTableWidget* g = a.raster();
        QCOMPARE(g->rowCount(), 2);
        QCOMPARE(g->item(0, 3)->text(), QStringLiteral("K52016005"));
        QVERIFY(g->item(0, 0)->textAlignment() & Qt::AlignRight);
        QVERIFY(g->columnWidth(2) > 3 * g->columnWidth(0));
        klick(a, "cmdWeiter");
        QVERIFY(angenommen(a));

        p.z.Verknuepft = 1;
        int gedruckt = 0;
        HinweisPresenter hp(p, ms, [&] { ++gedruckt; });
        HinweisDialog h(hp);
        QTableWidget* r = h.raster();
        QVERIFY(QFontInfo(r->font()).fixedPitch());
        QCOMPARE(r->item(r->rowCount() - 1, 0)->text(), QString());  // the page break marker
        int laengste = 0;  // no line is cut
        for (int i = 0; i < r->rowCount(); ++i) laengste = std::max(laengste, r->fontMetrics().horizontalAdvance(r->item(i, 0)->text()));
        QVERIFY(r->columnWidth(0) >= laengste);
        klick(h, "cmdDrucken");
        QCOMPARE(gedruckt, 1);

        EPOspeiPresenter ep(p);
        EPOspeiDialog e(ep);
        klick(e, "chkNetz");
        QCOMPARE(p.z.EPONetz, Byte{0});
        klick(e, "cmdOK");
        QCOMPARE(p.z.EPOAbgefragt, Byte{1});

        Zustand z;
        z.ProjektDatei = "/p/NORD.PLM";
        SpeiRepDialog s0(SpeiRepNachSpeichern(z));
        QVERIFY(kind<QLabel>(s0, "Label2")->isHidden());
        z.ParaSpeichern = z.ParaGeschrieben = z.EPOGeschrieben = 1;
        z.ParaDatei = "/p/NORD.NPA";
        z.EPONetz = 0;
        SpeiRepDialog s(SpeiRepNachSpeichern(z));
        QCOMPARE(text(s, "Label2"), QStringLiteral("File *PAR salvato: /p/NORD.NPA"));
        QCOMPARE(text(s, "Label5"), QStringLiteral("Elementi di rete non salvato"));
        // A path wider than any screen may be cut; the window may not grow
        // beyond the screen with its button.
        z.ProjektDatei = "/p/" + std::string(400, 'N') + ".PLM";
        SpeiRepDialog lang(SpeiRepNachSpeichern(z));
        QVERIFY(lang.minimumSizeHint().width() < 700);
    }

    void theArticleListAndSearchThroughTheProgram() {
        tarvis::test::TempDir dir;
        Anwendung a;
        QVERIFY(a.starten(tarvis::test::programmKopie(dir), std::nullopt));
        a.programm().z.CodeModus = "V";
        Fensterfuehrer f;
        f.fenster["Modus"] = [](QWidget* w) { Fensterfuehrer::druecken(w->findChild<QPushButton*>("cmdOK")); };
        f.fenster["BranotWahl"] = [](QWidget* w) {
            Fensterfuehrer::spaeter([w] {
                w->findChild<QRadioButton*>("optBrand")->click();
                w->findChild<QPushButton*>("cmdOK")->click();
            });
        };
        QStringList zeilen;
        auto lesen = [&](QWidget* w) {
            auto* g = w->findChild<QTableWidget*>("Grid1");
            for (int r = 0; r < g->rowCount(); ++r) zeilen << g->item(r, 0)->text() + QLatin1Char('|') + g->item(r, 2)->text();
            Fensterfuehrer::druecken(w->findChild<QPushButton*>("cmdOK"));
        };
        f.fenster["Listeseh"] = lesen;
        f.fenster["Sucherg"] = lesen;
        QVERIFY(tarvis::test::befehl(a.hauptfenster(), Befehl::ListeSeh));
        QCOMPARE(f.gesehen, (QStringList{"Modus", "BranotWahl", "Listeseh"}));
        QVERIFY(zeilen.contains(QStringLiteral("108 |K52016005")));
        QCOMPARE(zeilen.first(), QStringLiteral("|"));  // a heading: no number, no code

        // The search: the position key of the OM 301, then nothing, then Cancel.
        zeilen.clear();
        f.gesehen.clear();
        QStringList eingaben{QStringLiteral("1725"), QStringLiteral("XYZXYZ")};
        f.eingabe = [&](const QString&) { return eingaben.isEmpty() ? QString() : eingaben.takeFirst(); };
        f.antwort = [](const QString&) { return QMessageBox::Yes; };
        QVERIFY(tarvis::test::befehl(a.hauptfenster(), Befehl::ArtSuch));
        QCOMPARE(zeilen, QStringList{QStringLiteral("534|K52301725")});
        QVERIFY(f.meldungen.contains(QStringLiteral("Articolo non trovato!")));
        QVERIFY(f.gesehen.last().startsWith(QStringLiteral("Eingabe: ")));  // cancelled: no further message

        // The printed list after Yes to the question.
        const fs::path pdf = dir / "artikel.pdf";
        setzePdfDateiWahl([&](QWidget*, const QString&) { return qs(pdf.string()); });
        QVERIFY(tarvis::test::befehl(a.hauptfenster(), Befehl::ListeDru));
        QVERIFY(tarvis::test::pdfText(pdf).contains(QRegularExpression(QStringLiteral("108 +KVT 2000 B deutsch +K52016005"))));
    }

    void saveAsAndOpenWindows() {
        tarvis::test::TempDir dir;
        Programm p = programm(4);
        p.z.PrgVersion = kVersionText;
        p.z.VersionMax = "26.1";
        p.z.ProjPfad = dir.path().string();
        p.z.Projektname = "Nord";
        p.z.CodeModus = p.z.ProjCodeModus = "S";  // no hand-over file
        ScriptedMessages ms;
        ms.fensterSkript[Fenster::SpeiRep] = [] { return true; };
        {
            SpeichuPresenter pr(p, ms);
            SpeichuDialog d(pr);
            QCOMPARE(text(d, "Label5"), qs((dir / "Nord.PLM").string()));
            tippen(d, "text1", QStringLiteral("SU/ED"));  // the slash is refused with a beep
            QCOMPARE(text(d, "Label5"), qs((dir / "SUED.PLM").string()));
            QCOMPARE(test::piepser(ms), 1);
            klick(d, "optParaJa");
            QCOMPARE(p.z.ParaSpeichern, Byte{1});
            klick(d, "cmdOK");
            QVERIFY(angenommen(d));
            QVERIFY(!fs::exists(dir / "SUED.PLM"));  // the save follows once the window is gone
            pr.nachSchliessen();
            QVERIFY(fs::exists(dir / "SUED.PLM"));
        }
        {
            SpeichuPresenter pr(p, ms);
            SpeichuDialog d(pr);
            klick(d, "cmdAbbrechen");
            QCOMPARE(p.z.SpeichAbbruch, Byte{1});
        }
        {
            // A name too long for a file is shown whole and refused whole, and
            // its path does not widen the window.
            const std::string name = p.z.Projektname;
            p.z.Projektname = std::string(280, 'B');
            ms.protokoll.clear();
            SpeichuPresenter pr(p, ms);
            SpeichuDialog d(pr);
            QCOMPARE(kind<QLineEdit>(d, "text1")->text().size(), 280);
            QVERIFY(d.minimumSizeHint().width() < 700);
            klick(d, "cmdOK");
            QCOMPARE(d.result(), int(QDialog::Rejected));
            QCOMPARE(ms.nummern(), std::vector<int>{2020});
            p.z.Projektname = name;
        }

        // The project folder comes after many others in the tree.
        for (int i = 0; i < 60; ++i) fs::create_directory(dir / ("A" + std::to_string(100 + i)));
        fs::create_directory(dir / "Z");
        fs::rename(dir / "SUED.PLM", dir / "Z" / "SUED.PLM");
        std::ofstream(dir / "Z" / "liste.txt") << "x";
        ProjektZuruecksetzen(p.z);
        p.z.ProjPfad = (dir / "Z").string();
        OeffnenPresenter pr(p, ms);
        OeffnenDialog d(pr);
        QListWidget* liste = d.dateiliste();
        QCOMPARE(liste->count(), 1);
        // The first file is chosen, as it is shown; the folder tree shows the
        // project folder once it has read the folders around it.
        QCOMPARE(liste->selectedItems(), QList<QListWidgetItem*>{liste->item(0)});
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        Verzeichnisbaum* baum = d.verzeichnisse();
        QTest::qWait(500);
        QVERIFY(baum->viewport()->rect().contains(baum->visualRect(baum->currentIndex())));
        QCOMPARE(baum->verzeichnis(), qs((dir / "Z").string()));
        d.verzeichnisse()->setzeVerzeichnis(qs(dir.path().string()));
        QCOMPARE(liste->count(), 0);
        klick(d, "cmdOK");  // no file: 364, the window stays
        QCOMPARE(ms.texte().back(), std::string("Seleziona un file!"));
        d.verzeichnisse()->setzeVerzeichnis(qs((dir / "Z").string()));
        emit liste->itemDoubleClicked(liste->item(0));
        QVERIFY(angenommen(d));
        QCOMPARE(p.z.ZentralenTyp, Integer{4});
    }

    void theLinkWindow() {
        tarvis::test::TempDir dir;
        const std::string teile = "\"J\"\r\n\"K52016005\",1,\"KVT 2000 B deutsch\",0\r\n\"K52044176\",1,\"RAVI 1\",0\r\n"
                                  "\"K52041096\",2,\"WX 20\",0\r\n";
        io::writeText(dir / "A.EPO", teile + "\"K52046851\",1,\"DKM 100\",0\r\n");
        io::writeText(dir / "B.EPO", teile);
        io::writeText(dir / "C.EPO", "\"J\"\r\n\"K52016005\",1,\"KVT 2000 B deutsch\",0\r\n");
        Programm p = programm(4);
        p.z.PrgVersion = kVersionText;
        ScriptedMessages ms;
        Verknuepfung v(p, ms);
        Oeffnen6Dialog d(v, ms, dir.path().string());
        QCOMPARE(d.dateiliste()->count(), 3);  // the "*.EPO" files only
        auto oeffnen = [&](const char* datei) {
            d.dateiliste()->setCurrentItem(d.dateiliste()->findItems(QString::fromLatin1(datei), Qt::MatchExactly).first());
            klick(d, "cmdÖffnen");
        };
        oeffnen("C.EPO");
        QCOMPARE(text(d, "lblD1"), QStringLiteral("C.EPO = ungültig!"));
        QVERIFY(kind<QRadioButton>(d, "opt1")->isChecked());
        oeffnen("B.EPO");
        QVERIFY(kind<QRadioButton>(d, "opt2")->isChecked());
        QVERIFY(!kind<QPushButton>(d, "cmdSpeichern")->isEnabled());
        oeffnen("A.EPO");
        QCOMPARE(text(d, "lblD2"), QStringLiteral("A.EPO"));
        QVERIFY(kind<QPushButton>(d, "cmdSpeichern")->isEnabled());
        QVERIFY(kind<QPushButton>(d, "cmdSpeichern")->isDefault());
        tippen(d, "txtSpeichern", qs((dir / "GESAMT").string()));
        QCOMPARE(v.ziel(), (dir / "GESAMT.EPO").string());
        ms.antworten = {Antwort::Ja};
        klick(d, "cmdSpeichern");
        QVERIFY(angenommen(d));
        QVERIFY(fs::exists(dir / "GESAMT.TXT"));
    }

    void settingsWindows() {
        tarvis::test::TempDir dir;
        Programm p;
        p.verzeichnis = dir.path();
        p.z.Sachbearbeiter = "";
        ScriptedMessages ms;
        {
            StammdatenPresenter pr(p, ms);
            StammdatenDialog d(pr);
            QCOMPARE(kind<QLineEdit>(d, "text1")->text(), QStringLiteral("Projekt1"));
            QTest::keyClicks(kind<QLineEdit>(d, "text1"), "Scuola \"Nord\"");  // the first key replaces the default name
            QCOMPARE(QString::fromStdString(p.z.Projektname), QStringLiteral("Scuola Nord"));
            QVERIFY(!text(d, "lblProName").isEmpty() && kind<QLabel>(d, "lblProName")->isHidden());
            tippen(d, "text6", QString());
            klick(d, "cmdOK");
            QCOMPARE(ms.texte().back(), std::string("Immettere incaricato!"));
            tippen(d, "text6", QStringLiteral("Rossi"));
            tippen(d, "text3", QStringLiteral("ORD-77"));
            klick(d, "cmdOK");
            QVERIFY(angenommen(d));
            QCOMPARE(QString::fromStdString(p.z.Bestellnummer), QStringLiteral("ORD-77"));
        }
        {
            TexteingabePresenter pr(p, ms);
            TexteingabeDialog d(pr);
            kind<QLineEdit>(d, "txtText2")->insert(QStringLiteral("\"A\""));  // pasted: the quotes go
            QCOMPARE(QString::fromStdString(p.z.Bemerkung2), QStringLiteral("A"));
        }
        // The clerk selection: into a folder and back, a double-click reads the file.
        Zustand s;
        s.Sachbearbeiter = "Bianchi";
        s.DruckGroesse = 8;
        fs::create_directory(dir / "PROJEKTE");
        QVERIFY(KonfigDateiSchreiben(dir / "Bianchi.KON", s, KonfigWerteAus(s)));
        QVERIFY(KonfigDateiSchreiben(dir / "PROJEKTE" / "Conti.KON", s, KonfigWerteAus(s)));
        SBWahlPresenter pr(p, ms);
        SBWahlDialog d(pr);
        auto* verzeichnisse = kind<QListWidget>(d, "Dir1");
        auto* dateien = kind<QListWidget>(d, "File1");
        emit verzeichnisse->itemActivated(verzeichnisse->item(1));
        QCOMPARE(dateien->item(0)->text(), QStringLiteral("Conti.KON"));
        emit verzeichnisse->itemActivated(verzeichnisse->item(0));
        emit dateien->itemActivated(dateien->item(0));
        QVERIFY(angenommen(d));
        QCOMPARE(p.z.DruckGroesse, 8);
    }

    void wizardWindows() {
        Programm p = programm(4);
        p.z.Tele = 1;
        ScriptedMessages ms;
        {
            // A double-click chooses and goes on; the networking window closed with
            // its close box keeps the panel type window open.
            ZentTypPresenter pr(p, ms);
            ZentTypDialog d(pr);
            d.show();
            QVERIFY(QTest::qWaitForWindowExposed(&d));
            QTest::mouseDClick(kind<QRadioButton>(d, "optKVT2N"), Qt::LeftButton);
            QCOMPARE(ms.fenster(), std::vector<Fenster>{Fenster::OLNVernetz});
            QVERIFY(d.isVisible());
            ms.fensterSkript[Fenster::OLNVernetz] = [] { return true; };
            QTest::mouseDClick(kind<QRadioButton>(d, "optKVT2B"), Qt::LeftButton);
            QVERIFY(angenommen(d));
            QCOMPARE(p.z.ZentralenTyp, Integer{4});
        }
        {
            OLNVernetzPresenter pr(p, ms);
            OLNVernetzDialog d(pr);
            QVERIFY(!kind<QLineEdit>(d, "txtName")->isEnabled());
            klick(d, "optOLNja");
            QVERIFY(kind<QRadioButton>(d, "optOpto1")->isChecked());
            klick(d, "optLWL1");
            klick(d, "optModem2");
            tippen(d, "txtName", QStringLiteral("KVT Nord"));
            klick(d, "cmdWeiter");
            QVERIFY(angenommen(d));
            QCOMPARE(p.z.OLN1b + p.z.OLN2c, 2);
            QCOMPARE(p.z.OLNName.trimmed(), std::string("KVT Nord"));
        }
        {
            p.z.AnzBE = 3;
            GMAwechselPresenter pr(p, ms);
            AuswahlDialog d(pr);
            d.show();
            QVERIFY(QTest::qWaitForWindowExposed(&d));
            ms.antworten = {Antwort::Ja};
            QTest::mouseDClick(kind<QRadioButton>(d, "optNeu"), Qt::LeftButton);
            QVERIFY(angenommen(d));
            QCOMPARE(p.z.AnzBE, Integer{0});
        }
        ZusaetzePresenter pr(p, ms);
        ZusaetzeDialog d(pr);
        tippen(d, "txtVRXnorm", QStringLiteral("20"));
        QCOMPARE(kind<QScrollBar>(d, "hsbVRXnorm")->value(), 12);  // the box and its bar show what is stored
        // A refusal brings the tab of its input to the front.
        tippen(d, "TextBE1", QStringLiteral("2"));
        tippen(d, "TextBE2", QStringLiteral("1"));
        d.reiter()->reiter(10)->click();
        klick(d, "cmdWeiter");  // 216 answered No
        QCOMPARE(d.reiter()->currentIndex(), 9);
        QVERIFY(!angenommen(d));
        klick(d, "cmdGedächtnis");
        QVERIFY(d.reiter()->tabText(0).endsWith(QStringLiteral(" *")));
        tippen(d, "TextBE2", QStringLiteral("2"));
        klick(d, "cmdWeiter");
        QVERIFY(angenommen(d));
    }

    void supplyAndRelayWindows() {
        Programm p = programm(4);
        ScriptedMessages ms;
        p.z.Menge[529] = p.z.AnzPQS = 4;
        {
            PQSPQBspPresenter pr(p, ms);
            PQSPQBspDialog d(pr);
            QVERIFY(!kind<QLineEdit>(d, "txtPQSspeis")->isEnabled());
            klick(d, "optPQSnicht");
            tippen(d, "txtPQSspeis", QStringLiteral("9"));
            QCOMPARE(kind<QLineEdit>(d, "txtPQSspeis")->text(), QStringLiteral("4"));
            kind<QScrollBar>(d, "hsbPQSspeis")->setValue(2);
            QCOMPARE(p.z.PQSspeis, 2);
            klick(d, "cmdWeiter");
            QVERIFY(angenommen(d));
        }
        {
            p.z.AnzPQK = 3;
            PQKSpeisungPresenter pr(p, ms);
            PQKSpeisungDialog d(pr);
            tippen(d, "txtPQK12", QStringLiteral("2"));
            ms.antworten = {Antwort::Nein};
            klick(d, "cmdWeiter");
            QVERIFY(!angenommen(d));
        }
        {
            p.z.PQVspeis = 0;
            PQVSpeisungPresenter pr(p);
            PQVSpeisungDialog d(pr);
            klick(d, "optPQV12Ort");
            QCOMPARE(p.z.PQVspeis, Integer{3});
            QTest::mouseDClick(kind<QRadioButton>(d, "optPQV28KVT"), Qt::LeftButton);
            QVERIFY(angenommen(d));
        }
        {
            p.z.AnzHY = 2;
            p.z.AnzPQK = 1;
            HY100Presenter pr(p, ms);
            HY100Dialog d(pr);
            tippen(d, "txtPQKnorm28", QStringLiteral("x5"));
            QCOMPARE(p.z.PQKnorm28, Integer{5});
            ms.antworten = {Antwort::Nein};
            klick(d, "cmdWeiter");
            QCOMPARE(ms.texte().back(), Text(391) + " 1 PQK! OK?");
        }
        PQSloeschenPresenter pr(p, ms);
        PQSloeschenDialog d(pr);
        klick(d, "optLöschenJa");
        QCOMPARE(p.z.Loeschen, Integer{1});
        tippen(d, "txtVOG", QStringLiteral("5"));  // one per PQS
        QCOMPARE(p.z.VOGanz, Integer{5});
        klick(d, "cmdWeiter");
        QVERIFY(!angenommen(d));
        tippen(d, "txtVOG", QStringLiteral("4"));
        klick(d, "cmdWeiter");
        QVERIFY(angenommen(d));
    }

    void supplySizingAndLoadWindows() {
        Programm p = programm(3);
        ScriptedMessages ms;
        p.z.DXAVorschlag = 2;
        p.z.ZOLWVorschlag = 1;
        {
            DXAGehPresenter pr(p, ms);
            DXAGehDialog d(pr);
            tippen(d, "txtDXA", QStringLiteral("0"));
            klick(d, "cmdWeiter");
            QCOMPARE(ms.texte().back(), Text(163));
            tippen(d, "txtDXA", QStringLiteral("3"));
            klick(d, "cmdWeiter");
            QVERIFY(angenommen(d));
            QCOMPARE(p.z.AnzDXA, Integer{3});
        }
        // A row product beyond 32767 takes the focus back to the quantity.
        p.z.ZentralenTyp = 4;
        ExtPresenter pr(p, ms, ExtSpannung::V12);
        ExtDialog d(pr);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        tippen(d, "txtName12_1", QStringLiteral("Sirene \"A\""));
        QCOMPARE(p.z.Ext12Name[1], std::string("Sirene A"));
        tippen(d, "txtRuhe12_1", QStringLiteral("100"));
        tippen(d, "txtAlarm12_1", QStringLiteral("120"));
        auto* menge = kind<QLineEdit>(d, "txtMenge12_1");
        QTest::keyClicks(menge, QStringLiteral("30"));
        QCOMPARE(text(d, "lblSummeRuhe"), QStringLiteral("3000"));
        kind<QLineEdit>(d, "txtRuhe12_1")->setFocus();
        QTest::keyClicks(menge, QStringLiteral("0"));  // 300 x 120 = 36000
        QCOMPARE(ms.texte().back(), Text(147));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(menge));
        tippen(d, "txtMenge12_1", QStringLiteral("200"));
        klick(d, "cmdOk");
        QVERIFY(angenommen(d));
        QCOMPARE(p.z.Ext12Alarm, 24000.0f);
    }

    void peripheralWindows() {
        Programm p = programm(6);
        ScriptedMessages ms;
        {
            PERIPHPresenter pr(p, ms);
            PERIPHDialog d(pr);
            d.show();
            QVERIFY(QTest::qWaitForWindowActive(&d));
            ElementGrid* g = d.liste()->grid();
            g->setCurrentIndex(g->model()->index(*pr.raster().zeileVon(354), 3));
            QTest::keyClicks(g, QStringLiteral("1"));
            QTest::keyClicks(kind<QLineEdit>(d, "txtAnz1"), QStringLiteral("2345"));  // four digits at most
            QCOMPARE(p.z.Menge[354], 1234);
            klick(d, "cmdOK");
            QCOMPARE(ms.texte().back(), Text(390));
            QVERIFY(!angenommen(d));
        }
    }
};

QTEST_MAIN(FensterTest)
#include "FensterTest.moc"
