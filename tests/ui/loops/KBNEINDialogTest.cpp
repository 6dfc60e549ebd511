#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "loops/KBNEINDialog.h"
#include "projekt/Texte.h"
#include "support/Programme.h"
#include "support/ScriptedMessages.h"

using namespace tarvis;
using namespace tarvis::ui;

namespace {

Programm muster(int typ) {
    Programm p = test::musterProgramm();
    p.z.ZentralenTyp = static_cast<Integer>(typ);
    ZentralenNameSetzen(p.z, typ);
    return p;
}

// The loop entry of a fresh project of a panel type, shown on the screen.
struct Offen {
    Programm p;
    test::ScriptedMessages ms;
    KBNEINPresenter pr{p, ms};
    KBNEINDialog d{pr};
    explicit Offen(int typ) : p(muster(typ)) { d.show(); }
};

// Clicks the cell of a record in a grid column.
void klicken(ElementGrid* g, const ElementRaster& r, int satz, int spalte) {
    QModelIndex i = g->model()->index(*r.zeileVon(satz), spalte);
    g->scrollTo(i);
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(i).center());
}

}  // namespace

class KBNEINDialogTest : public QObject {
    Q_OBJECT

private slots:
    // A digit in the grid starts the quantity of the loop selected, Enter
    // takes it back to the grid; Enter on an element row edits its quantity,
    // on a heading it does nothing; Right goes on to the next loop; a click
    // left of the quantities lands in the first loop.
    void theGridAndTheQuantityBoxesFromTheKeyboard() {
        Offen o(4);
        auto& [p, ms, pr, d] = o;
        QVERIFY(QTest::qWaitForWindowActive(&d));
        ElementGrid* g = d.grid();
        QCOMPARE(d.windowTitle(), QString::fromStdString(p.z.ZentralenName + "   " + Text(103)));

        klicken(g, pr.raster(), 534, 4);
        QCOMPARE(g->currentIndex().column(), 4);
        QTest::keyClicks(g, QStringLiteral("1"));
        auto* box = d.findChild<QLineEdit*>(QStringLiteral("txtAnz2"));
        QCOMPARE(QApplication::focusWidget(), box);
        QCOMPARE(box->text(), QStringLiteral("1"));
        QTest::keyClicks(box, QStringLiteral("2"));
        QCOMPARE(p.z.KBNMenge2[534], 12);
        QCOMPARE(g->model()->index(*pr.raster().zeileVon(534), 4).data().toString(), QStringLiteral("12"));
        QCOMPARE(d.findChild<QLabel*>(QStringLiteral("lblTotal"))->text(), QStringLiteral("12"));
        QTest::keyClick(box, Qt::Key_Enter);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(g));

        QTest::keyClick(g, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), box);
        QCOMPARE(box->selectedText(), QStringLiteral("12"));
        QTest::keyClicks(box, QStringLiteral("5"));
        QCOMPARE(p.z.KBNMenge2[534], 5);
        QTest::keyClick(box, Qt::Key_Right);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(g));
        QCOMPARE(g->currentIndex().column(), 5);

        klicken(g, pr.raster(), 533, 4);
        QTest::keyClick(g, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(g));
        QVERIFY(d.isVisible());
        klicken(g, pr.raster(), 534, 1);
        QCOMPARE(g->currentIndex().column(), 3);
    }

    // Letters typed into the grid search the element names.
    void quickSearch() {
        Offen o(3);
        auto& [p, ms, pr, d] = o;
        QVERIFY(QTest::qWaitForWindowActive(&d));
        ElementGrid* g = d.grid();
        QTest::keyClicks(g, QStringLiteral("mel"));
        QCOMPARE(g->currentIndex().row(), *pr.raster().zeileVon(546));
        QCOMPARE(d.findChild<QLabel*>(QStringLiteral("lblSuche"))->text(), QStringLiteral("MEL"));
        QTest::keyClick(g, Qt::Key_Backspace);
        QCOMPARE(d.findChild<QLabel*>(QStringLiteral("lblSuche"))->text(), QStringLiteral("ME"));
        QCOMPARE(g->currentIndex().row(), *pr.raster().zeileVon(546));
        klicken(g, pr.raster(), 558, 3);
        QCOMPARE(d.findChild<QLabel*>(QStringLiteral("lblSuche"))->text(), QString());
    }
};

QTEST_MAIN(KBNEINDialogTest)
#include "KBNEINDialogTest.moc"
