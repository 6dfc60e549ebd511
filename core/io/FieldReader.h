#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "io/IoError.h"

namespace tarvis::io {

// Reads the comma-and-quote text files of the program field by field, the
// way they have always been read: commas and line breaks separate fields,
// empty lines give no field, a comma at the end of a line opens no extra
// field, text after a closing quote up to the next separator is ignored,
// unquoted fields are trimmed. A number field takes the leading number of its
// text (none gives 0), whole-number targets round half to even.
//
// Errors are sticky: after the first one (reading past the end, a value out
// of its variable's range) every further read returns an empty value and
// error() tells what happened.
class FieldReader {
public:
    explicit FieldReader(std::string utf8Text);

    bool atEnd();
    bool ok() const { return !error_.has_value(); }
    const std::optional<IoError>& error() const { return error_; }

    std::string text();
    double number();          // any number, as written
    float single();
    std::int16_t integer();   // 16-bit
    std::int32_t longValue(); // 32-bit
    std::uint8_t byte();

    // The leading number of a text (0 when it has none).
    static double leadingNumber(std::string_view s);

private:
    std::optional<std::string> nextField();
    template <typename T> T whole();
    void skipBlankAndEmptyLines();

    std::string data_;
    std::size_t pos_ = 0;
    std::optional<IoError> error_;
};

}  // namespace tarvis::io
