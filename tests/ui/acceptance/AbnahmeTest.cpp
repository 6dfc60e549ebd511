// The acceptance of the program: one project of each panel type as a user
// enters it through the real windows (offscreen, played by Fensterfuehrer):
// New, the panel type and its windows, master data, code mode, the loop
// entry, the additional functions (standby time, mains-failure delay and
// an external load typed in), the calculation with its result and
// report windows, the printed result list (into a PDF), Save with the
// parameter and hand-over files, and Open again. The program and the batch
// tool must agree: what the windows showed and the files the program saved
// are compared with what `tarvis-cli` computes from the saved project file.
// The two standalone parts (DXA 1000, local peripheral currents) keep no
// project file; their results are compared with the batch tool and the core.
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <memory>
#include <tuple>

#include "calc/Drucken.h"
#include "support/Projektdatei.h"
#include "io/TextFile.h"
#include "loops/PeriStromPresenter.h"
#include "ablauf/Anwendung.h"
#include "ablauf/Menue1View.h"
#include "widgets/QtText.h"
#include "projekt/Texte.h"
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

std::string lesen(const fs::path& f) {
    auto t = io::readBytes(f);
    return t ? *t : std::string("<missing>");
}

// Blanks of any kind and number as one blank: the PDF's text extraction
// does not keep the columns.
QString einfach(const QString& s) { return s.simplified(); }

// Runs the batch tool on the program directory of the test.
QByteArray batch(const fs::path& dir, QStringList args) {
    QProcess p;
    args.prepend(qs(dir.string()));
    args.prepend(QStringLiteral("--program-dir"));
    p.start(QStringLiteral(TARVIS_CLI), args);
    p.waitForFinished(60000);
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        qWarning("tarvis-cli %s: %s", qPrintable(args.join(' ')), p.readAllStandardError().constData());
    return p.readAllStandardOutput();
}

// The quantities typed into the loop entry: loop, record, quantity.
using Schleifen = std::vector<std::tuple<int, int, int>>;

// Types the quantities into the element grid of a window (the loop entry,
// the peripheral list: loop 1) as a user does: a click on the record's cell
// of the loop, the first digit in the grid, the rest in the loop's box.
void schleifenEintippen(QWidget* fenster, const Schleifen& schleifen) {
    auto* g = fenster->findChild<QTableView*>();
    QAbstractItemModel* m = g->model();
    for (auto [k, satz, menge] : schleifen) {
        int zeile = -1;
        for (int r = 0; r < m->rowCount() && zeile < 0; ++r)
            if (m->index(r, 0).data().toString().trimmed() == QString::number(satz)) zeile = r;
        if (zeile < 0) {
            qWarning("record %d not in the loop entry", satz);
            continue;
        }
        const QModelIndex i = m->index(zeile, 2 + k);
        g->scrollTo(i);
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(i).center());
        const QString text = QString::number(menge);
        QTest::keyClicks(g, text.left(1));
        if (text.size() > 1)
            QTest::keyClicks(kind<QLineEdit>(fenster, qPrintable(QStringLiteral("txtAnz%1").arg(k))), text.mid(1));
    }
}

// A window filled in once it is shown: each step types its text into its
// box, or clicks its control when it has none.
using Schritte = std::vector<std::pair<const char*, QString>>;
std::function<void(QWidget*)> ausfuellen(Schritte schritte) {
    return [schritte](QWidget* w) {
        Fensterfuehrer::spaeter([w, schritte] {
            for (const auto& [n, t] : schritte) t.isNull() ? klicken(w, n) : tippen(w, n, t);
        });
    };
}

// A window left with one of its buttons as it stands.
std::function<void(QWidget*)> knopf(const char* name) {
    return [name](QWidget* w) { Fensterfuehrer::druecken(kind<QPushButton>(w, name)); };
}

struct Projekt {
    int typ;
    const char* option;      // in the panel type window
    const char* name;        // of the project file
    bool libex;              // LIBEX code mode (with the hand-over file) or part numbers
    Schleifen schleifen;
};

// What the windows showed.
struct Gesehen {
    QStringList ausgabe;  // result window: "record quantity" per row
    QStringList bericht;  // report window lines
};

