#pragma once
#include <QAbstractButton>
#include <QLabel>
#include <QObject>
#include <functional>

#include "shell/Bedienelemente.h"

class QGroupBox;

namespace tarvis::ui {

// Sets the check state of an option button without running its click
// action; an option may show as unselected although it belongs to a group.
void optionSetzen(QAbstractButton* b, bool gewaehlt);
// Caption, enabled state and check state of an option, check box or button.
void anzeigen(QAbstractButton* b, const Schalter& s);
void anzeigen(QLabel* l, const Beschriftung& b);
void anzeigen(QGroupBox* g, const Beschriftung& b);

// A double-click on an option chooses it and then runs the OK action.
void doppelklickWaehlt(QAbstractButton* option, std::function<void()> ok);

}  // namespace tarvis::ui
