#include "widgets/Reiterkarten.h"

#include <QFrame>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tarvis::ui {

Reiterkarten::Reiterkarten(int proZeile, QWidget* parent)
    : QWidget(parent), proZeile_(proZeile), leiste_(new QGridLayout), gruppe_(new QButtonGroup(this)), stapel_(new QStackedWidget(this)) {
    leiste_->setSpacing(2);
    gruppe_->setExclusive(true);
    stapel_->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addLayout(leiste_);
    layout->addWidget(stapel_, 1);
    connect(gruppe_, &QButtonGroup::idClicked, this, [this](int i) {
        stapel_->setCurrentIndex(i);
        emit currentChanged(i);
    });
}

int Reiterkarten::addTab(QWidget* seite, const QString& text) {
    int i = count();
    auto* k = new QToolButton(this);
    k->setObjectName(QStringLiteral("reiter%1").arg(i));
    k->setCheckable(true);
    k->setText(text);
    k->setToolButtonStyle(Qt::ToolButtonTextOnly);
    k->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    k->setAutoRaise(false);
    gruppe_->addButton(k, i);
    leiste_->addWidget(k, i / proZeile_, i % proZeile_);
    knoepfe_.push_back(k);
    stapel_->addWidget(seite);
    if (i == 0) k->setChecked(true);
    return i;
}

void Reiterkarten::setTabText(int i, const QString& text) { reiter(i)->setText(text); }

QString Reiterkarten::tabText(int i) const { return reiter(i)->text(); }

void Reiterkarten::setCurrentIndex(int i) {
    if (i < 0 || i >= count()) return;
    QSignalBlocker b(gruppe_);
    reiter(i)->setChecked(true);
    stapel_->setCurrentIndex(i);
}

}  // namespace tarvis::ui
