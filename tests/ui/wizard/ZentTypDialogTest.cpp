#include <QLabel>
#include <QTest>

#include "projekt/Texte.h"
#include "support/ScriptedMessages.h"
#include "wizard/AuswahlDialog.h"
#include "wizard/ZentTypDialog.h"
#include "widgets/Fensterregeln.h"

using namespace tarvis;
using namespace tarvis::ui;

class ZentTypDialogTest : public QObject {
    Q_OBJECT

private slots:
    void arrowKeysChooseAPanelAlsoWhenNoneIsChosenYet() {
        Fensterregeln regeln;
        QCoreApplication::instance()->installEventFilter(&regeln);
        Programm p;
        ProjektZuruecksetzen(p.z);
        test::ScriptedMessages ms;
        ZentTypPresenter pr(p, ms);
        ZentTypDialog d(pr);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        // A new project: nothing chosen, the first option has the focus.
        QCOMPARE(QApplication::focusWidget(), d.findChild<QWidget*>("optKVT1N"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTRY_COMPARE(p.z.ZentralenTyp, Integer{2});
        QVERIFY(d.option(2)->isChecked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(p.z.ZentralenTyp, Integer{3});
    }

    void captionsAndLanguageRules() {
        Programm p;
        ProjektZuruecksetzen(p.z);
        p.z.Sprache = 3;
        test::ScriptedMessages ms;
        ZentTypPresenter pr(p, ms);
        ZentTypDialog d(pr);
        QCOMPARE(d.windowTitle(), QStringLiteral("Tipo di centrale"));
        QCOMPARE(d.findChild<QLabel*>("lblAutark")->text(), QStringLiteral("Parti autarchiche del programma"));
        QCOMPARE(d.findChild<QRadioButton*>("optLokal")->text(), QString::fromStdString(Text(41)));
        QVERIFY(!d.findChild<QRadioButton*>("optKVT1N")->isEnabled());
        QVERIFY(!d.findChild<QRadioButton*>("optKVT21")->isEnabled());
        QVERIFY(d.findChild<QRadioButton*>("optKVT2N")->isEnabled());
    }

    void forwardWithoutChoiceRefusesAndAChosenTL300Closes() {
        Programm p;
        ProjektZuruecksetzen(p.z);
        test::ScriptedMessages ms;
        ZentTypPresenter pr(p, ms);
        ZentTypDialog d(pr);
        d.findChild<QPushButton*>("cmdWeiter")->click();
        QCOMPARE(ms.texte().size(), std::size_t{1});
        QCOMPARE(d.result(), int(QDialog::Rejected));

        d.findChild<QRadioButton*>("optTL3")->click();
        QCOMPARE(p.z.ZentralenTyp, Integer{6});
        QVERIFY(d.option(6)->isChecked());
        d.findChild<QPushButton*>("cmdWeiter")->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(p.z.ZentralenTypBest, Integer{6});
    }

    void doubleClickOnKVT2000NOpensNetworkingAndItsCloseBoxKeepsTheDialog() {
        Programm p;
        ProjektZuruecksetzen(p.z);
        test::ScriptedMessages ms;
        ZentTypPresenter pr(p, ms);
        ZentTypDialog d(pr);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QTest::mouseDClick(d.findChild<QRadioButton*>("optKVT2N"), Qt::LeftButton);
        QCOMPARE(p.z.ZentralenTyp, Integer{3});
        QCOMPARE(ms.fenster(), std::vector<Fenster>{Fenster::OLNVernetz});
        QVERIFY(d.isVisible());
        QCOMPARE(d.result(), int(QDialog::Rejected));

        ms.fensterSkript[Fenster::OLNVernetz] = [] { return true; };
        QTest::mouseDClick(d.findChild<QRadioButton*>("optKVT2B"), Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(p.z.Alarmart, "B");
    }

    void changeDialogChoosesByDoubleClickAndAsksBeforeClearing() {
        Programm p;
        ProjektZuruecksetzen(p.z);
        p.z.ZentralenTyp = 5;
        p.z.AnzBE = 3;
        test::ScriptedMessages ms;
        GMAwechselPresenter pr(p, ms);
        AuswahlDialog d(pr);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QCOMPARE(d.windowTitle(), QStringLiteral("Iniziare un nuovo progetto o cambiare centrale"));
        QVERIFY(d.findChild<QRadioButton*>("optKein")->isChecked());
        ms.antworten = {Antwort::Ja};
        QTest::mouseDClick(d.findChild<QRadioButton*>("optNeu"), Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(p.z.AnzBE, Integer{0});
        QCOMPARE(p.z.ZentralenTyp, Integer{5});
    }
};

QTEST_MAIN(ZentTypDialogTest)
#include "ZentTypDialogTest.moc"
