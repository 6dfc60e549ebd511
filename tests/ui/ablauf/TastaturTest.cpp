// Every window of the program works from the keyboard alone: it opens on an
// input, Tab reaches every control and ends on the window's buttons, Enter
// has a default button to press (the element lists use Enter for their
// quantities instead), and Escape closes it. It lies centred on the screen
// and its captions fit their controls; the test also runs on a small screen
// at 200 % (bildschirm-100.json, bildschirm-200.json).
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "ablauf/Anwendung.h"
#include "projekt/ProjektDatei.h"
#include "projekt/Texte.h"
#include "einstellungen/ModusDialog.h"
#include "widgets/Fensterregeln.h"
#include "wizard/ZentTypDialog.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"

using namespace tarvis;
using namespace tarvis::ui;
namespace fs = std::filesystem;

namespace {

bool istFensterknopf(const QWidget* w, const QWidget* fenster) {
    return qobject_cast<const QPushButton*>(w) && w->parentWidget() == fenster;
}

// An option whose group has another option chosen (options the window
// keeps exclusive itself are stops each, as arrow keys do not move there).
bool nichtGewaehlt(const QWidget* w) {
    auto* o = qobject_cast<const QRadioButton*>(w);
    if (!o || o->isChecked() || !o->autoExclusive() || !o->parentWidget()) return false;
    for (auto* andere : o->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
        if (andere->isChecked() && andere->isVisible() && andere->isEnabled()) return true;
    return false;
}

bool bedienbar(const QWidget* w, const QWidget* fenster) {
    return w->isVisibleTo(fenster) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus);
}

// What is wrong with the keyboard use of a window, empty when nothing.
QStringList pruefen(QWidget* fenster, bool enterFuerListe) {
    QStringList fehler;
    const QString name = fenster->objectName();
    int standard = 0;
    for (auto* b : fenster->findChildren<QPushButton*>())
        if (b->isDefault() && b->isVisibleTo(fenster)) ++standard;
    if (standard != (enterFuerListe ? 0 : 1)) fehler << QStringLiteral("%1: %2 default buttons").arg(name).arg(standard);

    // The window lies on the screen, centred.
    const QRect platz = fenster->screen()->availableGeometry();
    if (!platz.contains(fenster->geometry()))
        fehler << QStringLiteral("%1: %2x%3 does not fit the screen").arg(name).arg(fenster->width()).arg(fenster->height());
    else if ((fenster->frameGeometry().center() - platz.center()).manhattanLength() > 4)
        fehler << name + QStringLiteral(": not centred");

    // Every caption fits its control, the window's own in the title bar.
    if (fenster->width() < titelBreite(fenster)) fehler << name + QStringLiteral(": title cut");
    for (auto* w : fenster->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(fenster)) continue;
        auto* label = qobject_cast<QLabel*>(w);
        const bool text = qobject_cast<QAbstractButton*>(w) || qobject_cast<QGroupBox*>(w) ||
                          (label && !label->wordWrap() && !label->text().isEmpty());
        if (text && w->width() < w->minimumSizeHint().width())
            fehler << QStringLiteral("%1: %2 cut (%3 of %4)").arg(name, w->objectName()).arg(w->width()).arg(w->minimumSizeHint().width());
    }

    // The controls Tab has to reach: inputs, lists, buttons, check boxes
    // (a group of options is one stop, on its chosen option).
    QList<QWidget*> erwartet;
    bool eingaben = false;
    for (auto* w : fenster->findChildren<QWidget*>()) {
        if (!bedienbar(w, fenster) || qobject_cast<QRadioButton*>(w)) continue;
        if (qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractItemView*>(w) || qobject_cast<QAbstractButton*>(w))
            erwartet << w;
        if (!istFensterknopf(w, fenster)) eingaben = true;
    }
    QWidget* start = QApplication::focusWidget();
    if (!start) return fehler << name + QStringLiteral(": no focus");
    if (eingaben && istFensterknopf(start, fenster)) fehler << name + QStringLiteral(": opens on a button");

    QList<QWidget*> besucht;
    QWidget* w = start;
    for (int i = 0; i < 200; ++i) {
        besucht << w;
        if (nichtGewaehlt(w)) fehler << QStringLiteral("%1: Tab lands on %2, not on the chosen option").arg(name, w->objectName());
        QTest::keyClick(w, Qt::Key_Tab);
        w = QApplication::focusWidget();
        if (!w || w == start) break;
    }
    if (w != start) { QStringList v; for (auto* b : besucht) v << b->objectName(); fehler << name + QStringLiteral(": Tab does not come back: ") + v.join(QChar(32)); }
    for (QWidget* e : erwartet)
        if (!besucht.contains(e)) fehler << QStringLiteral("%1: Tab misses %2").arg(name, e->objectName());
    // The buttons of the window are one block in the round of Tab.
    int wechsel = 0;
    for (qsizetype i = 0; i < besucht.size(); ++i)
        if (istFensterknopf(besucht[i], fenster) != istFensterknopf(besucht[(i + 1) % besucht.size()], fenster)) ++wechsel;
    if (wechsel > 2) fehler << name + QStringLiteral(": window buttons in the middle of the tab order");
    return fehler;
}

}  // namespace

