// tests/resources/test_permutationsfenstermenue.cpp - the menu of the permutation display
// window (208 German, 306 English)
#include "resources/befehle.h"
#include "resources/permutationsfenstermenue.h"
#include <gtest/gtest.h>
#include <set>

namespace art = plattform::menueArt;

// Both languages list the same rows; the display's six commands stand in it once each.
TEST(PermutationsFensterMenue, BeideSprachenMitDenSechsBefehlen)
{
    ASSERT_EQ(permutationsFensterMenue208.size(), permutationsFensterMenue306.size());
    std::multiset<int> befehle;
    for (size_t i = 0; i < permutationsFensterMenue208.size(); ++i) {
        const auto& d = permutationsFensterMenue208[i];
        const auto& e = permutationsFensterMenue306[i];
        EXPECT_EQ(std::tie(d.ebene, d.art, d.befehl), std::tie(e.ebene, e.art, e.befehl)) << d.text;
        if (!(d.art & (art::Untermenue | art::Trenner)))
            befehle.insert(d.befehl);
    }
    EXPECT_EQ(befehle, (std::multiset<int>{pmtFensterBefehlDiagramm, pmtFensterBefehlSpikesUndBalken,
                                           befehlPmtSpikefolgeBewerten, pmtFensterBefehlSpikefolgeParameter,
                                           befehlPmtBurstdaten, pmtFensterBefehlBeenden}));
    EXPECT_EQ(permutationsFensterMenueTabelle(1033).data(), permutationsFensterMenue306.data());
    EXPECT_EQ(permutationsFensterMenueTabelle(1031).data(), permutationsFensterMenue208.data());
}
