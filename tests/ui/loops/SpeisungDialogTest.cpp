#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include "loops/PQSPQBspDialog.h"
#include "loops/SpeisungDialoge.h"
#include "projekt/Texte.h"
#include "support/ScriptedMessages.h"

using namespace tarvis;
using namespace tarvis::ui;

namespace {

Programm muster() {
    Programm p;
    p.verzeichnis = TARVIS_PROGRAM_DIR;
    p.katalog = *Katalog::oeffnen(p.datei("TARVIS.ART"));
    ProjektZuruecksetzen(p.z);
    return p;
}

}  // namespace

class SpeisungDialogTest : public QObject {
    Q_OBJECT

private slots:
    void pqsNotAllButAClampedCount() {
        Programm p = muster();
        p.z.Menge[529] = 4;
        p.z.AnzPQS = 4;
        test::ScriptedMessages ms;
        PQSPQBspPresenter pr(p, ms);
        PQSPQBspDialog d(pr);
        QVERIFY(d.findChild<QRadioButton*>(QStringLiteral("optPQSalle"))->isChecked());
        QVERIFY(!d.findChild<QGroupBox*>(QStringLiteral("frmPQB"))->isEnabled());
        auto* box = d.findChild<QLineEdit*>(QStringLiteral("txtPQSspeis"));
        QVERIFY(!box->isEnabled());
        d.findChild<QRadioButton*>(QStringLiteral("optPQSnicht"))->click();
        QVERIFY(box->isEnabled());
        box->selectAll();
        QTest::keyClicks(box, QStringLiteral("9"));
        QCOMPARE(box->text(), QStringLiteral("4"));
        QCOMPARE(d.findChild<QScrollBar*>(QStringLiteral("hsbPQSspeis"))->value(), 4);
        d.findChild<QScrollBar*>(QStringLiteral("hsbPQSspeis"))->setValue(2);
        QCOMPARE(p.z.PQSspeis, 2);
        QVERIFY(d.findChild<QLabel*>(QStringLiteral("Label3"))->text().startsWith(QStringLiteral("4 PQS ")));
        d.findChild<QPushButton*>(QStringLiteral("cmdWeiter"))->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(p.z.PQSBestaetigt, Byte{1});
    }

    void pqkFeedsAndJUBL() {
        Programm p = muster();
        p.z.AnzPQK = 3;
        test::ScriptedMessages ms;
        PQKSpeisungPresenter pk(p, ms);
        PQKSpeisungDialog dk(pk);
        auto* pqk12 = dk.findChild<QLineEdit*>(QStringLiteral("txtPQK12"));
        QCOMPARE(pqk12->text(), QStringLiteral("3"));
        pqk12->selectAll();
        QTest::keyClicks(pqk12, QStringLiteral("2"));
        ms.antworten = {Antwort::Nein};
        dk.findChild<QPushButton*>(QStringLiteral("cmdWeiter"))->click();
        QCOMPARE(dk.result(), int(QDialog::Rejected));
        QCOMPARE(ms.texte().back(), Text(416) + "\n" + Text(418));

        p.z.Menge[453] = 2;
        JUBLSpeisPresenter pj(p, ms);
        JUBLSpeisDialog dj(pj);
        QCOMPARE(dj.findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("JUBL: 2"));
        QTest::keyClicks(dj.findChild<QLineEdit*>(QStringLiteral("txtJUBL")), QStringLiteral("3"));
        dj.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        QCOMPARE(dj.result(), int(QDialog::Rejected));
        QCOMPARE(ms.texte().back(), Text(122) + "?");
    }

    void pqvFeedByOption() {
        Programm p = muster();
        p.z.PQVspeis = 0;
        PQVSpeisungPresenter pr(p);
        PQVSpeisungDialog d(pr);
        QVERIFY(d.findChild<QRadioButton*>(QStringLiteral("optPQV12KVT"))->isChecked());
        d.findChild<QRadioButton*>(QStringLiteral("optPQV12Ort"))->click();
        QCOMPARE(p.z.PQVspeis, Integer{3});
        QTest::mouseDClick(d.findChild<QRadioButton*>(QStringLiteral("optPQV28KVT")), Qt::LeftButton);
        QCOMPARE(p.z.PQVspeis, Integer{2});
        QCOMPARE(d.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(SpeisungDialogTest)
#include "SpeisungDialogTest.moc"