QStringList ausgabeZeilen(QWidget* w) {
    QStringList z;
    auto* g = kind<QTableWidget>(w, "Grid1");
    for (int r = 0; r < g->rowCount(); ++r)
        z << g->item(r, 0)->text().trimmed() + QLatin1Char(' ') + g->item(r, 1)->text().trimmed();
    return z;
}

// The material list of the batch tool as the result window shows it: the
// records from 6 on with a quantity.
QStringList ausgabeZeilen(const QJsonObject& json) {
    QStringList z;
    const QJsonObject menge = json.value(QStringLiteral("Menge")).toObject();
    std::vector<std::pair<int, int>> liste;
    for (auto it = menge.begin(); it != menge.end(); ++it) liste.emplace_back(it.key().toInt(), it.value().toInt());
    std::sort(liste.begin(), liste.end());
    for (auto [satz, anzahl] : liste)
        if (satz >= 6 && anzahl > 0) z << QStringLiteral("%1 %2").arg(satz).arg(anzahl);
    return z;
}

// The user: fills in each window of the road and answers every question.
void benutzer(Fensterfuehrer& f, const Projekt& pr, const fs::path& pdf, Gesehen& g) {
    // Every question is answered Yes, as the batch tool answers it (print
    // the list; teleservice without YA 2000 and the operating unit on the
    // loop are right; a PQB 100 for redundancy is planned).
    f.antwort = [](const QString&) { return QMessageBox::Yes; };
    setzePdfDateiWahl([pdf](QWidget*, const QString&) { return qs(pdf.string()); });
    f.fenster["ZentTyp"] = ausfuellen({{pr.option, {}}, {"cmdWeiter", {}}});
    f.fenster["MG1000"] = ausfuellen({{"opt16MG", {}}, {"cmdOK", {}}});
    // The RW 500's detector zones, the follow-up window of a PSM 300 on the
    // loop and the supply proposal taken as they stand, as the batch tool
    // takes them.
    for (auto [fenster, name] : {std::pair{"MG_EAZ", "cmdOK"}, std::pair{"PSM300", "cmdWeiter"},
                                 std::pair{"DXAGeh", "cmdWeiter"}, std::pair{"JUBLSpeis", "cmdOK"}})
        f.fenster[fenster] = knopf(name);
    f.fenster["OLNVernetz"] = pr.typ == 4 ? ausfuellen({{"optOLNja", {}}, {"txtName", QStringLiteral("NORD")}, {"cmdWeiter", {}}})
                                          : ausfuellen({{"optOLNnein", {}}, {"cmdWeiter", {}}});
    const QString name = QString::fromLatin1(pr.name);
    f.fenster["Stammdaten"] = ausfuellen({{"text1", name}, {"text2", QStringLiteral("A-17")}, {"text3", QStringLiteral("B-4711")},
                                          {"text4", QStringLiteral("BP 12")}, {"text5", QStringLiteral("AU 99")},
                                          {"text6", QStringLiteral("Rossi")}, {"cmdOK", {}}});
    f.fenster["Modus"] = ausfuellen({{pr.libex ? "optLIBEX" : "optSachnr", {}}, {"optDeutsch", {}}, {"cmdOK", {}}});
    // The loop entry comes back when a check after it refuses; what was
    // typed is still there then.
    auto eingetippt = std::make_shared<bool>(false);
    f.fenster["KBNEIN"] = [&pr, &g, eingetippt](QWidget* w) {
        const Schleifen s = *eingetippt ? Schleifen{} : pr.schleifen;
        *eingetippt = true;
        Fensterfuehrer::spaeter([w, s] {
            schleifenEintippen(w, s);
            klicken(w, "cmdWeiter");
        });
    };
    // The additional functions: a standby time of its own, a mains-failure
    // delay, and two sirens at 12 V through the external-load window.
    f.fenster["Zusaetze"] = [](QWidget* w) {
        Fensterfuehrer::spaeter([w] {
            tippen(w, "txtUezeit", QStringLiteral("48"));
            klicken(w, "optVerzJa");
            tippen(w, "txtVzeit", QStringLiteral("5"));
            auto* weiter = kind<QPushButton>(w, "cmdWeiter");
            Fensterfuehrer::druecken(kind<QPushButton>(w, "cmd12eingeben"), [weiter] { Fensterfuehrer::druecken(weiter); });
        });
    };
    f.fenster["Ex12"] = ausfuellen({{"txtName12_0", QStringLiteral("Sirene")}, {"txtMenge12_0", QStringLiteral("2")},
                                    {"txtRuhe12_0", QStringLiteral("5")}, {"txtAlarm12_0", QStringLiteral("40")}, {"cmdOk", {}}});
    f.fenster["Ausgabe"] = [&g](QWidget* w) {
        g.ausgabe = ausgabeZeilen(w);
        Fensterfuehrer::druecken(kind<QPushButton>(w, "cmdWeiter"));
    };
    f.fenster["Hinweis"] = [&g](QWidget* w) {
        auto* grid = kind<QTableWidget>(w, "Grid1");
        g.bericht.clear();
        for (int r = 0; r < grid->rowCount(); ++r) g.bericht << grid->item(r, 0)->text();
        auto* ok = kind<QPushButton>(w, "cmdOK");
        Fensterfuehrer::druecken(kind<QPushButton>(w, "cmdDrucken"), [ok] { Fensterfuehrer::druecken(ok); });
    };
    f.fenster["Speichu"] = ausfuellen({{"text1", name}, {"optParaJa", {}}, {"cmdOK", {}}});
    f.fenster["Oeffnen"] = [&pr](QWidget* w) {
        auto* liste = kind<QListWidget>(w, "File1");
        auto treffer = liste->findItems(QString::fromLatin1(pr.name) + QStringLiteral(".PLM"), Qt::MatchExactly);
        if (!treffer.isEmpty()) liste->setCurrentItem(treffer.first());
        Fensterfuehrer::druecken(kind<QPushButton>(w, "cmdOK"));
    };
}

