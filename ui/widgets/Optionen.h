#pragma once
#include <QAbstractButton>
#include <QLabel>
#include <QObject>
#include <functional>

#include "projekt/Bedienelemente.h"

class QGroupBox;
class QLineEdit;

namespace tarvis::ui {

// Sets the check state of an option button without running its click
// action; an option may show as unselected although it belongs to a group.
void optionSetzen(QAbstractButton* b, bool gewaehlt);
// Caption, enabled state and check state of an option, check box or button.
void anzeigen(QAbstractButton* b, const Schalter& s);
void anzeigen(QLabel* l, const Beschriftung& b);
void anzeigen(QGroupBox* g, const Beschriftung& b);
// The text of an input box, set without its change action and only when it
// differs, so that the cursor of the user typing in it stays where it is.
void anzeigen(QLineEdit* feld, const QString& text);

// A double-click on an option chooses it and then runs the OK action.
void doppelklickWaehlt(QAbstractButton* option, std::function<void()> ok);

}  // namespace tarvis::ui
