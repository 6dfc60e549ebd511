#include "calc/Drucken.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include "shell/Anwendung.h"
#include "shell/Menue1View.h"
#include "shell/QtText.h"
#include "projekt/Texte.h"

namespace tarvis::ui {

namespace {

PdfDateiWahl& pdfWahl() {
    static PdfDateiWahl wahl = [](QWidget* eltern, const QString& vorschlag) {
        return QFileDialog::getSaveFileName(eltern, qs(Text(688)), vorschlag, QStringLiteral("PDF (*.pdf)"));
    };
    return wahl;
}

// A printer of the system is chosen (not a file).
bool druckerBereit(const QPrinter& d) {
    return d.outputFormat() == QPrinter::NativeFormat && d.isValid() && !d.printerName().isEmpty();
}

QString pdfVorschlag(const Zustand& z, const QPrinter& d) {
    if (!d.outputFileName().isEmpty()) return d.outputFileName();
    if (!z.ProjektDatei.empty()) {
        QFileInfo f(qs(z.ProjektDatei));
        return f.absolutePath() + QLatin1Char('/') + f.completeBaseName() + QStringLiteral(".pdf");
    }
    QString verzeichnis = z.ProjPfad.empty() ? QString() : qs(z.ProjPfad) + QLatin1Char('/');
    return verzeichnis + qs(z.Projektname) + QStringLiteral(".pdf");
}

// A text that runs past the right edge of the sheet, split into pieces that
// fit from its starting point: at the last blank that fits, else hard.
QStringList teilen(const QString& text, const QFontMetricsF& fm, qreal breite) {
    QStringList teile;
    QString rest = text;
    while (fm.horizontalAdvance(rest) > breite) {
        qsizetype n = 1;
        while (n < rest.size() && fm.horizontalAdvance(rest.left(n + 1)) <= breite) ++n;
        const qsizetype blank = rest.left(n + 1).lastIndexOf(QLatin1Char(' '));
        if (blank > 0) n = blank;
        teile << rest.left(n);
        rest = rest.mid(n).trimmed();
    }
    teile << rest;
    return teile;
}

// One printed line: its texts at their columns; a text whose column the
// line has already passed follows after one blank.
struct Druckzeile {
    struct Stueck {
        QPointF pos;  // x, and the line (0, 1, ...) below the first
        QString text;
    };
    std::vector<Stueck> stuecke;
    int zeilen = 1;
};

// The last text of a line goes on below where it would run past the right
// edge (the report's long notes), so that nothing of it is lost; the texts
// before it keep their columns.
Druckzeile setzen(const DruckZeile& zeile, const QFontMetricsF& fm, qreal zeichen, qreal seitenbreite) {
    Druckzeile d;
    qreal x = 0;
    std::size_t letzter = zeile.size();
    while (letzter > 0 && zeile[letzter - 1].text.empty()) --letzter;
    for (std::size_t i = 0; i < zeile.size(); ++i) {
        const DruckText& t = zeile[i];
        if (t.text.empty()) continue;
        const qreal spalte = (t.spalte > 1 ? t.spalte - 1 : 0) * zeichen;
        const qreal start = x > spalte + 0.01 ? x + zeichen : spalte;
        const QString text = qs(t.text);
        if (i + 1 == letzter && start + fm.horizontalAdvance(text) > seitenbreite && start + 8 * zeichen < seitenbreite) {
            const QStringList teile = teilen(text, fm, seitenbreite - start);
            for (qsizetype k = 0; k < teile.size(); ++k)
                d.stuecke.push_back({QPointF(start, static_cast<qreal>(k)), teile[k]});
            d.zeilen = static_cast<int>(teile.size());
            break;
        }
        d.stuecke.push_back({QPointF(start, 0), text});
        x = start + fm.horizontalAdvance(text);
    }
    return d;
}

}  // namespace

void setzePdfDateiWahl(PdfDateiWahl wahl) { pdfWahl() = std::move(wahl); }

QFont DruckSchriftart(const std::string& name, int groesse) {
    const QString n = qs(name).trimmed();
    const QString gross = n.toUpper();
    const bool courier = n.isEmpty() || gross == QStringLiteral("COURIER NEW") || gross == QStringLiteral("COURIER");
    QFont f(courier ? QStringLiteral("Liberation Mono") : n);
    if (courier) {
        f.setStyleHint(QFont::TypeWriter);
        f.setFixedPitch(true);
    }
    f.setPointSize(groesse > 0 ? groesse : 12);
    f.setKerning(false);
    return f;
}

bool DruckauftragDrucken(QPrinter& drucker, const Druckauftrag& auftrag) {
    QPainter p;
    if (!p.begin(&drucker)) return false;
    const QFont schrift(DruckSchriftart(auftrag.schrift, auftrag.groesse), &drucker);
    p.setFont(schrift);
    const QFontMetricsF fm(schrift, &drucker);
    const qreal zeichen = fm.averageCharWidth();
    const qreal zeilenhoehe = fm.lineSpacing();
    const qreal seitenhoehe = drucker.height();
    const qreal seitenbreite = drucker.width();

    // A page at the end of the job that holds no text (a page break at the
    // end of the report) gives no empty sheet.
    auto ohneText = [](const DruckSeite& seite) {
        for (const DruckZeile& z : seite.zeilen)
            for (const DruckText& t : z)
                if (t.text.find_first_not_of(' ') != std::string::npos) return false;
        return true;
    };
    std::size_t seiten = auftrag.seiten.size();
    while (seiten > 1 && ohneText(auftrag.seiten[seiten - 1])) --seiten;

    bool ok = true;
    for (std::size_t s = 0; s < seiten && ok; ++s) {
        if (s > 0) ok = drucker.newPage();
        qreal y = 0;
        for (const DruckZeile& zeile : auftrag.seiten[s].zeilen) {
            if (!ok) break;
            const Druckzeile d = setzen(zeile, fm, zeichen, seitenbreite);
            if (y > 0 && y + d.zeilen * zeilenhoehe > seitenhoehe) {
                ok = drucker.newPage();
                y = 0;
            }
            for (const auto& stueck : d.stuecke)
                p.drawText(QPointF(stueck.pos.x(), y + stueck.pos.y() * zeilenhoehe + fm.ascent()), stueck.text);
            y += d.zeilen * zeilenhoehe;
        }
    }
    return p.end() && ok;
}

void DruckauftragAusgeben(Anwendung& a, const Druckauftrag& auftrag) {
    QWidget* eltern = QApplication::activeModalWidget();
    if (!eltern) eltern = &a.hauptfenster();
    const Zustand& z = a.programm().z;
    QPrinter& drucker = a.drucker();
    const QString name = QStringLiteral("TARVIS - ") + qs(z.Projektname);

    bool ok = false;
    QString ziel;
    if (druckerBereit(drucker)) {
        drucker.setDocName(name);
        ok = DruckauftragDrucken(drucker, auftrag);
        ziel = drucker.printerName();
    } else {
        ziel = pdfWahl()(eltern, pdfVorschlag(z, drucker));
        if (ziel.isEmpty()) return;
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setPageLayout(drucker.pageLayout());
        pdf.setOutputFileName(ziel);
        pdf.setDocName(name);
        pdf.setCreator(QStringLiteral("TARVIS ") + qs(z.PrgVersion));
        ok = DruckauftragDrucken(pdf, auftrag);
    }
    // The printer's own error number for a failed print job.
    if (!ok)
        a.meldungen().meldung(Symbol::Ausrufezeichen, Text(394) + " 482\nPrinter error\n" + ss(ziel), {});
}

}  // namespace tarvis::ui
