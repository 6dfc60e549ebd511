#include <gtest/gtest.h>

#include "support/ScriptedMessages.h"
#include "wizard/OLNVernetzPresenter.h"
#include "projekt/Schnittstellen.h"

using namespace tarvis;
using test::ScriptedMessages;

namespace {

class OLNVernetzTest : public ::testing::Test {
protected:
    void SetUp() override {
        ProjektZuruecksetzen(p.z);
        p.z.ZentralenTyp = 4;
        p.z.Tele = 1;
    }
    std::array<int, 6> flags() const {
        const Zustand& z = p.z;
        return {z.OLN1a, z.OLN1b, z.OLN1c, z.OLN2a, z.OLN2b, z.OLN2c};
    }

    Programm p;
    ScriptedMessages ms;
    OLNVernetzPresenter oln{p, ms};
};

}  // namespace

TEST_F(OLNVernetzTest, ShownAsNotNetworkedHoldsNoLinks) {
    p.z.OLNJa = 2;  // shown "no", so held as no, without links
    p.z.OLN1b = 1;
    oln.aktivieren();
    EXPECT_EQ(p.z.OLNJa, 0);
    EXPECT_EQ(flags(), (std::array<int, 6>{0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(oln.weiter());
    EXPECT_EQ(p.z.OLNMenueAktiv, 1);
}

TEST_F(OLNVernetzTest, NoThenYesShowsTheOpticalCouplerOnBothSides) {
    oln.vernetzt(false);
    oln.vernetzt(true);
    EXPECT_EQ(flags(), (std::array<int, 6>{1, 0, 0, 1, 0, 0}));
}

TEST_F(OLNVernetzTest, FibreOnOneSideAndModemOnTheOtherAreTwoInterfaces) {
    oln.vernetzt(true);
    oln.anschluss(1, 1);
    oln.anschluss(2, 2);
    oln.name("Ala est del complesso ospedaliero");
    EXPECT_TRUE(oln.weiter());
    EXPECT_EQ(flags(), (std::array<int, 6>{0, 1, 0, 0, 0, 1}));
    EXPECT_EQ(SchnittstellenAnzahl(p.z), 2);
    EXPECT_EQ(p.z.OLNName, "Ala est del compless");  // cut to 20 characters
}

TEST_F(OLNVernetzTest, StoredLinksBecomeTheOnesShownAndInconsistentOnesAreStillRefused) {
    p.z.OLNJa = 1;
    p.z.OLN1a = p.z.OLN1b = p.z.OLN1c = 1;
    p.z.OLN2b = 2;  // no option shows it: side 2 shows the optical coupler
    oln.aktivieren();
    EXPECT_TRUE(oln.ansicht().seite1[0].gewaehlt);
    EXPECT_TRUE(oln.ansicht().seite2[0].gewaehlt);
    EXPECT_EQ(flags(), (std::array<int, 6>{1, 0, 0, 1, 0, 0}));

    // Flags set without the window (as a file may hold them) are refused.
    p.z.OLN1b = p.z.OLN1c = 1;
    EXPECT_FALSE(oln.weiter());
    EXPECT_EQ(ms.texte().back(), "Max. 2 collegamenti per lato!");
    EXPECT_EQ(p.z.WeiterOK, 0);

    // A link on one side only (as a file may hold it).
    p.z.OLN1b = p.z.OLN1c = 0;
    p.z.OLN2a = 0;
    EXPECT_FALSE(oln.weiter());
    EXPECT_EQ(ms.texte().back(), "Collegamento disponibile per entrambi i lati!");
    p.z.OLN1a = 0;
    EXPECT_FALSE(oln.weiter());
    EXPECT_EQ(ms.texte().back(), "Nessun collegamento stabilito!");
}

TEST_F(OLNVernetzTest, ConfirmingRunsTheInterfaceCountCheckWhichOnlyWarns) {
    oln.vernetzt(true);
    p.z.AnzDrucker = 1;
    p.z.Schnitt1 = 2;
    p.z.Schnitt2 = 2;
    p.z.Tele = 2;  // with the two links: six
    EXPECT_TRUE(oln.weiter());
    EXPECT_EQ(ms.texte(), std::vector<std::string>{"Max. 5 interfacce!"});
    EXPECT_EQ(p.z.ZusAbbruch, 1);
    EXPECT_EQ(p.z.WeiterOK, 1);
}
