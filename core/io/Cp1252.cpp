#include "io/Cp1252.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <vector>

namespace tarvis::io {
namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts, replacing each input character that cannot be converted by
    // `replacement`; `skip` tells how many input bytes such a character has.
    template <typename Skip>
    std::string run(std::string_view in, std::string_view replacement, Skip skip) {
        std::string out;
        if (cd_ == reinterpret_cast<iconv_t>(-1)) return std::string(in);
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        // A piece at a time: a large file must not need four times its size at once.
        std::vector<char> buf(std::min<std::size_t>(in.size() * 4 + 16, 65536));
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        while (srcLeft > 0) {
            char* dst = buf.data();
            std::size_t dstLeft = buf.size();
            std::size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buf.data(), static_cast<std::size_t>(dst - buf.data()));
            if (r == static_cast<std::size_t>(-1)) {
                if (errno == E2BIG) continue;
                // EILSEQ or EINVAL: replace one character and go on.
                std::size_t n = skip(std::string_view(src, srcLeft));
                out.append(replacement);
                src += n;
                srcLeft -= n;
            }
        }
        return out;
    }

private:
    iconv_t cd_;
};

std::size_t utf8SequenceLength(std::string_view s) {
    auto c = static_cast<unsigned char>(s.front());
    std::size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 1;
    return n > s.size() ? s.size() : n;
}

}  // namespace

namespace {
bool nurAscii(std::string_view s) {
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}
}  // namespace

std::string cp1252ToUtf8(std::string_view bytes) {
    // Most fields are plain ASCII, which reads the same in both encodings.
    if (nurAscii(bytes)) return std::string(bytes);
    // The five undefined CP1252 bytes (0x81, 0x8D, 0x8F, 0x90, 0x9D) become U+FFFD.
    thread_local Converter c("UTF-8", "CP1252");
    return c.run(bytes, "\xEF\xBF\xBD", [](std::string_view) { return std::size_t{1}; });
}

std::string utf8ToCp1252(std::string_view utf8) {
    if (nurAscii(utf8)) return std::string(utf8);
    thread_local Converter c("CP1252", "UTF-8");
    return c.run(utf8, "?", utf8SequenceLength);
}

std::size_t utf8Length(std::string_view utf8) {
    std::size_t n = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

std::string utf8Left(std::string_view utf8, std::size_t n) {
    std::size_t pos = 0;
    std::size_t count = 0;
    while (pos < utf8.size()) {
        if ((static_cast<unsigned char>(utf8[pos]) & 0xC0) != 0x80) {
            if (count == n) break;
            ++count;
        }
        ++pos;
    }
    return std::string(utf8.substr(0, pos));
}

}  // namespace tarvis::io
