#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "io/TextFile.h"
#include "projekt/Version.h"
#include "projekt/Katalog.h"
#include "ablauf/Oeffnen6Dialog.h"
#include "widgets/QtText.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"

using namespace tarvis;
using namespace tarvis::ui;
namespace fs = std::filesystem;

namespace {

// Hand-over files of a KVT 2000 B: the panel, its OLN parts, maybe a DKM 100.
const char* const kMitDKM =
    "\"J\"\r\n\"K52016005\",1,\"KVT 2000 B deutsch\",0\r\n\"K52044176\",1,\"RAVI 1\",0\r\n"
    "\"K52041096\",2,\"WX 20\",0\r\n\"K52046851\",1,\"DKM 100\",0\r\n\"K52301725\",10,\"OM 301\",0\r\n";
const char* const kOhneDKM =
    "\"J\"\r\n\"K52016005\",1,\"KVT 2000 B deutsch\",0\r\n\"K52044176\",1,\"RAVI 1\",0\r\n"
    "\"K52041096\",2,\"WX 20\",0\r\n\"K52301725\",4,\"OM 301\",0\r\n";
const char* const kOhneOLN = "\"J\"\r\n\"K52016005\",1,\"KVT 2000 B deutsch\",0\r\n";

struct Aufbau {
    test::TempDir dir;
    Programm p;
    test::ScriptedMessages ms;
    Verknuepfung v{p, ms};
    std::unique_ptr<Oeffnen6Dialog> d;
    Aufbau() {
        p.verzeichnis = TARVIS_PROGRAM_DIR;
        auto k = Katalog::oeffnen(p.datei("TARVIS.ART"));
        if (k.ok()) p.katalog = *k;
        ProjektZuruecksetzen(p.z);
        p.z.PrgVersion = kVersionText;
        io::writeText(dir / "A.EPO", kMitDKM);
        io::writeText(dir / "B.EPO", kOhneDKM);
        io::writeText(dir / "C.EPO", kOhneOLN);
        io::writeText(dir / "A.PLM", "x");
        d = std::make_unique<Oeffnen6Dialog>(v, ms, dir.path().string());
    }
    template <class T> T* kind(const char* name) {
        T* k = d->findChild<T*>(QString::fromUtf8(name));
        if (!k) qFatal("missing control %s", name);
        return k;
    }
    void oeffnen(const char* datei) {
        auto t = d->dateiliste()->findItems(QString::fromLatin1(datei), Qt::MatchExactly);
        QVERIFY(!t.isEmpty());
        d->dateiliste()->setCurrentItem(t.first());
        kind<QPushButton>("cmdÖffnen")->click();
    }
};

}  // namespace

class Oeffnen6DialogTest : public QObject {
    Q_OBJECT

private slots:
    void twoValidFilesAreLinkedIntoOneHandOverFile() {
        Aufbau f;
        QCOMPARE(f.d->windowTitle(), QStringLiteral("2 x KVT 2000 B  Verknüpfung zu KVT 2000/6 "));
        QCOMPARE(f.d->dateiliste()->count(), 3);  // the "*.EPO" files only
        QVERIFY(f.kind<QRadioButton>("opt1")->isChecked());
        QVERIFY(!f.kind<QPushButton>("cmdSpeichern")->isEnabled());
        QVERIFY(f.kind<QLineEdit>("txtSpeichern")->isHidden());
        QCOMPARE(f.kind<QPushButton>("cmdAbbrechen")->text(), QStringLiteral("A&nnulla"));
        QCOMPARE(f.kind<QGroupBox>("frmDatei")->title(), QStringLiteral("Nummer der zu öffnenden Übergabedatei"));

        f.oeffnen("B.EPO");
        QCOMPARE(f.kind<QLabel>("lblD1")->text(), QStringLiteral("B.EPO"));
        QVERIFY(f.kind<QRadioButton>("opt2")->isChecked());
        f.oeffnen("A.EPO");
        QCOMPARE(f.kind<QLabel>("lblD2")->text(), QStringLiteral("A.EPO"));
        QVERIFY(f.ms.texte().empty());
        QVERIFY(!f.kind<QRadioButton>("opt1")->isChecked());
        QVERIFY(!f.kind<QRadioButton>("opt2")->isChecked());
        QVERIFY(f.kind<QPushButton>("cmdSpeichern")->isEnabled());
        QVERIFY(f.kind<QPushButton>("cmdSpeichern")->isDefault());
        QVERIFY(!f.kind<QLineEdit>("txtSpeichern")->isHidden());
        QVERIFY(f.kind<QLabel>("lblÖffnen")->isHidden());
        QCOMPARE(f.kind<QGroupBox>("frmDatei")->title(), QStringLiteral("Geöffnete Dateien zur Verknüpfung"));
        QCOMPARE(f.kind<QLineEdit>("txtSpeichern")->text(), qs((f.dir / "A_6.EPO").string()));

        // Another name: the target keeps its extension.
        auto* ziel = f.kind<QLineEdit>("txtSpeichern");
        ziel->selectAll();
        QTest::keyClicks(ziel, qs((f.dir / "GESAMT").string()));
        QCOMPARE(f.v.ziel(), (f.dir / "GESAMT.EPO").string());

        f.ms.antworten = {Antwort::Ja};
        f.kind<QPushButton>("cmdSpeichern")->click();
        QCOMPARE(f.d->result(), int(QDialog::Accepted));
        QCOMPARE(f.p.z.WeiterOK, Byte{1});
        QVERIFY(fs::exists(f.dir / "GESAMT.EPO"));
        QVERIFY(fs::exists(f.dir / "GESAMT.TXT"));
    }

    void aFileWithoutNetworkingIsMarkedInvalidAndCanBeChosenAgain() {
        Aufbau f;
        f.oeffnen("C.EPO");
        QCOMPARE(f.ms.texte(), std::vector<std::string>{"In Datei C.EPO ist keine OLN-Vernetzung enthalten!"});
        QCOMPARE(f.kind<QLabel>("lblD1")->text(), QStringLiteral("C.EPO = ungültig!"));
        QVERIFY(f.kind<QRadioButton>("opt1")->isChecked());
        QCOMPARE(f.d->result(), int(QDialog::Rejected));
        f.oeffnen("A.EPO");
        QCOMPARE(f.kind<QLabel>("lblD1")->text(), QStringLiteral("A.EPO"));
    }

    void theSameFileTwiceIsRefusedAndNoFileChosenAsksForOne() {
        Aufbau f;
        f.kind<QPushButton>("cmdÖffnen")->click();
        f.oeffnen("A.EPO");
        f.oeffnen("A.EPO");
        QCOMPARE(f.ms.texte(), (std::vector<std::string>{"Seleziona un file!", "Sie haben 2 x die gleiche Datei gewählt!"}));
        QCOMPARE(f.kind<QLabel>("lblD2")->text(), QStringLiteral("A.EPO = ungültig!"));
    }

    void cancelAndHelp() {
        Aufbau f;
        f.kind<QPushButton>("cmdHilfe")->click();
        QCOMPARE(f.ms.hilfeKontexte(), std::vector<int>{115});
        f.p.z.WeiterOK = 1;
        f.kind<QPushButton>("cmdAbbrechen")->click();
        QCOMPARE(f.d->result(), int(QDialog::Rejected));
        QCOMPARE(f.p.z.WeiterOK, Byte{0});
    }
};

QTEST_MAIN(Oeffnen6DialogTest)
#include "Oeffnen6DialogTest.moc"
