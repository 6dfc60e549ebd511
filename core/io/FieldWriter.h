#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace tarvis::io {

// Writes the comma-and-quote text format line by line: texts in double quotes,
// numbers bare with a decimal point, fields of one line separated by commas,
// every line ended with CR LF. The result is UTF-8; the file boundary turns it
// into CP1252.
class FieldWriter {
public:
    FieldWriter& text(std::string_view s);
    FieldWriter& number(long long v);
    FieldWriter& single(float v);
    FieldWriter& number(double v);
    // Ends the current line.
    FieldWriter& endLine();
    // A whole line written as it stands (no quotes, no separators).
    FieldWriter& rawLine(std::string_view s);

    const std::string& str() const { return out_; }

    // The shortest decimal text that reads back as the same float ("0.5", "12", "1E+20").
    static std::string formatSingle(float v);
    static std::string formatDouble(double v);

private:
    void separator();
    std::string out_;
    bool lineHasField_ = false;
};

}  // namespace tarvis::io
