#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "loops/RelaisDialoge.h"
#include "projekt/Texte.h"
#include "support/ScriptedMessages.h"

using namespace tarvis;
using namespace tarvis::ui;

class RelaisDialogTest : public QObject {
    Q_OBJECT

private slots:
    void hy100ContactsAndItsWarning() {
        Programm p;
        ProjektZuruecksetzen(p.z);
        p.z.AnzPQK = 1;
        p.z.AnzHY = 2;
        test::ScriptedMessages ms;
        HY100Presenter pr(p, ms);
        HY100Dialog d(pr);
        QTest::keyClicks(d.findChild<QLineEdit*>(QStringLiteral("txtPQKnorm28")), QStringLiteral("x5"));
        QCOMPARE(p.z.PQKnorm28, Integer{5});
        ms.antworten = {Antwort::Nein};
        d.findChild<QPushButton*>(QStringLiteral("cmdWeiter"))->click();
        QCOMPARE(ms.texte().back(), Text(391) + " 1 PQK! OK?");
        QCOMPARE(d.result(), int(QDialog::Rejected));
        auto* box = d.findChild<QLineEdit*>(QStringLiteral("txtPQKnorm28"));
        box->selectAll();
        QTest::keyClicks(box, QStringLiteral("4"));
        d.findChild<QPushButton*>(QStringLiteral("cmdWeiter"))->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
    }

    void pqsExtinguishingAndSwitching() {
        Programm p;
        ProjektZuruecksetzen(p.z);
        p.z.ZentralenTyp = 4;
        p.z.AnzPQS = 2;
        for (int b = 1; b <= 2; ++b) p.z.KBNWert(b, 534, 1) = 1;
        p.z.KBNWert(1, 534, 2) = 1;
        test::ScriptedMessages ms;
        PQSloeschenPresenter pr(p, ms);
        PQSloeschenDialog d(pr);
        QCOMPARE(d.windowTitle().toStdString(), Text(266) + " 2 PQS");
        QVERIFY(!d.findChild<QGroupBox*>(QStringLiteral("frmDoppeln"))->isEnabled());  // three loops in use
        QVERIFY(d.findChild<QRadioButton*>(QStringLiteral("optLöschenNein"))->isChecked());
        d.findChild<QRadioButton*>(QStringLiteral("optLöschenJa"))->click();
        QCOMPARE(p.z.Loeschen, Integer{1});
        QTest::keyClicks(d.findChild<QLineEdit*>(QStringLiteral("txtSchaltenNorm")), QStringLiteral("2"));
        QTest::keyClicks(d.findChild<QLineEdit*>(QStringLiteral("txtSchaltenInv")), QStringLiteral("1"));
        d.findChild<QPushButton*>(QStringLiteral("cmdWeiter"))->click();
        QCOMPARE(ms.texte().back(), Text(272));
        QCOMPARE(d.result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(RelaisDialogTest)
#include "RelaisDialogTest.moc"
