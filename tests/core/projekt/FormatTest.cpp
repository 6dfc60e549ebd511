#include <gtest/gtest.h>

#include <cmath>

#include "projekt/Format.h"

using namespace tarvis;

TEST(Format, MasksShowDigitsWithItalianSymbolsAndRoundHalfAwayFromZero) {
    struct Fall { double wert; const char* maske; const char* text; };
    const Fall faelle[] = {
        {7, "000", "007"},           {2.5, "####0", "3"},             {-2.5, "####0", "-3"},
        {1.005, "#,##0.00", "1,01"}, {999.96, "#,###0.0", "1.000,0"}, {-1234.5, "#,###0.0", "-1.234,5"},
        {0.4, "######", ""},         {0, "####0", "0"},               {0, "##,###.0", ",0"},  // no "0": nothing for zero
        {-0.3, "####0", "-0"},       {7, "@@@", "  7"},               {12345, "@@@@", "12345"},  // right-aligned, never cut
    };
    for (const Fall& f : faelle) EXPECT_EQ(Format(f.wert, f.maske), f.text) << f.wert << " " << f.maske;
    EXPECT_EQ(FormatText("Größe", "@@@@@@"), " Größe");  // counted in characters
}

TEST(ZahlText, PlainNumbersAndNoNumber) {
    EXPECT_EQ(ZahlText(12.3f), "12,3");  // a Single shows its 7 digits, not the binary tail
    EXPECT_EQ(ZahlText(1.0 / 3), "0,3333333");
    EXPECT_EQ(ZahlText(9999999), "9999999");
    EXPECT_EQ(ZahlText(12345678), "1,234568E+07");
    for (double x : {std::nan(""), HUGE_VAL, -HUGE_VAL}) {
        EXPECT_EQ(ZahlText(x), KeineZahlText());
        EXPECT_EQ(Format(x, "#####00000"), KeineZahlText());
    }
}
