#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <fstream>

#include "io/TextFile.h"
#include "projekt/Version.h"
#include "projekt/Katalog.h"
#include "ablauf/OeffnenDialog.h"
#include "projekt/ProjektDatei.h"
#include "widgets/QtText.h"
#include "ablauf/SpeichuDialog.h"
#include "widgets/Verzeichnisbaum.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"

using namespace tarvis;
using namespace tarvis::ui;
namespace fs = std::filesystem;

namespace {

struct Aufbau {
    test::TempDir dir;
    Programm p;
    test::ScriptedMessages ms;
    Aufbau() {
        p.verzeichnis = TARVIS_PROGRAM_DIR;
        auto k = Katalog::oeffnen(p.datei("TARVIS.ART"));
        if (k.ok()) p.katalog = *k;
        ProjektZuruecksetzen(p.z);
        p.z.PrgVersion = kVersionText;
        p.z.VersionMax = "26.1";
        p.z.ProjPfad = dir.path().string();
        p.z.Projektname = "Nord";
        ms.fensterSkript[Fenster::SpeiRep] = [] { return true; };
    }
    template <class T> T* kind(QWidget& w, const char* name) {
        T* k = w.findChild<T*>(QString::fromUtf8(name));
        if (!k) qFatal("missing control %s", name);
        return k;
    }
};

}  // namespace

class SpeichuOeffnenDialogTest : public QObject {
    Q_OBJECT

private slots:
    void theSaveAsWindowShowsThePathWhileTypingAndSavesOnOK() {
        Aufbau f;
        f.p.z.ProjCodeModus = f.p.z.CodeModus = "S";  // no hand-over file
        SpeichuPresenter pr(f.p, f.ms);
        SpeichuDialog d(pr);
        QCOMPARE(d.windowTitle(), QStringLiteral("Salva sotto"));
        auto* text1 = f.kind<QLineEdit>(d, "text1");
        auto* label5 = f.kind<QLabel>(d, "Label5");
        QCOMPARE(text1->text(), QStringLiteral("Nord"));
        QCOMPARE(f.kind<QLabel>(d, "lblEndung")->text(), QStringLiteral(".PLM"));
        QCOMPARE(label5->text(), qs((f.dir / "Nord.PLM").string()));
        QCOMPARE(f.kind<Verzeichnisbaum>(d, "Dir1")->verzeichnis(), qs(f.dir.path().string()));
        QVERIFY(f.kind<QRadioButton>(d, "optParaNein")->isChecked());
        QCOMPARE(f.kind<QPushButton>(d, "cmdAbbrechen")->text(), QStringLiteral("A&nnulla"));

        text1->selectAll();
        QTest::keyClicks(text1, QStringLiteral("SU/ED"));  // the slash is refused with a beep
        QCOMPARE(text1->text(), QStringLiteral("SUED"));
        QCOMPARE(label5->text(), qs((f.dir / "SUED.PLM").string()));
        QCOMPARE(f.p.z.ProjektDatei, (f.dir / "SUED.PLM").string());
        QCOMPARE(f.ms.protokoll.back().art, test::ScriptedMessages::Eintrag::Piep);

        f.kind<QRadioButton>(d, "optParaJa")->click();
        QCOMPARE(f.p.z.ParaSpeichern, Byte{0 + 1});
        f.kind<QPushButton>(d, "cmdOK")->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(f.p.z.Projektname, std::string("SUED"));
        // The save follows once the window is gone.
        QVERIFY(!fs::exists(f.dir / "SUED.PLM"));
        pr.nachSchliessen();
        QVERIFY(fs::exists(f.dir / "SUED.PLM"));
    }

    void cancellingTheSaveAsWindowCountsAsCancelled() {
        Aufbau f;
        SpeichuPresenter pr(f.p, f.ms);
        SpeichuDialog d(pr);
        d.findChild<QPushButton*>("cmdAbbrechen")->click();
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QCOMPARE(f.p.z.SpeichAbbruch, Byte{1});
        pr.nachSchliessen();
        QVERIFY(fs::is_empty(f.dir.path()));
    }

