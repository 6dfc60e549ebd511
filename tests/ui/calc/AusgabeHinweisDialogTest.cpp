#include <QFontInfo>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "calc/AusgabeDialog.h"
#include "calc/HinweisDialog.h"
#include "projekt/Katalog.h"
#include "support/ScriptedMessages.h"

using namespace tarvis;
using namespace tarvis::ui;

namespace {

Programm programm() {
    Programm p;
    p.verzeichnis = TARVIS_PROGRAM_DIR;
    auto k = Katalog::oeffnen(p.datei("TARVIS.ART"));
    if (k.ok()) p.katalog = *k;
    ProjektZuruecksetzen(p.z);
    p.z.ZentralenTyp = 4;
    p.z.CodeModus = "V";
    return p;
}

QStringList zeile(QTableWidget* g, int r) {
    QStringList z;
    for (int c = 0; c < g->columnCount(); ++c) z << g->item(r, c)->text();
    return z;
}

}  // namespace

class AusgabeHinweisDialogTest : public QObject {
    Q_OBJECT

private slots:
    void theResultGridHasTheHeaderRowAndOneRowPerArticle() {
        Programm p = programm();
        p.z.Menge[3] = 1;  // the catalogue's own header records never show
        p.z.Menge[534] = 16;
        p.z.Menge[108] = 1;
        test::ScriptedMessages ms;
        AusgabePresenter pr(p, ms);
        AusgabeDialog d(pr);
        QCOMPARE(d.windowTitle(), QStringLiteral("Risultato"));
        QTableWidget* g = d.raster();
        QCOMPARE(g->objectName(), QStringLiteral("Grid1"));
        QCOMPARE(g->columnCount(), 4);
        QCOMPARE(g->horizontalHeaderItem(0)->text(), QStringLiteral("Articolo "));
        QCOMPARE(g->horizontalHeaderItem(3)->text(), QStringLiteral("LIBEX"));
        QCOMPARE(g->rowCount(), 2);
        QCOMPARE(zeile(g, 0), (QStringList{"108 ", "1 ", "KVT 2000 B deutsch            ", "K52016005"}));
        QVERIFY(g->item(0, 0)->textAlignment() & Qt::AlignRight);
        QVERIFY(g->item(0, 1)->textAlignment() & Qt::AlignRight);
        QVERIFY(!(g->item(0, 2)->textAlignment() & Qt::AlignRight));
        // The designation column is wider than the number columns, which
        // still show their headers.
        QVERIFY(g->columnWidth(2) > 3 * g->columnWidth(0));
        QVERIFY(g->columnWidth(0) > g->horizontalHeader()->fontMetrics().horizontalAdvance(QStringLiteral("Articolo ")));
        QCOMPARE(g->currentRow(), 0);
        QCOMPARE(g->currentColumn(), 0);
        // A read-only grid.
        QCOMPARE(g->editTriggers(), QAbstractItemView::NoEditTriggers);

        auto* weiter = d.findChild<QPushButton*>("cmdWeiter");
        QCOMPARE(weiter->text(), QStringLiteral("&Avanti"));
        weiter->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
    }

    void anEmptyListShowsOnlyTheHeaderRow() {
        Programm p = programm();
        test::ScriptedMessages ms;
        AusgabePresenter pr(p, ms);
        AusgabeDialog d(pr);
        QCOMPARE(d.raster()->rowCount(), 0);
        QCOMPARE(d.raster()->horizontalHeaderItem(1)->text(), QStringLiteral("Quantità "));
    }

    void theReportShowsItsLinesInAFixedPitchFontAndPrintsThroughTheCommand() {
        Programm p = programm();
        p.z.Verknuepft = 1;
        p.z.Projektname = "Halle";
        test::ScriptedMessages ms;
        int gedruckt = 0;
        HinweisPresenter pr(p, ms, [&] { ++gedruckt; });
        HinweisDialog d(pr);
        QCOMPARE(d.windowTitle(), QStringLiteral("Indicazioni risultati del calcolo di corrente"));
        QTableWidget* g = d.raster();
        QCOMPARE(g->columnCount(), 1);
        QVERIFY(QFontInfo(g->font()).fixedPitch());
        QCOMPARE(g->item(0, 0)->text(), QStringLiteral("Hinweise zu Projekt: Halle"));
        QCOMPARE(g->item(1, 0)->text(), QString(26, QLatin1Char('*')));
        QCOMPARE(g->item(g->rowCount() - 1, 0)->text(), QString());  // the page break marker
        QCOMPARE(g->currentRow(), 0);
        // No line is cut: the column is at least as wide as the longest line.
        int laengste = 0;
        for (int r = 0; r < g->rowCount(); ++r)
            laengste = std::max(laengste, g->fontMetrics().horizontalAdvance(g->item(r, 0)->text()));
        QVERIFY(g->columnWidth(0) >= laengste);

        auto* drucken = d.findChild<QPushButton*>("cmdDrucken");
        QCOMPARE(drucken->text(), QStringLiteral("&Stampa"));
        drucken->click();
        QCOMPARE(gedruckt, 1);
        d.findChild<QPushButton*>("cmdOK")->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(AusgabeHinweisDialogTest)
#include "AusgabeHinweisDialogTest.moc"