class TastaturTest : public QObject {
    Q_OBJECT

private slots:
    void everyWindowWorksFromTheKeyboard() {
        tarvis::test::TempDir dir;
        fs::copy(TARVIS_PROGRAM_DIR, dir.path(), fs::copy_options::recursive);
        Anwendung a;
        QVERIFY(a.starten(dir.path(), std::nullopt));
        tarvis::test::ScriptedMessages still;
        QVERIFY(ProjektLaden(a.programm(), still, fs::path(TARVIS_SOURCE_DIR) / "tests/golden/typ2.PLM"));

        QStringList fehler, gesehen;
        // The windows, then messages and an input box with long captions.
        MessageService& ms = a.meldungen();
        const std::function<void()> meldungen[] = {
            [&] { ms.frage(Nr(67), Schaltflaechen::JaNeinAbbrechen, Symbol::Frage, Nr(66)); },
            [&] { ms.frage(Nr(735), Schaltflaechen::JaNein, Symbol::Frage, "TL 300 + PSM 300"); },
            [&] { ms.meldung(Symbol::Ausrufezeichen, Nr(364), Nr(314)); },
            [&] { ms.eingabe(Nr(308), Nr(314)); },
        };
        // Every window up to Sucherg, and the calculation evidence.
        const int fensterzahl = static_cast<int>(Fenster::Sucherg) + 2;
        for (int fi = 0; fi < fensterzahl + static_cast<int>(std::size(meldungen)); ++fi) {
            const auto fenster = fi == fensterzahl - 1 ? Fenster::Nachweis : static_cast<Fenster>(fi);
            QWidget* offen = nullptr;
            int warten = 0;
            QTimer t;
            t.setInterval(10);
            QObject::connect(&t, &QTimer::timeout, [&] {
                QWidget* w = QApplication::activeModalWidget();
                if (!w) return;
                if (qobject_cast<QMessageBox*>(w) || qobject_cast<QInputDialog*>(w)) {
                    if (w->width() < titelBreite(w)) fehler << w->windowTitle() + QStringLiteral(": title cut");
                    QTest::keyClick(w, Qt::Key_Escape);
                    return;
                }
                if (w == offen) {
                    fehler << w->objectName() + QStringLiteral(": Escape does not close it");
                    w->close();
                    return;
                }
                // The window has the keyboard once it is active.
                QWidget* fokus = QApplication::focusWidget();
                if ((!fokus || fokus->window() != w) && ++warten < 50) return;
                warten = 0;
                offen = w;
                gesehen << w->objectName();
                const bool liste = fenster == Fenster::KBNEIN || fenster == Fenster::PERIPH || fenster == Fenster::PeriStrom;
                fehler << pruefen(w, liste);
                QTest::keyClick(w, Qt::Key_Escape);
            });
            t.start();
            if (fi < fensterzahl) a.meldungen().oeffnen(fenster);
            else meldungen[fi - fensterzahl]();
            t.stop();
        }
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join('\n')));
        // The windows that need a project of another kind to open are
        // tried in their own tests; all others came.
        QVERIFY2(gesehen.size() >= 39, qPrintable(gesehen.join(' ')));
    }

    // F1 presses the window's help button; arrow keys choose in a group of
    // options also while none is chosen yet.
    void f1AndArrowKeys() {
        Fensterregeln regeln;
        QCoreApplication::instance()->installEventFilter(&regeln);
        Programm p;
        ProjektZuruecksetzen(p.z);
        tarvis::test::ScriptedMessages ms;
        ModusPresenter modus(p, ms);
        ModusDialog m(modus);
        m.show();
        QVERIFY(QTest::qWaitForWindowActive(&m));
        QTest::keyClick(&m, Qt::Key_F1);
        QCOMPARE(ms.hilfeKontexte(), std::vector<int>{130});
        m.close();

        ZentTypPresenter typ(p, ms);
        ZentTypDialog d(typ);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QCOMPARE(QApplication::focusWidget(), d.findChild<QWidget*>("optKVT1N"));  // nothing chosen: the first option
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTRY_COMPARE(p.z.ZentralenTyp, Integer{2});
        QVERIFY(d.option(2)->isChecked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(p.z.ZentralenTyp, Integer{3});
    }
};

QTEST_MAIN(TastaturTest)
#include "TastaturTest.moc"
