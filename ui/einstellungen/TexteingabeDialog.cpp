#include "einstellungen/TexteingabeDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/QtText.h"
#include "widgets/Optionen.h"
#include "widgets/TastenFilter.h"
#include "widgets/Knoepfe.h"

namespace tarvis::ui {

TexteingabeDialog::TexteingabeDialog(TexteingabePresenter& presenter, QWidget* parent)
    : QDialog(parent), presenter_(presenter) {
    setObjectName(QStringLiteral("Texteingabe"));
    TexteingabeAnsicht a = presenter_.ansicht();
    setWindowTitle(qs(a.titel));

    auto* layout = new QVBoxLayout(this);
    auto* nachricht = new QLabel(qs(a.nachricht), this);
    nachricht->setObjectName(QStringLiteral("lblNachricht"));
    layout->addWidget(nachricht);
    for (int i = 1; i <= 3; ++i) {
        auto* t = new QLineEdit(this);
        t->setObjectName(QStringLiteral("txtText%1").arg(i));
        t->setMinimumWidth(460);
        texte_[static_cast<std::size_t>(i)] = t;
        layout->addWidget(t);
        new TastenFilter(t, [this](char32_t c) { return presenter_.taste(c); });
        connect(t, &QLineEdit::textEdited, this, [this, i](const QString& s) {
            presenter_.setzeText(i, ss(s));
            aktualisieren();
        });
    }

    auto* ok = okKnopf(this, qs(a.ok), [this] { return presenter_.ok(); });
    layout->addLayout(knopfzeile({}, {ok}));

    aktualisieren();
    texte_[1]->setFocus();
}

void TexteingabeDialog::aktualisieren() {
    TexteingabeAnsicht a = presenter_.ansicht();
    for (std::size_t i = 1; i <= 3; ++i) anzeigen(texte_[i], qs(a.texte[i]));
}

}  // namespace tarvis::ui
