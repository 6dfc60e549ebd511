// The article list window, the search with its result window and the printed
// article list, as a user reaches them from the main window.
#include <QAction>
#include <QHeaderView>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <filesystem>

#include "calc/ArtikellisteDialog.h"
#include "calc/Drucken.h"
#include "ablauf/Anwendung.h"
#include "ablauf/Menue1View.h"
#include "widgets/QtText.h"
#include "support/TempDir.h"
#include "ui/calc/Fensterfuehrer.h"

using namespace tarvis;
using namespace tarvis::ui;
using tarvis::test::Fensterfuehrer;
namespace fs = std::filesystem;

namespace {

template <class T> T* kind(QWidget* w, const char* name) { return Fensterfuehrer::kind<T>(w, name); }

QStringList zeile(QTableWidget* g, int r) {
    QStringList z;
    for (int c = 0; c < g->columnCount(); ++c) z << g->item(r, c)->text();
    return z;
}

KatSatz satz(const std::string& name, const std::string& sachnummer, const std::string& intr,
             const std::string& brand) {
    KatSatz s;
    s.Bezeichnung = name;
    s.Sachnummer = sachnummer;
    s.LIBEXIntr = intr;
    s.LIBEXBrand = brand;
    return s;
}

struct Programmlauf {
    tarvis::test::TempDir dir;
    Anwendung a;
    Fensterfuehrer f;
    bool gestartet = false;
    Programmlauf() {
        fs::copy(TARVIS_PROGRAM_DIR, dir.path(), fs::copy_options::recursive);
        gestartet = a.starten(dir.path(), std::nullopt);
        // The code-mode window confirms what is set; the focus window chooses fire.
        f.fenster["Modus"] = [](QWidget* w) { Fensterfuehrer::druecken(kind<QPushButton>(w, "cmdOK")); };
        f.fenster["BranotWahl"] = [](QWidget* w) {
            Fensterfuehrer::spaeter([w] {
                kind<QRadioButton>(w, "optBrand")->click();
                kind<QPushButton>(w, "cmdOK")->click();
            });
        };
    }
    bool befehl(Befehl b) {
        bool fertig = false;
        QTimer::singleShot(0, [&] {
            a.hauptfenster().aktion(b)->trigger();
            fertig = true;
        });
        return QTest::qWaitFor([&] { return fertig; }, 30000);
    }
};

}  // namespace

class ArtikellisteDialogTest : public QObject {
    Q_OBJECT

private slots:
    void theListWindowShowsHeadingsWithoutNumberAndCode() {
        Programmlauf l;
        QVERIFY(l.gestartet);
        Programm& p = l.a.programm();
        p.z.CodeModus = "S";
        ArtikellisteDialog d(ListesehAktivieren(p));
        QCOMPARE(d.objectName(), QStringLiteral("Listeseh"));
        QCOMPARE(d.windowTitle(), QStringLiteral("Elenco articoli TARVIS"));
        QTableWidget* g = d.raster();
        QCOMPARE(g->horizontalHeaderItem(2)->text(), QStringLiteral("Codice "));
        QCOMPARE(zeile(g, 0), (QStringList{"", "1.) Zentralen KVT 1000 N      ", ""}));
        QCOMPARE(zeile(g, 1), (QStringList{"8 ", "KVT 1000 N KBN 10 MG          ", "4.996.100.111"}));
        QVERIFY(g->item(1, 0)->textAlignment() & Qt::AlignRight);
        d.findChild<QPushButton*>("cmdOK")->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
    }

    void theListCommandAsksForTheCodeModeAndTheFocusFirst() {
        Programmlauf l;
        QVERIFY(l.gestartet);
        l.a.programm().z.CodeModus = "V";
        int zeilen = -1;
        QString kopf;
        l.f.fenster["Listeseh"] = [&](QWidget* w) {
            auto* g = kind<QTableWidget>(w, "Grid1");
            zeilen = g->rowCount();
            kopf = g->horizontalHeaderItem(2)->text();
            Fensterfuehrer::druecken(kind<QPushButton>(w, "cmdOK"));
        };
        QVERIFY(l.befehl(Befehl::ListeSeh));
        QCOMPARE(l.f.gesehen, (QStringList{"Modus", "BranotWahl", "Listeseh"}));
        QCOMPARE(l.a.programm().z.Schwerpunkt.str(), std::string("B"));
        QCOMPARE(kopf, QStringLiteral("LIBEX"));
        QVERIFY(zeilen > 10);
    }

