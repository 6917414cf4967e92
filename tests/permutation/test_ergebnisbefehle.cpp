// tests/permutation/test_ergebnisbefehle.cpp - the result commands of the permutation menu
// through the main window's dispatcher
#include "ergebnis_hilfe.h"

using namespace permutationstest;

namespace {

class Ergebnisbefehle : public ErgebnisFall {
protected:
    void SetUp() override
    {
        ErgebnisFall::SetUp();
        modusAn();
        // values falling with the numbers: sorting by value reverses the file order
        ErgebnisBauer b(2, 3, 2);
        for (int i = 0; i < 5; ++i)
            b.satz(i, 10.0f - static_cast<float>(i), {0.1f});
        b.speichern(ordner + "e.bin");
        boxenVergessen();
    }
    // "Ergebnisse laden" of e.bin; the display opens on as many records as it proposes
    void laden(int befehlId = befehlPmtErgebnisseLaden)
    {
        pt::dateiAntworten({pt::dateiAntwort(ordner + "e.bin")});
        pt::boxAntworten({antwort::Nein});
        pt::dialogSkript(146, {pt::schritt::klicken(1)});
        befehl(befehlId);
    }
    static constexpr uint32_t geladenBits = modusBit::IndexGeladen | modusBit::ErgebnisseVerfuegbar;
};

} // namespace

// Loading sorts by value (unless unsorted), sets the index bits and opens the display; the
// items that need an index are grey before and chosen after; closing unloads and clears the
// bits.
TEST_F(Ergebnisbefehle, LadenSortiertSetztDieBitsUndSchliessenEntlaedt)
{
    EXPECT_TRUE(befehlVerfuegbar(befehlPmtErgebnisseLaden));
    EXPECT_FALSE(befehlVerfuegbar(befehlPmtSortNummer));
    laden();
    EXPECT_EQ(nummern(), (std::vector<int>{4, 3, 2, 1, 0}));
    EXPECT_EQ(modusStatus & geladenBits, geladenBits);
    EXPECT_TRUE(modusStatus & modusBit::ErgebnisseAngezeigt);
    EXPECT_TRUE(befehlVerfuegbar(befehlPmtSortNummer));
    befehl(befehlPmtSortNummer);
    EXPECT_EQ(nummern(), (std::vector<int>{0, 1, 2, 3, 4}));
    befehl(befehlPmtSortGueteAbsteigend);
    EXPECT_EQ(nummern(), (std::vector<int>{0, 1, 2, 3, 4}));
    befehl(befehlPmtSortGuete);
    EXPECT_EQ(nummern(), (std::vector<int>{4, 3, 2, 1, 0}));

    laden(befehlPmtErgebnisseUnsortiertLaden);
    EXPECT_EQ(nummern(), (std::vector<int>{0, 1, 2, 3, 4}));
    befehl(befehlPmtErgebnisdateienSchliessen);
    EXPECT_TRUE(nichtsGeladen());
    EXPECT_EQ(modusStatus & geladenBits, 0u);

    // a load given up leaves nothing and clears the bits
    modusStatus |= geladenBits;
    pt::dateiAntworten({pt::dateiAbbruch()});
    befehl(befehlPmtErgebnisseLaden);
    EXPECT_EQ(modusStatus & geladenBits, 0u);
}

// While a result file is read or written, another result command is refused (1273) and
// changes nothing; its items are grey.
TEST_F(Ergebnisbefehle, WaehrendEinerDateioperationAbgelehnt)
{
    laden();
    modusStatus |= modusBit::DateiOperation;
    EXPECT_FALSE(befehlVerfuegbar(befehlPmtErgebnisdateienSchliessen));
    pt::boxAntworten({antwort::Ok});
    befehl(befehlPmtErgebnisdateienSchliessen);
    EXPECT_EQ(boxen().back(), meldungsTexte[1273]);
    EXPECT_EQ(z().index.size(), 5u);
    modusStatus &= ~modusBit::DateiOperation;
}

// The partial save asks how many; the count change loads that many records and opens the
// display; duplicates found unload and clear the bits.
TEST_F(Ergebnisbefehle, TeilweiseSpeichernAnzahlUndDubletten)
{
    laden();
    pt::dialogSkript(146, {pt::schritt::tippen(1251, "3"), pt::schritt::klicken(1)});
    pt::dateiAntworten({pt::dateiAntwort(ordner + "drei.inx")});
    befehl(befehlPmtIndexPartiellSpeichern);
    IndexKopf k;
    ASSERT_TRUE(indexKopfDekodieren(testhilfe::lesen(ordner + "drei.inx"), k));
    EXPECT_EQ(k.anzahl, 3);

    pt::dialogSkript(146, {pt::schritt::tippen(1251, "2"), pt::schritt::klicken(1)});
    befehl(befehlPmtErgebnisAnzahl);
    EXPECT_EQ(z().ergebnisse.size(), 2u);
    EXPECT_TRUE(modusStatus & modusBit::ErgebnisseAngezeigt);

    z().index[1].nummer = z().index[0].nummer;
    pt::boxAntworten({antwort::Nein});
    befehl(befehlPmtDublettenSuchen);
    EXPECT_TRUE(nichtsGeladen());
    EXPECT_EQ(modusStatus & geladenBits, 0u);
}
