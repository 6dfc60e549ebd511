#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "support/ScriptedMessages.h"
#include "wizard/OLNVernetzDialog.h"

using namespace tarvis;
using namespace tarvis::ui;

class OLNVernetzDialogTest : public QObject {
    Q_OBJECT

private slots:
    void networkingWithFibreAndModemIsConfirmed() {
        Programm p;
        ProjektZuruecksetzen(p.z);
        p.z.ZentralenTyp = 4;
        p.z.Tele = 1;
        test::ScriptedMessages ms;
        OLNVernetzPresenter pr(p, ms);
        OLNVernetzDialog d(pr);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QCOMPARE(d.windowTitle(), QStringLiteral("Collegamento OLN"));
        auto* name = d.findChild<QLineEdit*>("txtName");
        QVERIFY(!name->isEnabled());
        QVERIFY(d.findChild<QRadioButton*>("optOLNnein")->isChecked());
        QVERIFY(!d.findChild<QLabel*>("lblHinweis")->isVisible());

        d.findChild<QRadioButton*>("optOLNja")->click();
        QVERIFY(name->isEnabled());
        QVERIFY(d.findChild<QRadioButton*>("optOpto1")->isChecked());
        QVERIFY(d.findChild<QRadioButton*>("optOpto2")->isChecked());
        QVERIFY(d.findChild<QLabel*>("lblHinweis")->isVisible());
        QVERIFY(d.findChild<QGroupBox*>("fraAnschluß2")->isEnabled());

        d.findChild<QRadioButton*>("optLWL1")->click();
        d.findChild<QRadioButton*>("optModem2")->click();
        name->selectAll();
        QTest::keyClicks(name, QStringLiteral("KVT Nord"));
        d.findChild<QPushButton*>("cmdWeiter")->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(p.z.OLNJa, Byte{1});
        QCOMPARE(p.z.OLN1b, Byte{1});
        QCOMPARE(p.z.OLN2c, Byte{1});
        QCOMPARE(p.z.OLN1a + p.z.OLN2a, 0);
        QCOMPARE(p.z.OLNName.trimmed(), std::string("KVT Nord"));
    }

    void notNetworkedLeavesNoLinks() {
        Programm p;
        ProjektZuruecksetzen(p.z);
        p.z.ZentralenTyp = 3;
        p.z.OLNJa = 1;
        p.z.OLN1c = p.z.OLN2b = 1;
        test::ScriptedMessages ms;
        OLNVernetzPresenter pr(p, ms);
        OLNVernetzDialog d(pr);
        QVERIFY(d.findChild<QRadioButton*>("optModem1")->isChecked());
        QVERIFY(!d.findChild<QPushButton*>("cmdHilfe2006")->isEnabled());
        d.findChild<QRadioButton*>("optOLNnein")->click();
        QVERIFY(!d.findChild<QGroupBox*>("fraAnschluß1")->isEnabled());
        d.findChild<QPushButton*>("cmdWeiter")->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(p.z.OLN1c + p.z.OLN2b + p.z.OLN1a + p.z.OLN2a, 0);
    }
};

QTEST_MAIN(OLNVernetzDialogTest)
#include "OLNVernetzDialogTest.moc"
