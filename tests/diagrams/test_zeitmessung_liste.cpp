// tests/diagrams/test_zeitmessung_liste.cpp - events going into the open list box one line at a time
#include "diagramm_hilfe.h"
#include "diagrams/zeitmessung.h"

namespace {

using namespace zeitmessungId;

struct ZeitmessListe : GezeigtFall {
    plattform::Fenster dlg = nullptr;
    void SetUp() override
    {
        GezeigtFall::SetUp();
        zeitmessungUmschalten(d->fenster);
        dlg = pt::offenerDialog(328);
    }
    void TearDown() override
    {
        zeitmessung = {};
        GezeigtFall::TearDown();
    }
    std::string liste() { return pt::dialogElement(dlg, Liste)->text; }
};

// each event's line goes in at the caret: at the end after the program set the box, where
// the user put it otherwise; a pending edit stays pending and is taken over with its lines
TEST_F(ZeitmessListe, EreignisGehtAnDieSchreibmarkeDerListe)
{
    ASSERT_TRUE(dlg);
    ereignisTextEinlesen("0.1\n0.2\n");
    ereignisZeitHinzufuegen(0.3);
    EXPECT_EQ(liste(), "0.10000\r\n0.20000\r\n0.30000\r\n");
    EXPECT_EQ(zeitmessung.ereignisText, liste());
    pt::schreibmarkeSetzen(dlg, Liste, 9);
    ereignisZeitHinzufuegen(0.15);
    ereignisZeitHinzufuegen(0.16);
    EXPECT_EQ(liste(), "0.10000\r\n0.15000\r\n0.16000\r\n0.20000\r\n0.30000\r\n");
    EXPECT_FALSE(pt::dialogElement(dlg, Liste)->geaendert);

    pt::tippen(dlg, Liste, "0.5\r\n");
    ereignisZeitHinzufuegen(0.6);
    EXPECT_EQ(liste(), "0.5\r\n0.60000\r\n");
    EXPECT_TRUE(pt::dialogElement(dlg, Liste)->geaendert);
    pt::fokusVerlassen(dlg, Liste);
    EXPECT_EQ(zeitmessung.ereignisZeiten, (std::vector<double>{0.5, 0.6}));
    EXPECT_EQ(pt::dialogElement(dlg, Anzahl)->text, "Anzahl Punkte:    2");
}

} // namespace
