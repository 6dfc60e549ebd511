#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "projekt/Einstellungen.h"
#include "einstellungen/SBWahlDialog.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"

using namespace tarvis;
using namespace tarvis::ui;
namespace fs = std::filesystem;

class SBWahlDialogTest : public QObject {
    Q_OBJECT

private:
    static QStringList eintraege(QListWidget* l) {
        QStringList s;
        for (int i = 0; i < l->count(); ++i) s << l->item(i)->text();
        return s;
    }
    static void doppelklick(QListWidget* l, int zeile) {
        QRect r = l->visualItemRect(l->item(zeile));
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, r.center());
    }

private slots:
    void aDoubleClickedClerkFileIsRead() {
        tarvis::test::TempDir dir;
        fs::create_directory(dir / "PROJEKTE");
        Zustand s;
        s.Sachbearbeiter = "Bianchi";
        s.DruckGroesse = 8;
        QVERIFY(KonfigDateiSchreiben(dir / "Bianchi.KON", s, KonfigWerteAus(s)));
        QVERIFY(KonfigDateiSchreiben(dir / "PROJEKTE" / "Conti.KON", s, KonfigWerteAus(s)));
        Programm p;
        p.verzeichnis = dir.path();
        tarvis::test::ScriptedMessages ms;
        SBWahlPresenter presenter(p, ms);
        SBWahlDialog d(presenter);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));

        auto* dir1 = d.findChild<QListWidget*>("Dir1");
        auto* file1 = d.findChild<QListWidget*>("File1");
        QCOMPARE(d.windowTitle(), QStringLiteral("Scelta del file di configurazione con diversi incaricati"));
        QCOMPARE(d.findChild<QLabel*>("lblDateiname")->text(), QStringLiteral("&Datei:"));
        QCOMPARE(eintraege(file1), QStringList{"Bianchi.KON"});
        QCOMPARE(eintraege(dir1), (QStringList{"..", "PROJEKTE"}));

        // Into PROJEKTE and back.
        doppelklick(dir1, 1);
        QCOMPARE(eintraege(file1), QStringList{"Conti.KON"});
        doppelklick(dir1, 0);
        QCOMPARE(eintraege(file1), QStringList{"Bianchi.KON"});

        doppelklick(file1, 0);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(QString::fromStdString(p.z.Sachbearbeiter), QStringLiteral("Bianchi"));
        QCOMPARE(p.z.DruckGroesse, 8);
    }

    void okWithoutAFileAsksAndNewClerkClosesTheWindow() {
        tarvis::test::TempDir dir;
        Programm p;
        p.verzeichnis = dir.path();
        tarvis::test::ScriptedMessages ms;
        SBWahlPresenter presenter(p, ms);
        {
            SBWahlDialog d(presenter);
            d.show();
            QVERIFY(QTest::qWaitForWindowExposed(&d));
            d.findChild<QPushButton*>("cmdOK")->click();  // unscripted: No
            QCOMPARE(ms.texte(), std::vector<std::string>{"Ohne Konfig-Datei starten?\nOK?"});
            QVERIFY(d.isVisible());
            d.findChild<QPushButton*>("cmdNeu")->click();
            QVERIFY(!d.isVisible());
        }
        ms.eingaben = {std::string("Verdi")};
        presenter.nachSchliessen();
        QVERIFY(fs::exists(dir / "Verdi.KON"));
        QCOMPARE(ms.fenster(), std::vector<Fenster>{Fenster::SBWahl});
    }
};

QTEST_MAIN(SBWahlDialogTest)
#include "SBWahlDialogTest.moc"
