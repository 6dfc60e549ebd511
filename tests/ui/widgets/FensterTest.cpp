// Each window's controls reach its presenter and show what it holds: the
// windows are built on their presenters, driven with QTest and the project
// state checked. The windows of the main flow are also driven by the
// acceptance test; their keyboard use and layout by TastaturTest.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <filesystem>

#include "calc/AusgabeDialog.h"
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
#include "wizard/OLNVernetzDialog.h"
#include "wizard/ZentTypDialog.h"
#include "wizard/ZusaetzeDialog.h"

using namespace tarvis;
using namespace tarvis::ui;
using tarvis::test::Fensterfuehrer;
using tarvis::test::ScriptedMessages;
using tarvis::test::klicken;
using tarvis::test::tippen;
namespace fs = std::filesystem;

namespace {

template <class T> T* kind(QWidget* w, const char* name) { return Fensterfuehrer::kind<T>(w, name); }
QString text(QWidget& w, const char* name) { return kind<QLabel>(&w, name)->text(); }
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
        klicken(&a, "cmdWeiter");
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
        klicken(&h, "cmdDrucken");
        QCOMPARE(gedruckt, 1);

        EPOspeiPresenter ep(p);
        EPOspeiDialog e(ep);
        klicken(&e, "chkNetz");
        QCOMPARE(p.z.EPONetz, Byte{0});
        klicken(&e, "cmdOK");
        QCOMPARE(p.z.EPOAbgefragt, Byte{1});