    void anEmptyNameIsRefusedAndTheWindowStays() {
        Aufbau f;
        SpeichuPresenter pr(f.p, f.ms);
        SpeichuDialog d(pr);
        auto* text1 = f.kind<QLineEdit>(d, "text1");
        text1->selectAll();
        QTest::keyClick(text1, Qt::Key_Delete);
        f.kind<QPushButton>(d, "cmdOK")->click();
        QCOMPARE(d.result(), int(QDialog::Rejected));  // not closed
        QCOMPARE(f.ms.texte(), std::vector<std::string>{"Immettere nomi del progetto!"});
    }

    // A name too long for a file is shown whole and refused whole, and its
    // path does not widen the window.
    void aTooLongNameIsRefusedAsItIsAndTheWindowKeepsItsWidth() {
        Aufbau f;
        f.p.z.Projektname = std::string(280, 'B');
        SpeichuPresenter pr(f.p, f.ms);
        SpeichuDialog d(pr);
        QCOMPARE(f.kind<QLineEdit>(d, "text1")->text().size(), 280);
        QVERIFY(d.minimumSizeHint().width() < 700);
        f.kind<QPushButton>(d, "cmdOK")->click();
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QCOMPARE(f.ms.nummern(), std::vector<int>{2020});
    }

    void theOpenWindowListsTheProjectFilesAndADoubleClickOpens() {
        Aufbau f;
        // The project folder comes after many others in the tree.
        for (int i = 0; i < 60; ++i) fs::create_directory(f.dir / ("A" + std::to_string(100 + i)));
        const fs::path projekte = f.dir / "Z";
        fs::create_directory(projekte);
        f.p.z.ZentralenTyp = 4;
        f.p.z.ProjektDatei = (projekte / "NORD.PLM").string();

        QVERIFY(ProjektSchreiben(f.p, f.p.z.ProjektDatei).ok());
        std::ofstream(projekte / "liste.txt") << "x";
        ProjektZuruecksetzen(f.p.z);
        f.p.z.ProjPfad = projekte.string();

        OeffnenPresenter pr(f.p, f.ms);
        OeffnenDialog d(pr);
        QCOMPARE(d.windowTitle(), QStringLiteral("Apri file del progetto"));
        QListWidget* liste = d.dateiliste();
        QCOMPARE(liste->count(), 1);
        QCOMPARE(liste->item(0)->text(), QStringLiteral("NORD.PLM"));
        // The first file is chosen, as it is shown; the folder tree shows
        // the project folder once it has read the folders around it.
        QCOMPARE(liste->selectedItems(), QList<QListWidgetItem*>{liste->item(0)});
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        Verzeichnisbaum* baum = d.verzeichnisse();
        QTest::qWait(500);
        QVERIFY(baum->viewport()->rect().contains(baum->visualRect(baum->currentIndex())));
        QCOMPARE(baum->verzeichnis(), qs(projekte.string()));

        emit liste->itemDoubleClicked(liste->item(0));
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(f.p.z.ZentralenTyp, Integer{4});
        QCOMPARE(f.p.z.ProjektDatei, (projekte / "NORD.PLM").string());
    }

    void anotherDirectoryListsItsFiles() {
        Aufbau f;
        fs::create_directory(f.dir / "ALT");
        std::ofstream(f.dir / "ALT" / "A.PLM") << "x";
        OeffnenPresenter pr(f.p, f.ms);
        OeffnenDialog d(pr);
        QCOMPARE(d.dateiliste()->count(), 0);
        // OK without a file: 364, the window stays.
        f.kind<QPushButton>(d, "cmdOK")->click();
        QCOMPARE(f.ms.texte(), std::vector<std::string>{"Seleziona un file!"});
        QCOMPARE(d.result(), int(QDialog::Rejected));
        d.verzeichnisse()->setzeVerzeichnis(qs((f.dir / "ALT").string()));
        QCOMPARE(d.dateiliste()->count(), 1);
        QCOMPARE(pr.ansicht().verzeichnis, (f.dir / "ALT").string());
    }
};

QTEST_MAIN(SpeichuOeffnenDialogTest)
#include "SpeichuOeffnenDialogTest.moc"
