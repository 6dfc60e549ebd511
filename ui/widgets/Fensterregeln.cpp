#include "widgets/Fensterregeln.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <algorithm>

namespace tarvis::ui {
namespace {

constexpr const char* kGeordnet = "tarvisFensterGeordnet";
constexpr const char* kAusstehend = "tarvisFensterAusstehend";

bool istEigenesFenster(const QObject* o) {
    // Message boxes, input boxes and the print dialog keep Qt's own order;
    // the program's windows are plain dialogs or its own classes.
    if (!qobject_cast<const QDialog*>(o)) return false;
    const QMetaObject* m = o->metaObject();
    return m == &QDialog::staticMetaObject || QByteArray(m->className()).startsWith("tarvis::ui::");
}

bool istFensterknopf(const QWidget* w, const QWidget* fenster) {
    return qobject_cast<const QPushButton*>(w) && w->parentWidget() == fenster;
}

// F1 presses the window's help button: the first one shown and enabled in
// the tab order (the additional functions have one per tab page).
void hilfeTaste(QWidget* fenster) {
    auto* taste = new QShortcut(QKeySequence::HelpContents, fenster);
    QObject::connect(taste, &QShortcut::activated, fenster, [fenster] {
        for (QWidget* w = fenster->nextInFocusChain(); w && w != fenster; w = w->nextInFocusChain()) {
            auto* knopf = qobject_cast<QPushButton*>(w);
            const QString name = w->objectName();
            if (knopf && (name.startsWith(QLatin1String("cmdHilfe")) || name == QLatin1String("cmdHelp")) &&
                knopf->isVisible() && knopf->isEnabled()) {
                knopf->click();
                return;
            }
        }
    });
}

// An option keeps its place in the order also while Tab passes it by (see
// optionenAlsEinStopp).
bool istTabStopp(const QWidget* w) {
    if (w->focusProxy()) return false;
    if (qobject_cast<const QRadioButton*>(w)) return w->focusPolicy() & Qt::ClickFocus;
    return w->focusPolicy() & Qt::TabFocus;
}

// The children of a container in reading order: rows from top to bottom
// (a child belongs to the row it starts in the upper half of), each row
// from left to right. Hidden children keep their order behind the others.
QList<QWidget*> leseFolge(const QWidget* eltern) {
    QList<QWidget*> sichtbar, versteckt;
    for (QObject* o : eltern->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->isWindow()) continue;
        (w->isVisibleTo(eltern) ? sichtbar : versteckt) << w;
    }
    std::stable_sort(sichtbar.begin(), sichtbar.end(),
                     [](const QWidget* a, const QWidget* b) { return a->geometry().top() < b->geometry().top(); });
    QList<QWidget*> folge;
    for (qsizetype anfang = 0; anfang < sichtbar.size();) {
        const QRect erste = sichtbar[anfang]->geometry();
        qsizetype ende = anfang + 1;
        while (ende < sichtbar.size() && sichtbar[ende]->geometry().top() < erste.top() + erste.height() / 2) ++ende;
        QList<QWidget*> reihe = sichtbar.mid(anfang, ende - anfang);
        std::stable_sort(reihe.begin(), reihe.end(),
                         [](const QWidget* a, const QWidget* b) { return a->geometry().left() < b->geometry().left(); });
        folge << reihe;
        anfang = ende;
    }
    return folge << versteckt;
}

void sammeln(const QWidget* eltern, QList<QWidget*>& stopps) {
    for (QWidget* w : leseFolge(eltern)) {
        if (istTabStopp(w)) stopps << w;
        // Lists and grids are one stop; their headers and bars are not.
        if (!qobject_cast<QAbstractScrollArea*>(w)) sammeln(w, stopps);
    }
}

bool istPfeil(int taste) {
    return taste == Qt::Key_Up || taste == Qt::Key_Down || taste == Qt::Key_Left || taste == Qt::Key_Right;
}

// The options of a group are the exclusive option buttons of one parent.
QList<QRadioButton*> gruppe(const QRadioButton* option) {
    QList<QRadioButton*> g;
    if (!option->autoExclusive() || !option->parentWidget()) return g;
    for (auto* andere : option->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
        if (andere->autoExclusive()) g << andere;
    return g;
}

bool gruppeOhneWahl(const QRadioButton* option) {
    const QList<QRadioButton*> g = gruppe(option);
    return !g.isEmpty() && std::none_of(g.begin(), g.end(), [](const QRadioButton* o) { return o->isChecked(); });
}

// Tab treats a group of options with a chosen one as one stop, on the chosen
// option: the others are taken out of the round until Tab comes again. The
// windows set their options without the buttons' own bookkeeping, which
// would otherwise leave Tab on the first option, where Space changes the
// choice.
void optionenAlsEinStopp(QWidget* fenster) {
    for (auto* option : fenster->findChildren<QRadioButton*>()) {
        if (!option->autoExclusive() || !(option->focusPolicy() & Qt::ClickFocus)) continue;
        QRadioButton* gewaehlt = nullptr;
        for (auto* andere : gruppe(option))
            if (andere->isChecked() && andere->isVisibleTo(fenster) && andere->isEnabled()) gewaehlt = andere;
        const bool stopp = !gewaehlt || gewaehlt == option;
        option->setFocusPolicy(stopp ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

// In a group of options Tab lands on the chosen one.
QWidget* gewaehlteOption(QWidget* w) {
    auto* option = qobject_cast<QRadioButton*>(w);
    if (!option || option->isChecked() || !option->autoExclusive() || !w->parentWidget()) return w;
    for (auto* andere : w->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
        if (andere->isChecked() && andere->autoExclusive() && andere->isVisible() && andere->isEnabled()) return andere;
    return w;
}

}  // namespace

void aufBildschirmMitte(QWidget* fenster) {
    QScreen* bildschirm = fenster->screen();
    if (!bildschirm) return;
    const QRect platz = bildschirm->availableGeometry();
    // The frame the window manager adds is not known before the window is
    // shown; a title bar and borders are kept free.
    const QSize rand = fenster->frameGeometry().size() - fenster->size();
    const QSize groesste(platz.width() - std::max(rand.width(), 16), platz.height() - std::max(rand.height(), 48));
    if (fenster->width() > groesste.width() || fenster->height() > groesste.height())
        fenster->resize(fenster->size().boundedTo(groesste).expandedTo(fenster->minimumSize()));
    QRect r = fenster->frameGeometry();
    r.moveCenter(platz.center());
    fenster->move(std::max(r.left(), platz.left()), std::max(r.top(), platz.top()));
}

int titelBreite(const QWidget* fenster) {
    QFont schrift = QApplication::font("QMdiSubWindowTitleBar");
    schrift.setBold(true);
    const QFontMetrics fm(schrift);
    // Title bars of window managers often use a larger font than the
    // windows; beside the caption sit the window icon and three buttons.
    return fm.horizontalAdvance(QString(fenster->windowTitle()).remove(QLatin1Char('&'))) * 6 / 5 + 8 * fm.height();
}

void titelPlatz(QWidget* fenster) {
    int breite = titelBreite(fenster);
    if (QScreen* bildschirm = fenster->screen()) breite = std::min(breite, bildschirm->availableGeometry().width() - 16);
    if (fenster->minimumWidth() < breite) fenster->setMinimumWidth(breite);
    if (fenster->width() < breite) fenster->resize(breite, fenster->height());
}

QList<QWidget*> tabFolgeOrdnen(QWidget* fenster) {
    QList<QWidget*> stopps;
    sammeln(fenster, stopps);
    std::stable_partition(stopps.begin(), stopps.end(), [fenster](QWidget* w) { return !istFensterknopf(w, fenster); });
    for (qsizetype i = 0; i + 1 < stopps.size(); ++i) QWidget::setTabOrder(stopps[i], stopps[i + 1]);
    return stopps;
}

void Fensterregeln::spaeterOrdnen(QWidget* fenster) {
    if (fenster->property(kAusstehend).toBool()) return;
    fenster->setProperty(kAusstehend, true);
    QPointer<QWidget> f(fenster);
    QTimer::singleShot(0, this, [f] {
        if (!f) return;
        f->setProperty(kAusstehend, false);
        tabFolgeOrdnen(f);
    });
}

bool Fensterregeln::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent*>(ereignis)->key();
        if ((taste == Qt::Key_Tab || taste == Qt::Key_Backtab) && objekt->isWidgetType()) {
            QWidget* fenster = static_cast<QWidget*>(objekt)->window();
            if (istEigenesFenster(fenster)) optionenAlsEinStopp(fenster);
        }
        // An arrow key in a group of options with none chosen yet chooses the
        // option it moves to, as it does once one is chosen.
        auto* option = qobject_cast<QRadioButton*>(objekt);
        if (option && istPfeil(static_cast<QKeyEvent*>(ereignis)->key()) && istEigenesFenster(option->window()) &&
            gruppeOhneWahl(option)) {
            QPointer<QWidget> gruppe(option->parentWidget());
            QTimer::singleShot(0, this, [gruppe] {
                auto* neu = qobject_cast<QRadioButton*>(QApplication::focusWidget());
                if (gruppe && neu && neu->parentWidget() == gruppe && gruppeOhneWahl(neu)) neu->click();
            });
        }
        return QObject::eventFilter(objekt, ereignis);
    }
    if (ereignis->type() != QEvent::Show || !objekt->isWidgetType()) return QObject::eventFilter(objekt, ereignis);
    auto* widget = static_cast<QWidget*>(objekt);
    QWidget* fenster = widget->window();
    if (!istEigenesFenster(fenster)) return QObject::eventFilter(objekt, ereignis);
    if (widget != fenster) {
        // A part shown later (a tab page) takes its place in the order.
        if (fenster->property(kGeordnet).toBool()) spaeterOrdnen(fenster);
    } else if (!fenster->property(kGeordnet).toBool()) {
        fenster->setProperty(kGeordnet, true);
        titelPlatz(fenster);
        aufBildschirmMitte(fenster);
        hilfeTaste(fenster);
        const QList<QWidget*> stopps = tabFolgeOrdnen(fenster);
        QWidget* fokus = fenster->focusWidget();
        if (!fokus || istFensterknopf(fokus, fenster)) {
            for (QWidget* w : stopps) {
                if (w->isVisibleTo(fenster) && w->isEnabled()) {
                    gewaehlteOption(w)->setFocus(Qt::TabFocusReason);
                    break;
                }
            }
        }
    }
    return QObject::eventFilter(objekt, ereignis);
}

}  // namespace tarvis::ui
