#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "einstellungen/TexteingabeDialog.h"
#include "support/ScriptedMessages.h"

using namespace tarvis;
using namespace tarvis::ui;

class TexteingabeDialogTest : public QObject {
    Q_OBJECT

private slots:
    void remarksAreStoredAsTyped() {
        Programm p;
        p.z.Bemerkung3 = "Consegna a marzo";
        tarvis::test::ScriptedMessages ms;
        TexteingabePresenter presenter(p, ms);
        TexteingabeDialog d(presenter);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));

        QCOMPARE(d.windowTitle(), QStringLiteral("Comunicazione"));
        QCOMPARE(d.findChild<QLabel*>("lblNachricht")->text(), QStringLiteral("Testo da salvare e stampare"));
        QCOMPARE(d.findChild<QLineEdit*>("txtText3")->text(), QStringLiteral("Consegna a marzo"));
        QCOMPARE(QApplication::focusWidget(), d.findChild<QLineEdit*>("txtText1"));

        QTest::keyClicks(d.findChild<QLineEdit*>("txtText1"), "Piano \"terra\", ala est");
        QCOMPARE(QString::fromStdString(p.z.Bemerkung1), QStringLiteral("Piano terra, ala est"));
        QCOMPARE(ms.protokoll.size(), size_t(2));  // two beeps

        // Pasted text loses its double quotes too.
        auto* t2 = d.findChild<QLineEdit*>("txtText2");
        t2->insert(QStringLiteral("\"A\""));
        QCOMPARE(QString::fromStdString(p.z.Bemerkung2), QStringLiteral("A"));
        QCOMPARE(t2->text(), QStringLiteral("A"));

        d.findChild<QPushButton*>("cmdOK")->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(TexteingabeDialogTest)
#include "TexteingabeDialogTest.moc"
