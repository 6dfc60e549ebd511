#include "calc/Drucken.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPointer>
#include <QPrinter>
#include <algorithm>

#include "ablauf/Anwendung.h"
#include "ablauf/Menue1View.h"
#include "widgets/QtText.h"
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
        QPointF pos;  // x from column 1, and the row (0, 1, ...) below the first
        QString text;
    };
    std::vector<Stueck> stuecke;
    int zeilen = 1;
};

// A text that would run past the right edge goes on below, from its own
// column (the report's long notes), so that nothing of it is lost and
// nothing is printed beyond the margin; the texts after it follow it.
Druckzeile setzen(const DruckZeile& zeile, const QFontMetricsF& fm, qreal zeichen, qreal links, qreal rechts) {
    Druckzeile d;
    qreal x = 0;
    int reihe = 0;
    for (const DruckText& t : zeile) {
        if (t.text.empty()) continue;
        const qreal spalte = (t.spalte > 1 ? t.spalte - 1 : 0) * zeichen;
        qreal start = x > spalte + 0.01 ? x + zeichen : spalte;
        const QString text = qs(t.text);
        if (start + fm.horizontalAdvance(text) <= rechts + 0.01) {
            d.stuecke.push_back({QPointF(start, reihe), text});
            x = start + fm.horizontalAdvance(text);
            continue;
        }
        // Less than a few characters of room left: the text starts on the
        // next row, at its column or, past the edge, at the left margin.
        if (start + 8 * zeichen > rechts) {
            ++reihe;
            start = spalte + 8 * zeichen > rechts ? links : spalte;
        }
        const QStringList teile = teilen(text, fm, rechts - start);
        for (qsizetype k = 0; k < teile.size(); ++k) d.stuecke.push_back({QPointF(start, reihe + static_cast<int>(k)), teile[k]});
        reihe += static_cast<int>(teile.size()) - 1;
        x = start + fm.horizontalAdvance(teile.last());
    }
    d.zeilen = reihe + 1;
    return d;
}

// The sheet's margins: the printer's own where it cannot print closer to the
// edge, else a centimetre.
void raenderSetzen(QPrinter& drucker) {
    QPageLayout lage = drucker.pageLayout();
    lage.setUnits(QPageLayout::Point);
    const QMarginsF mindest = lage.minimumMargins();
    const qreal cm = 72.0 / 2.54;
    drucker.setPageMargins(QMarginsF(std::max(cm, mindest.left()), std::max(cm, mindest.top()),
                                     std::max(cm, mindest.right()), std::max(cm, mindest.bottom())),
                           QPageLayout::Point);
}

// The columns a sheet must hold: at least to column 80, the width of the
// program's printouts; a line up to column 88 (the report's widest tables)
// still fits by a smaller type, longer ones (running text) go on below.
constexpr int kSpalten = 80;
constexpr int kSpaltenHoechstens = 88;
// The printouts begin their lines at column 5: four blank columns of margin.
constexpr int kRand = 4;

// The font of a job, made smaller where the columns from `erste` on that it
// needs would not fit the width of the sheet at the size the clerk chose.
QFont passendeSchrift(const Druckauftrag& auftrag, int erste, int letzte, QPrinter& drucker) {
    QFont schrift(DruckSchriftart(auftrag.schrift, auftrag.groesse), &drucker);
    const int noetig = std::clamp(letzte, kSpalten, kSpaltenHoechstens) - erste + 1;
    const qreal breite = drucker.width();
    for (int versuch = 0; versuch < 8; ++versuch) {
        const qreal zeichen = QFontMetricsF(schrift, &drucker).averageCharWidth();
        if (noetig * zeichen <= breite) break;
        schrift.setPointSizeF(schrift.pointSizeF() * breite / (noetig * zeichen) * 0.998);
    }
    return schrift;
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
    raenderSetzen(drucker);
    // The blank columns before column 5 are the printouts' own left margin;
    // the sheet has one already.
    const Spaltenbereich spalten = SpaltenVon(auftrag);
    const int erste = std::min(spalten.erste, kRand + 1);
    QPainter p;
    if (!p.begin(&drucker)) return false;
    const QFont schrift = passendeSchrift(auftrag, erste, spalten.letzte, drucker);
    p.setFont(schrift);
    const QFontMetricsF fm(schrift, &drucker);
    const qreal zeichen = fm.averageCharWidth();
    const qreal zeilenhoehe = fm.lineSpacing();
    const qreal links = (erste - 1) * zeichen;
    const qreal rechts = links + drucker.width();
    const int zeilenProBlatt = std::max(1, static_cast<int>(drucker.height() / zeilenhoehe));

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
    bool erstesBlatt = true;
    for (std::size_t s = 0; s < seiten && ok; ++s) {
        const DruckSeite& seite = auftrag.seiten[s];
        std::vector<Druckzeile> gesetzt;
        for (const DruckZeile& zeile : seite.zeilen) gesetzt.push_back(setzen(zeile, fm, zeichen, links, rechts));
        auto hoehe = [&](const DruckZeile& z) { return gesetzt[static_cast<std::size_t>(&z - seite.zeilen.data())].zeilen; };
        const std::vector<Blatt> blaetter = AufBlaetter(seite, hoehe, zeilenProBlatt);
        for (std::size_t b = 0; b < blaetter.size() && ok; ++b) {
            // Every page of the job starts a sheet; a break leaves no empty one.
            if (b > 0 && blaetter[b].von >= blaetter[b].bis) continue;
            if (!erstesBlatt) ok = drucker.newPage();
            erstesBlatt = false;
            qreal y = 0;
            for (std::size_t i = blaetter[b].von; i < blaetter[b].bis && ok; ++i) {
                for (const auto& stueck : gesetzt[i].stuecke)
                    p.drawText(QPointF(stueck.pos.x() - links, y + stueck.pos.y() * zeilenhoehe + fm.ascent()), stueck.text);
                y += gesetzt[i].zeilen * zeilenhoehe;
            }
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
        {
            QPointer<QWidget> zurueck(eltern);
            ziel = pdfWahl()(eltern, pdfVorschlag(z, drucker));
            tastaturZurueck(zurueck);
        }
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
        a.meldungen().meldung(Symbol::Ausrufezeichen, Nr(394) + " 482\nPrinter error\n" + ss(ziel), {});
}

}  // namespace tarvis::ui
