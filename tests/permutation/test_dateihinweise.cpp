// tests/permutation/test_dateihinweise.cpp - a result file that cannot be read or written is
// a notice: the command gives up or goes on without it, and nothing ends the program
#include "ergebnis_hilfe.h"

using namespace permutationstest;

namespace {

class Dateihinweise : public ErgebnisFall {
protected:
    void SetUp() override
    {
        ErgebnisFall::SetUp();
        modusAn();
        std::filesystem::create_directory(ordner + "daten");
        boxenVergessen();
    }
    // the boxes since boxenVergessen: title and whether OK was their only button
    std::vector<std::pair<std::string, bool>> formen() const
    {
        std::vector<std::pair<std::string, bool>> f;
        for (size_t i = boxenVorher; i < pt::boxLog().size(); ++i)
            f.emplace_back(pt::boxLog()[i].titel, (pt::boxLog()[i].art & 0xF) == knoepfe::Ok);
        return f;
    }
    void programmLaeuft()
    {
        EXPECT_FALSE(programmEndet());
        EXPECT_TRUE(istFenster(haupt()));
        EXPECT_EQ(NeuronFall::nummern(), (std::vector<int>{1, 2, 3, 4}));
        EXPECT_TRUE(modusStatus & modusBit::Permutationsmodus);
    }
};

} // namespace

// The index of a folder's result files: one name leads nowhere (a link to a file that is
// gone). Its scan says so in a notice and the others are indexed.
TEST_F(Dateihinweise, EineUnlesbareDateiDesMustersIstEinHinweis)
{
    ErgebnisBauer b(2, 3, 2);
    for (int i = 0; i < 3; ++i)
        b.satz(i, 1.0f, {0.1f});
    b.speichern(ordner + "daten/a.bin");
    std::filesystem::create_symlink(ordner + "daten/fehlt.bin", ordner + "daten/b.bin");
    pt::dateiAntworten({pt::dateiAntwort(ordner + "daten/a.bin"), pt::dateiAntwort(ordner + "daten/idx.inx")});
    pt::dialogSkript(146, {pt::schritt::tippen(1251, "*.bin"), pt::schritt::klicken(1)});
    pt::boxAntworten({antwort::Ok, antwort::Ok});
    befehl(befehlPmtIndexAusBinDateien);
    EXPECT_EQ(boxen(), (std::vector<std::string>{meldungFormatieren(73, ordner + "daten/b.bin"),
                                                 meldungFormatieren(230, 1, ordner + "daten/*.bin")}));
    EXPECT_EQ(formen()[0], std::pair(std::string("Hinweis"), true));
    EXPECT_EQ(nummern(), (std::vector<int>{0, 1, 2}));
    EXPECT_TRUE(std::filesystem::exists(ordner + "daten/idx.inx"));
    programmLaeuft();
}

// "Ergebnisse laden" of a file, then a copy into a folder that is not there: the output
// cannot be opened, a notice says so, and the loaded results stay.
TEST_F(Dateihinweise, EineNichtSchreibbareKopieIstEinHinweis)
{
    ErgebnisBauer b(2, 3, 2);
    for (int i = 0; i < 3; ++i)
        b.satz(i, 1.0f, {0.1f});
    b.speichern(ordner + "e.bin");
    pt::dateiAntworten({pt::dateiAntwort(ordner + "e.bin")});
    pt::boxAntworten({antwort::Nein});
    pt::dialogSkript(146, {pt::schritt::klicken(1)});
    befehl(befehlPmtErgebnisseLaden);
    ASSERT_EQ(nummern().size(), 3u);

    boxenVergessen();
    pt::dateiAntworten({pt::dateiAntwort(ordner + "fehlt/kopie1.bin")});
    pt::boxAntworten({antwort::Ja, antwort::Ok});      // "kopie1" numbers from 1 on; then the notice
    befehl(befehlPmtNeueBinDatei);
    ASSERT_FALSE(boxen().empty());
    EXPECT_EQ(boxen().back(), meldungFormatieren(74, ordner + "fehlt/kopie1 0001.bin"));
    EXPECT_EQ(formen().back(), std::pair(std::string("Hinweis"), true));
    EXPECT_EQ(nummern().size(), 3u);
    programmLaeuft();
}
