#include "shell/QtMessageService.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

#include "shell/HilfeFenster.h"
#include "shell/QtText.h"

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

}  // namespace

QWidget* QtMessageService::elternfenster() const {
    if (QWidget* aktiv = QApplication::activeModalWidget()) return aktiv;
    return eltern_.data();
}

void QtMessageService::meldung(Symbol symbol, const std::string& text, const std::string& titel) {
    QMessageBox box(icon(symbol), titelOder(titel), qs(text), QMessageBox::Ok, elternfenster());
    box.exec();
}

Antwort QtMessageService::frage(const std::string& text, Schaltflaechen knoepfe, Symbol symbol,
                                const std::string& titel, Antwort standard) {
    QMessageBox::StandardButtons buttons;
    switch (knoepfe) {
    case Schaltflaechen::Ok: buttons = QMessageBox::Ok; break;
    case Schaltflaechen::JaNein: buttons = QMessageBox::Yes | QMessageBox::No; break;
    case Schaltflaechen::JaNeinAbbrechen: buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
    case Schaltflaechen::OkAbbrechen: buttons = QMessageBox::Ok | QMessageBox::Cancel; break;
    }
    QMessageBox box(icon(symbol), titelOder(titel), qs(text), buttons, elternfenster());
    if (standard != Antwort::Keine) box.setDefaultButton(knopf(standard));
    switch (box.exec()) {
    case QMessageBox::Ok: return Antwort::Ok;
    case QMessageBox::Yes: return Antwort::Ja;
    case QMessageBox::No: return Antwort::Nein;
    default: return knoepfe == Schaltflaechen::JaNein ? Antwort::Nein : Antwort::Abbrechen;
    }
}

std::optional<std::string> QtMessageService::eingabe(const std::string& text, const std::string& titel,
                                                     const std::string& vorgabe) {
    QInputDialog box(elternfenster());
    box.setWindowTitle(titelOder(titel));
    box.setLabelText(qs(text));
    box.setTextValue(qs(vorgabe));
    // Wide enough for the long Italian captions in the title bar.
    if (auto* feld = box.findChild<QLineEdit*>())
        feld->setMinimumWidth(box.fontMetrics().horizontalAdvance(box.windowTitle()) * 6 / 5 + 100);
    if (box.exec() != QDialog::Accepted) return std::nullopt;
    return ss(box.textValue());
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