QStringList fensterfolge(const QStringList& gesehen) {
    QStringList f;
    for (const QString& s : gesehen)
        if (!s.startsWith(QStringLiteral("Meldung: ")) && !s.startsWith(QStringLiteral("Eingabe: "))) f << s;
    return f;
}

// One project per panel type, with the loop elements of the samples in tests/golden.
const std::vector<Projekt>& projekte() {
    static const std::vector<Projekt> p = {
        {1, "optKVT1N", "VILLA", false, {{1, 558, 10}, {1, 561, 5}, {1, 586, 3}}},
        {2, "optKVT21", "LAGER", true, {{1, 534, 30}, {1, 546, 30}, {2, 551, 5}}},
        {3, "optKVT2N", "FILIALE", true, {{2, 512, 1}, {1, 558, 40}, {2, 561, 20}, {3, 566, 6}, {4, 569, 2}}},
        {4, "optKVT2B", "KLINIK", true, {{1, 534, 100}, {2, 538, 80}, {3, 551, 30}, {4, 602, 20}}},
        {5, "optRW5", "SCHULE", false, {{1, 534, 25}, {1, 553, 4}, {2, 604, 6}}},
        {6, "optTL3", "LADEN", true, {{1, 514, 1}, {1, 558, 12}, {1, 620, 2}}},
    };
    return p;
}

