#include "calc/SpeiRepDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/QtText.h"
#include "widgets/Knoepfe.h"

namespace tarvis::ui {

SpeiRepDialog::SpeiRepDialog(const SpeiRepAnsicht& a, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("SpeiRep"));
    setWindowTitle(qs(a.titel));
    auto* layout = new QVBoxLayout(this);
    for (std::size_t i = 1; i < a.label.size(); ++i) {
        auto* l = new QLabel(qs(a.label[i]), this);
        l->setObjectName(QStringLiteral("Label%1").arg(i));
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        // A path longer than the screen is wide is cut rather than pushing
        // the window's button off the screen.
        l->setMinimumWidth(1);
        // An empty label keeps no room.
        l->setVisible(!a.label[i].empty());
        layout->addWidget(l);
    }
    auto* ok = okKnopf(this, QStringLiteral("&OK"), [] { return true; });
    layout->addLayout(knopfzeile({}, {ok}));
    setMinimumWidth(460);
    // As wide as the longest line; the screen is the limit, not two thirds
    // of it.
    resize(sizeHint());
}

}  // namespace tarvis::ui
