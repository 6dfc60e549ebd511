#include <QTest>

#include "support/ScriptedMessages.h"
#include "widgets/Zaehlfeld.h"

using namespace tarvis;
using namespace tarvis::ui;

// A presenter field as small as it gets: a count with a limit of 6.
struct Feld {
    test::ScriptedMessages ms;
    Zaehlbox box{ZaehlRegel{9, true, true, 1}};
    int wert = 0;
    int grenze = 6;

    ZaehlAnsicht zaehlAnsicht(int) const { return box.ansicht(wert, true, std::min(9, grenze)); }
    void zaehlText(int, const std::string& t) { wert = box.textAendern(t, grenze); }
    void zaehlBalken(int f, int v) { zaehlText(f, std::to_string(v)); }
    bool zaehlTaste(int, char32_t c) { return box.taste(c, ms); }
    void zaehlTasteUnten(int) { box.tasteUnten(wert); }
    int piepser() const {
        int n = 0;
        for (const auto& e : ms.protokoll) n += e.art == test::ScriptedMessages::Eintrag::Piep ? 1 : 0;
        return n;
    }
};

class ZaehlfeldTest : public QObject {
    Q_OBJECT

private slots:
    // A digit replaces the 0, other keys beep (the 0 gives way first), a
    // shortcut is no key typed; the limit applies, box and scroll bar mirror
    // each other, and a limit that drops (another panel) shows at the next
    // refresh.
    void keysLimitAndScrollBar() {
        Feld f;
        Zaehlfeld z(QStringLiteral("txtX"), QStringLiteral("hsbX"));
        z.binden(f, 0);
        QCOMPARE(z.feld()->text(), QStringLiteral("0"));
        QCOMPARE(z.feld()->maxLength(), 1);
        QCOMPARE(z.balken()->maximum(), 6);
        QTest::keyClicks(z.feld(), QStringLiteral("a"));
        QCOMPARE(f.piepser(), 1);
        QCOMPARE(z.feld()->text(), QString());
        QTest::keyClicks(z.feld(), QStringLiteral("4"));
        QCOMPARE(f.wert, 4);
        QCOMPARE(z.balken()->value(), 4);
        QTest::keyClick(z.feld(), Qt::Key_Backspace);  // backspace beeps too
        QTest::keyClicks(z.feld(), QStringLiteral("5"));  // the box holds one character
        QCOMPARE(f.piepser(), 2);
        QCOMPARE(f.wert, 4);
        QTest::keySequence(z.feld(), QKeySequence::SelectAll);
        QCOMPARE(f.piepser(), 2);
        QTest::keyClicks(z.feld(), QStringLiteral("8"));  // typing over the selection replaces it
        QCOMPARE(f.wert, 6);
        QCOMPARE(z.feld()->text(), QStringLiteral("6"));
        QCOMPARE(z.balken()->value(), 6);
        z.balken()->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QCOMPARE(f.wert, 5);
        QCOMPARE(z.feld()->text(), QStringLiteral("5"));
        f.grenze = 2;
        f.zaehlText(0, z.feld()->text().toStdString());
        z.aktualisieren();
        QCOMPARE(z.feld()->text(), QStringLiteral("2"));
        QCOMPARE(z.balken()->maximum(), 2);
    }
};

QTEST_MAIN(ZaehlfeldTest)
#include "ZaehlfeldTest.moc"
