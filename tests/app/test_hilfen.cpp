// tests/app/test_hilfen.cpp - the spike recording and the file chooser
#include "app_hilfe.h"
#include "app/hilfen.h"

using namespace apphilfe;

namespace {

using Waehler = AppFall;

} // namespace

TEST(Aufzeichnung, WaechstUeberDenErstenBlockUndLoeschenBehaeltDenSchalter)
{
    SpikeAufzeichnung a;
    a.aufzeichnen = 1;
    for (int i = 1; i <= 1001; ++i)
        aufzeichnungEintragen(a, nullptr, 0.001 * i);
    EXPECT_EQ(a.letzterIndex, 1001);
    EXPECT_DOUBLE_EQ(a.ereignisse[1000].zeit, 1.001);
    aufzeichnungLoeschen(a);
    EXPECT_TRUE(a.ereignisse.empty());
    EXPECT_EQ(a.letzterIndex, 0);
    EXPECT_EQ(a.aufzeichnen, 1);
}

TEST_F(Waehler, DateiDialogZerlegtDenFilterUndGibtDieWahlZurueck)
{
    std::string ordnerText = "/daten", name = "netz", endung = "gui";
    const std::string filter("Netzwerkdateien (*.gui)\0*.gui\0Alle Dateien (*.*)\0*.*\0\0", 54);
    pt::dateiAntworten({pt::dateiAntwort("/anders/modell.gui"), pt::dateiAbbruch()});
    EXPECT_NE(dateiDialog(ordnerText, name, endung, filter, "Netzwerk laden", 0), 0);
    EXPECT_EQ(ordnerText, "/anders");
    EXPECT_EQ(name, "modell");
    const DateiWahl& gefragt = pt::dateiWahlLog()[0].gefragt;
    ASSERT_EQ(gefragt.filter.size(), 2u);
    EXPECT_EQ(gefragt.filter[1].muster, "*.*");
    EXPECT_EQ(gefragt.ordner, "/daten");

    // cancelled: nothing changes
    EXPECT_EQ(dateiDialog(ordnerText, name, endung, "Text|*.txt", "x", 1), 0);
    EXPECT_EQ(name, "modell");
    EXPECT_TRUE(pt::dateiWahlLog()[1].gefragt.speichern);
}
