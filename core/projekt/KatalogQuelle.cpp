#include "projekt/KatalogQuelle.h"

#include <charconv>
#include <limits>
#include <vector>

#include "io/Cp1252.h"
#include "io/FieldWriter.h"

namespace tarvis {

const char* const kKatalogQuelleKopf =
    "Nr\tKennung\tBezeichnung\tSachnummer\tLIBEXIntr\tTyp\tLIBEXBrand\tRuhe12\tAlarmBrand\tAlarmIntr\t"
    "Strom35\tStrom28\tAdrEin\tAdrAus\tSpeicherRLM\tSpeicherRAM\tSpeicherRLMTL\tDruckKennz";

namespace {

std::vector<std::string_view> split(std::string_view line) {
    std::vector<std::string_view> out;
    std::size_t pos = 0;
    while (true) {
        std::size_t tab = line.find('\t', pos);
        out.push_back(line.substr(pos, tab == std::string_view::npos ? std::string_view::npos : tab - pos));
        if (tab == std::string_view::npos) break;
        pos = tab + 1;
    }
    return out;
}

template <typename T> bool parseInt(std::string_view s, T& out) {
    long long v = 0;
    if (s.empty()) { out = 0; return true; }
    auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (r.ec != std::errc() || r.ptr != s.data() + s.size()) return false;
    if (v < std::numeric_limits<T>::min() || v > std::numeric_limits<T>::max()) return false;
    out = static_cast<T>(v);
    return true;
}

bool parseFloat(std::string_view s, float& out) {
    if (s.empty()) { out = 0; return true; }
    auto r = std::from_chars(s.data(), s.data() + s.size(), out);
    return r.ec == std::errc() && r.ptr == s.data() + s.size();
}

// A text field must fit its width and the code page of the file.
bool textOk(std::string_view s, std::size_t width) {
    return io::utf8Length(s) <= width && io::cp1252ToUtf8(io::utf8ToCp1252(s)) == s;
}

std::string trimRight(const std::string& s) {
    auto e = s.find_last_not_of(' ');
    return e == std::string::npos ? std::string() : s.substr(0, e + 1);
}

}  // namespace

io::Result<Katalog> KatalogAusQuelle(std::string_view tsv, std::string* fehlertext) {
    auto fail = [&](int zeile, const std::string& was) -> io::Result<Katalog> {
        if (fehlertext) *fehlertext = "line " + std::to_string(zeile) + ": " + was;
        return io::IoError{13, "Type mismatch"};
    };
    Katalog k;
    std::size_t pos = 0;
    int zeile = 0;
    bool kopf = true;
    while (pos < tsv.size()) {
        std::size_t end = tsv.find('\n', pos);
        if (end == std::string_view::npos) end = tsv.size();
        std::string_view line = tsv.substr(pos, end - pos);
        pos = end + 1;
        ++zeile;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (kopf) {
            kopf = false;
            if (line != kKatalogQuelleKopf) return fail(zeile, "header expected");
            continue;
        }
        if (line.empty()) continue;
        auto f = split(line);
        if (f.size() != 18) return fail(zeile, "18 fields expected, found " + std::to_string(f.size()));
        int nr = 0;
        if (!parseInt(f[0], nr) || nr < 1 || nr > Katalog::kSaetze) return fail(zeile, "record number 1..700 expected");
        if (nr != k.anzahl() + 1) return fail(zeile, "records must be numbered 1, 2, 3 ... in order");
        const std::size_t widths[] = {3, 30, 13, 9, 1, 9};
        for (std::size_t i = 0; i < 6; ++i)
            if (!textOk(f[1 + i], widths[i])) return fail(zeile, "text of field " + std::to_string(i + 2) + " too long or not CP1252");
        KatSatz s;
        s.Kennung = f[1];
        s.Bezeichnung = f[2];
        s.Sachnummer = f[3];
        s.LIBEXIntr = f[4];
        s.Typ = f[5];
        s.LIBEXBrand = f[6];
        bool ok = parseFloat(f[7], s.Ruhe12) && parseInt(f[8], s.AlarmBrand) && parseInt(f[9], s.AlarmIntr) &&
                  parseFloat(f[10], s.Strom35) && parseFloat(f[11], s.Strom28) && parseInt(f[12], s.AdrEin) &&
                  parseInt(f[13], s.AdrAus) && parseInt(f[14], s.SpeicherRLM) && parseInt(f[15], s.SpeicherRAM) &&
                  parseInt(f[16], s.SpeicherRLMTL) && parseInt(f[17], s.DruckKennz);
        if (!ok) return fail(zeile, "a number field is not a number of its range");
        k.setzen(nr, std::move(s));
    }
    if (kopf) return fail(1, "header expected");
    return k;
}

std::string KatalogZuQuelle(const Katalog& k) {
    std::string out = kKatalogQuelleKopf;
    out += '\n';
    for (int n = 1; n <= k.anzahl(); ++n) {
        const KatSatz& s = k.satz(n);
        auto add = [&](const std::string& v) { out += '\t'; out += v; };
        out += std::to_string(n);
        add(trimRight(s.Kennung));
        add(trimRight(s.Bezeichnung));
        add(trimRight(s.Sachnummer));
        add(trimRight(s.LIBEXIntr));
        add(trimRight(s.Typ));
        add(trimRight(s.LIBEXBrand));
        add(io::FieldWriter::formatSingle(s.Ruhe12));
        add(std::to_string(s.AlarmBrand));
        add(std::to_string(s.AlarmIntr));
        add(io::FieldWriter::formatSingle(s.Strom35));
        add(io::FieldWriter::formatSingle(s.Strom28));
        add(std::to_string(s.AdrEin));
        add(std::to_string(s.AdrAus));
        add(std::to_string(s.SpeicherRLM));
        add(std::to_string(s.SpeicherRAM));
        add(std::to_string(s.SpeicherRLMTL));
        add(std::to_string(s.DruckKennz));
        out += '\n';
    }
    return out;
}

}  // namespace tarvis
