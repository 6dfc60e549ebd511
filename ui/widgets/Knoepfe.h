#pragma once
#include <QHBoxLayout>
#include <QPushButton>
#include <functional>
#include <initializer_list>

class QDialog;

namespace tarvis::ui {

// The OK button of a window, its default button. With `ok` (the presenter's
// OK action) a press closes the window confirmed when the action allows it;
// without, the window connects the button itself.
QPushButton* okKnopf(QDialog* fenster, const QString& text, std::function<bool()> ok = {}, const char* name = "cmdOK");

// The row of buttons under a window's content: `links` at the left edge,
// `rechts` at the right.
QHBoxLayout* knopfzeile(std::initializer_list<QWidget*> links, std::initializer_list<QWidget*> rechts);

}  // namespace tarvis::ui
