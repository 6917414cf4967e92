// tests/permutation/test_indexdatei.cpp - saving the index of the loaded results
#include "permutation_hilfe.h"
#include "permutation/ergebnisdatei.h"
#include "permutation/ergebnisformat.h"

using namespace permutationstest;

namespace {

class Indexdatei : public PermutationFall {
protected:
    void SetUp() override
    {
        PermutationFall::SetUp();
        PermutationsErgebnisZustand& z = permutationsErgebnisse;
        z.dateien.namen = {ordner + "netz 1.bin", ordner + "netz 1 1.bin"};
        z.synapsenAnzahl = 3;
        z.levelAnzahl = 2;
        z.klassen = standardKlassen();
        z.index = {{4, 2361, 0, 12.5f}, {5, 2433, 0, 3.0f}, {-6, 2361, 1, 0.25f}, {2, 2505, 0, 7.0f},
                   {7, 2433, 1, 9.0f}, {1, 2577, 0, 1.0f}};
        z.marke = 0;
        z.version = 1;
    }
};

} // namespace

// All entries but the duplicate, N as written, through a temporary file over the old one;
// the marker and version words become -1 and 2.
TEST_F(Indexdatei, SpeichertDieEintraegeOhneDubletten)
{
    const std::string pfad = ordner + "alle.inx";
    testhilfe::schreiben(pfad, "alt");
    EXPECT_EQ(permutationIndexSpeichern(pfad.c_str(), -1), 6);
    const std::string b = testhilfe::lesen(pfad);
    EXPECT_EQ(b.size(), 8786u + 4 + 5 * 14);
    IndexKopf k;
    std::vector<PermutationsIndexEintrag> e;
    ASSERT_TRUE(indexKopfDekodieren(b, k));
    ASSERT_TRUE(indexEintraegeDekodieren(b, k, e));
    EXPECT_EQ(std::tuple(k.anzahl, k.pfade, e.back().nummer), std::tuple(5, permutationsErgebnisse.dateien.namen, 1));
    EXPECT_EQ(std::tuple(permutationsErgebnisse.marke, permutationsErgebnisse.version,
                         permutationsErgebnisse.eintragsBereich),
              std::tuple(-1, 2, 8786));
    // the first two only
    EXPECT_EQ(permutationIndexSpeichern(pfad.c_str(), 2), 2);
    EXPECT_EQ(testhilfe::lesen(pfad).size(), 8786u + 4 + 2 * 14);
}

// Without a path the save dialog names it; nothing to save is said (218); a result path too
// long for the index refuses and keeps the old file.
TEST_F(Indexdatei, DialogLeereIndizesUndZuLangePfade)
{
    pt::dateiAntworten({pt::dateiAntwort(ordner + "gewaehlt.inx")});
    EXPECT_EQ(permutationIndexSpeichern(nullptr, 3), 3);
    ASSERT_EQ(pt::dateiWahlLog().size(), 1u);
    const DateiWahl& w = pt::dateiWahlLog()[0].gefragt;
    EXPECT_EQ(std::tuple(w.titel, w.name, w.endung, w.speichern),
              std::tuple(std::string("Permutationsindex Speichern"), std::string("netz 1"), std::string("inx"), true));
    EXPECT_TRUE(std::filesystem::exists(ordner + "gewaehlt.inx"));

    const std::string pfad = ordner + "x.inx";
    pt::boxAntworten({antwort::Ok, antwort::Ok, antwort::Ok});
    EXPECT_EQ(permutationIndexSpeichern(pfad.c_str(), 0), 0);
    permutationsErgebnisse.index.clear();
    EXPECT_EQ(permutationIndexSpeichern(pfad.c_str(), -1), 0);
    EXPECT_EQ(boxen(), (std::vector<std::string>{meldungsTexte[218], meldungsTexte[218]}));
    EXPECT_FALSE(std::filesystem::exists(pfad));

    permutationsErgebnisse.index = {{1, 2361, 0, 1.0f}};
    permutationsErgebnisse.dateien.namen[1] = "/" + std::string(259, 'x');
    testhilfe::schreiben(pfad, "alt");
    EXPECT_EQ(permutationIndexSpeichern(pfad.c_str(), -1), 0);
    EXPECT_EQ(boxen().back(), meldungFormatieren(1255, permutationsErgebnisse.dateien.namen[1]));
    EXPECT_EQ(testhilfe::lesen(pfad), "alt");
}