    void theSearchFindsTheLibexPositionKeyAndHeadingsWithTheirNumbers() {
        Programmlauf l;
        QVERIFY(l.gestartet);
        Programm& p = l.a.programm();
        p.z.CodeModus = "V";
        p.katalog.setzen(7, satz("Rauchmelder RM 1", "9.876.540.269", "K51013234", "K52013234"));
        QStringList eingaben{QStringLiteral("3234"), QStringLiteral("zentralen"), QString()};
        l.f.eingabe = [&](const QString&) { return eingaben.isEmpty() ? QString() : eingaben.takeFirst(); };
        l.f.antwort = [](const QString& t) {
            return t == QStringLiteral("Continuare a cercare?") ? QMessageBox::Yes : QMessageBox::NoButton;
        };
        QList<QStringList> treffer;
        l.f.fenster["Sucherg"] = [&](QWidget* w) {
            auto* g = kind<QTableWidget>(w, "Grid1");
            QStringList t;
            for (int r = 0; r < g->rowCount(); ++r) t << zeile(g, r).join(QLatin1Char('|'));
            treffer << t;
            Fensterfuehrer::druecken(kind<QPushButton>(w, "cmdOK"));
        };
        QVERIFY(l.befehl(Befehl::ArtSuch));
        QCOMPARE(treffer.size(), 2);
        QCOMPARE(treffer[0], QStringList{QStringLiteral("007|Rauchmelder RM 1              |K52013234")});
        QVERIFY(treffer[1].size() >= 2);
        QCOMPARE(treffer[1][0], QStringLiteral("006|1.) Zentralen KVT 1000 N      |         "));
        // The cancelled third entry ends the search without a message.
        QVERIFY(l.f.gesehen.last().startsWith(
            QStringLiteral("Eingabe: Criterio di ricerca:\n(Parte della denominaz.\noppure posizione chiave del cod.LIBEX")));
        QCOMPARE(l.f.meldungen.count(QStringLiteral("Continuare a cercare?")), 2);
    }

    void aSearchWithoutMatchSaysSoAndCancelEndsIt() {
        Programmlauf l;
        QVERIFY(l.gestartet);
        l.a.programm().z.CodeModus = "S";
        l.a.programm().z.Sprache = 3;
        QStringList eingaben{QStringLiteral("XYZXYZ")};
        l.f.eingabe = [&](const QString&) { return eingaben.isEmpty() ? QString() : eingaben.takeFirst(); };
        l.f.antwort = [](const QString&) { return QMessageBox::Yes; };
        QVERIFY(l.befehl(Befehl::ArtSuch));
        QCOMPARE(l.f.meldungen, (QStringList{"Articolo non trovato!", "Continuare a cercare?"}));
        QVERIFY(!l.f.gesehen.contains(QStringLiteral("Sucherg")));
    }

    void theArticleListIsPrintedAfterTheQuestion() {
        Programmlauf l;
        QVERIFY(l.gestartet);
        l.a.programm().z.CodeModus = "V";
        const fs::path pdf = l.dir / "artikel.pdf";
        setzePdfDateiWahl([&](QWidget*, const QString&) { return qs(pdf.string()); });
        l.f.antwort = [](const QString& t) {
            return t == QStringLiteral("Stampare elenco articoli?") ? QMessageBox::Yes : QMessageBox::NoButton;
        };
        QVERIFY(l.befehl(Befehl::ListeDru));
        // The focus is chosen once, before the question.
        QCOMPARE(l.f.gesehen, (QStringList{"Modus", "BranotWahl", "Meldung: Stampare elenco articoli?"}));
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), qs(pdf.string()), QStringLiteral("-")});
        pdftotext.waitForFinished(20000);
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
        QVERIFY2(text.contains(QRegularExpression(QStringLiteral("Elenco articoli TARVIS +Incendio \\+ +26\\.1\\.0"))),
                 qPrintable(text.left(600)));
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("\\n +2\\.\\) Zentralen KVT 2000 N"))));
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("108 +KVT 2000 B deutsch +K52016005"))));
    }
};

QTEST_MAIN(ArtikellisteDialogTest)
#include "ArtikellisteDialogTest.moc"
