#include "io/FieldReader.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace tarvis::io {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

std::string trim(std::string_view s) {
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && isBlank(s[b])) ++b;
    while (e > b && isBlank(s[e - 1])) --e;
    return std::string(s.substr(b, e - b));
}

}  // namespace

FieldReader::FieldReader(std::string utf8Text) : data_(std::move(utf8Text)) {}

void FieldReader::skipBlankAndEmptyLines() {
    while (pos_ < data_.size() && (isBlank(data_[pos_]) || isLineEnd(data_[pos_]))) ++pos_;
}

bool FieldReader::atEnd() {
    skipBlankAndEmptyLines();
    return pos_ >= data_.size();
}

std::optional<std::string> FieldReader::nextField() {
    if (error_) return std::nullopt;
    // Leading blanks and empty lines belong to no field.
    skipBlankAndEmptyLines();
    if (pos_ >= data_.size()) {
        error_ = fehlerEndeDerDatei();
        return std::nullopt;
    }
    std::string value;
    if (data_[pos_] == '"') {
        std::size_t close = data_.find('"', pos_ + 1);
        if (close == std::string::npos) close = data_.size();
        value = data_.substr(pos_ + 1, close - pos_ - 1);
        pos_ = close < data_.size() ? close + 1 : close;
        // Whatever follows the closing quote up to the separator is ignored.
        while (pos_ < data_.size() && data_[pos_] != ',' && !isLineEnd(data_[pos_])) ++pos_;
    } else {
        std::size_t start = pos_;
        while (pos_ < data_.size() && data_[pos_] != ',' && !isLineEnd(data_[pos_])) ++pos_;
        value = trim(std::string_view(data_).substr(start, pos_ - start));
    }
    // Consume the separator. A comma directly followed by the line end (or by
    // blanks and the line end) opens no extra field.
    if (pos_ < data_.size() && data_[pos_] == ',') {
        ++pos_;
        std::size_t p = pos_;
        while (p < data_.size() && isBlank(data_[p])) ++p;
        if (p < data_.size() && isLineEnd(data_[p])) pos_ = p;
    }
    if (pos_ < data_.size() && data_[pos_] == '\r') ++pos_;
    if (pos_ < data_.size() && data_[pos_] == '\n') ++pos_;
    return value;
}

std::string FieldReader::text() {
    auto f = nextField();
    return f ? *f : std::string();
}

double FieldReader::leadingNumber(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && isBlank(s[i])) ++i;
    // Most fields are plain whole numbers: read them without the general path.
    {
        std::size_t j = i;
        const bool minus = j < s.size() && s[j] == '-';
        if (minus || (j < s.size() && s[j] == '+')) ++j;
        const std::size_t ziffern = j;
        long long wert = 0;
        while (j < s.size() && j - ziffern < 15 && std::isdigit(static_cast<unsigned char>(s[j]))) wert = wert * 10 + (s[j++] - '0');
        const bool ende = j == s.size() || !(std::isdigit(static_cast<unsigned char>(s[j])) || s[j] == '.' || s[j] == 'E' ||
                                             s[j] == 'e' || s[j] == 'D' || s[j] == 'd');
        if (j > ziffern && ende) return minus ? -static_cast<double>(wert) : static_cast<double>(wert);
    }
    std::string num;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) num += s[i++];
    bool digits = false;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) { num += s[i++]; digits = true; }
    if (i < s.size() && s[i] == '.') {
        num += s[i++];
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) { num += s[i++]; digits = true; }
    }
    if (!digits) return 0.0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        std::string exp = "e";
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) exp += s[j++];
        bool expDigits = false;
        while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) { exp += s[j++]; expDigits = true; }
        if (expDigits) num += exp;
    }
    // strtod in the "C" locale: a point is the decimal separator on every system.
    return std::strtod(num.c_str(), nullptr);
}

double FieldReader::number() {
    auto f = nextField();
    return f ? leadingNumber(*f) : 0.0;
}

float FieldReader::single() {
    double v = number();
    // Overflow only when the value does not round to a finite float: the
    // largest float, written in its shortest form, must read back.
    if (!std::isfinite(v) || std::isinf(static_cast<float>(v))) {
        if (!error_) error_ = fehlerUeberlauf();
        return 0.0f;
    }
    return static_cast<float>(v);
}

template <typename T> T FieldReader::whole() {
    double v = std::nearbyint(number());  // the default rounding mode rounds half to even
    if (error_) return T{};
    if (v < static_cast<double>(std::numeric_limits<T>::min()) || v > static_cast<double>(std::numeric_limits<T>::max())) {
        error_ = fehlerUeberlauf();
        return T{};
    }
    return static_cast<T>(v);
}

std::int16_t FieldReader::integer() { return whole<std::int16_t>(); }
std::int32_t FieldReader::longValue() { return whole<std::int32_t>(); }
std::uint8_t FieldReader::byte() { return whole<std::uint8_t>(); }

}  // namespace tarvis::io
