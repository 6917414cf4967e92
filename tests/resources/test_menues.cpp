// tests/resources/test_menues.cpp - the main menus 101 and 310 and the menus of the modes
// against resources/befehle.h
#include "resources/auswertungsmenue.h"
#include "resources/befehle.h"
#include "resources/menues.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace art = plattform::menueArt;
using Tabelle = std::span<const plattform::MenueZeile>;

struct Konstante {
    std::string name;
    int id;
};

// every constant of resources/befehle.h, read from the header itself so that a new one is
// checked without touching this test
std::vector<Konstante> befehlsKonstanten()
{
    std::ifstream ein(VELNOR_QUELLEN "/resources/befehle.h");
    const std::string text(std::istreambuf_iterator<char>(ein), {});
    static const std::regex muster(R"(constexpr int (befehl\w+) = (\d+);)");
    std::vector<Konstante> k;
    for (std::sregex_iterator i(text.begin(), text.end(), muster), e; i != e; ++i)
        k.push_back({(*i)[1], std::stoi((*i)[2])});
    return k;
}

bool istBereich(const std::string& name) { return name.ends_with("Erste") || name.ends_with("Letzte"); }

// Single commands the main menus leave out on purpose. The permutation commands
// (befehlPmt...) come with the permutation menus 176/308 and are left out by name.
const std::set<int> nichtImHauptmenue = {
    // the neuron context menu (spike times: and the double click)
    befehlPhysiologieKontext, befehlIzhikevichKontext, befehlMorphologieKontext, befehlNeuronNameKontext,
    befehlPotentialbegrenzungKontext, befehlSpikeZeitenKontext, befehlServerAnzeigeNeuron,
    befehlServerEingangsNeuron, befehlServerAusgangsNeuron,
    // the synapse context menu, which needs the synapse under the cursor (the last three: F9 keys)
    befehlSynapseNeuKontext, befehlAusGruppeEntfernen, befehlGruppeNeu, befehlGruppeMitgliederZeigen,
    befehlGruppeBearbeiten, befehlTransmitterdynamik, befehlPspForm, befehlFazilitation,
    // F7 in a diagram window; the server menus 302/304, which no window shows; a replay only
    befehlTasteF7, befehlServerBeenden, befehlServerFensterNeuZeichnen, befehlKaliumDialog,
};

} // namespace

// every pair of menus: the same rows, the same ids, blank texts only for separators
TEST(Hauptmenue, DeutschUndEnglischHabenDenselbenAufbau)
{
    const std::pair<Tabelle, Tabelle> paare[] = {
        {hauptmenue101, hauptmenue310},         {permutationsMenue176, permutationsMenue308},
        {definitionsMenue238, definitionsMenue307}, {fortschrittsMenue234, fortschrittsMenue303},
        {interaktivMenue313, interaktivMenue312}, {auswertungsMenue301, auswertungsMenue311},
    };
    for (const auto& [deutsch, englisch] : paare) {
        ASSERT_EQ(deutsch.size(), englisch.size()) << deutsch[0].text;
        for (size_t i = 0; i < deutsch.size(); ++i) {
            const auto& d = deutsch[i];
            const auto& e = englisch[i];
            SCOPED_TRACE(d.text);
            EXPECT_EQ(std::tie(d.ebene, d.art, d.befehl), std::tie(e.ebene, e.art, e.befehl));
            EXPECT_EQ((*d.text == 0) + (*e.text == 0), (d.art & art::Trenner) ? 2 : 0);
        }
    }
}

