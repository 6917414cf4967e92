// tests/resources/test_menues.cpp - the main menus 101 and 310 against resources/befehle.h
#include "resources/menues.h"
#include "resources/befehle.h"
#include <gtest/gtest.h>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
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
    std::stringstream s;
    s << ein.rdbuf();
    const std::string text = s.str();
    static const std::regex muster(R"(constexpr int (befehl\w+) = (\d+);)");
    std::vector<Konstante> k;
    for (std::sregex_iterator i(text.begin(), text.end(), muster), e; i != e; ++i)
        k.push_back({(*i)[1], std::stoi((*i)[2])});
    return k;
}

bool endetMit(const std::string& s, const std::string& ende)
{
    return s.size() >= ende.size() && s.compare(s.size() - ende.size(), ende.size(), ende) == 0;
}

bool istBereich(const std::string& name) { return endetMit(name, "Erste") || endetMit(name, "Letzte"); }

// Single commands the main menus leave out on purpose. The permutation commands
// (befehlPmt...) come with the permutation menus 176/308 and are left out by name.
const std::map<int, const char*> nichtImHauptmenue = {
    {befehlPhysiologieKontext, "neuron context menu"},
    {befehlIzhikevichKontext, "neuron context menu"},
    {befehlMorphologieKontext, "neuron context menu"},
    {befehlNeuronNameKontext, "neuron context menu"},
    {befehlPotentialbegrenzungKontext, "neuron context menu"},
    {befehlSpikeZeitenKontext, "neuron context menu and double click"},
    {befehlSynapseNeuKontext, "context-menu twin of befehlSynapseNeu"},
    {befehlServerAnzeigeNeuron, "neuron context menu"},
    {befehlServerEingangsNeuron, "neuron context menu"},
    {befehlServerAusgangsNeuron, "neuron context menu"},
    {befehlAusGruppeEntfernen, "synapse context menu: needs the synapse under the cursor"},
    {befehlGruppeNeu, "synapse context menu: needs the synapse under the cursor"},
    {befehlGruppeMitgliederZeigen, "synapse context menu: needs the synapse under the cursor"},
    {befehlGruppeBearbeiten, "synapse context menu: needs the synapse under the cursor"},
    {befehlTransmitterdynamik, "synapse context menu and Shift+F9"},
    {befehlPspForm, "synapse context menu and Ctrl+F9"},
    {befehlFazilitation, "synapse context menu and Alt+F9"},
    {befehlTasteF7, "F7 in a diagram window only"},
    {befehlServerBeenden, "server menus 302/304, which no window shows"},
    {befehlServerFensterNeuZeichnen, "server menus 302/304, which no window shows"},
    {befehlKaliumDialog, "only replayed from letzterDialog"},
};

bool gehoertInsHauptmenue(const Konstante& k)
{
    return !istBereich(k.name) && k.name.rfind("befehlPmt", 0) != 0 && !nichtImHauptmenue.count(k.id);
}

std::map<int, int> befehleZaehlen(Tabelle t)
{
    std::map<int, int> n;
    for (const auto& z : t)
        if (!(z.art & (art::Untermenue | art::Trenner)))
            ++n[z.befehl];
    return n;
}

} // namespace

TEST(Hauptmenue, DeutschUndEnglischHabenDenselbenAufbau)
{
    ASSERT_EQ(hauptmenue101.size(), hauptmenue310.size());
    for (size_t i = 0; i < hauptmenue101.size(); ++i) {
        const auto& d = hauptmenue101[i];
        const auto& e = hauptmenue310[i];
        SCOPED_TRACE(d.text);
        EXPECT_EQ(d.ebene, e.ebene);
        EXPECT_EQ(d.art, e.art);
        EXPECT_EQ(d.befehl, e.befehl);
        EXPECT_EQ(*d.text == 0, *e.text == 0);
        EXPECT_EQ(*d.text == 0, (d.art & art::Trenner) != 0);
    }
}

TEST(Hauptmenue, JederBefehlStehtGenauEinmalInBeiden)
{
    const std::vector<Konstante> konstanten = befehlsKonstanten();
    ASSERT_GT(konstanten.size(), 100u);
    for (Tabelle t : {hauptmenue101, hauptmenue310}) {
        std::map<int, int> n = befehleZaehlen(t);
        for (const Konstante& k : konstanten) {
            if (istBereich(k.name))
                continue;
            SCOPED_TRACE(k.name);
            const int soll = gehoertInsHauptmenue(k) ? 1 : 0;
            EXPECT_EQ(n.count(k.id) ? n[k.id] : 0, soll);
            n.erase(k.id);
        }
        for (const auto& [id, anzahl] : n)
            ADD_FAILURE() << "menu id " << id << " (" << anzahl << " times) is no constant of resources/befehle.h";
    }
}

TEST(Hauptmenue, BefehlsnummernUeberschneidenSichNicht)
{
    const std::vector<Konstante> konstanten = befehlsKonstanten();
    std::map<std::string, std::pair<int, int>> bereiche;   // stem -> first, last
    std::map<int, std::string> einzeln;
    for (const Konstante& k : konstanten) {
        if (endetMit(k.name, "Erste"))
            bereiche[k.name.substr(0, k.name.size() - 5)].first = k.id;
        else if (endetMit(k.name, "Letzte"))
            bereiche[k.name.substr(0, k.name.size() - 6)].second = k.id;
        else
            EXPECT_TRUE(einzeln.emplace(k.id, k.name).second) << k.name << " repeats " << k.id;
    }
    for (const auto& [stamm, b] : bereiche) {
        EXPECT_GT(b.first, 0) << stamm;
        EXPECT_LE(b.first, b.second) << stamm;
        for (const auto& [id, name] : einzeln)
            EXPECT_FALSE(id >= b.first && id <= b.second) << name << " lies in " << stamm;
        for (const auto& [anderer, c] : bereiche)
            EXPECT_TRUE(anderer == stamm || b.second < c.first || c.second < b.first)
                << stamm << " overlaps " << anderer;
    }
}

TEST(Hauptmenue, DruckerUntermenueHaeltSeinenKopfUnterDatei)
{
    plattform::Menue m = plattform::menueLaden(hauptmenue101);
    ASSERT_NE(m, nullptr);
    plattform::Menue datei = plattform::untermenue(m, 0);
    EXPECT_EQ(plattform::postenText(m, 0, plattform::Nach::Position), "&Datei");
    plattform::Menue drucker = nullptr;
    for (int i = 0; i < plattform::postenAnzahl(datei); ++i)
        if (plattform::postenText(datei, i, plattform::Nach::Position) == "D&rucker ausw\xE4hlen")
            drucker = plattform::untermenue(datei, i);
    ASSERT_NE(drucker, nullptr);
    EXPECT_EQ(plattform::postenAnzahl(drucker), 1);
    EXPECT_EQ(plattform::postenBefehl(drucker, 0), befehlDruckerUeberschrift);
    plattform::menueZerstoeren(m);
}

TEST(Hauptmenue, SpracheWaehltDieTabelle)
{
    EXPECT_EQ(hauptmenueTabelle(1033).data(), hauptmenue310.data());
    EXPECT_EQ(hauptmenueTabelle(1031).data(), hauptmenue101.data());
    EXPECT_EQ(hauptmenueTabelle(0).data(), hauptmenue101.data());
}
