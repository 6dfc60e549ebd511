#include "ablauf/Menue1View.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include "widgets/QtText.h"

namespace tarvis::ui {

Werkzeugbild::Werkzeugbild(const QIcon& icon, QString hinweis, QWidget* parent)
    : QLabel(parent), hinweis_(std::move(hinweis)) {
    setPixmap(icon.pixmap(32, 32));
    setFixedSize(40, 40);
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::StyledPanel);
    setCursor(Qt::PointingHandCursor);
    setToolTip(QString(hinweis_).remove(QLatin1Char('&')));
}

void Werkzeugbild::enterEvent(QEnterEvent* e) {
    emit hinweisZeigen(QString(hinweis_).remove(QLatin1Char('&')));
    QLabel::enterEvent(e);
}

void Werkzeugbild::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) emit geklickt();
    else QLabel::mousePressEvent(e);
}

namespace {

QIcon bildFuer(const std::string& name, QStyle* s) {
    if (name == "neu") return s->standardIcon(QStyle::SP_FileIcon);
    if (name == "oeffnen") return s->standardIcon(QStyle::SP_DialogOpenButton);
    if (name == "drucken") return QIcon::fromTheme(QStringLiteral("document-print"), s->standardIcon(QStyle::SP_FileDialogDetailedView));
    if (name == "projekt") return s->standardIcon(QStyle::SP_FileDialogContentsView);
    if (name == "speichern") return s->standardIcon(QStyle::SP_DialogSaveButton);
    if (name == "zeigen") return s->standardIcon(QStyle::SP_FileDialogInfoView);
    return s->standardIcon(QStyle::SP_FileDialogListView);
}

}  // namespace

Menue1View::Menue1View(Menue1Presenter& presenter, QWidget* parent) : QMainWindow(parent), presenter_(presenter) {
    setObjectName(QStringLiteral("Menue1"));
    resize(720, 520);
    aufbauen();
    aktualisieren();
    presenter_.setzeBeiStartseiteGeloescht([this] { aktualisieren(); });
}

Menue1View::~Menue1View() { presenter_.setzeBeiStartseiteGeloescht({}); }

void Menue1View::aufbauen() {
    Menue1Ansicht a = presenter_.ansicht();
    for (const auto& gruppe : a.menues) {
        QMenu* menu = menuBar()->addMenu(qs(gruppe.text));
        for (const auto& eintrag : gruppe.eintraege) {
            if (!eintrag) {
                menu->addSeparator();
                continue;
            }
            QAction* act = menu->addAction(qs(eintrag->text));
            Befehl b = eintrag->befehl;
            connect(act, &QAction::triggered, this, [this, b] { ausfuehren(b); });
            aktionen_[b] = act;
        }
    }
    // F1 opens the help, as in every window with a help button.
    aktionen_.at(Befehl::Hilfe)->setShortcut(QKeySequence::HelpContents);
    // F10 opens the first menu, as Alt and a letter open theirs.
    auto* f10 = new QAction(this);
    f10->setShortcut(Qt::Key_F10);
    connect(f10, &QAction::triggered, this, [this] {
        if (!menuBar()->actions().isEmpty()) menuBar()->setActiveAction(menuBar()->actions().first());
    });
    addAction(f10);

    // The window area holds the keyboard when no window is open over it. A
    // menu opened from the keyboard gives the keyboard back to it when it
    // closes; without it the menu bar would keep it, and a letter typed
    // later without Alt would open a menu or run a command.
    auto* zentral = new QWidget(this);
    zentral->setObjectName(QStringLiteral("Flaeche"));
    zentral->setFocusPolicy(Qt::StrongFocus);
    zentral->setMouseTracking(true);
    zentral->installEventFilter(this);
    auto* layout = new QVBoxLayout(zentral);

    auto* leiste = new QHBoxLayout;
    for (const auto& w : a.werkzeuge) {
        auto* bild = new Werkzeugbild(bildFuer(w.name, style()), qs(w.hinweis), zentral);
        bild->setObjectName(QStringLiteral("pic_%1").arg(qs(w.name)));
        Befehl b = w.befehl;
        connect(bild, &Werkzeugbild::geklickt, this, [this, b] { ausfuehren(b); });
        connect(bild, &Werkzeugbild::hinweisZeigen, this, [this](const QString& t) { lblBild_->setText(t); });
        leiste->addWidget(bild);
        werkzeuge_[b] = bild;
    }
    leiste->addStretch();
    layout->addLayout(leiste);
    lblBild_ = new QLabel(zentral);
    lblBild_->setObjectName(QStringLiteral("lblBild"));
    lblBild_->setMinimumHeight(22);
    layout->addWidget(lblBild_);

    startseite_ = new QWidget(zentral);
    startseite_->setMouseTracking(true);
    startseite_->installEventFilter(this);
    auto* start = new QVBoxLayout(startseite_);
    auto label = [&](const char* name, int punkte, bool fett = false) {
        auto* l = new QLabel(startseite_);
        l->setObjectName(QString::fromLatin1(name));
        QFont f = l->font();
        f.setPointSize(punkte);
        f.setBold(fett);
        l->setFont(f);
        l->setAlignment(Qt::AlignCenter);
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
        start->addWidget(l);
        startLabels_[QString::fromLatin1(name)] = l;
    };
    label("lblProHilfe", 14);
    label("lblTARVIS", 40, true);
    auto* linie = new QFrame(startseite_);
    linie->setObjectName(QStringLiteral("linStart"));
    linie->setFrameShape(QFrame::HLine);
    start->addWidget(linie);
    label("lblKVT1", 13);
    label("lblKVT2", 13);
    label("lblRW", 13);
    label("lblTL", 13);
    label("lblStrom", 12);
    label("lblWachen", 12, true);
    start->addStretch();
    label("lblVersion", 9);
    label("lblNORVEK", 10, true);
    label("lblVORA", 9);
    layout->addWidget(startseite_, 1);
    setCentralWidget(zentral);
    zentral->setFocus();
}

