#include "projekt/Texte.h"

#include <charconv>
#include <cstddef>

namespace tarvis::embedded {
extern const unsigned char strings_it[];
extern const std::size_t strings_it_size;
}  // namespace tarvis::embedded

namespace tarvis {
namespace {

const std::map<int, std::string>& tabelle() {
    static const std::map<int, std::string> t = TexteParsen(std::string_view(
        reinterpret_cast<const char*>(embedded::strings_it), embedded::strings_it_size));
    return t;
}

std::string unescape(std::string_view s) {
    if (s.find('\\') == std::string_view::npos) return std::string(s);
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size()) {
            if (s[i + 1] == 'n') { out += '\n'; ++i; continue; }
            if (s[i + 1] == '\\') { out += '\\'; ++i; continue; }
        }
        out += s[i];
    }
    return out;
}

}  // namespace

std::map<int, std::string> TexteParsen(std::string_view tsv) {
    std::map<int, std::string> t;
    std::size_t pos = 0;
    while (pos < tsv.size()) {
        std::size_t end = tsv.find('\n', pos);
        if (end == std::string_view::npos) end = tsv.size();
        std::string_view line = tsv.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        std::size_t tab = line.find('\t');
        int n = 0;
        if (tab != std::string_view::npos) {
            auto r = std::from_chars(line.data(), line.data() + tab, n);
            if (r.ec == std::errc() && r.ptr == line.data() + tab) t[n] = unescape(line.substr(tab + 1));
        }
        pos = end + 1;
    }
    return t;
}

const std::string& Text(int n) {
    const auto& t = tabelle();
    auto it = t.find(n);
    if (it != t.end()) return it->second;
    thread_local std::map<int, std::string> fehlend;
    auto& s = fehlend[n];
    if (s.empty()) s = "[" + std::to_string(n) + "]";
    return s;
}

bool TextVorhanden(int n) { return tabelle().count(n) != 0; }

}  // namespace tarvis
