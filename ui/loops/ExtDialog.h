#pragma once
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "loops/ExtPresenter.h"
#include "widgets/Zaehlfeld.h"

namespace tarvis::ui {

// Ex12 / Ex28: the external loads of one voltage.
class ExtDialog : public QDialog {
    Q_OBJECT
public:
    ExtDialog(ExtPresenter& presenter, QWidget* parent = nullptr);
    void aktualisieren();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void nachEingabe();

    ExtPresenter& presenter_;
    std::array<QLineEdit*, ExtPresenter::kZeilen> namen_{};
    std::array<Zaehlfeld*, 3 * ExtPresenter::kZeilen> felder_{};
    QLabel *label1_, *label2_, *label3_, *label4_, *label5_, *label6_, *label7_;
    QLabel *summeRuhe_, *summeAlarm_;
    QPushButton *kbn_, *ok_, *hilfe_;
};

}  // namespace tarvis::ui
