#pragma once
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <QMessageBox>
#include <QPushButton>
#include <QPointer>
#include <QDir>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <functional>

#include "ablauf/Menue1View.h"
#include "support/TempDir.h"
#include <map>

namespace tarvis::test {

// Plays the user in front of the program's modal windows: whenever a new
// modal window comes to the front, its handler (by object name) fills it in
// and presses a button; message boxes are answered by `antwort`. What the
// windows do after a press may open further modal windows, so every press is
// queued and happens from the event loop, never inside the handler.
class Fensterfuehrer {
public:
    using Handler = std::function<void(QWidget*)>;

    std::map<QString, Handler> fenster;
    // The button for a message box text; NoButton takes the box's default.
    std::function<QMessageBox::StandardButton(const QString& text)> antwort;
    // Every window name and message text in the order they came.
    // The answer typed into an input box; a null text cancels it.
    std::function<QString(const QString& text)> eingabe;
    QStringList gesehen;
    QStringList meldungen;
    QStringList unbekannt;
    // Windows that stayed in front long after their handler (a refusal the
    // handler did not expect); they are closed so that the test fails
    // instead of waiting for ever.
    QStringList haengend;

    Fensterfuehrer() {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { schauen(); });
        timer_.start();
    }

    // Presses a button from the event loop, then runs `danach`.
    static void druecken(QAbstractButton* b, std::function<void()> danach = {}) {
        QPointer<QAbstractButton> knopf(b);
        QTimer::singleShot(0, [knopf, danach] {
            if (knopf) knopf->click();
            if (danach) danach();
        });
    }
    static void spaeter(std::function<void()> f) { QTimer::singleShot(0, std::move(f)); }

    template <class T> static T* kind(QWidget* w, const char* name) {
        T* k = w->findChild<T*>(QString::fromUtf8(name));
        if (!k) qWarning("missing control %s in %s", name, qPrintable(w->objectName()));
        return k;
    }

private:
    void schauen() {
        QWidget* w = QApplication::activeModalWidget();
        if (w != oben_) {
            oben_ = w;
            seit_.start();
        } else if (w && seit_.isValid() && seit_.elapsed() > 5000) {
            haengend << w->objectName();
            qWarning("window %s still open, closing it", qPrintable(w->objectName()));
            seit_.start();
            QTimer::singleShot(0, w, &QWidget::close);
        }
        if (!w) return;
        // Each window is handled once, also when it comes back to the front
        // after a window it opened.
        erledigt_.removeAll(QPointer<QWidget>());
        for (const auto& e : erledigt_)
            if (e == w) return;
        erledigt_.append(w);
        if (auto* box = qobject_cast<QMessageBox*>(w)) {
            meldungen << box->text();
            if (qEnvironmentVariableIsSet("TARVIS_FENSTER_LOG")) qInfo("Meldung: %s", qPrintable(box->text()));
            gesehen << QStringLiteral("Meldung: ") + box->text();
            QMessageBox::StandardButton b = antwort ? antwort(box->text()) : QMessageBox::NoButton;
            QAbstractButton* k = b != QMessageBox::NoButton ? box->button(b) : nullptr;
            if (!k) k = box->defaultButton();
            if (!k && !box->buttons().isEmpty()) k = box->buttons().first();
            druecken(k);
            return;
        }
        if (auto* box = qobject_cast<QInputDialog*>(w)) {
            gesehen << QStringLiteral("Eingabe: ") + box->labelText();
            const QString text = eingabe ? eingabe(box->labelText()) : QString();
            QPointer<QInputDialog> b(box);
            QTimer::singleShot(0, [b, text] {
                if (!b) return;
                if (text.isNull()) {
                    b->reject();
                } else {
                    b->setTextValue(text);
                    b->accept();
                }
            });
            return;
        }
        gesehen << w->objectName();
        // TARVIS_BILDER=<dir> keeps a picture of every window for a look by eye.
        if (qEnvironmentVariableIsSet("TARVIS_BILDER")) {
            const QString dir = qEnvironmentVariable("TARVIS_BILDER");
            QDir().mkpath(dir);
            w->grab().save(QStringLiteral("%1/%2-%3.png").arg(dir).arg(++bild_, 3, 10, QLatin1Char('0')).arg(w->objectName()));
        }
        if (qEnvironmentVariableIsSet("TARVIS_FENSTER_LOG")) qInfo("Fenster: %s", qPrintable(w->objectName()));
        auto it = fenster.find(w->objectName());
        if (it != fenster.end()) {
            it->second(w);
            return;
        }
        // A window no handler knows: go on with its forward or OK button.
        unbekannt << w->objectName();
        for (const char* name : {"cmdWeiter", "cmdOK", "cmdOk"})
            if (auto* k = w->findChild<QAbstractButton*>(QString::fromLatin1(name))) {
                druecken(k);
                return;
            }
        QTimer::singleShot(0, w, &QWidget::close);
    }

    QTimer timer_;
    QList<QPointer<QWidget>> erledigt_;
    QPointer<QWidget> oben_;
    int bild_ = 0;
    QElapsedTimer seit_;
};

// Types a text over the whole content of an input box, as a user does.
inline void tippen(QWidget* w, const char* name, const QString& text) {
    auto* feld = Fensterfuehrer::kind<QLineEdit>(w, name);
    feld->setFocus();
    feld->selectAll();
    QTest::keyClicks(feld, text);
}

inline void klicken(QWidget* w, const char* name) { Fensterfuehrer::kind<QAbstractButton>(w, name)->click(); }

// The text of a printed PDF with its columns kept (pdftotext -layout).
inline QString pdfText(const std::filesystem::path& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QString::fromStdString(pdf.string()), QStringLiteral("-")});
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// A copy of the built program directory in a temporary folder, so that
// what the program writes does not land in the build.
inline std::filesystem::path programmKopie(const TempDir& dir) {
    std::filesystem::copy(TARVIS_PROGRAM_DIR, dir.path(), std::filesystem::copy_options::recursive);
    return dir.path();
}

// Runs a main-window command from the event loop and waits until it is done.
inline bool befehl(ui::Menue1View& v, Befehl b, int ms = 120000) {
    bool fertig = false;
    QTimer::singleShot(0, [&] {
        v.aktion(b)->trigger();
        fertig = true;
    });
    return QTest::qWaitFor([&] { return fertig; }, ms);
}

}  // namespace tarvis::test
