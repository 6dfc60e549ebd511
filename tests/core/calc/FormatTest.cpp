#include <gtest/gtest.h>

#include <cmath>

#include "projekt/Format.h"

using namespace tarvis;

TEST(Format, MasksShowDigitsWithItalianSymbols) {
    EXPECT_EQ(Format(1825.4f, "####0"), "1825");
    EXPECT_EQ(Format(1666.67, "#,###0.0"), "1.666,7");
    EXPECT_EQ(Format(1234, "######,0"), "1.234");
    EXPECT_EQ(Format(1234567, "######,0"), "1.234.567");
    EXPECT_EQ(Format(999, "######,0"), "999");
    EXPECT_EQ(Format(0.456, "#,##0.00"), "0,46");
    EXPECT_EQ(Format(12.0, "#,###0.0"), "12,0");
    EXPECT_EQ(Format(7, "000"), "007");
    EXPECT_EQ(Format(1234, "000"), "1234");
}

TEST(Format, RoundsHalfAwayFromZeroOnTheShownDigits) {
    EXPECT_EQ(Format(2.5, "####0"), "3");
    EXPECT_EQ(Format(3.5, "####0"), "4");
    EXPECT_EQ(Format(-2.5, "####0"), "-3");
    EXPECT_EQ(Format(0.125, "#,##0.00"), "0,13");
    EXPECT_EQ(Format(1.005, "#,##0.00"), "1,01");
    EXPECT_EQ(Format(999.96, "#,###0.0"), "1.000,0");
}

TEST(Format, ZeroAndNegativeZero) {
    // A mask without "0" shows nothing for zero.
    EXPECT_EQ(Format(0, "######"), "");
    EXPECT_EQ(Format(0.4, "######"), "");
    EXPECT_EQ(Format(0, "####0"), "0");
    EXPECT_EQ(Format(0, "##,###.0"), ",0");
    EXPECT_EQ(Format(-0.3, "####0"), "-0");
    EXPECT_EQ(Format(-1234.5, "#,###0.0"), "-1.234,5");
}

TEST(Format, AtMasksRightAlignWithoutCutting) {
    EXPECT_EQ(Format(7, "@@@"), "  7");
    EXPECT_EQ(Format(12345, "@@@@"), "12345");
    EXPECT_EQ(FormatText("ab", "@@@@"), "  ab");
    EXPECT_EQ(FormatText("Größe", "@@@@@@"), " Größe");  // counted in characters
}

TEST(ZahlText, PlainNumbers) {
    EXPECT_EQ(ZahlText(0), "0");
    EXPECT_EQ(ZahlText(24), "24");
    EXPECT_EQ(ZahlText(-3), "-3");
    EXPECT_EQ(ZahlText(12.5), "12,5");
    EXPECT_EQ(ZahlText(0.5), "0,5");
    EXPECT_EQ(ZahlText(12.3f), "12,3");  // a Single shows its 7 digits, not the binary tail
    EXPECT_EQ(ZahlText(1.0 / 3), "0,3333333");
    EXPECT_EQ(ZahlText(9999999), "9999999");
    EXPECT_EQ(ZahlText(1e7), "1E+07");
    EXPECT_EQ(ZahlText(12345678), "1,234568E+07");
    // Not a finite number: a word, never digits.
    for (double x : {std::nan(""), HUGE_VAL, -HUGE_VAL}) {
        EXPECT_EQ(ZahlText(x), KeineZahlText());
        EXPECT_EQ(Format(x, "#####00000"), KeineZahlText());
    }
}
