#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <memory>

#include "projekt/Texte.h"
#include "support/ScriptedMessages.h"
#include "wizard/ZusaetzeDialog.h"

using namespace tarvis;
using namespace tarvis::ui;

namespace {

struct Aufbau {
    explicit Aufbau(int typ) {
        ProjektZuruecksetzen(p.z);
        p.z.ZentralenTyp = static_cast<Integer>(typ);
        p.z.Tele = 1;
        pr = std::make_unique<ZusaetzePresenter>(p, ms);
        dialog = std::make_unique<ZusaetzeDialog>(*pr);
    }
    template <class T> T* kind(const char* name) {
        T* w = d().findChild<T*>(QString::fromUtf8(name));
        if (!w) qFatal("missing control %s", name);
        return w;
    }
    void tippen(const char* box, const QString& text) {
        auto* t = kind<QLineEdit>(box);
        t->setFocus();
        t->selectAll();
        QTest::keyClicks(t, text);
    }

    Programm p;
    test::ScriptedMessages ms;
    std::unique_ptr<ZusaetzePresenter> pr;
    std::unique_ptr<ZusaetzeDialog> dialog;
    ZusaetzeDialog& d() { return *dialog; }
};

}  // namespace

class ZusaetzeDialogTest : public QObject {
    Q_OBJECT

private slots:
    void opensOnTheSupplyTabWithTheDefaultStandbyTime() {
        Aufbau f(4);
        QCOMPARE(f.d().windowTitle(), QStringLiteral("Funzioni aggiuntive   KVT 2000 Incendio   Projekt1"));
        QCOMPARE(f.d().reiter()->count(), 11);
        QCOMPARE(f.d().reiter()->currentIndex(), 0);
        QCOMPARE(f.d().reiter()->tabText(5), QStringLiteral("&Connettore, parafulmine, prot. della superficie"));
        QCOMPARE(f.kind<QLineEdit>("txtUezeit")->text(), QStringLiteral("72"));
        QVERIFY(f.kind<QRadioButton>("opt72h")->isChecked());
        QVERIFY(!f.kind<QRadioButton>("opt60h")->isEnabled());
        QCOMPARE(f.kind<QLabel>("lbl12")->text(), QStringLiteral("A 12V: non ci sono immissioni"));
        QVERIFY(!f.kind<QPushButton>("cmd12eingeben")->isEnabled());  // no load window yet
    }

    void typedCountsAreLimitedAndTheDelayStartsAt10() {
        Aufbau f(4);
        f.tippen("txtVert20DA", QStringLiteral("7"));
        QCOMPARE(f.p.z.Vert20DA, Integer{1});
        QCOMPARE(f.kind<QLineEdit>("txtVert20DA")->text(), QStringLiteral("1"));
        f.tippen("txtVRXnorm", QStringLiteral("20"));
        QCOMPARE(f.p.z.VRXnorm, Integer{12});
        QCOMPARE(f.kind<QScrollBar>("hsbVRXnorm")->value(), 12);

        QVERIFY(!f.kind<QLineEdit>("txtVzeit")->isEnabled());
        f.kind<QRadioButton>("optVerzJa")->click();
        QVERIFY(f.kind<QLineEdit>("txtVzeit")->isEnabled());
        QCOMPARE(f.kind<QLineEdit>("txtVzeit")->text(), QStringLiteral("10"));
        QCOMPARE(f.p.z.Verzwahl, Integer{10});

        f.kind<QRadioButton>("optKruse24")->click();
        QCOMPARE(f.p.z.SDwahl, Byte{7});
        f.kind<QCheckBox>("chkGMA")->click();
        QCOMPARE(f.p.z.SDwahl, Byte{3});
    }

