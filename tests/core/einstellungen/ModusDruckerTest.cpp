#include <gtest/gtest.h>

#include <algorithm>

#include "einstellungen/ModusPresenter.h"
#include "support/ScriptedMessages.h"

using namespace tarvis;
using test::ScriptedMessages;

namespace {

class ModusTest : public ::testing::Test {
protected:
    static long aktive(const ModusAnsicht& a) {
        return std::count(a.spracheAktiv.begin() + 1, a.spracheAktiv.end(), true);
    }
    static bool nurDeutschAktiv(const ModusAnsicht& a) { return a.spracheAktiv[1] && aktive(a) == 1; }
    Programm p;
    ScriptedMessages ms;
    ModusPresenter m{p, ms};
};

}  // namespace

TEST_F(ModusTest, ItalianSwitchesToPartNumbersAndDisablesLibexGermanEnablesItWithoutSelectingIt) {
    p.z.CodeModus = "V";
    p.z.ProjCodeModus = " ";
    p.z.Sprache = 1;
    m.aktivieren();
    EXPECT_EQ(p.z.ProjCodeModus, "V");
    EXPECT_EQ(m.ansicht().modus, 'V');
    EXPECT_TRUE(nurDeutschAktiv(m.ansicht()));
    m.modusKlick('S');
    EXPECT_EQ(aktive(m.ansicht()), kAnzahlSprachen);
    m.spracheKlick(3);
    ModusAnsicht a = m.ansicht();
    EXPECT_EQ(p.z.Sprache, 3);
    EXPECT_EQ(p.z.CodeModus, "S");
    EXPECT_EQ(a.modus, 'S');
    EXPECT_FALSE(a.libexAktiv);

    m.spracheKlick(1);
    a = m.ansicht();
    EXPECT_TRUE(a.libexAktiv);
    EXPECT_EQ(a.modus, 'S');
    EXPECT_EQ(p.z.CodeModus, "S");

    // LIBEX leaves German as the only language.
    m.modusKlick('V');
    a = m.ansicht();
    EXPECT_EQ(p.z.CodeModus, "V");
    EXPECT_EQ(a.sprache, 1);
    EXPECT_TRUE(nurDeutschAktiv(a));
}

TEST_F(ModusTest, AnotherLanguageStoredWithLibexComesUpAsLibexAndGerman) {
    p.z.CodeModus = "V";
    p.z.ProjCodeModus = "S";
    p.z.Sprache = 9;
    m.aktivieren();
    ModusAnsicht a = m.ansicht();
    EXPECT_EQ(a.modus, 'V');
    EXPECT_EQ(a.sprache, 1);
    EXPECT_TRUE(nurDeutschAktiv(a));
    EXPECT_EQ(p.z.Sprache, 1);
    EXPECT_TRUE(m.ok());
    EXPECT_EQ(p.z.CodeModus, "V");
    EXPECT_EQ(p.z.ProjCodeModus, "V");

    // A language without an option shows German and becomes it.
    p.z.CodeModus = "S";
    p.z.Sprache = 40;
    ModusPresenter m2(p, ms);
    m2.aktivieren();
    EXPECT_EQ(m2.ansicht().sprache, 1);
    EXPECT_EQ(p.z.Sprache, 1);
}

TEST_F(ModusTest, OkWithPartNumbersAndNoLanguageGives765) {
    p.z.CodeModus = "S";
    p.z.Sprache = 0;
    m.aktivieren();
    EXPECT_EQ(m.ansicht().sprache, 0);  // no language shown as chosen
    EXPECT_EQ(p.z.Sprache, 0);
    EXPECT_FALSE(m.ok());
    EXPECT_EQ(ms.texte(), std::vector<std::string>{"Keine Sprache gewählt!"});
    EXPECT_EQ(p.z.ModusOK, 0);
    EXPECT_EQ(p.z.WeiterOK, 0);

    m.spracheKlick(1);
    EXPECT_TRUE(m.ok());
    EXPECT_EQ(p.z.Sprache, 1);
    EXPECT_EQ(p.z.ModusOK, 1);
    EXPECT_EQ(p.z.WeiterOK, 1);
}
