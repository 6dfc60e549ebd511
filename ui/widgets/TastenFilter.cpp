#include "widgets/TastenFilter.h"

#include <QKeyEvent>
#include <QWidget>

namespace tarvis::ui {

TastenFilter::TastenFilter(QWidget* feld, Pruefung pruefung) : QObject(feld), pruefung_(std::move(pruefung)) {
    feld->installEventFilter(this);
}

bool TastenFilter::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        const QList<uint> zeichen = k->text().toUcs4();
        if (!zeichen.isEmpty()) {
            auto c = static_cast<char32_t>(zeichen.front());
            bool tippt = (c >= 0x20 && c != 0x7F) || c == U'\b';
            if (tippt && !pruefung_(c)) return true;
        }
    }
    return QObject::eventFilter(o, e);
}

}  // namespace tarvis::ui