// One panel project from New to Open again (see the top of the file).
void projektDurchDieFenster(const Projekt& pr) {
    tarvis::test::TempDir dir;
    Anwendung a;
    QVERIFY(a.starten(programmKopie(dir), std::nullopt));
    Menue1View& v = a.hauptfenster();
    v.show();
    Zustand& z = a.programm().z;
    const fs::path pdf = dir / "liste.pdf";
    Gesehen g;
    Fensterfuehrer f;
    benutzer(f, pr, pdf, g);

    // New: from the panel type to the printed result.
    QVERIFY(befehl(v, Befehl::Neu));
    QVERIFY2(f.haengend.isEmpty(), qPrintable(f.haengend.join(',')));
    const QStringList folge = fensterfolge(f.gesehen);
    const QStringList schluss = {QStringLiteral("Ausgabe"), QStringLiteral("Hinweis")};
    QVERIFY2(folge.startsWith(QStringLiteral("ZentTyp")) && folge.contains(QStringLiteral("KBNEIN")) &&
                 folge.mid(folge.size() - 2) == schluss,
             qPrintable(f.gesehen.join(QStringLiteral(" | "))));
    QVERIFY2(f.unbekannt.isEmpty(), qPrintable(f.unbekannt.join(',')));
    QCOMPARE(z.ZentralenTyp, Integer(pr.typ));
    QCOMPARE(z.Berechnet, Byte{1});
    for (auto [k, satz, menge] : pr.schleifen) QCOMPARE(z.KBNMenge(k)[satz], Long(menge));
    // The TL 300 has its delay fixed.
    QCOMPARE(std::tuple(z.UeZeit, z.Verzwahl, z.Ext12Name[0], z.Ext12Menge[0], z.Ext12Ruhe, z.Ext12Alarm),
             std::tuple(Integer(48), Integer(pr.typ == 6 ? 30 : 5), std::string("Sirene"), Integer(2), 10.0f, 80.0f));
    const QString epoKennz = qs(z.EPOKennz.str());

    // Save: the project has no file yet, so the save-as window comes.
    f.fenster["SpeiRep"] = f.fenster["EPOspei"] = knopf("cmdOK");
    QVERIFY(befehl(v, Befehl::Speichern));
    const fs::path projekte_ = dir / "PROJEKTE";
    const fs::path plm = projekte_ / (std::string(pr.name) + ".PLM");
    QCOMPARE(z.ProjektDatei, plm.string());
    QVERIFY(fs::exists(plm));
    const std::vector<std::string> gespeichert = tarvis::test::Gespeichert::von(z, z.Sachbearbeiter);

    // The batch tool on the saved file: the same list, sums and report.
    const QJsonObject json = QJsonDocument::fromJson(batch(dir.path(), {QStringLiteral("calc"), qs(plm.string()),
                                                                         QStringLiteral("--json")}))
                                 .object();
    QVERIFY(!json.contains(QStringLiteral("stopped")));
    QCOMPARE(g.ausgabe, ausgabeZeilen(json));
    // The report prints the currents, the capacity and the batteries.
    QStringList berichtBatch;
    for (const QJsonValue& zeile : json.value(QStringLiteral("Hinweiszeile")).toArray())
        berichtBatch << (zeile.toString() == QStringLiteral("Seitenwechsel") ? QString() : zeile.toString());
    QCOMPARE(g.bericht, berichtBatch);
    QCOMPARE(epoKennz, json.value(QStringLiteral("EPOKennzBericht")).toString());

    // The files saved beside the project, as the batch tool writes them.
    const fs::path npa = projekte_ / (std::string(pr.name) + ".NPA");
    const std::string npaGui = lesen(npa);
    const QString datum = QRegularExpression(QStringLiteral("\\d\\d/\\d\\d/\\d{4}")).match(qs(npaGui)).captured();
    QVERIFY2(!datum.isEmpty(), npaGui.c_str());
    const fs::path npaBatch = dir / "batch.NPA";
    batch(dir.path(), {QStringLiteral("export"), qs(plm.string()), QStringLiteral("--npa"), QStringLiteral("--out"),
                       qs(npaBatch.string()), QStringLiteral("--date"), datum});
    QCOMPARE(npaGui, lesen(npaBatch));
    const fs::path epo = projekte_ / (std::string(pr.name) + ".EPO");
    QCOMPARE(fs::exists(epo), pr.libex);
    if (pr.libex) {
        const fs::path epoBatch = dir / "batch.EPO";
        batch(dir.path(), {QStringLiteral("export"), qs(plm.string()), QStringLiteral("--epo"), QStringLiteral("--out"),
                           qs(epoBatch.string())});
        QCOMPARE(lesen(epo), lesen(epoBatch));
    }

    // The printed list: every article row of the batch tool's printout is in
    // the PDF.
    const QString pdfInhalt = einfach(pdfText(pdf));
    const QString druck = QString::fromUtf8(batch(dir.path(), {QStringLiteral("print"), QStringLiteral("result"), qs(plm.string())}));
    const QRegularExpression artikelzeile(QStringLiteral("^\\s*\\d+\\s+\\d+\\s+\\S.*$"), QRegularExpression::MultilineOption);
    int zeilen = 0;
    for (auto it = artikelzeile.globalMatch(druck); it.hasNext();) {
        const QString zeile = einfach(it.next().captured());
        QVERIFY2(pdfInhalt.contains(zeile), qPrintable(zeile));
        ++zeilen;
    }
    QCOMPARE(zeilen, g.ausgabe.size());
    // And the report after the list.
    for (const QString& zeile : berichtBatch)
        QVERIFY2(pdfInhalt.contains(einfach(zeile)), qPrintable(zeile));

    // Open it again: the same project, and the result shown again is the batch tool's.
    f.fenster["Stammdaten"] = knopf("cmdOK");
    QVERIFY(befehl(v, Befehl::Oeffnen));
    QCOMPARE(z.ProjektDatei, plm.string());
    QCOMPARE(z.ProjektGeladen, Byte{1});
    QCOMPARE(tarvis::test::Gespeichert::von(z, "Rossi"), gespeichert);
    g.ausgabe.clear();
    QVERIFY(befehl(v, Befehl::Bearb1));
    QCOMPARE(g.ausgabe, ausgabeZeilen(json));
    QVERIFY2(f.haengend.isEmpty(), qPrintable(f.haengend.join(',')));
}

