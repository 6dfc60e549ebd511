#include <cmath>
#include <gtest/gtest.h>

#include <limits>

#include "io/Cp1252.h"
#include "io/FieldReader.h"
#include "io/FieldWriter.h"

using tarvis::io::FieldReader;
using tarvis::io::FieldWriter;

TEST(FieldReader, SeparatesByCommasAndLineBreaksAndSkipsEmptyLines) {
    FieldReader r("\"Projekt A\",12,  3.5 \r\n\r\n\"x\",\r\n7\r\n");
    EXPECT_EQ(r.text(), "Projekt A");
    EXPECT_EQ(r.integer(), 12);
    EXPECT_FLOAT_EQ(r.single(), 3.5f);
    EXPECT_EQ(r.text(), "x");
    // The comma at the end of the line opened no empty field.
    EXPECT_EQ(r.integer(), 7);
    EXPECT_TRUE(r.atEnd());
    EXPECT_TRUE(r.ok());
}

TEST(FieldReader, QuotedTextKeepsBlanksAndCommasAndIgnoresTrailingGarbage) {
    FieldReader r("\"  a, b  \"xyz,\"\",next");
    EXPECT_EQ(r.text(), "  a, b  ");
    EXPECT_EQ(r.text(), "");
    EXPECT_EQ(r.text(), "next");
}

TEST(FieldReader, NumbersTakeTheirLeadingNumberAndRoundHalfToEven) {
    FieldReader r("12abc,abc,2.5,3.5,-2.5,1E2,\"42\"");
    EXPECT_EQ(r.integer(), 12);
    EXPECT_EQ(r.integer(), 0);
    EXPECT_EQ(r.integer(), 2);
    EXPECT_EQ(r.integer(), 4);
    EXPECT_EQ(r.integer(), -2);
    EXPECT_EQ(r.integer(), 100);
    EXPECT_EQ(r.integer(), 42);
    EXPECT_TRUE(r.ok());
}

// Plain whole numbers take a short way; it must read what the general one reads.
TEST(FieldReader, WholeNumbersReadTheSameWithSignsZerosAndLongDigitRuns) {
    FieldReader r("+5,-0,007, 42 ,123456789012345,1234567890123456789,12D1,-7.,1e");
    EXPECT_EQ(r.number(), 5.0);
    const double minusNull = r.number();
    EXPECT_EQ(minusNull, 0.0);
    EXPECT_TRUE(std::signbit(minusNull));
    EXPECT_EQ(r.number(), 7.0);
    EXPECT_EQ(r.number(), 42.0);
    EXPECT_EQ(r.number(), 123456789012345.0);
    EXPECT_EQ(r.number(), 1234567890123456789.0);
    EXPECT_EQ(r.number(), 120.0);
    EXPECT_EQ(r.number(), -7.0);
    EXPECT_EQ(r.number(), 1.0);
    EXPECT_TRUE(r.ok());
}

TEST(FieldReader, ErrorsAreStickyAndNumbered) {
    FieldReader past("1");
    past.integer();
    past.integer();
    ASSERT_FALSE(past.ok());
    EXPECT_EQ(past.error()->nummer, 62);

    FieldReader overflow("40000,5");
    EXPECT_EQ(overflow.integer(), 0);
    EXPECT_EQ(overflow.error()->nummer, 6);
    EXPECT_EQ(overflow.integer(), 0);  // still failed

    FieldReader tooBig("1E39");
    tooBig.single();
    EXPECT_EQ(tooBig.error()->nummer, 6);

    FieldReader byte("256");
    byte.byte();
    EXPECT_FALSE(byte.ok());
    FieldReader longValue("40000");
    EXPECT_EQ(longValue.longValue(), 40000);
}

TEST(FieldWriter, WritesQuotedTextsBareNumbersAndCrLf) {
    FieldWriter w;
    w.text("Sachbearbeiter: ").text("Meier").endLine();
    w.number(12LL).single(0.5f).single(12.0f).single(1e20f).endLine();
    EXPECT_EQ(w.str(), "\"Sachbearbeiter: \",\"Meier\"\r\n12,0.5,12,1E+20\r\n");
}

TEST(FieldWriter, SinglesReadBackExactly) {
    for (float v : {0.1f, 3.3333333f, 1825.25f, -0.75f, 123456.7f, std::numeric_limits<float>::max(),
                    -std::numeric_limits<float>::max()}) {
        FieldWriter w;
        w.single(v);
        FieldReader r(w.str());
        EXPECT_EQ(r.single(), v) << w.str();
    }
}

TEST(Cp1252, ConvertsBothWaysAndReplacesWhatItCannotHold) {
    EXPECT_EQ(tarvis::io::utf8ToCp1252("Größe €"), "Gr\xF6\xDF" "e \x80");
    EXPECT_EQ(tarvis::io::cp1252ToUtf8("Gr\xF6\xDF" "e \x80"), "Größe €");
    EXPECT_EQ(tarvis::io::utf8ToCp1252("a\xE2\x86\x92" "b"), "a?b");  // an arrow has no CP1252 byte
    EXPECT_EQ(tarvis::io::utf8Length("Größe"), 5u);
    EXPECT_EQ(tarvis::io::utf8Left("Größe", 3), "Grö");
}
