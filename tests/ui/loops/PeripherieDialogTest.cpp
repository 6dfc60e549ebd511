#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "loops/PeripherieDialoge.h"
#include "projekt/Texte.h"
#include "support/ScriptedMessages.h"

using namespace tarvis;
using namespace tarvis::ui;

namespace {

Programm muster(int typ) {
    Programm p;
    p.verzeichnis = TARVIS_PROGRAM_DIR;
    p.katalog = *Katalog::oeffnen(p.datei("TARVIS.ART"));
    p.estrom = *EStromLesen(p.datei("ESTROMK.DAT"));
    ProjektZuruecksetzen(p.z);
    p.z.ZentralenTyp = static_cast<Integer>(typ);
    ZentralenNameSetzen(p.z, typ);
    return p;
}

void klicken(ElementGrid* g, const ElementRaster& r, int satz) {
    QModelIndex i = g->model()->index(*r.zeileVon(satz), 3);
    g->scrollTo(i);
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(i).center());
}

}  // namespace

class PeripherieDialogTest : public QObject {
    Q_OBJECT

private slots:
    void projectPeripheralsThroughTheGrid() {
        Programm p = muster(6);
        test::ScriptedMessages ms;
        PERIPHPresenter pr(p, ms);
        PERIPHDialog d(pr);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        ElementGrid* g = d.liste()->grid();
        QCOMPARE(g->model()->columnCount(), 4);
        klicken(g, pr.raster(), 354);
        QTest::keyClicks(g, QStringLiteral("1"));
        auto* box = d.findChild<QLineEdit*>(QStringLiteral("txtAnz1"));
        QCOMPARE(QApplication::focusWidget(), box);
        QTest::keyClicks(box, QStringLiteral("2345"));  // four digits at most
        QCOMPARE(p.z.Menge[354], 1234);
        QCOMPARE(d.findChild<QLabel*>(QStringLiteral("lblSumme"))->text(), QStringLiteral("1234"));
        d.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        QVERIFY(d.isVisible());
        QCOMPARE(ms.texte().back(), Text(390));
        klicken(g, pr.raster(), 354);
        QTest::keyClicks(g, QStringLiteral("1"));
        d.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
    }

    void standaloneCalculation() {
        Programm p = muster(8);
        test::ScriptedMessages ms;
        PeriStromDaten daten;
        PeriStromPresenter pr(p, ms, daten);
        PeriStromDialog d(pr);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        ElementGrid* g = d.liste()->grid();
        QTest::keyClicks(g, QStringLiteral("sig"));  // "Signalgeber SG 28 rot"
        QCOMPARE(pr.raster().gewaehlt()->satz, 366);
        QTest::keyClicks(g, QStringLiteral("1"));
        QTest::keyClicks(d.findChild<QLineEdit*>(QStringLiteral("txtAnz1")), QStringLiteral("2"));
        QCOMPARE(daten.PeriMenge[366], 12);
        d.findChild<QRadioButton*>(QStringLiteral("optPQS"))->click();
        QCOMPARE(daten.Koppler, 5);
        QTest::keyClicks(d.findChild<QLineEdit*>(QStringLiteral("txtDUV")), QStringLiteral("2"));
        QCOMPARE(p.z.AnzDUV, 2);

        ms.antworten = {Antwort::Ja};  // correct the input: the window stays
        d.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        QVERIFY(d.isVisible());
        QVERIFY(QString::fromStdString(ms.texte().back()).contains(QStringLiteral("01590 mA")));  // 1320 + 150 + 120
        ms.antworten = {Antwort::Nein};
        d.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(PeripherieDialogTest)
#include "PeripherieDialogTest.moc"
