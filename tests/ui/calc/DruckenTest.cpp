#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <filesystem>

#include "calc/Drucken.h"
#include "calc/Ergebnisliste.h"
#include "ablauf/Anwendung.h"
#include "projekt/Version.h"
#include "ablauf/Menue1View.h"
#include "widgets/QtText.h"
#include "support/Programme.h"
#include "support/TempDir.h"
#include "support/Fensterfuehrer.h"

using namespace tarvis;
using namespace tarvis::ui;
using tarvis::test::Fensterfuehrer;
using tarvis::test::programmKopie;
namespace fs = std::filesystem;

namespace {

const Zeitstempel kZeit{"06/12/2026", "14:05:09"};

QString programm(const QString& name, const QStringList& args) {
    QProcess p;
    p.start(name, args);
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The pages of a PDF as text.
QStringList seiten(const fs::path& pdf) {
    QStringList s = tarvis::test::pdfText(pdf).split(QLatin1Char('\f'));
    if (!s.isEmpty() && s.last().trimmed().isEmpty()) s.removeLast();
    return s;
}

// The words of a PDF: where each begins and ends, in points from the left of
// the sheet, and on which sheet (0, 1, ...).
struct Wort {
    double x0, x1;
    int blatt;
};
std::map<QString, Wort> woerter(const fs::path& pdf) {
    std::map<QString, Wort> w;
    const QString html = programm(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), qs(pdf.string()), QStringLiteral("-")});
    QRegularExpression wort(QStringLiteral("<page |<word xMin=\"([0-9.]+)\" yMin=\"[0-9.]+\" xMax=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
    int blatt = -1;
    for (auto it = wort.globalMatch(html); it.hasNext();) {
        auto m = it.next();
        if (m.captured(0) == QLatin1String("<page ")) ++blatt;
        else w.emplace(m.captured(3), Wort{m.captured(1).toDouble(), m.captured(2).toDouble(), blatt});
    }
    return w;
}

bool drucken(const fs::path& pdf, const Druckauftrag& a) {
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setPageSize(QPageSize(QPageSize::A4));
    drucker.setOutputFileName(qs(pdf.string()));
    return DruckauftragDrucken(drucker, a);
}

}  // namespace

class DruckenTest : public QObject {
    Q_OBJECT

private slots:
    // Texts stand at their columns in character widths of the fixed-pitch
    // font. At the default font a sheet of A4 holds the 80 columns of the
    // printouts and the report's widest table rows whole, within margins of
    // a centimetre; a long text goes on below at its column instead of
    // running off the sheet; a table is not split where it fits on a sheet.
    void printoutsKeepTheirColumnsAndMarginsAndTheirTablesTogether() {
        tarvis::test::TempDir dir;
        Druckauftrag a;
        a.zeile().bei(1, "ANFANG");
        // A text whose column the line has passed follows after one blank.
        a.zeile().bei(1, "123456789012345").bei(10, "WEITER");
        a.zeile().bei(5, "FUENF").bei(65, "KMAT");
        a.zeile().bei(5, "LINKS").bei(69, "1234").bei(80, "R");
        a.zeile().bei(5, std::string(75, '_'));
        a.zeile().bei(5, std::string(26, ' ') + "Senza carico delle batterie Con carico della batteria");
        std::string lang;
        for (int i = 1; i <= 30; ++i) lang += "wort" + std::to_string(i) + " ";
        a.zeile().bei(1, "Nr.").bei(5, lang);
        for (int i = 0; i < 50; ++i) a.zeile().bei(5, "Zeile" + std::to_string(i));
        a.leer();
        a.zeile().bei(5, "TABELLE");
        for (int i = 0; i < 12; ++i) a.zeile().bei(5, "Reihe" + std::to_string(i)).bei(47, "10");
        a.zeile().bei(5, "SUMME");
        QVERIFY(drucken(dir / "s.pdf", a));
        auto w = woerter(dir / "s.pdf");
        const double zeichen = (w["ANFANG"].x1 - w["ANFANG"].x0) / 6;
        QVERIFY(std::abs(w["WEITER"].x0 - w["123456789012345"].x0 - 16 * zeichen) < 0.2);
        QVERIFY(std::abs(w["FUENF"].x0 - w["ANFANG"].x0 - 4 * zeichen) < 0.2);
        QVERIFY(std::abs(w["KMAT"].x0 - w["ANFANG"].x0 - 64 * zeichen) < 0.2);
        const QString fonts = programm(QStringLiteral("pdffonts"), {qs((dir / "s.pdf").string())});
        QVERIFY2(fonts.contains(QStringLiteral("LiberationMono")), qPrintable(fonts));

        const double rand = 72 / 2.54 - 0.5, rechts = 595.28 - rand;
        QVERIFY2(w["LINKS"].x0 >= rand && w["R"].x1 <= rechts, qPrintable(QString::number(w["R"].x1)));
        QVERIFY(w[QString(75, QLatin1Char('_'))].x1 <= rechts);
        QVERIFY(w["batteria"].x1 <= rechts && w["batteria"].x0 > w["Con"].x0);
        const QString text = seiten(dir / "s.pdf").value(0);
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("Senza carico delle batterie Con carico della batteria\n"))));
        // Every word of the long text is printed, the continuation at the
        // text's column, and the next line below it.
        for (int i = 1; i <= 30; ++i) QVERIFY2(w.count(QStringLiteral("wort%1").arg(i)) && w[QStringLiteral("wort%1").arg(i)].x1 <= rechts, qPrintable(text));
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("Nr\\. +wort1 .*\n +wort\\d+"))));
        QVERIFY(text.indexOf(QStringLiteral("wort30")) < text.indexOf(QStringLiteral("Zeile0")));
        QVERIFY(std::abs(w["wort1"].x0 - w["FUENF"].x0) < 0.2);  // both at column 5
        QCOMPARE(w["Zeile49"].blatt, 0);
        QCOMPARE(w["TABELLE"].blatt, 1);
        QCOMPARE(w["SUMME"].blatt, 1);
    }

    void theResultListPutsTheReportOnPagesOfItsOwnAndBreaksAtTheMarker() {
        tarvis::test::TempDir dir;
        Programm p = tarvis::test::musterProgramm();
        p.z.ZentralenTyp = 4;
        p.z.CodeModus = p.z.ProjCodeModus = "V";
        p.z.PrgVersion = kVersionText;
        p.z.Menge[534] = 16;
        p.z.Menge[3] = 1;  // never listed
        // A marker at the end (the link notes end so) leaves no empty sheet.
        const std::string zeilen[] = {"Zeile A", "Seitenwechsel", "Zeile B", "Seitenwechsel"};
        for (std::size_t k = 0; k < 4; ++k) p.z.Hinweiszeile[k + 1] = zeilen[k];
        p.z.HinweisAnz = 5;
        QVERIFY(drucken(dir / "e.pdf", ErgebnislisteSeiten(p, kZeit)));
        const QStringList s = seiten(dir / "e.pdf");
        QCOMPARE(s.size(), 3);
        QVERIFY(s[0].contains(QRegularExpression(QStringLiteral("534 +16 +Optischer Rauchmelder OM 301 +K52301725 +nein"))));
        QVERIFY(!s[0].contains(QStringLiteral("Artikelkatalog")));
        QVERIFY(s[1].contains(QStringLiteral("Zeile A")) && !s[1].contains(QStringLiteral("Zeile B")));
        QVERIFY(s[2].contains(QStringLiteral("Zeile B")));
        QVERIFY(!s.join(QString()).contains(QStringLiteral("Seitenwechsel")));
    }

    // The question and the code-mode check before it are the core's; here
    // the file dialog: its suggestion, Cancel, and the file chosen.
    void theMainWindowsPrintCommandGoesIntoTheChosenFile() {
        tarvis::test::TempDir dir;
        Anwendung a;
        QVERIFY(a.starten(programmKopie(dir), std::nullopt));
        Menue1View& v = a.hauptfenster();
        Zustand& z = a.programm().z;
        z.ZentralenTyp = 4;
        z.Projektname = "Nord";
        z.Menge[534] = 3;
        z.ProjektBefehleAktiv = 1;
        z.ProjCodeModus = z.CodeModus;
        v.aktualisieren();
        QStringList gewaehlt;
        QString ziel;
        setzePdfDateiWahl([&](QWidget*, const QString& vorschlag) {
            gewaehlt << vorschlag;
            return ziel;
        });
        Fensterfuehrer f;
        f.antwort = [](const QString&) { return QMessageBox::Yes; };
        for (const QString& datei : {QString(), qs((dir / "liste.pdf").string())}) {
            ziel = datei;
            QVERIFY(tarvis::test::befehl(v, Befehl::Drucken));
            // Cancelled: nothing printed, nothing reported.
            QCOMPARE(f.meldungen.size(), gewaehlt.size());
            QCOMPARE(fs::exists(dir / "liste.pdf"), !datei.isEmpty());
        }
        QVERIFY(gewaehlt.first().endsWith(QStringLiteral("/Nord.pdf")));
        QVERIFY(seiten(dir / "liste.pdf").value(0).contains(QStringLiteral("Optischer Rauchmelder OM 301")));
    }

    void aFileThatCannotBeWrittenIsReported() {
        tarvis::test::TempDir dir;
        Anwendung a;
        QVERIFY(a.starten(programmKopie(dir), std::nullopt));
        setzePdfDateiWahl([&](QWidget*, const QString&) { return qs((dir / "fehlt" / "x.pdf").string()); });
        Fensterfuehrer f;
        bool fertig = false;
        QTimer::singleShot(0, [&] {
            Druckauftrag auftrag;
            auftrag.zeile().bei(5, "x");
            DruckauftragAusgeben(a, auftrag);
            fertig = true;
        });
        QVERIFY(QTest::qWaitFor([&] { return fertig; }, 20000));
        QCOMPARE(f.meldungen.size(), 1);
        QVERIFY(f.meldungen.first().startsWith(QStringLiteral("Errore N° 482")));
    }
};

QTEST_MAIN(DruckenTest)
#include "DruckenTest.moc"
