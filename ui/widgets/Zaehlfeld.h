#pragma once
#include <QLineEdit>
#include <QScrollBar>
#include <QWidget>
#include <functional>
#include <string>

#include "projekt/Zaehleingabe.h"

namespace tarvis::ui {

// What a count box talks to: the presenter field it is bound to.
struct ZaehlBindung {
    std::function<ZaehlAnsicht()> ansicht;
    std::function<void(const std::string&)> text;  // text change
    std::function<void(int)> balken;               // scroll bar change
    std::function<bool(char32_t)> taste;           // key press; false = refused (beeped)
    std::function<void()> tasteUnten;              // key down (clear 0)
};

// A count box: a text box paired with a horizontal scroll bar. Keys go
// through the presenter's key rule, the text and the scroll bar go to the
// presenter, and both show what the presenter holds afterwards.
class Zaehlfeld : public QWidget {
    Q_OBJECT
public:
    // textName/balkenName are the object names of the text box and the scroll
    // bar (txt.../hsb...).
    Zaehlfeld(const QString& textName, const QString& balkenName, QWidget* parent = nullptr);

    void binden(ZaehlBindung b);
    // Binds to a presenter that offers zaehlAnsicht/zaehlText/zaehlBalken/
    // zaehlTaste/zaehlTasteUnten for a field enum.
    template <class P, class F> void binden(P& p, F feld) {
        binden(ZaehlBindung{[&p, feld] { return p.zaehlAnsicht(feld); },
                            [&p, feld](const std::string& t) { p.zaehlText(feld, t); },
                            [&p, feld](int v) { p.zaehlBalken(feld, v); },
                            [&p, feld](char32_t c) { return p.zaehlTaste(feld, c); },
                            [&p, feld] { p.zaehlTasteUnten(feld); }});
    }

    // Shows what the bound field holds.
    void aktualisieren();

    QLineEdit* feld() const { return text_; }
    QScrollBar* balken() const { return balken_; }

signals:
    // An input reached the presenter; the window refreshes.
    void geaendert();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void anzeigen(const ZaehlAnsicht& a);

    QLineEdit* text_;
    QScrollBar* balken_;
    ZaehlBindung bindung_;
};

}  // namespace tarvis::ui