// The permutation commands are in the permutation mode's three menus, each once (but the
// two of the display window's own menu); the evaluation window's ten in its menu.
TEST(Modusmenues, JederPermutationsbefehlStehtGenauEinmalDarin)
{
    std::map<int, int> n;
    for (Tabelle t : {permutationsMenue176, definitionsMenue238, fortschrittsMenue234})
        for (const auto& z : t)
            if (!(z.art & (art::Untermenue | art::Trenner)))
                ++n[z.befehl];
    for (const Konstante& k : befehlsKonstanten()) {
        if (!k.name.starts_with("befehlPmt") || istBereich(k.name) || k.id == befehlPmtSpikefolgeBewerten ||
            k.id == befehlPmtBurstdaten)
            continue;
        EXPECT_EQ(n.count(k.id) ? n[k.id] : 0, 1) << k.name;
        n.erase(k.id);
    }
    for (const auto& [id, anzahl] : n)
        ADD_FAILURE() << "permutation menu id " << id << " is no permutation command of befehle.h";

    std::set<int> auswertung;
    for (const auto& z : auswertungsMenue301)
        if (!(z.art & (art::Untermenue | art::Trenner)))
            EXPECT_TRUE(auswertung.insert(z.befehl).second) << z.befehl;
    EXPECT_EQ(auswertung, (std::set<int>{40191, 40193, 40195, 40197, 40206, 40209, 40211, 40213, 40215, 40217}));
}

TEST(Hauptmenue, JederBefehlStehtGenauEinmalInBeiden)
{
    const std::vector<Konstante> konstanten = befehlsKonstanten();
    ASSERT_GT(konstanten.size(), 100u);
    for (Tabelle t : {hauptmenue101, hauptmenue310}) {
        std::map<int, int> n;
        for (const auto& z : t)
            if (!(z.art & (art::Untermenue | art::Trenner)))
                ++n[z.befehl];
        for (const Konstante& k : konstanten) {
            if (istBereich(k.name))
                continue;
            const bool gehoertHinein = !k.name.starts_with("befehlPmt") && !nichtImHauptmenue.count(k.id);
            EXPECT_EQ(n.count(k.id) ? n[k.id] : 0, gehoertHinein ? 1 : 0) << k.name;
            n.erase(k.id);
        }
        for (const auto& [id, anzahl] : n)
            ADD_FAILURE() << "menu id " << id << " (" << anzahl << " times) is no constant of befehle.h";
    }
}

TEST(Hauptmenue, BefehlsnummernUeberschneidenSichNicht)
{
    std::map<std::string, std::pair<int, int>> bereiche;   // stem -> first, last
    std::map<int, std::string> einzeln;
    for (const Konstante& k : befehlsKonstanten()) {
        if (k.name.ends_with("Erste"))
            bereiche[k.name.substr(0, k.name.size() - 5)].first = k.id;
        else if (k.name.ends_with("Letzte"))
            bereiche[k.name.substr(0, k.name.size() - 6)].second = k.id;
        else
            EXPECT_TRUE(einzeln.emplace(k.id, k.name).second) << k.name << " repeats " << k.id;
    }
    for (const auto& [stamm, b] : bereiche) {
        EXPECT_TRUE(b.first > 0 && b.first <= b.second) << stamm;
        for (const auto& [id, name] : einzeln)
            EXPECT_FALSE(id >= b.first && id <= b.second) << name << " lies in " << stamm;
        for (const auto& [anderer, c] : bereiche)
            EXPECT_TRUE(anderer == stamm || b.second < c.first || c.second < b.first)
                << stamm << " overlaps " << anderer;
    }
}

// the printer search deletes the items behind the head: it stands alone in its submenu under "Datei"
TEST(Hauptmenue, DruckerUntermenueHaeltSeinenKopfUnterDatei)
{
    const Tabelle t = hauptmenue101;
    size_t i = 1;
    while (i + 1 < t.size() && t[i].befehl != befehlDruckerUeberschrift)
        ++i;
    ASSERT_LT(i + 1, t.size());
    EXPECT_EQ(std::string(t[i - 1].text), "D&rucker ausw\xE4hlen");
    EXPECT_EQ(t[i - 1].ebene, 1);
    EXPECT_LT(t[i + 1].ebene, t[i].ebene);
    EXPECT_EQ(std::count_if(t.begin(), t.begin() + i, [](const auto& z) { return z.ebene == 0; }), 1);
}
