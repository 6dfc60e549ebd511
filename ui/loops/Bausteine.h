#pragma once
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>

namespace tarvis::ui {

// Small builders for the windows of the loop subsystem: every control gets
// the object name of its control in the window layout.

inline QLabel* neuesLabel(const char* name, QWidget* eltern, bool umbruch = false) {
    auto* l = new QLabel(eltern);
    l->setObjectName(QString::fromUtf8(name));
    l->setWordWrap(umbruch);
    return l;
}

inline QLabel* zahlLabel(const char* name, QWidget* eltern) {
    QLabel* l = neuesLabel(name, eltern);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setMinimumWidth(l->fontMetrics().horizontalAdvance(QStringLiteral("888888")) + 8);
    return l;
}

inline QPushButton* neuerKnopf(const char* name, QWidget* eltern) {
    auto* b = new QPushButton(eltern);
    b->setObjectName(QString::fromUtf8(name));
    b->setAutoDefault(false);
    return b;
}

inline QGroupBox* neuerRahmen(const char* name, QWidget* eltern) {
    auto* g = new QGroupBox(eltern);
    g->setObjectName(QString::fromUtf8(name));
    return g;
}

inline QRadioButton* neueOption(const char* name, QWidget* eltern) {
    auto* o = new QRadioButton(eltern);
    o->setObjectName(QString::fromUtf8(name));
    return o;
}

// The quantity box of a grid takes the keyboard: after a digit typed in the
// grid the cursor stands behind it, after Enter the whole text is selected.
inline void mengeBearbeiten(QLineEdit* feld, bool markieren) {
    feld->setFocus();
    if (markieren) {
        feld->selectAll();
        return;
    }
    feld->deselect();
    feld->setCursorPosition(static_cast<int>(feld->text().size()));
}

// A hidden control keeps its place, so that the layout does not jump.
inline void platzHalten(QWidget* w) {
    QSizePolicy p = w->sizePolicy();
    p.setRetainSizeWhenHidden(true);
    w->setSizePolicy(p);
}

}  // namespace tarvis::ui
