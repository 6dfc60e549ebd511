#include <gtest/gtest.h>

#include "calc/AusgabePresenter.h"
#include "support/Programme.h"

using namespace tarvis;
using test::ScriptedMessages;

namespace {

using Zeile = std::array<std::string, 4>;

}  // namespace

TEST(Ausgabe, ListsRecords6To700WithAQuantity) {
    Programm p = test::musterProgramm();
    test::zentrale(p.z, 4);
    p.z.CodeModus = "S";
    ScriptedMessages ms;

    for (int i = 1; i <= 5; ++i) p.z.Menge[i] = 3;  // the catalogue's header records
    p.z.Menge[534] = 16;
    p.z.Menge[108] = 1;
    p.z.Menge[700] = 2;
    p.z.Menge[46] = -1;  // nothing below 1 is listed
    AusgabePresenter a(p, ms);
    a.aktivieren();
    const AusgabeAnsicht& v = a.ansicht();
    ASSERT_EQ(v.zeilen.size(), 3u);
    EXPECT_EQ(v.zeilen[0], (Zeile{"108 ", "1 ", "KVT 2000 B deutsch            ", "4.996.110.155"}));
    EXPECT_EQ(v.zeilen[1][1], "16 ");
    EXPECT_EQ(v.zeilen[2][0], "700 ");
}
