#pragma once
#include <QString>
#include <string>

namespace tarvis::ui {

// The core speaks UTF-8 std::string; Qt speaks QString.
inline QString qs(const std::string& s) { return QString::fromStdString(s); }
inline std::string ss(const QString& s) { return s.toStdString(); }

}  // namespace tarvis::ui
