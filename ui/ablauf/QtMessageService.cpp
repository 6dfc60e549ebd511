#include "ablauf/QtMessageService.h"

#include <QApplication>
#include <QGridLayout>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <algorithm>

#include "ablauf/HilfeFenster.h"
#include "widgets/QtText.h"
#include "widgets/Fensterregeln.h"

namespace tarvis::ui {
namespace {

QMessageBox::Icon icon(Symbol s) {
    switch (s) {
    case Symbol::Information: return QMessageBox::Information;
    case Symbol::Ausrufezeichen: return QMessageBox::Warning;
    case Symbol::Frage: return QMessageBox::Question;
    case Symbol::Kritisch: return QMessageBox::Critical;
    case Symbol::Keins: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton knopf(Antwort a) {
    switch (a) {
    case Antwort::Ok: return QMessageBox::Ok;
    case Antwort::Ja: return QMessageBox::Yes;
    case Antwort::Nein: return QMessageBox::No;
    case Antwort::Abbrechen: return QMessageBox::Cancel;
    case Antwort::Keine: break;
    }
    return QMessageBox::NoButton;
}

QString titelOder(const std::string& t) { return t.empty() ? QStringLiteral("TARVIS") : qs(t); }

// A message box sizes itself to its text; a blank row as wide as the
// caption needs keeps a long caption whole in the title bar.
void titelZeileFrei(QMessageBox& box) {
    auto* raster = qobject_cast<QGridLayout*>(box.layout());
    if (!raster) return;
    const QMargins rand = raster->contentsMargins();
    int breite = titelBreite(&box) - rand.left() - rand.right();
    if (QScreen* s = box.screen()) breite = std::min(breite, s->availableGeometry().width() * 3 / 4);
    raster->addItem(new QSpacerItem(breite, 0, QSizePolicy::Fixed, QSizePolicy::Minimum), raster->rowCount(), 0, 1,
                    raster->columnCount());
}

}  // namespace

void tastaturZurueck(QWidget* fenster) {
    if (!fenster) return;
    fenster = fenster->window();
    if (!fenster->isVisible()) return;
    fenster->activateWindow();
}

QWidget* QtMessageService::elternfenster() const {
    if (QWidget* aktiv = QApplication::activeModalWidget()) return aktiv;
    return eltern_.data();
}

void QtMessageService::zeigen(const Meldung& m) {
    const Symbol symbol = m.symbol;
    const std::string text = m.text.text(), titel = m.titel.text();
    QPointer<QWidget> zurueck = elternfenster();
    {
        QMessageBox box(icon(symbol), titelOder(titel), qs(text), QMessageBox::Ok, zurueck);
        titelZeileFrei(box);
        box.exec();
    }
    tastaturZurueck(zurueck);
}

Antwort QtMessageService::fragen(const Meldung& m) {
    const Symbol symbol = m.symbol;
    const Schaltflaechen knoepfe = m.knoepfe;
    const Antwort standard = m.standard;
    const std::string text = m.text.text(), titel = m.titel.text();
    QMessageBox::StandardButtons buttons;
    switch (knoepfe) {
    case Schaltflaechen::Ok: buttons = QMessageBox::Ok; break;
    case Schaltflaechen::JaNein: buttons = QMessageBox::Yes | QMessageBox::No; break;
    case Schaltflaechen::JaNeinAbbrechen: buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
    case Schaltflaechen::OkAbbrechen: buttons = QMessageBox::Ok | QMessageBox::Cancel; break;
    }
    QPointer<QWidget> zurueck = elternfenster();
    int gedrueckt = QMessageBox::Cancel;
    {
        QMessageBox box(icon(symbol), titelOder(titel), qs(text), buttons, zurueck);
        if (standard != Antwort::Keine) box.setDefaultButton(knopf(standard));
        titelZeileFrei(box);
        gedrueckt = box.exec();
    }
    tastaturZurueck(zurueck);
    switch (gedrueckt) {
    case QMessageBox::Ok: return Antwort::Ok;
    case QMessageBox::Yes: return Antwort::Ja;
    case QMessageBox::No: return Antwort::Nein;
    default: return knoepfe == Schaltflaechen::JaNein ? Antwort::Nein : Antwort::Abbrechen;
    }
}

std::optional<std::string> QtMessageService::eingeben(const Meldung& m, const std::string& vorgabe) {
    const std::string text = m.text.text(), titel = m.titel.text();
    QPointer<QWidget> zurueck = elternfenster();
    std::optional<std::string> antwort;
    {
        QInputDialog box(zurueck);
        box.setWindowTitle(titelOder(titel));
        box.setLabelText(qs(text));
        box.setTextValue(qs(vorgabe));
        // Wide enough for the long Italian captions in the title bar.
        if (auto* feld = box.findChild<QLineEdit*>()) {
            const QMargins rand = box.layout() ? box.layout()->contentsMargins() : QMargins();
            feld->setMinimumWidth(titelBreite(&box) - rand.left() - rand.right());
        }
        if (box.exec() == QDialog::Accepted) antwort = ss(box.textValue());
    }
    tastaturZurueck(zurueck);
    return antwort;
}

// Windows open through the flow layer, which gives the presenters a message
// service of its own; this one opens none.
bool QtMessageService::oeffnen(Fenster) { return false; }

void QtMessageService::hilfe(int kontext) {
    if (!hilfe_) hilfe_ = new HilfeFenster(hilfeVerzeichnis_, eltern_.data());
    hilfe_->zeigen(kontext);
}

void QtMessageService::piepen() { QApplication::beep(); }

}  // namespace tarvis::ui
