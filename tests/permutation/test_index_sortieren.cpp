// tests/permutation/test_index_sortieren.cpp - sorting the index and marking repeated results
#include "ergebnis_hilfe.h"
#include <cmath>
#include <limits>

using namespace permutationstest;

namespace {

using Sortieren = ErgebnisFall;

std::vector<PermutationsIndexEintrag> mitWerten(std::initializer_list<float> werte)
{
    std::vector<PermutationsIndexEintrag> e;
    int n = 0;
    for (const float w : werte)
        e.push_back({n++, 2113, 0, w});
    return e;
}

std::vector<int> nummernVon(const std::vector<PermutationsIndexEintrag>& e)
{
    std::vector<int> n;
    for (const PermutationsIndexEintrag& x : e)
        n.push_back(x.nummer);
    return n;
}

} // namespace

// Value ascending and descending put NaN last either way (a strict order, as std::sort
// needs it); number ascending; any other key leaves the order. The comparators of the table
// say 0 where neither is greater.
TEST_F(Sortieren, NachWertUndNummerMitNanZuletzt)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    std::vector<PermutationsIndexEintrag> e = mitWerten({2.0f, nan, -1.0f, 7.5f, nan, 2.0f, 0.0f});
    permutationIndexSortierenNach(e, sortierSchluessel::WertAuf);
    EXPECT_EQ(std::vector<float>({e[0].wert, e[1].wert, e[2].wert, e[4].wert}), std::vector<float>({-1.0f, 0.0f, 2.0f, 7.5f}));
    EXPECT_TRUE(std::isnan(e[5].wert) && std::isnan(e[6].wert));
    EXPECT_EQ(statusTexte[0], "\tIndex sortiert");
    permutationIndexSortierenNach(e, sortierSchluessel::WertAb);
    EXPECT_EQ(std::vector<float>({e[0].wert, e[1].wert, e[4].wert}), std::vector<float>({7.5f, 2.0f, -1.0f}));
    EXPECT_TRUE(std::isnan(e[5].wert) && std::isnan(e[6].wert));
    permutationIndexSortierenNach(e, sortierSchluessel::NummerAuf);
    EXPECT_EQ(nummernVon(e), (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
    std::swap(e[0], e[6]);
    permutationIndexSortierenNach(e, 4);
    EXPECT_EQ(e[0].nummer, 6);

    const PermutationsIndexEintrag a{1, 0, 0, 1.0f}, b{2, 0, 0, nan}, c{3, 0, 0, 2.0f};
    EXPECT_EQ(std::tuple(permutationsVergleiche[0](&a, &c), permutationsVergleiche[0](&a, &b), permutationsVergleiche[1](&c, &a),
                         permutationsVergleiche[2](&a, &c)),
              std::tuple(-1, 0, 1, 1));
}

// Among 3, 8, 3, 3, 0, 0 three are repeats (the second 0 too); Yes saves an index of 0, 3
// and 8 with N = 3, and everything is unloaded either way.
TEST_F(Sortieren, DublettenWerdenMarkiertUndOhneSieGespeichert)
{
    const std::string a = datei("a.bin", 1);
    PermutationsErgebnisZustand& zu = z();
    zu.dateien.namen = {a};
    zu.dateien.handles.resize(1);
    zu.synapsenAnzahl = 2;
    zu.levelAnzahl = 3;
    const int32_t o = static_cast<int32_t>(ersterSatzOffset(2, 3, 2));
    zu.index = {{3, o, 0, 1.0f}, {8, o, 0, 1.0f}, {3, o, 0, 1.0f}, {3, o, 0, 1.0f}, {0, o, 0, 1.0f}, {0, o, 0, 1.0f}};
    modusStatus |= modusBit::ErgebnisseVerfuegbar;
    pt::boxAntworten({antwort::Ja});
    pt::dateiAntworten({pt::dateiAntwort(ordner + "ohne.inx")});
    EXPECT_EQ(indexDoppelteMarkieren(zu.index), 3);
    EXPECT_EQ(boxen(), (std::vector<std::string>{meldungFormatieren(232, 3)}));
    EXPECT_TRUE(nichtsGeladen());
    EXPECT_FALSE(modusStatus & modusBit::ErgebnisseVerfuegbar);
    const std::string bytes = testhilfe::lesen(ordner + "ohne.inx");
    IndexKopf k;
    std::vector<PermutationsIndexEintrag> e;
    ASSERT_TRUE(indexKopfDekodieren(bytes, k) && indexEintraegeDekodieren(bytes, k, e));
    EXPECT_EQ(std::tuple(k.anzahl, nummernVon(e)), std::tuple(3, std::vector<int>{0, 3, 8}));
}

// 5, 5, 5, 7: the second and third 5 are marked; without repeats a notice says so (233) and
// the index stays loaded, sorted by number.
TEST_F(Sortieren, DritteGleicheNummerUndKeineDubletten)
{
    std::vector<PermutationsIndexEintrag> e = mitWerten({1.0f, 1.0f, 1.0f, 1.0f});
    e[0].nummer = 5, e[1].nummer = 7, e[2].nummer = 5, e[3].nummer = 5;
    z().index = e;
    pt::boxAntworten({antwort::Nein});
    EXPECT_EQ(indexDoppelteMarkieren(e), 2);
    EXPECT_EQ(nummernVon(e), (std::vector<int>{5, -5, -5, 7}));
    EXPECT_TRUE(nichtsGeladen());

    z().index = {{9, 0, 0, 1.0f}, {4, 0, 0, 1.0f}};
    pt::boxAntworten({antwort::Ok});
    EXPECT_EQ(indexDoppelteMarkieren(z().index), 0);
    EXPECT_EQ(boxen().back(), meldungFormatieren(233, 2));
    EXPECT_EQ(nummern(), (std::vector<int>{4, 9}));
}
