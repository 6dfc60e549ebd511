#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "einstellungen/DruckerDialog.h"

using namespace tarvis;
using namespace tarvis::ui;

class DruckerDialogTest : public QObject {
    Q_OBJECT

private slots:
    void storedFontInAnyCaseIsSelectedAndClicksStoreTheChoice() {
        Programm p;
        p.z.DruckSchrift = "courier new";
        p.z.DruckGroesse = 10;
        DruckerPresenter presenter(p);
        DruckerDialog d(presenter);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));

        QCOMPARE(d.windowTitle(), QStringLiteral("Druckbild        fonts"));
        QCOMPARE(d.findChild<QGroupBox*>(QString::fromUtf8("fraGröße"))->title(),
                 QStringLiteral("Schriftgröße      font-size"));
        QVERIFY(d.findChild<QRadioButton*>("optCourNew")->isChecked());
        QVERIFY(d.findChild<QRadioButton*>("opt10")->isChecked());

        // A click on the option's circle.
        auto klick = [&](const char* name) {
            auto* o = d.findChild<QRadioButton*>(name);
            QTest::mouseClick(o, Qt::LeftButton, {}, QPoint(6, o->height() / 2));
        };
        klick("opt8");
        klick("optCour");
        QCOMPARE(p.z.DruckGroesse, 8);
        QCOMPARE(QString::fromStdString(p.z.DruckSchrift), QStringLiteral("COURIER"));
        QVERIFY(!d.findChild<QRadioButton*>("optCourNew")->isChecked());

        d.findChild<QPushButton*>("cmdOk")->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(DruckerDialogTest)
#include "DruckerDialogTest.moc"