void Menue1View::aktualisieren() {
    presenter_.aktivieren();
    Menue1Ansicht a = presenter_.ansicht();
    setWindowTitle(qs(a.titel));
    for (const auto& gruppe : a.menues)
        for (const auto& e : gruppe.eintraege)
            if (e) aktionen_.at(e->befehl)->setEnabled(e->aktiv);
    for (const auto& w : a.werkzeuge) werkzeuge_.at(w.befehl)->setVisible(w.sichtbar);

    const std::pair<const char*, std::string> texte[] = {
        {"lblProHilfe", a.proHilfe}, {"lblTARVIS", a.tarvis}, {"lblKVT1", a.kvt1},     {"lblKVT2", a.kvt2},
        {"lblRW", a.rw},             {"lblTL", a.tl},         {"lblStrom", a.strom},   {"lblWachen", a.wachen},
        {"lblVersion", a.version},   {"lblNORVEK", a.hersteller}, {"lblVORA", a.abteilung}};
    for (const auto& [name, text] : texte) startLabels_.at(QString::fromLatin1(name))->setText(qs(text));
    startseite_->findChild<QFrame*>(QStringLiteral("linStart"))->setVisible(a.startseite);
}

QAction* Menue1View::aktion(Befehl b) const {
    auto it = aktionen_.find(b);
    return it == aktionen_.end() ? nullptr : it->second;
}

Werkzeugbild* Menue1View::werkzeug(Befehl b) const {
    auto it = werkzeuge_.find(b);
    return it == werkzeuge_.end() ? nullptr : it->second;
}

void Menue1View::zentrieren() {
    if (QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
}

void Menue1View::ausfuehren(Befehl b) {
    if (b == Befehl::Ende) {
        if (presenter_.beenden()) {
            beendet_ = true;
            close();
        }
        aktualisieren();
        return;
    }
    presenter_.ausfuehren(b);
    aktualisieren();
}

void Menue1View::closeEvent(QCloseEvent* e) {
    if (beendet_ || presenter_.schliessen()) {
        beendet_ = true;
        e->accept();
    } else {
        e->ignore();
    }
}

void Menue1View::mousePressEvent(QMouseEvent* e) {
    presenter_.startseiteLoeschen();
    aktualisieren();
    QMainWindow::mousePressEvent(e);
}

bool Menue1View::eventFilter(QObject* o, QEvent* e) {
    // Over the free window area the hint line is empty; a click there clears
    // the start screen.
    if (e->type() == QEvent::MouseMove) lblBild_->clear();
    if (e->type() == QEvent::MouseButtonPress) {
        presenter_.startseiteLoeschen();
        aktualisieren();
    }
    return QMainWindow::eventFilter(o, e);
}

}  // namespace tarvis::ui
