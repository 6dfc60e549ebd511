#pragma once
#include <QButtonGroup>
#include <QGridLayout>
#include <QStackedWidget>
#include <QToolButton>
#include <QWidget>
#include <vector>

namespace tarvis::ui {

// A tab control whose tabs stand in several rows, so that long captions all
// stay readable (a one-row tab bar would hide most of eleven long tabs).
class Reiterkarten : public QWidget {
    Q_OBJECT
public:
    explicit Reiterkarten(int proZeile, QWidget* parent = nullptr);

    int addTab(QWidget* seite, const QString& text);
    void setTabText(int i, const QString& text);
    QString tabText(int i) const;
    int count() const { return static_cast<int>(knoepfe_.size()); }
    int currentIndex() const { return stapel_->currentIndex(); }
    void setCurrentIndex(int i);
    QWidget* widget(int i) const { return stapel_->widget(i); }
    QToolButton* reiter(int i) const { return knoepfe_.at(static_cast<std::size_t>(i)); }

signals:
    // The user brought a tab to the front.
    void currentChanged(int i);

private:
    int proZeile_;
    QGridLayout* leiste_;
    QButtonGroup* gruppe_;
    QStackedWidget* stapel_;
    std::vector<QToolButton*> knoepfe_;
};

}  // namespace tarvis::ui
