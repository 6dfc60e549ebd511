#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "calc/DXAErgDialog.h"
#include "calc/EPOspeiDialog.h"
#include "calc/SpeiRepDialog.h"
#include "ablauf/SpeichernAblauf.h"

using namespace tarvis;
using namespace tarvis::ui;

namespace {

template <class T> T* kind(QWidget& w, const char* name) {
    T* k = w.findChild<T*>(QString::fromUtf8(name));
    if (!k) qFatal("missing control %s", name);
    return k;
}

}  // namespace

class KleineFensterDialogTest : public QObject {
    Q_OBJECT

private slots:
    void theHandOverOptionsStoreEachClickAndOKConfirms() {
        Programm p;
        ProjektZuruecksetzen(p.z);
        p.z.EPONetz = 0;
        EPOspeiPresenter pr(p);
        EPOspeiDialog d(pr);
        QCOMPARE(d.windowTitle(), QStringLiteral("Übergabedatei für OKTA beeinflussen"));
        QCOMPARE(kind<QGroupBox>(d, "frmOKTA")->title(), QStringLiteral("An OKTA übergeben, falls enthalten"));
        auto* peri = kind<QCheckBox>(d, "chkPeriph");
        auto* netz = kind<QCheckBox>(d, "chkNetz");
        QVERIFY(peri->isChecked());
        QVERIFY(!netz->isChecked());
        peri->click();
        QCOMPARE(p.z.EPOPeri, Integer{0});
        netz->click();
        QCOMPARE(p.z.EPONetz, Byte{1});
        QCOMPARE(p.z.EPOAbgefragt, Byte{0});
        kind<QPushButton>(d, "cmdOK")->click();
        QCOMPARE(p.z.EPOAbgefragt, Byte{1});
        QCOMPARE(d.result(), int(QDialog::Accepted));
    }

    void theDXA1000ResultShowsItsValues() {
        Zustand z;
        z.Alarmart = "B";
        z.UeZeit = 0;
        z.DXARuhe24 = 1;
        DXAErgDialog d(DXAErgAktivieren(z));
        QCOMPARE(d.windowTitle(), QStringLiteral("Risultato DXA 1000"));
        // 1 mA at 24 V: one converter channel and one ZOLW card.
        QCOMPARE(kind<QLabel>(d, "lblZOLWZahl")->text(), QStringLiteral("1"));
        QCOMPARE(kind<QLabel>(d, "lblDXAZahl")->text(), QStringLiteral("1"));
        QCOMPARE(kind<QLabel>(d, "lblBattZahl")->text(), QStringLiteral("0"));
        QCOMPARE(kind<QLabel>(d, "lblAlarm")->text(), QStringLiteral("Allarme corrente eccessiva"));
        QCOMPARE(kind<QLabel>(d, "lblParallel1")->text(), QString());
        kind<QPushButton>(d, "cmdOK")->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
    }

    void aSaveWithoutParameterAndHandOverFileReportsOnlyTheProjectFile() {
        Zustand z;
        z.ProjektDatei = "/p/NORD.PLM";
        z.ParaSpeichern = 0;
        z.EPOGeschrieben = 0;
        SpeiRepDialog d(SpeiRepNachSpeichern(z));
        QCOMPARE(d.windowTitle(), QStringLiteral("Report di salvataggio"));
        QCOMPARE(kind<QLabel>(d, "Label1")->text(), QStringLiteral("File del progetto salvato: /p/NORD.PLM"));
        for (int i = 2; i <= 8; ++i) QVERIFY(kind<QLabel>(d, qPrintable(QStringLiteral("Label%1").arg(i)))->isHidden());

        // A path wider than any screen may be cut; the window may not grow
        // beyond the screen with its button.
        z.ProjektDatei = "/p/" + std::string(400, 'N') + ".PLM";
        SpeiRepDialog lang(SpeiRepNachSpeichern(z));
        QVERIFY(lang.minimumSizeHint().width() < 700);
    }

    void aFullSaveReportsEveryFileAndWhatTheHandOverFileHolds() {
        Zustand z;
        z.ProjektDatei = "/p/NORD.PLM";
        z.ParaSpeichern = 1;
        z.ParaGeschrieben = 1;
        z.ParaDatei = "/p/NORD.NPA";
        z.EPOGeschrieben = 1;
        z.EPODatei = "/p/NORD.EPO";
        z.LIBEXFehlt = 1;
        z.EPONetz = 0;
        z.EPOPeri = 1;
        SpeiRepDialog d(SpeiRepNachSpeichern(z));
        QCOMPARE(kind<QLabel>(d, "Label2")->text(), QStringLiteral("File *PAR salvato: /p/NORD.NPA"));
        QCOMPARE(kind<QLabel>(d, "Label3")->text(), QStringLiteral("Elenco LIBEX salvato: /p/NORD.EPO"));
        QCOMPARE(kind<QLabel>(d, "Label4")->text(), QStringLiteral("Numeri LIBEX mancanti!"));
        QCOMPARE(kind<QLabel>(d, "Label5")->text(), QStringLiteral("Elementi di rete non salvato"));
        QCOMPARE(kind<QLabel>(d, "Label6")->text(), QStringLiteral("Periferiche (rivelatori ecc.) salvato"));
        QVERIFY(!kind<QLabel>(d, "Label8")->isHidden());
    }
};

QTEST_MAIN(KleineFensterDialogTest)
#include "KleineFensterDialogTest.moc"
