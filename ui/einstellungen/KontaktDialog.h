#pragma once
#include <QDialog>
#include <string>

namespace tarvis::ui {

// The contact window: version and the people responsible for the product.
class KontaktDialog : public QDialog {
    Q_OBJECT
public:
    KontaktDialog(const std::string& prgVersion, QWidget* parent = nullptr);
};

}  // namespace tarvis::ui
