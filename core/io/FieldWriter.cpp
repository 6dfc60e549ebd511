#include "io/FieldWriter.h"

#include <charconv>
#include <cmath>

namespace tarvis::io {
namespace {

template <typename F> std::string shortest(F v) {
    if (v == 0) return "0";
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    std::string s(buf, r.ptr);
    // Exponents are written the classic way: 1E+20, 1.5E-07.
    auto e = s.find('e');
    if (e != std::string::npos) {
        std::string mant = s.substr(0, e);
        std::string exp = s.substr(e + 1);
        char sign = '+';
        if (!exp.empty() && (exp[0] == '-' || exp[0] == '+')) {
            sign = exp[0];
            exp = exp.substr(1);
        }
        while (exp.size() < 2) exp = "0" + exp;
        s = mant + "E" + sign + exp;
    }
    return s;
}

}  // namespace

std::string FieldWriter::formatSingle(float v) { return shortest(v); }
std::string FieldWriter::formatDouble(double v) { return shortest(v); }

void FieldWriter::separator() {
    if (lineHasField_) out_ += ',';
    lineHasField_ = true;
}

FieldWriter& FieldWriter::text(std::string_view s) {
    separator();
    out_ += '"';
    out_ += s;
    out_ += '"';
    return *this;
}

FieldWriter& FieldWriter::number(long long v) {
    separator();
    out_ += std::to_string(v);
    return *this;
}

FieldWriter& FieldWriter::single(float v) {
    separator();
    out_ += formatSingle(v);
    return *this;
}

FieldWriter& FieldWriter::number(double v) {
    separator();
    out_ += formatDouble(v);
    return *this;
}

FieldWriter& FieldWriter::endLine() {
    out_ += "\r\n";
    lineHasField_ = false;
    return *this;
}

FieldWriter& FieldWriter::rawLine(std::string_view s) {
    out_ += s;
    return endLine();
}

}  // namespace tarvis::io
