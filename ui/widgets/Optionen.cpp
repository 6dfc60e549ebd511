#include "widgets/Optionen.h"

#include <QEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QSignalBlocker>

#include "widgets/QtText.h"

namespace tarvis::ui {

namespace {

class Doppelklick : public QObject {
public:
    Doppelklick(QAbstractButton* option, std::function<void()> ok) : QObject(option), option_(option), ok_(std::move(ok)) {}

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (o == option_ && e->type() == QEvent::MouseButtonDblClick && option_->isEnabled()) {
            option_->click();
            ok_();
            return true;
        }
        return false;
    }

private:
    QAbstractButton* option_;
    std::function<void()> ok_;
};

}  // namespace

void optionSetzen(QAbstractButton* b, bool gewaehlt) {
    if (b->isChecked() == gewaehlt) return;
    QSignalBlocker block(b);
    bool exklusiv = b->autoExclusive();
    b->setAutoExclusive(false);
    b->setChecked(gewaehlt);
    b->setAutoExclusive(exklusiv);
}

void anzeigen(QAbstractButton* b, const Schalter& s) {
    if (!s.text.empty()) b->setText(qs(s.text));
    b->setEnabled(s.aktiv);
    if (b->isCheckable()) optionSetzen(b, s.gewaehlt);
}

void anzeigen(QLabel* l, const Beschriftung& b) {
    l->setText(qs(b.text));
    l->setEnabled(b.aktiv);
    l->setVisible(b.sichtbar);
}

void anzeigen(QGroupBox* g, const Beschriftung& b) {
    g->setTitle(qs(b.text));
    g->setEnabled(b.aktiv);
    g->setVisible(b.sichtbar);
}

void anzeigen(QLineEdit* feld, const QString& text) {
    if (feld->text() == text) return;
    QSignalBlocker b(feld);
    feld->setText(text);
}

void doppelklickWaehlt(QAbstractButton* option, std::function<void()> ok) {
    option->installEventFilter(new Doppelklick(option, std::move(ok)));
}

}  // namespace tarvis::ui
