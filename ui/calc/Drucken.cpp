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
#include "shell/Texte.h"

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

// Draws one line: each text at its column; a text whose column the line has
// already passed follows after one blank.
void zeileZeichnen(QPainter& p, const QFontMetricsF& fm, qreal zeichen, qreal y, const DruckZeile& zeile) {
    qreal x = 0;
    for (const DruckText& t : zeile) {
        if (t.text.empty()) continue;
        const qreal spalte = (t.spalte > 1 ? t.spalte - 1 : 0) * zeichen;
        const qreal start = x > spalte + 0.01 ? x + zeichen : spalte;
        const QString text = qs(t.text);
        p.drawText(QPointF(start, y + fm.ascent()), text);
        x = start + fm.horizontalAdvance(text);
    }
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

    // A page of the job that holds nothing (a page break at its very end)
    // gives no empty sheet.
    std::size_t seiten = auftrag.seiten.size();
    while (seiten > 1 && auftrag.seiten[seiten - 1].zeilen.empty()) --seiten;

    bool ok = true;
    for (std::size_t s = 0; s < seiten && ok; ++s) {
        if (s > 0) ok = drucker.newPage();
        qreal y = 0;
        for (const DruckZeile& zeile : auftrag.seiten[s].zeilen) {
            if (!ok) break;
            if (y > 0 && y + zeilenhoehe > seitenhoehe) {
                ok = drucker.newPage();
                y = 0;
            }
            zeileZeichnen(p, fm, zeichen, y, zeile);
            y += zeilenhoehe;
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
