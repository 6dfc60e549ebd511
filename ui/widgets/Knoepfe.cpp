#include "widgets/Knoepfe.h"

#include <QDialog>

namespace tarvis::ui {

QPushButton* okKnopf(QDialog* fenster, const QString& text, std::function<bool()> ok, const char* name) {
    auto* knopf = new QPushButton(text, fenster);
    knopf->setObjectName(QString::fromUtf8(name));
    knopf->setDefault(true);
    if (ok)
        QObject::connect(knopf, &QPushButton::clicked, fenster, [fenster, ok = std::move(ok)] {
            if (ok()) fenster->accept();
        });
    return knopf;
}

QHBoxLayout* knopfzeile(std::initializer_list<QWidget*> links, std::initializer_list<QWidget*> rechts) {
    auto* zeile = new QHBoxLayout;
    for (QWidget* w : links) zeile->addWidget(w);
    zeile->addStretch();
    for (QWidget* w : rechts) zeile->addWidget(w);
    return zeile;
}

}  // namespace tarvis::ui
