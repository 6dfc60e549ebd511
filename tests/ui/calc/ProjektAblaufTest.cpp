// Two KVT 2000 B projects linked into one KVT 2000/6 fire D, and the link
// notes printed. A project from New to Open again is the acceptance test's.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <filesystem>
#include <tuple>

#include "calc/Auswerten.h"
#include "calc/Drucken.h"
#include "calc/Exportdateien.h"
#include "support/Projektdatei.h"
#include "io/TextFile.h"
#include "loops/DXAGehPruefung.h"
#include "loops/KBNNachzaehlen.h"
#include "loops/KBNUebernahme.h"
#include "ablauf/Anwendung.h"
#include "ablauf/Menue1View.h"
#include "widgets/QtText.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"
#include "support/Fensterfuehrer.h"

using namespace tarvis;
using namespace tarvis::ui;
using tarvis::test::befehl;
using tarvis::test::Fensterfuehrer;
using tarvis::test::programmKopie;
using tarvis::test::klicken;
using tarvis::test::pdfText;
using tarvis::test::tippen;
namespace fs = std::filesystem;

namespace {

template <class T> T* kind(QWidget* w, const char* name) { return Fensterfuehrer::kind<T>(w, name); }

// Whether a PDF's text holds a phrase; the text extraction may widen or
// narrow the blanks between words.
bool enthaelt(const QString& text, const QString& phrase) {
    QString muster;
    for (const QString& wort : phrase.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        muster += (muster.isEmpty() ? QString() : QStringLiteral("\\s+")) + QRegularExpression::escape(wort);
    return text.contains(QRegularExpression(muster));
}

std::string lesen(const fs::path& f) {
    auto t = io::readText(f);
    return t ? *t : std::string("<missing>");
}

}  // namespace

class ProjektAblaufTest : public QObject {
    Q_OBJECT

private slots:
    void twoKvt2000BProjectsAreLinkedAndTheLinkNotesPrinted() {
        tarvis::test::TempDir dir;
        Anwendung a;
        QVERIFY(a.starten(programmKopie(dir), std::nullopt));
        Menue1View& v = a.hauptfenster();
        v.show();
        const fs::path projekte = dir / "PROJEKTE";

        // Two networked KVT 2000 B, the second with loops on its second card
        // (and so the DKM 100 loop card).
        for (auto [name, karte2] : {std::pair{"HALLE1", false}, std::pair{"HALLE2", true}}) {
            Programm& p = a.programm();
            ProjektZuruecksetzen(p.z);
            p.z.ZentralenTyp = 4;
            p.z.Sprache = 1;
            p.z.Tele = 1;
            p.z.CodeModus = "V";
            p.z.OLNJa = 1;
            p.z.OLN1a = p.z.OLN2a = 1;
            p.z.KBNMenge(karte2 ? 3 : 1)[534] = 10;
            KBNSummieren(p, a.meldungen());
            KBNMengenUebernehmen(p.z);
            p.z.ProjektDatei = (projekte / (std::string(name) + ".PLM")).string();
            tarvis::test::ScriptedMessages stumm;
            stumm.fensterSkript[Fenster::DXAGeh] = [&] {
                DXAGehVorschlagUebernehmen(p.z);
                return DXAGehWeiter(p.z, stumm);
            };
            stumm.fensterSkript[Fenster::JUBLSpeis] = [] { return true; };
            QVERIFY(Auswerten(p, stumm));
            p.z.EPOAbgefragt = 1;
            QVERIFY(EPOSchreiben(p, stumm));
        }
        // A project calculated in this run and cleared: printing is allowed in
        // the code mode of that calculation.
        ProjektZuruecksetzen(a.programm().z);
        a.programm().z.ProjCodeModus = a.programm().z.CodeModus;
        a.programm().z.ProjPfad = projekte.string();
        a.programm().z.Projektname = "Verbund";

        const fs::path pdf = dir / "verbund.pdf";
        setzePdfDateiWahl([&](QWidget*, const QString&) { return qs(pdf.string()); });
        Fensterfuehrer f;
        f.antwort = [](const QString& t) {
            return t.startsWith(QStringLiteral("Stampare elenco")) || t.endsWith(QStringLiteral("speichern?"))
                       ? QMessageBox::Yes
                       : QMessageBox::NoButton;
        };
        QStringList labels;
        f.fenster["Oeffnen6"] = [&](QWidget* w) {
            auto* liste = kind<QListWidget>(w, "File1");
            auto waehlen = [liste](const char* datei) {
                auto t = liste->findItems(QString::fromLatin1(datei), Qt::MatchExactly);
                if (!t.isEmpty()) liste->setCurrentItem(t.first());
            };
            auto* oeffnen = kind<QPushButton>(w, "cmdÖffnen");
            auto* speichern = kind<QPushButton>(w, "cmdSpeichern");
            Fensterfuehrer::spaeter([=, &labels] {
                waehlen("HALLE1.EPO");
                oeffnen->click();
                waehlen("HALLE2.EPO");
                oeffnen->click();
                labels << kind<QLabel>(w, "lblD1")->text() << kind<QLabel>(w, "lblD2")->text()
                       << kind<QLineEdit>(w, "txtSpeichern")->text() << QString::number(speichern->isEnabled());
                Fensterfuehrer::druecken(speichern);
            });
        };
        QStringList bericht;
        f.fenster["Hinweis"] = [&](QWidget* w) {
            auto* g = kind<QTableWidget>(w, "Grid1");
            for (int r = 0; r < g->rowCount(); ++r) bericht << g->item(r, 0)->text();
            auto* ok = kind<QPushButton>(w, "cmdOK");
            Fensterfuehrer::druecken(kind<QPushButton>(w, "cmdDrucken"), [ok] { Fensterfuehrer::druecken(ok); });
        };
        QVERIFY(befehl(v, Befehl::Verknuepfen));

        QCOMPARE(labels, (QStringList{"HALLE1.EPO", "HALLE2.EPO", qs((projekte / "HALLE2_6.EPO").string()), "1"}));
        QCOMPARE(a.programm().z.Verknuepft, Byte{1});
        const std::string epo = lesen(projekte / "HALLE2_6.EPO");
        QVERIFY2(epo.starts_with("\"J\"\r\n\"K52018724\",1,\"KVT 2000/6 Brand D"), epo.c_str());
        // The DKM 100 of the second panel is the one the KVT 2000/6 brings.
        QVERIFY2(epo.find("K52046851") == std::string::npos, epo.c_str());
        QVERIFY2(epo.find("\"K52301725\",10,") != std::string::npos, epo.c_str());
        QVERIFY2(epo.find("K52016005") == std::string::npos, epo.c_str());        // no single KVT 2000 B
        QVERIFY(fs::exists(projekte / "HALLE2_6.TXT"));

        QVERIFY(bericht.size() >= 11);
        QCOMPARE(bericht.first(), QStringLiteral("Hinweise zu Projekt: Verbund"));
        QCOMPARE(bericht.last(), QString());  // the page break marker, shown empty

        // The printout: the list page, then the link notes; the marker breaks
        // the page and is not printed, and no empty sheet follows it.
        const QString text = pdfText(pdf);
        QStringList seiten = text.split(QLatin1Char('\f'));
        if (seiten.last().trimmed().isEmpty()) seiten.removeLast();  // after the last form feed
        QCOMPARE(seiten.size(), 2);
        QVERIFY2(enthaelt(seiten[1], QStringLiteral("Sie haben 2 KVT 2000 KBN Brand verknüpft zu 1 KVT 2000/6 B")),
                 qPrintable(seiten[1]));
        QVERIFY(!text.contains(QStringLiteral("Seitenwechsel")));
    }

};

QTEST_MAIN(ProjektAblaufTest)
#include "ProjektAblaufTest.moc"
