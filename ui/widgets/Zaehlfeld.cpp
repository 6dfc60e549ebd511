#include "widgets/Zaehlfeld.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QSignalBlocker>

#include "widgets/QtText.h"

namespace tarvis::ui {

Zaehlfeld::Zaehlfeld(const QString& textName, const QString& balkenName, QWidget* parent)
    : QWidget(parent), text_(new QLineEdit(this)), balken_(new QScrollBar(Qt::Horizontal, this)) {
    setObjectName(textName + QStringLiteral("_feld"));
    text_->setObjectName(textName);
    balken_->setObjectName(balkenName);
    text_->setAlignment(Qt::AlignRight);
    text_->installEventFilter(this);
    balken_->setSingleStep(1);
    balken_->setPageStep(1);
    balken_->setMinimumWidth(60);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(text_);
    layout->addWidget(balken_);

    connect(text_, &QLineEdit::textEdited, this, [this](const QString& t) {
        if (!bindung_.text) return;
        bindung_.text(ss(t));
        aktualisieren();
        emit geaendert();
    });
    connect(balken_, &QScrollBar::valueChanged, this, [this](int v) {
        if (bindung_.balken) bindung_.balken(v);
        else if (bindung_.text) bindung_.text(std::to_string(v));
        else return;
        aktualisieren();
        emit geaendert();
    });
}

void Zaehlfeld::binden(ZaehlBindung b) {
    bindung_ = std::move(b);
    aktualisieren();
}

void Zaehlfeld::aktualisieren() {
    if (bindung_.ansicht) anzeigen(bindung_.ansicht());
}

void Zaehlfeld::anzeigen(const ZaehlAnsicht& a) {
    QSignalBlocker b1(text_);
    QSignalBlocker b2(balken_);
    // Setting the length rewrites the text and drops the selection.
    if (text_->maxLength() != a.maxLaenge) text_->setMaxLength(a.maxLaenge);
    // Rewriting an unchanged text would move the cursor while typing.
    if (text_->text() != qs(a.text)) text_->setText(qs(a.text));
    int breite = text_->fontMetrics().horizontalAdvance(QString(std::max(a.maxLaenge, 2), QLatin1Char('8')));
    text_->setFixedWidth(breite + 16);
    balken_->setVisible(a.mitBalken);
    balken_->setRange(0, a.maximum);
    balken_->setValue(a.wert);
    text_->setEnabled(a.aktiv);
    balken_->setEnabled(a.aktiv);
}

bool Zaehlfeld::eventFilter(QObject* o, QEvent* e) {
    if (o != text_ || e->type() != QEvent::KeyPress) return QWidget::eventFilter(o, e);
    auto* k = static_cast<QKeyEvent*>(e);
    // Shortcuts that type nothing (select all, copy, mnemonics) are no input;
    // pasting is, and goes through the key rule like any typed character.
    bool kuerzel = k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (kuerzel && !k->matches(QKeySequence::Paste)) return false;
    char32_t zeichen = 0;
    if (k->key() == Qt::Key_Backspace) zeichen = U'\b';
    else if (kuerzel) zeichen = U'\x16';  // paste
    else if (!k->text().isEmpty() && k->text().at(0).isPrint()) zeichen = k->text().toUcs4().value(0);
    bool aendert = zeichen != 0 || k->key() == Qt::Key_Delete;
    if (!aendert) return false;  // cursor keys, Tab, Enter, Escape, modifiers

    // Key down: a 0 in the box gives way to the first key.
    if (bindung_.tasteUnten) {
        bindung_.tasteUnten();
        aktualisieren();
    }
    // Key press: only what the rule allows reaches the box.
    if (zeichen != 0 && bindung_.taste && !bindung_.taste(zeichen)) return true;
    return false;
}

}  // namespace tarvis::ui
