#include <QAction>
#include <QListWidget>
#include <QLabel>
#include <QMenuBar>
#include <QTest>
#include <QTextBrowser>
#include <filesystem>

#include "ablauf/Anwendung.h"
#include "ablauf/HilfeFenster.h"
#include "einstellungen/KontaktDialog.h"
#include "ablauf/Menue1View.h"
#include "support/TempDir.h"
#include "support/Fensterfuehrer.h"

using namespace tarvis;
using namespace tarvis::ui;
namespace fs = std::filesystem;

class Menue1ViewTest : public QObject {
    Q_OBJECT

private slots:
    // The start: the project commands off and their pictures
    // hidden; a click clears the start screen; Exit writes the settings and
    // closes.
    void startScreenAndExit() {
        tarvis::test::TempDir dir;
        Anwendung a;
        QVERIFY(a.starten(tarvis::test::programmKopie(dir), std::nullopt));
        Menue1View& v = a.hauptfenster();
        QVERIFY(v.aktion(Befehl::Kontakt)->isEnabled() && !v.aktion(Befehl::Speichern)->isEnabled());
        QVERIFY(v.werkzeug(Befehl::Speichern)->isHidden() && !v.werkzeug(Befehl::Neu)->isHidden());
        v.show();
        QVERIFY(QTest::qWaitForWindowExposed(&v));
        QTest::mouseClick(v.centralWidget(), Qt::LeftButton, {}, QPoint(300, 300));
        QCOMPARE(v.findChild<QLabel*>("lblTARVIS")->text(), QString());
        QVERIFY(!a.presenter().startseite());
        fs::remove(dir / "PERS.DAT");
        v.aktion(Befehl::Ende)->trigger();
        QVERIFY(!v.isVisible());
        QVERIFY(fs::exists(dir / "PERS.DAT"));
    }

    // Letters typed without Alt never run a menu command, and after every
    // window and message the main window has the keyboard again.
    void theMainWindowKeepsTheKeyboardAndLettersOpenNoMenu() {
        tarvis::test::TempDir dir;
        Anwendung a;
        QVERIFY(a.starten(tarvis::test::programmKopie(dir), std::nullopt));
        Menue1View& v = a.hauptfenster();
        v.show();
        QVERIFY(QTest::qWaitForWindowActive(&v));
        tarvis::test::Fensterfuehrer f;
        auto tippen = [](QWidget* w, Qt::Key taste, Qt::KeyboardModifiers mod = {}) {
            bool fertig = false;
            QTimer::singleShot(0, [&] {
                QTest::keyClick(w, taste, mod);
                fertig = true;
            });
            QVERIFY(QTest::qWaitFor([&] { return fertig; }, 20000));
        };
        auto hatTastatur = [&] {
            return QTest::qWaitFor([&] { return QApplication::activeWindow() == &v && QApplication::focusWidget(); }, 2000) &&
                   QApplication::focusWidget() != v.menuBar();
        };

        // Alt+? and K: the contact window, closed again.
        tippen(&v, Qt::Key_Question, Qt::AltModifier);
        QVERIFY(QApplication::activePopupWidget());
        tippen(QApplication::activePopupWidget(), Qt::Key_K);
        QCOMPARE(f.gesehen, QStringList{QStringLiteral("Kontakt")});
        QVERIFY(hatTastatur());
        tippen(QApplication::focusWidget(), Qt::Key_M);
        QVERIFY(!QApplication::activePopupWidget());
        // F10 opens the first menu.
        tippen(QApplication::focusWidget(), Qt::Key_F10);
        QVERIFY(QApplication::activePopupWidget());
        QCOMPARE(QApplication::activePopupWidget(), v.menuBar()->actions().first()->menu());
        QApplication::activePopupWidget()->close();

        // A project file that cannot be read: the open window closes after
        // the message, and the main window has the keyboard.
        fs::copy(fs::path(TARVIS_SOURCE_DIR) / "tests/korpus/projekt/abgeschnitten.PLM", dir / "PROJEKTE");
        f.fenster["Oeffnen"] = [](QWidget* w) {
            w->findChild<QListWidget*>("File1")->setCurrentRow(0);
            tarvis::test::Fensterfuehrer::druecken(w->findChild<QPushButton*>("cmdOK"));
        };
        QVERIFY(tarvis::test::befehl(v, Befehl::Oeffnen));
        QCOMPARE(f.gesehen.mid(1), (QStringList{"Oeffnen", "Meldung: Errore N° 62\nInput past end of file"}));
        QVERIFY(hatTastatur());
    }

    void helpOpensAtItsContext() {
        HilfeFenster h(fs::path(TARVIS_PROGRAM_DIR) / "hilfe");
        h.zeigen(130);
        QCOMPARE(h.aktuelleSeite(), QStringLiteral("130.html"));
        h.zeigen(98765);
        QCOMPARE(h.aktuelleSeite(), QStringLiteral("index.html"));
        QVERIFY(!h.findChild<QTextBrowser*>()->toPlainText().isEmpty());
    }
};

QTEST_MAIN(Menue1ViewTest)
#include "Menue1ViewTest.moc"
