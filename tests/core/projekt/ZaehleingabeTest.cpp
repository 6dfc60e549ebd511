#include <gtest/gtest.h>

#include "projekt/Zaehleingabe.h"
#include "support/ScriptedMessages.h"

using namespace tarvis;

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