// Starts the program on a copy of the program directory; the user chooses
// a panel type with New.
struct Programmlauf {
    tarvis::test::TempDir dir;
    Anwendung a;
    Fensterfuehrer f;

    bool starten(const char* option) {
        if (!a.starten(programmKopie(dir), std::nullopt)) return false;
        a.hauptfenster().show();
        f.fenster["ZentTyp"] = ausfuellen({{option, {}}, {"cmdWeiter", {}}});
        return true;
    }
};

QString text(QWidget* w, const char* name) { return kind<QLabel>(w, name)->text(); }

// The result window of the standalone DXA 1000 in the batch tool's layout:
// the frames' titles, each caption with its value, the notes when shown.
QString dxaErgebnis(QWidget* w) {
    QString t = w->windowTitle() + QLatin1Char('\n');
    for (auto [name, wert] : {std::pair{"frmSumme", ""}, {"lblRuhe", "lblRuhestrom"}, {"lblAlarm", "lblAlarmstrom"},
                              {"lblKap", "lblBattkap"}, {"lblLade", "lblLadestrom"}, {"frmbenötigen", ""},
                              {"lblDXA", "lblDXAZahl"}, {"lblZOLW", "lblZOLWZahl"}, {"lblBatt", "lblBattZahl"},
                              {"lblParallel1", nullptr}, {"lblParallel2", nullptr}}) {
        if (!wert) t += text(w, name).isEmpty() ? QString() : text(w, name) + QLatin1Char('\n');
        else if (!*wert) t += kind<QGroupBox>(w, name)->title() + QLatin1Char('\n');
        else t += QStringLiteral("  ") + text(w, name) + QStringLiteral(": ") + text(w, wert) + QLatin1Char('\n');
    }
    return t;
}

// Panel type 7: the currents of a DXA 1000 without a panel typed into
// DXA1000; the result window shows what `tarvis-cli dxa` computes.
void dxa1000DurchDieFenster() {
    Programmlauf l;
    QVERIFY(l.starten("optDXA1"));
    l.f.antwort = [](const QString&) { return QMessageBox::Yes; };
    const std::vector<std::pair<const char*, const char*>> eingaben = {
        {"txtUezeit", "30"}, {"txtRuhe12", "500"},  {"txtRuhe24", "100"},  {"txtRuhe28", "50"},
        {"txtRuhe35", "20"}, {"txtAlarm12", "800"}, {"txtAlarm24", "200"}, {"txtAlarm28", "300"}, {"txtAlarm35", "40"}};
    l.f.fenster["DXA1000"] = [&eingaben](QWidget* w) {
        Fensterfuehrer::spaeter([w, &eingaben] {
            klicken(w, "optBrand");
            for (auto [feld, wert] : eingaben) tippen(w, feld, QString::fromLatin1(wert));
            // The result opens on top; back in this window the user leaves it.
            Fensterfuehrer::druecken(kind<QPushButton>(w, "cmdWeiter"),
                                     [w] { Fensterfuehrer::druecken(kind<QPushButton>(w, "cmdZurück")); });
        });
    };
    QString ergebnis;
    l.f.fenster["DXAErg"] = [&ergebnis](QWidget* w) {
        ergebnis = dxaErgebnis(w);
        Fensterfuehrer::druecken(kind<QPushButton>(w, "cmdOK"));
    };
    QVERIFY(befehl(l.a.hauptfenster(), Befehl::Neu));
    QVERIFY2(l.f.haengend.isEmpty() && l.f.unbekannt.isEmpty(), qPrintable(l.f.gesehen.join(QStringLiteral(" | "))));
    QCOMPARE(fensterfolge(l.f.gesehen), (QStringList{"ZentTyp", "DXA1000", "DXAErg"}));
    const QString batchErgebnis = QString::fromUtf8(batch(
        l.dir.path(), {QStringLiteral("dxa"), QStringLiteral("--alarm"), QStringLiteral("B"), QStringLiteral("--hours"),
                       QStringLiteral("30"), QStringLiteral("--ruhe"), QStringLiteral("12=500,24=100,28=50,35=20"),
                       QStringLiteral("--alarm-current"), QStringLiteral("12=800,24=200,28=300,35=40")}));
    QVERIFY(batchErgebnis.contains(QStringLiteral("DXA 1000")));
    QCOMPARE(ergebnis, batchErgebnis);
}

