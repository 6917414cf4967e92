// tests/diagrams/test_seiteeinrichten.cpp - the page set-up refuses what the page cannot take:
// margins that leave no room, negative or huge lengths, text without a number
#include "../dialogs/ersatz_hauptfenster.h"
#include "dialogs/seiteeinrichten.h"
#include "model/seiteneinrichtung.h"
#include "platform/box.h"
#include "texts/texte.h"

namespace {

namespace pt = plattform::test;
namespace s = pt::schritt;

struct SeiteEinrichten : ersatz::Fall {
    SeitenEinrichtung seite;
    void SetUp() override
    {
        ersatz::Fall::SetUp();
        std::tie(seite.randLinks, seite.randRechts, seite.randOben, seite.randUnten) = std::tuple(20.0, 20.0, 25.0, 25.0);
        seite.umrandung = seite.kopfzeile = 1;   // their fields open
    }
    static std::vector<std::string> boxen(size_t ab)
    {
        std::vector<std::string> v;
        for (size_t i = ab; i < pt::boxLog().size(); ++i)
            v.push_back(pt::boxLog()[i].text);
        return v;
    }
    static pt::DialogSchritt fokusIn(int id)
    {
        return [id](plattform::Fenster dlg) { EXPECT_EQ(pt::dialogFokus(dlg), id); };
    }
};

} // namespace

// Each refused value gets a notice naming its field, the focus goes there and the dialog
// stays open; Cancel then leaves the record as it was.
TEST_F(SeiteEinrichten, RaenderOhnePlatzUndZahlenAusserhalbWerdenAbgelehnt)
{
    const struct {
        int feld;
        const char* text;
        std::string meldung;
        int fokus;
    } faelle[] = {
        {1362, "150", meldungFormatieren(1270, "links:", "rechts:", "210"), 1363},   // 150 + 100 of 210 mm
        {1360, "-50", meldungFormatieren(958, "oben:", "0", "297"), 1360},
        {1362, "1e30", meldungFormatieren(958, "links:", "0", "210"), 1362},
        {1365, "abc", meldungFormatieren(952, "Strichdicke:"), 1365},
        {1368, "1000", meldungFormatieren(958, "Abstand zum Rand (mm):", "0", "297"), 1368},
        {1366, "7", meldungFormatieren(822, "Linienart (0, 1 oder 2):", 0, 2), 1366},
    };
    for (const auto& f : faelle) {
        const size_t vorher = pt::boxLog().size();
        pt::boxAntworten({plattform::antwort::Ok});
        pt::dialogSkript(153, {s::tippen(1363, "100"), s::tippen(f.feld, f.text), s::klicken(1), fokusIn(f.fokus),
                               s::klicken(2)});
        EXPECT_EQ(seiteEinrichtenOeffnen(fensterhandles.hauptfenster, seite), 2) << f.text;
        EXPECT_EQ(boxen(vorher), std::vector<std::string>{f.meldung}) << f.text;
        EXPECT_EQ(std::tie(seite.randLinks, seite.randRechts, seite.randOben, seite.umrandungDickeMm),
                  std::tuple(20.0, 20.0, 25.0, 0.0));
    }
}

// On the landscape sheet 150 + 100 mm leave room; a switch clicked with a field that holds
// no number keeps the dialog and the switch as they were.
TEST_F(SeiteEinrichten, QuerformatNimmtBreitereRaenderUndEinSchalterWartetAufEineZahl)
{
    pt::boxAntworten({plattform::antwort::Ok});
    pt::dialogSkript(153, {s::tippen(1360, "abc"), s::klicken(1364),
                           [](plattform::Fenster dlg) { EXPECT_TRUE(pt::dialogElement(dlg, 1364)->haken); },   // as it was
                           fokusIn(1360), s::tippen(1360, "12,5"), s::klicken(1385)});
    pt::dialogSkript(153, {s::tippen(1362, "150"), s::tippen(1363, "100"), s::klicken(1)});
    EXPECT_EQ(seiteEinrichtenOeffnen(fensterhandles.hauptfenster, seite), 1);
    EXPECT_EQ(pt::boxLog().back().text, meldungFormatieren(952, "oben:"));
    EXPECT_EQ(std::tie(seite.ausrichtung, seite.randOben, seite.randLinks, seite.randRechts, seite.umrandung),
              std::tuple(seitenAusrichtung::Querformat, 12.5, 150.0, 100.0, 1));
    EXPECT_TRUE(seitenRaenderGueltig(seite));
}