        Zustand z;
        z.ProjektDatei = "/p/NORD.PLM";
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
            tippen(&d, "text1", QStringLiteral("SU/ED"));  // the slash is refused with a beep
            QCOMPARE(text(d, "Label5"), qs((dir / "SUED.PLM").string()));
            QCOMPARE(test::piepser(ms), 1);
            klicken(&d, "optParaJa");
            QCOMPARE(p.z.ParaSpeichern, Byte{1});
            klicken(&d, "cmdOK");
            QVERIFY(angenommen(d));
            QVERIFY(!fs::exists(dir / "SUED.PLM"));  // the save follows once the window is gone
            pr.nachSchliessen();
            QVERIFY(fs::exists(dir / "SUED.PLM"));
        }
        {
            // A name too long for a file is shown whole (the core refuses it
            // whole), and its path does not widen the window.
            const std::string name = p.z.Projektname;
            p.z.Projektname = std::string(280, 'B');
            SpeichuPresenter pr(p, ms);
            SpeichuDialog d(pr);
            QCOMPARE(kind<QLineEdit>(&d, "text1")->text().size(), 280);
            QVERIFY(d.minimumSizeHint().width() < 700);
            p.z.Projektname = name;
        }

        // The project folder comes after many others in the tree.
        for (int i = 0; i < 60; ++i) fs::create_directory(dir / ("A" + std::to_string(100 + i)));
        fs::create_directory(dir / "Z");
        fs::rename(dir / "SUED.PLM", dir / "Z" / "SUED.PLM");
        io::writeText(dir / "Z" / "liste.txt", "x");
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
        io::writeText(dir / "C.TXT", "");
        Programm p = programm(4);
        p.z.PrgVersion = kVersionText;
        ScriptedMessages ms;
        Verknuepfung v(p, ms);
        Oeffnen6Dialog d(v, ms, dir.path().string());
        QCOMPARE(d.dateiliste()->count(), 2);  // the "*.EPO" files only
        auto oeffnen = [&](const char* datei) {
            d.dateiliste()->setCurrentItem(d.dateiliste()->findItems(QString::fromLatin1(datei), Qt::MatchExactly).first());
            klicken(&d, "cmdÖffnen");
        };
        oeffnen("B.EPO");
        QVERIFY(kind<QRadioButton>(&d, "opt2")->isChecked());
        QVERIFY(!kind<QPushButton>(&d, "cmdSpeichern")->isEnabled());
        oeffnen("A.EPO");
        QCOMPARE(text(d, "lblD2"), QStringLiteral("A.EPO"));
        QVERIFY(kind<QPushButton>(&d, "cmdSpeichern")->isEnabled());
        QVERIFY(kind<QPushButton>(&d, "cmdSpeichern")->isDefault());
        tippen(&d, "txtSpeichern", qs((dir / "GESAMT").string()));
        QCOMPARE(v.ziel(), (dir / "GESAMT.EPO").string());
        ms.antworten = {Antwort::Ja};
        klicken(&d, "cmdSpeichern");
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
            QCOMPARE(kind<QLineEdit>(&d, "text1")->text(), QStringLiteral("Projekt1"));
            QTest::keyClicks(kind<QLineEdit>(&d, "text1"), "Scuola \"Nord\"");  // the first key replaces the default name
            QCOMPARE(QString::fromStdString(p.z.Projektname), QStringLiteral("Scuola Nord"));
            QVERIFY(!text(d, "lblProName").isEmpty() && kind<QLabel>(&d, "lblProName")->isHidden());
            tippen(&d, "text6", QStringLiteral("Rossi"));
            tippen(&d, "text3", QStringLiteral("ORD-77"));
            klicken(&d, "cmdOK");
            QVERIFY(angenommen(d));
            QCOMPARE(QString::fromStdString(p.z.Bestellnummer), QStringLiteral("ORD-77"));
        }
        {
            TexteingabePresenter pr(p, ms);
            TexteingabeDialog d(pr);
            kind<QLineEdit>(&d, "txtText2")->insert(QStringLiteral("\"A\""));  // pasted: the quotes go
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
        auto* verzeichnisse = kind<QListWidget>(&d, "Dir1");
        auto* dateien = kind<QListWidget>(&d, "File1");
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
            QTest::mouseDClick(kind<QRadioButton>(&d, "optKVT2N"), Qt::LeftButton);
            QCOMPARE(ms.fenster(), std::vector<Fenster>{Fenster::OLNVernetz});
            QVERIFY(d.isVisible());
            ms.fensterSkript[Fenster::OLNVernetz] = [] { return true; };
            QTest::mouseDClick(kind<QRadioButton>(&d, "optKVT2B"), Qt::LeftButton);
            QVERIFY(angenommen(d));
            QCOMPARE(p.z.ZentralenTyp, Integer{4});
        }
        {
            OLNVernetzPresenter pr(p, ms);
            OLNVernetzDialog d(pr);
            QVERIFY(!kind<QLineEdit>(&d, "txtName")->isEnabled());
            klicken(&d, "optOLNja");
            klicken(&d, "optLWL1");
            klicken(&d, "optModem2");
            tippen(&d, "txtName", QStringLiteral("KVT Nord"));
            klicken(&d, "cmdWeiter");
            QVERIFY(angenommen(d));
            QCOMPARE(p.z.OLN1b + p.z.OLN2c, 2);
            QCOMPARE(p.z.OLNName.trimmed(), std::string("KVT Nord"));
        }
        ZusaetzePresenter pr(p, ms);
        ZusaetzeDialog d(pr);
        tippen(&d, "txtVRXnorm", QStringLiteral("20"));
        QCOMPARE(kind<QScrollBar>(&d, "hsbVRXnorm")->value(), 12);  // the box and its bar show what is stored
        // A refusal brings the tab of its input to the front.
        tippen(&d, "TextBE1", QStringLiteral("2"));
        tippen(&d, "TextBE2", QStringLiteral("1"));
        d.reiter()->reiter(10)->click();
        klicken(&d, "cmdWeiter");  // 216 answered No
        QCOMPARE(d.reiter()->currentIndex(), 9);
        QVERIFY(!angenommen(d));
        klicken(&d, "cmdGedächtnis");
        QVERIFY(d.reiter()->tabText(0).endsWith(QStringLiteral(" *")));
        tippen(&d, "TextBE2", QStringLiteral("2"));
        klicken(&d, "cmdWeiter");
        QVERIFY(angenommen(d));
    }

    void supplyRelayAndLoadWindows() {
        Programm p = programm(4);
        ScriptedMessages ms;
        p.z.Menge[529] = p.z.AnzPQS = 4;
        {
            PQSPQBspPresenter pr(p, ms);
            PQSPQBspDialog d(pr);
            QVERIFY(!kind<QLineEdit>(&d, "txtPQSspeis")->isEnabled());
            klicken(&d, "optPQSnicht");
            kind<QScrollBar>(&d, "hsbPQSspeis")->setValue(2);
            QCOMPARE(p.z.PQSspeis, 2);
            klicken(&d, "cmdWeiter");
            QVERIFY(angenommen(d));
        }
        p.z.PQVspeis = 0;
        PQVSpeisungPresenter pqv(p);
        PQVSpeisungDialog pqvd(pqv);
        klicken(&pqvd, "optPQV12Ort");
        QCOMPARE(p.z.PQVspeis, Integer{3});
        QTest::mouseDClick(kind<QRadioButton>(&pqvd, "optPQV28KVT"), Qt::LeftButton);
        QVERIFY(angenommen(pqvd));
        {
            PQSloeschenPresenter pr(p, ms);
            PQSloeschenDialog d(pr);
            klicken(&d, "optLöschenJa");
            QCOMPARE(p.z.Loeschen, Integer{1});
            tippen(&d, "txtVOG", QStringLiteral("4"));
            QCOMPARE(p.z.VOGanz, Integer{4});
            klicken(&d, "cmdWeiter");
            QVERIFY(angenommen(d));
        }
        p.z.ZentralenTyp = 3;
        p.z.DXAVorschlag = 2;
        p.z.ZOLWVorschlag = 1;
        DXAGehPresenter dxa(p, ms);
        DXAGehDialog dxad(dxa);
        tippen(&dxad, "txtDXA", QStringLiteral("3"));
        klicken(&dxad, "cmdWeiter");
        QCOMPARE(p.z.AnzDXA, Integer{3});

        // A row product beyond 32767 takes the focus back to the quantity.
        p.z.ZentralenTyp = 4;
        ExtPresenter pr(p, ms, ExtSpannung::V12);
        ExtDialog d(pr);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        tippen(&d, "txtRuhe12_1", QStringLiteral("100"));
        tippen(&d, "txtAlarm12_1", QStringLiteral("120"));
        auto* menge = kind<QLineEdit>(&d, "txtMenge12_1");
        QTest::keyClicks(menge, QStringLiteral("30"));
        QCOMPARE(text(d, "lblSummeRuhe"), QStringLiteral("3000"));
        kind<QLineEdit>(&d, "txtRuhe12_1")->setFocus();
        QTest::keyClicks(menge, QStringLiteral("0"));  // 300 x 120 = 36000
        QCOMPARE(ms.texte().back(), Text(147));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(menge));
        d.close();

        // The peripheral list takes four digits at most.
        p = programm(6);
        PERIPHPresenter peri(p, ms);
        PERIPHDialog perid(peri);
        perid.show();
        QVERIFY(QTest::qWaitForWindowActive(&perid));
        ElementGrid* g = perid.liste()->grid();
        g->setCurrentIndex(g->model()->index(*peri.raster().zeileVon(354), 3));
        QTest::keyClicks(g, QStringLiteral("1"));
        QTest::keyClicks(kind<QLineEdit>(&perid, "txtAnz1"), QStringLiteral("2345"));
        QCOMPARE(p.z.Menge[354], 1234);
    }
};

QTEST_MAIN(FensterTest)
#include "FensterTest.moc"