// Panel type 8: peripheral devices, a PQK 100 coupler and two DUV 100 typed
// into PeriStrom; the four sums it shows are those of the core for the same
// entries (the batch tool has no such command).
void periStromDurchDieFenster() {
    Programmlauf l;
    QVERIFY(l.starten("optLokal"));
    const Schleifen geraete = {{1, 321, 4}, {1, 450, 2}, {1, 457, 1}};
    QString summen;
    l.f.antwort = [&summen](const QString& t) {
        if (!t.startsWith(qs(Text(496)))) return QMessageBox::Yes;
        summen = t;
        return QMessageBox::No;  // nothing to correct
    };
    l.f.fenster["PeriStrom"] = [&geraete](QWidget* w) {
        Fensterfuehrer::spaeter([w, &geraete] {
            schleifenEintippen(w, geraete);
            klicken(w, "optPQK");
            tippen(w, "txtDUV", QStringLiteral("2"));
            klicken(w, "cmdOK");
        });
    };
    QVERIFY(befehl(l.a.hauptfenster(), Befehl::Neu));
    QVERIFY2(l.f.haengend.isEmpty() && l.f.unbekannt.isEmpty(), qPrintable(l.f.gesehen.join(QStringLiteral(" | "))));
    QCOMPARE(fensterfolge(l.f.gesehen), (QStringList{"ZentTyp", "PeriStrom"}));

    Programm q;
    q.katalog = l.a.programm().katalog;
    q.estrom = l.a.programm().estrom;
    tarvis::test::ScriptedMessages ms;
    ms.antworten = {Antwort::Nein};
    PeriStromDaten daten;
    PeriStromPresenter presenter(q, ms, daten);
    presenter.aktivieren();
    for (auto [k, satz, menge] : geraete) daten.PeriMenge[static_cast<std::size_t>(satz)] = static_cast<Integer>(menge);
    daten.Koppler = 1;
    q.z.AnzDUV = 2;
    QVERIFY(presenter.ok());
    QVERIFY(presenter.summen().ruhe12 > 0 && presenter.summen().alarm28 > 0);
    QCOMPARE(summen, qs(ms.texte().back()));
}

}  // namespace

class AbnahmeTest : public QObject {
    Q_OBJECT

private slots:
    void aPanelProjectThroughTheWindowsAgreesWithTheBatchTool_data() {
        QTest::addColumn<int>("typ");
        for (int t = 1; t <= 6; ++t) QTest::newRow(QStringLiteral("typ%1").arg(t).toLatin1().constData()) << t;
    }

    void aPanelProjectThroughTheWindowsAgreesWithTheBatchTool() {
        QFETCH(int, typ);
        projektDurchDieFenster(projekte()[static_cast<std::size_t>(typ - 1)]);
    }

    void theStandaloneDxa1000AgreesWithTheBatchTool() { dxa1000DurchDieFenster(); }
    void theStandalonePeripheralCurrentsAgreeWithTheCore() { periStromDurchDieFenster(); }
};

QTEST_MAIN(AbnahmeTest)
#include "AbnahmeTest.moc"
