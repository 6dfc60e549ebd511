#include <gtest/gtest.h>
#include <cmath>

#include "projekt/Format.h"
#include "projekt/Zaehleingabe.h"
#include "support/ScriptedMessages.h"

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

TEST(Zaehleingabe, TheNumberAtTheStartOfTheTextCounts) {
    EXPECT_EQ(ZaehlWert("  7 Stück"), 7);
    EXPECT_EQ(ZaehlWert("-3"), -3);
    EXPECT_EQ(ZaehlWert("abc"), 0);
    EXPECT_EQ(ZaehlWert("99999999999"), 32767);  // held at the 16-bit end, never wraps
    EXPECT_EQ(ZaehlWert("-99999999999"), -32768);
}

TEST(Zaehleingabe, DigitBoxesBeepAtEveryOtherKeyBackspaceIncluded) {
    test::ScriptedMessages ms;
    Zaehlbox ziffern(ZaehlRegel{6, true, true, 1});
    EXPECT_TRUE(ziffern.taste(U'5', ms));
    EXPECT_FALSE(ziffern.taste(U'a', ms));
    EXPECT_FALSE(ziffern.taste(U'\b', ms));
    EXPECT_FALSE(ziffern.taste(U'-', ms));
    EXPECT_EQ(ms.protokoll.size(), 3u);
    EXPECT_EQ(ms.protokoll[0].art, test::ScriptedMessages::Eintrag::Piep);
}

TEST(Zaehleingabe, ANullGivesWayToTheFirstKeyOnlyInBoxesThatSaySo) {
    Zaehlbox b(ZaehlRegel{6, true, true, 1});
    b.zeigen(0);
    b.tasteUnten(0);
    EXPECT_EQ(b.text(), "");
    b.zeigen(3);
    b.tasteUnten(3);
    EXPECT_EQ(b.text(), "3");

    Zaehlbox ohne(ZaehlRegel{60, true, false, 2});
    ohne.zeigen(0);
    ohne.tasteUnten(0);
    EXPECT_EQ(ohne.text(), "0");
}

// Held between zero and the limit: the window tests' count boxes.
TEST(Zaehleingabe, TextChangesKeepWhatWasTypedWithinTheLimit) {
    Zaehlbox b(ZaehlRegel{44, false, true, 2});
    EXPECT_EQ(b.textAendern("12", 24), 12);
    EXPECT_EQ(b.text(), "12");
    EXPECT_EQ(b.textAendern("", 24), 0);  // an emptied box stays empty
    EXPECT_EQ(b.text(), "");

    ZaehlAnsicht a = b.ansicht(30, true, 24);
    EXPECT_EQ(a.wert, 24);  // the scroll bar cannot pass its maximum
    EXPECT_EQ(a.maximum, 24);
}
