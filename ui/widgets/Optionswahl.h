#pragma once
#include <QAbstractButton>
#include <QButtonGroup>
#include <QSignalBlocker>

namespace tarvis::ui {

// Checks one option button of an exclusive group, or none (a value the
// window does not offer), without running the buttons' click actions.
inline void optionWaehlen(QButtonGroup* gruppe, QAbstractButton* knopf) {
    gruppe->setExclusive(false);
    for (QAbstractButton* k : gruppe->buttons()) {
        QSignalBlocker b(k);
        k->setChecked(k == knopf);
    }
    gruppe->setExclusive(true);
}

}  // namespace tarvis::ui
