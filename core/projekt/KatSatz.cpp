#include "projekt/KatSatz.h"

#include <bit>
#include <cctype>

#include "io/Cp1252.h"
#include "projekt/Zustand.h"

namespace tarvis {
namespace {

class Decoder {
public:
    explicit Decoder(std::string_view b) : b_(b) {}
    unsigned char byte(std::size_t i) const { return i < b_.size() ? static_cast<unsigned char>(b_[i]) : 0; }
    std::string text(std::size_t off, std::size_t len) const {
        std::string raw(len, ' ');
        for (std::size_t i = 0; i < len; ++i) {
            char c = static_cast<char>(byte(off + i));
            if (c != '\0') raw[i] = c;  // an unwritten field reads as blanks
        }
        return io::cp1252ToUtf8(raw);
    }
    std::uint32_t u32(std::size_t off) const {
        return std::uint32_t(byte(off)) | std::uint32_t(byte(off + 1)) << 8 | std::uint32_t(byte(off + 2)) << 16 |
               std::uint32_t(byte(off + 3)) << 24;
    }
    std::int16_t i16(std::size_t off) const {
        return static_cast<std::int16_t>(std::uint16_t(byte(off) | byte(off + 1) << 8));
    }
    float f32(std::size_t off) const { return std::bit_cast<float>(u32(off)); }

private:
    std::string_view b_;
};

void putText(std::string& out, std::size_t off, std::size_t len, const std::string& utf8) {
    std::string raw = io::utf8ToCp1252(utf8);
    raw.resize(len, ' ');
    out.replace(off, len, raw);
}
void putU32(std::string& out, std::size_t off, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out[off + static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
}
void putI16(std::string& out, std::size_t off, std::int16_t v) {
    auto u = static_cast<std::uint16_t>(v);
    out[off] = static_cast<char>(u & 0xFF);
    out[off + 1] = static_cast<char>(u >> 8);
}

}  // namespace

KatSatz KatSatz::ausBytes(std::string_view bytes) {
    Decoder d(bytes);
    KatSatz s;
    s.Frei.clear();
    for (std::size_t i = 0; i < 4; ++i) s.Frei += static_cast<char>(d.byte(i));
    s.Kennung = d.text(4, 3);
    s.Bezeichnung = d.text(7, 30);
    s.Sachnummer = d.text(37, 13);
    s.LIBEXIntr = d.text(50, 9);
    s.Typ = d.text(59, 1);
    s.LIBEXBrand = d.text(60, 9);
    s.Ruhe12 = d.f32(69);
    s.AlarmBrand = d.i16(73);
    s.AlarmIntr = d.i16(75);
    s.Strom35 = d.f32(77);
    s.Strom28 = d.f32(81);
    s.AdrEin = d.i16(85);
    s.AdrAus = d.i16(87);
    s.SpeicherRLM = d.i16(89);
    s.SpeicherRAM = d.i16(91);
    s.SpeicherRLMTL = d.i16(93);
    s.DruckKennz = d.byte(95);
    return s;
}

bool KatSatz::stromNegativ(std::string_view bytes) {
    Decoder d(bytes);
    return d.f32(69) < 0 || d.i16(73) < 0 || d.i16(75) < 0 || d.f32(77) < 0 || d.f32(81) < 0;
}

std::string KatSatz::zuBytes() const {
    std::string out(kLaenge, '\0');
    for (std::size_t i = 0; i < 4 && i < Frei.size(); ++i) out[i] = Frei[i];
    putText(out, 4, 3, Kennung);
    putText(out, 7, 30, Bezeichnung);
    putText(out, 37, 13, Sachnummer);
    putText(out, 50, 9, LIBEXIntr);
    putText(out, 59, 1, Typ);
    putText(out, 60, 9, LIBEXBrand);
    putU32(out, 69, std::bit_cast<std::uint32_t>(Ruhe12));
    putI16(out, 73, AlarmBrand);
    putI16(out, 75, AlarmIntr);
    putU32(out, 77, std::bit_cast<std::uint32_t>(Strom35));
    putU32(out, 81, std::bit_cast<std::uint32_t>(Strom28));
    putI16(out, 85, AdrEin);
    putI16(out, 87, AdrAus);
    putI16(out, 89, SpeicherRLM);
    putI16(out, 91, SpeicherRAM);
    putI16(out, 93, SpeicherRLMTL);
    out[95] = static_cast<char>(DruckKennz);
    return out;
}

bool KatalogZeileArt(const KatSatz& s) {
    const std::string& b = s.Bezeichnung.str();
    if (b.find_first_not_of(' ') == std::string::npos) return true;
    if (b[0] == ' ') return true;
    // Numbered heading: ".)" starting at one of the positions 1..4, and the
    // first two characters read as a number above 0.
    auto p = b.find(".)");
    if (p != std::string::npos && p <= 3) {
        int n = 0;
        for (std::size_t i = 0; i < 2 && i < b.size() && std::isdigit(static_cast<unsigned char>(b[i])); ++i)
            n = n * 10 + (b[i] - '0');
        if (n > 0) return true;
    }
    return false;
}

const std::string& LIBEXCode(const KatSatz& s, int zentralenTyp) {
    return istBrandzentrale(zentralenTyp) ? s.LIBEXBrand.str() : s.LIBEXIntr.str();
}

const std::string& LIBEXCodeSchwerpunkt(const KatSatz& s, std::string_view schwerpunkt) {
    return schwerpunkt == "B" ? s.LIBEXBrand.str() : s.LIBEXIntr.str();
}

}  // namespace tarvis
