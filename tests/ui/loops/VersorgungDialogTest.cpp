#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "loops/DXA1000Dialog.h"
#include "loops/DXAGehDialog.h"
#include "loops/PSM300Dialog.h"
#include "projekt/Texte.h"
#include "support/ScriptedMessages.h"

using namespace tarvis;
using namespace tarvis::ui;

class VersorgungDialogTest : public QObject {
    Q_OBJECT

private slots:
    void dxaGehCorrectsTheProposal() {
        Programm p;
        ProjektZuruecksetzen(p.z);
        p.z.ZentralenTyp = 3;
        p.z.DXAVorschlag = 2;
        p.z.ZOLWVorschlag = 1;
        test::ScriptedMessages ms;
        DXAGehPresenter pr(p, ms);
        DXAGehDialog d(pr);
        auto* dxa = d.findChild<QLineEdit*>(QStringLiteral("txtDXA"));
        QCOMPARE(dxa->text(), QStringLiteral("2"));
        dxa->selectAll();
        QTest::keyClicks(dxa, QStringLiteral("0"));
        d.findChild<QPushButton*>(QStringLiteral("cmdWeiter"))->click();
        QCOMPARE(ms.texte().back(), Text(163));
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QTest::keyClicks(dxa, QStringLiteral("3"));
        d.findChild<QPushButton*>(QStringLiteral("cmdWeiter"))->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(p.z.AnzDXA, Integer{3});
        QCOMPARE(p.z.WeiterOK, Byte{1});
        QVERIFY(!d.findChild<QPushButton*>(QStringLiteral("cmdPSM"))->isEnabled());
    }

    void psm300BoxesStopAt19() {
        Programm p;
        ProjektZuruecksetzen(p.z);
        p.z.ZentralenTyp = 6;
        p.z.AnzPSM = 2;
        test::ScriptedMessages ms;
        PSM300Presenter pr(p, ms);
        PSM300Dialog d(pr);
        auto* w = d.findChild<QLineEdit*>(QStringLiteral("txtWandler28"));
        QTest::keyClicks(w, QStringLiteral("25"));
        QCOMPARE(w->text(), QStringLiteral("19"));
        QVERIFY(d.findChild<QLabel*>(QStringLiteral("Label3"))->isHidden());
        d.findChild<QPushButton*>(QStringLiteral("cmdWeiter"))->click();
        QCOMPARE(ms.texte().back(), Text(731));
        w->selectAll();
        QTest::keyClicks(w, QStringLiteral("2"));
        QTest::keyClicks(d.findChild<QLineEdit*>(QStringLiteral("txtVRX")), QStringLiteral("4"));
        d.findChild<QPushButton*>(QStringLiteral("cmdWeiter"))->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
    }

    void dxa1000InputAndResult() {
        Programm p;
        ProjektZuruecksetzen(p.z);
        p.z.ZentralenTyp = 7;
        p.z.Alarmart = "B";
        test::ScriptedMessages ms;
        DXA1000Presenter pr(p, ms);
        DXA1000Dialog d(pr);
        auto* lblAlarm = d.findChild<QLabel*>(QStringLiteral("lblAlarm"));
        QCOMPARE(lblAlarm->text().toStdString(), Text(447));
        d.findChild<QRadioButton*>(QStringLiteral("optNotruf"))->click();
        QCOMPARE(lblAlarm->text().toStdString(), Text(446));
        QTest::keyClicks(d.findChild<QLineEdit*>(QStringLiteral("txtRuhe12")), QStringLiteral("150"));
        d.findChild<QPushButton*>(QStringLiteral("cmdWeiter"))->click();
        QCOMPARE(ms.texte().back(), Text(174));
        QTest::keyClicks(d.findChild<QLineEdit*>(QStringLiteral("txtUezeit")), QStringLiteral("30"));
        QTest::keyClicks(d.findChild<QLineEdit*>(QStringLiteral("txtAlarm12")), QStringLiteral("400"));
        d.findChild<QPushButton*>(QStringLiteral("cmdWeiter"))->click();
        QCOMPARE(ms.fenster(), std::vector<Fenster>{Fenster::DXAErg});
        QCOMPARE(p.z.DXARuhe12, Long{150});
        QCOMPARE(p.z.UeZeit, Integer{30});
        d.findChild<QPushButton*>(QStringLiteral("cmdZurück"))->click();
        QCOMPARE(d.result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(VersorgungDialogTest)
#include "VersorgungDialogTest.moc"
