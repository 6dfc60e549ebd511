#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "loops/ExtDialog.h"
#include "projekt/Texte.h"
#include "support/ScriptedMessages.h"

using namespace tarvis;
using namespace tarvis::ui;

class ExtDialogTest : public QObject {
    Q_OBJECT

private slots:
    void aTooLargeProductTakesTheFocusBackToTheQuantity() {
        Programm p;
        ProjektZuruecksetzen(p.z);
        p.z.ZentralenTyp = 4;
        test::ScriptedMessages ms;
        ExtPresenter pr(p, ms, ExtSpannung::V12);
        ExtDialog d(pr);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QTest::keyClicks(d.findChild<QLineEdit*>(QStringLiteral("txtName12_1")), QStringLiteral("Sirene \"A\""));
        QCOMPARE(p.z.Ext12Name[1], std::string("Sirene A"));
        auto* menge = d.findChild<QLineEdit*>(QStringLiteral("txtMenge12_1"));
        QTest::keyClicks(d.findChild<QLineEdit*>(QStringLiteral("txtRuhe12_1")), QStringLiteral("100"));
        QTest::keyClicks(d.findChild<QLineEdit*>(QStringLiteral("txtAlarm12_1")), QStringLiteral("120"));
        QTest::keyClicks(menge, QStringLiteral("30"));
        QCOMPARE(d.findChild<QLabel*>(QStringLiteral("lblSummeRuhe"))->text(), QStringLiteral("3000"));
        d.findChild<QLineEdit*>(QStringLiteral("txtRuhe12_1"))->setFocus();
        QTest::keyClicks(menge, QStringLiteral("0"));  // 300 x 120 = 36000
        QCOMPARE(ms.texte(), std::vector<std::string>{Text(147)});
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(menge));
        QCOMPARE(d.findChild<QLabel*>(QStringLiteral("lblSummeRuhe"))->text(), QStringLiteral("3000"));
        QVERIFY(!d.findChild<QPushButton*>(QStringLiteral("cmdKBN"))->isVisible());

        QTest::keyClick(menge, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(menge, QStringLiteral("200"));
        d.findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(p.z.Ext12Ruhe, 20000.0f);
        QCOMPARE(p.z.Ext12Alarm, 24000.0f);
    }
};

QTEST_MAIN(ExtDialogTest)
#include "ExtDialogTest.moc"
