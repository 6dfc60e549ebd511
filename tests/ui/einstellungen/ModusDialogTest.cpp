#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "einstellungen/ModusDialog.h"
#include "widgets/Fensterregeln.h"
#include "support/ScriptedMessages.h"

using namespace tarvis;
using namespace tarvis::ui;

class ModusDialogTest : public QObject {
    Q_OBJECT

private:
    // A click on the option's circle.
    static void klick(QRadioButton* o) { QTest::mouseClick(o, Qt::LeftButton, {}, QPoint(6, o->height() / 2)); }
    static int aktiveSprachen(ModusDialog& d) {
        int n = 0;
        for (QRadioButton* o : d.findChild<QGroupBox*>("Frame2")->findChildren<QRadioButton*>()) n += o->isEnabled();
        return n;
    }

private slots:
    void f1PressesTheWindowsHelpButton() {
        Fensterregeln regeln;
        QCoreApplication::instance()->installEventFilter(&regeln);
        Programm p;
        tarvis::test::ScriptedMessages ms;
        ModusPresenter presenter(p, ms);
        ModusDialog d(presenter);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QTest::keyClick(&d, Qt::Key_F1);
        QCOMPARE(ms.hilfeKontexte(), std::vector<int>{130});
    }

    void languageAndModeFollowEachOther() {
        Programm p;
        p.z.CodeModus = "V";
        p.z.Sprache = 1;
        tarvis::test::ScriptedMessages ms;
        ModusPresenter presenter(p, ms);
        ModusDialog d(presenter);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        auto* sachnr = d.findChild<QRadioButton*>("optSachnr");
        auto* libex = d.findChild<QRadioButton*>("optLIBEX");
        auto* deutsch = d.findChild<QRadioButton*>("optDeutsch");
        auto* ital = d.findChild<QRadioButton*>("optItal");

        QCOMPARE(d.windowTitle(), QStringLiteral("Versione codice e versione linguistica"));
        QCOMPARE(d.findChild<QGroupBox*>("fraModus")->title(), QStringLiteral("Modo"));
        QVERIFY(libex->isChecked());
        QVERIFY(deutsch->isChecked());
        QCOMPARE(aktiveSprachen(d), 1);

        klick(sachnr);
        QCOMPARE(aktiveSprachen(d), 11);
        klick(ital);
        QVERIFY(ital->isChecked());
        QVERIFY(sachnr->isChecked());
        QVERIFY(!libex->isEnabled());
        QCOMPARE(p.z.Sprache, 3);
        QCOMPARE(QString::fromStdString(p.z.CodeModus.str()), QStringLiteral("S"));

        klick(deutsch);
        QVERIFY(libex->isEnabled());
        QVERIFY(!libex->isChecked());

        d.findChild<QPushButton*>("cmdHilfe")->click();
        QCOMPARE(ms.hilfeKontexte(), std::vector<int>{130});
        d.findChild<QPushButton*>("cmdOK")->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(p.z.ModusOK, 1);
    }
};

QTEST_MAIN(ModusDialogTest)
#include "ModusDialogTest.moc"