    void remoteTerminalsFollowEachOther() {
        Aufbau f(5);
        QVERIFY(!f.kind<QLineEdit>("TextBE2")->isEnabled());
        QVERIFY(!f.kind<QRadioButton>("optOLMAja")->isEnabled());
        f.kind<QScrollBar>("hsbBE1")->setValue(2);
        QVERIFY(f.kind<QLineEdit>("TextBE2")->isEnabled());
        QVERIFY(f.kind<QRadioButton>("optOLMAja")->isEnabled());
        QCOMPARE(f.kind<QLineEdit>("TextBE1")->text(), QStringLiteral("2"));
        f.kind<QScrollBar>("hsbBE2")->setValue(2);
        f.kind<QScrollBar>("hsbBE1")->setValue(1);
        QCOMPARE(f.p.z.AnzBE2, Integer{1});
        QCOMPARE(f.kind<QLineEdit>("TextBE2")->text(), QStringLiteral("1"));
    }

    void aRefusalBringsTheTabOfTheInputToTheFront() {
        Aufbau f(4);
        f.d().show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.d()));
        f.tippen("TextBE1", QStringLiteral("2"));
        f.tippen("TextBE2", QStringLiteral("1"));
        f.d().reiter()->reiter(10)->click();
        QCOMPARE(f.d().reiter()->currentIndex(), 10);

        f.kind<QPushButton>("cmdWeiter")->click();  // 216 answered No
        QCOMPARE(QString::fromStdString(f.ms.texte().back()),
                 QStringLiteral("Meno alimentazioni che terminali remoti!\nCorretto?"));
        QCOMPARE(f.d().reiter()->currentIndex(), 9);
        QVERIFY(f.kind<QLineEdit>("TextBE1")->isVisible());
        QCOMPARE(f.d().result(), int(QDialog::Rejected));

        f.tippen("TextBE2", QStringLiteral("2"));
        f.d().reiter()->reiter(0)->click();
        f.tippen("txtMRVNnorm", QStringLiteral("2"));
        f.tippen("txtMRVNinv", QStringLiteral("1"));
        f.kind<QPushButton>("cmdWeiter")->click();
        QCOMPARE(QString::fromStdString(f.ms.texte().back()), QStringLiteral("Max. 2 relé accoppiatori MRV-N!"));
        QCOMPARE(f.d().reiter()->currentIndex(), 2);
        QVERIFY(f.kind<QLineEdit>("txtMRVNinv")->isVisible());

        f.tippen("txtMRVNinv", QStringLiteral("\b"));  // beeps: no backspace in a count
        f.kind<QLineEdit>("txtMRVNinv")->selectAll();
        QTest::keyClicks(f.kind<QLineEdit>("txtMRVNinv"), QStringLiteral("0"));
        QCOMPARE(f.p.z.MRVNinv, Integer{0});
        f.kind<QPushButton>("cmdWeiter")->click();
        QCOMPARE(f.d().result(), int(QDialog::Accepted));
        QCOMPARE(f.p.z.WeiterOK, Byte{1});
    }

    void markersOnRequestAndTheTL300Tabs() {
        Aufbau f(6);
        QVERIFY(!f.kind<QLineEdit>("txtVzeit")->isEnabled());
        QCOMPARE(f.kind<QLineEdit>("txtVzeit")->text(), QStringLiteral("30"));
        QVERIFY(!f.kind<QGroupBox>("fra1")->isEnabled());
        QVERIFY(f.kind<QGroupBox>("fraBE300")->isEnabled());
        QVERIFY(!f.kind<QRadioButton>("optDru0")->isEnabled());
        f.kind<QRadioButton>("optYAa")->click();
        QCOMPARE(f.d().reiter()->tabText(3), QString::fromStdString(Text(93)));
        f.kind<QPushButton>("cmdGedächtnis")->click();
        QCOMPARE(f.d().reiter()->tabText(3), QString::fromStdString(Text(93) + " *"));
        QCOMPARE(f.d().reiter()->tabText(0), QString::fromStdString(Text(90) + " *"));
    }
};

QTEST_MAIN(ZusaetzeDialogTest)
#include "ZusaetzeDialogTest.moc"
