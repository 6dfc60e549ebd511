#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "einstellungen/StammdatenDialog.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"

using namespace tarvis;
using namespace tarvis::ui;
namespace fs = std::filesystem;

class StammdatenDialogTest : public QObject {
    Q_OBJECT

private slots:
    void typingReplacesTheDefaultNameAndOkConfirms() {
        tarvis::test::TempDir dir;
        Programm p;
        p.verzeichnis = dir.path();
        p.z.Sachbearbeiter = "";
        tarvis::test::ScriptedMessages ms;
        StammdatenPresenter presenter(p, ms);
        StammdatenDialog d(presenter);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));

        auto* text1 = d.findChild<QLineEdit*>("text1");
        auto* text6 = d.findChild<QLineEdit*>("text6");
        QCOMPARE(d.windowTitle(), QStringLiteral("Dati originali del progetto"));
        QCOMPARE(d.findChild<QLabel*>("lblProjName")->text(), QStringLiteral("Nome del progetto:"));
        QCOMPARE(text1->text(), QStringLiteral("Projekt1"));
        QCOMPARE(text6->text(), QStringLiteral("Nobody"));
        QVERIFY(d.findChild<QLabel*>("lblProName")->isVisible());
        QVERIFY(d.findChild<QLabel*>("lblSachName")->isVisible());

        // The first key replaces the default name; a double quote is refused.
        QTest::keyClicks(text1, "Scuola \"Nord\"");
        QCOMPARE(text1->text(), QStringLiteral("Scuola Nord"));
        QCOMPARE(QString::fromStdString(p.z.Projektname), QStringLiteral("Scuola Nord"));
        QVERIFY(!d.findChild<QLabel*>("lblProName")->isVisible());
        QCOMPARE(std::count_if(ms.protokoll.begin(), ms.protokoll.end(),
                               [](const auto& e) { return e.art == tarvis::test::ScriptedMessages::Eintrag::Piep; }),
                 2);

        // An emptied clerk is refused and gets the focus.
        text6->selectAll();
        QTest::keyClick(text6, Qt::Key_Delete);
        QCOMPARE(QString::fromStdString(p.z.Sachbearbeiter), QString());
        text1->setFocus();
        d.findChild<QPushButton*>("cmdOK")->click();
        QCOMPARE(ms.texte().back(), std::string("Immettere incaricato!"));
        QVERIFY(d.isVisible());
        QCOMPARE(QApplication::focusWidget(), text6);

        QTest::keyClicks(text6, "Rossi");
        QTest::keyClicks(d.findChild<QLineEdit*>("text3"), "ORD-77");
        QCOMPARE(QString::fromStdString(p.z.Bestellnummer), QStringLiteral("ORD-77"));
        d.findChild<QPushButton*>("cmdOK")->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(p.z.StammdatenOK, 1);
        QVERIFY(fs::exists(dir / "BELEGT.DAT"));
    }
};

QTEST_MAIN(StammdatenDialogTest)
#include "StammdatenDialogTest.moc"
