#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "projekt/FestText.h"

namespace tarvis {

// One article of the catalogue TARVIS.ART: a 96-byte record, numbers
// little-endian, texts blank-padded CP1252 (held here as UTF-8).
struct KatSatz {
    std::string Frei = std::string(4, '\0');  // first four bytes, never read
    FestText<3> Kennung;
    FestText<30> Bezeichnung;
    FestText<13> Sachnummer;
    FestText<9> LIBEXIntr;
    FestText<1> Typ;
    FestText<9> LIBEXBrand;
    float Ruhe12 = 0;
    std::int16_t AlarmBrand = 0;
    std::int16_t AlarmIntr = 0;
    float Strom35 = 0;
    float Strom28 = 0;
    std::int16_t AdrEin = 0;
    std::int16_t AdrAus = 0;
    std::int16_t SpeicherRLM = 0;
    std::int16_t SpeicherRAM = 0;
    std::int16_t SpeicherRLMTL = 0;
    std::uint8_t DruckKennz = 0;

    static constexpr std::size_t kLaenge = 96;

    // Decodes a record (shorter input is read as if padded with zero bytes).
    static KatSatz ausBytes(std::string_view bytes);
    // Whether a record holds a current below zero (quiescent, alarm, 35 or
    // 28 V): a damaged record, since a current is never negative.
    static bool stromNegativ(std::string_view bytes);
    std::string zuBytes() const;

    friend bool operator==(const KatSatz&, const KatSatz&) = default;
};

// A heading or blank row of the lists: a numbered heading ("1.) ..."), an
// all-blank designation or one that begins with a blank.
bool KatalogZeileArt(const KatSatz& s);

// The LIBEX code of an article for a panel type: the fire code for fire
// panels (2, 4, 5), otherwise the intrusion code.
const std::string& LIBEXCode(const KatSatz& s, int zentralenTyp);
// The same, chosen by the focus of the article list ("B" fire).
const std::string& LIBEXCodeSchwerpunkt(const KatSatz& s, std::string_view schwerpunkt);

}  // namespace tarvis
