#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "io/Cp1252.h"

namespace tarvis {

// A fixed-length text of N characters: padded with blanks on assignment, cut
// when longer. Fixed-length fields of the files and of the project keep this
// shape everywhere they are compared or written.
template <std::size_t N> class FestText {
public:
    FestText() : s_(N, ' ') {}
    FestText(std::string_view s) { assign(s); }
    FestText(const char* s) { assign(s); }
    FestText(const std::string& s) { assign(s); }

    FestText& operator=(std::string_view s) { assign(s); return *this; }
    FestText& operator=(const char* s) { assign(s); return *this; }
    FestText& operator=(const std::string& s) { assign(s); return *this; }

    const std::string& str() const { return s_; }
    operator const std::string&() const { return s_; }
    // Without the padding blanks at the end.
    std::string trimmed() const {
        auto e = s_.find_last_not_of(' ');
        return e == std::string::npos ? std::string() : s_.substr(0, e + 1);
    }

    friend bool operator==(const FestText& a, const FestText& b) { return a.s_ == b.s_; }
    friend bool operator==(const FestText& a, std::string_view b) { return a.s_ == FestText(b).s_; }
    friend bool operator==(const FestText& a, const char* b) { return a.s_ == FestText(b).s_; }
    friend bool operator==(const FestText& a, const std::string& b) { return a.s_ == FestText(b).s_; }

private:
    void assign(std::string_view s) {
        if (s.size() == N && io::utf8Length(s) == N) {
            s_.assign(s);  // already of its length, the common case of file fields
            return;
        }
        s_ = io::utf8Left(s, N);
        std::size_t len = io::utf8Length(s_);
        if (len < N) s_.append(N - len, ' ');
    }
    std::string s_;
};

}  // namespace tarvis
