#include "calc/SpeiRepDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/QtText.h"

namespace tarvis::ui {

SpeiRepDialog::SpeiRepDialog(const SpeiRepAnsicht& a, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("SpeiRep"));
    setWindowTitle(qs(a.titel));
    auto* layout = new QVBoxLayout(this);
    for (std::size_t i = 1; i < a.label.size(); ++i) {
        auto* l = new QLabel(qs(a.label[i]), this);
        l->setObjectName(QStringLiteral("Label%1").arg(i));
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        // An empty label keeps no room.
        l->setVisible(!a.label[i].empty());
        layout->addWidget(l);
    }
    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(ok);
    layout->addLayout(knoepfe);
    setMinimumWidth(460);
}

}  // namespace tarvis::ui
