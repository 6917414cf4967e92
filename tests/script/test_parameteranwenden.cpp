// tests/script/test_parameteranwenden.cpp - the changed parameters of a stored simulation
// written back into the network
#include "skript_hilfe.h"
#include "script/ausfuehrung.h"
#include "script/auswertung.h"
#include "model/parameter.h"
#include "model/permutationsfenster.h"
#include "model/stromreiz.h"
#include <cstring>

namespace {
using namespace skripttest;

ParameterEintrag eintrag(uint32_t art, int ziel, int neuron, const char* code, double wert, int ganz = 0)
{
    ParameterEintrag e;
    e.objektArt = art;
    e.objektNummer = ziel;
    e.neuronNummer = neuron;
    e.code = anweisungscode(code);
    e.istReal = 1;
    e.wert = wert;
    e.ganzzahl = ganz;
    return e;
}

struct ParameterFall : SkriptFall {
    Auswertungsdaten a;
    NeuronDaten* n = nullptr;

    void SetUp() override
    {
        SkriptFall::SetUp();
        n = neuronNachNummer(1);
        ASSERT_TRUE(kompartimenteAnpassen(*n, 3));
        reizSchrittweite = 0.001;
        for (int k = 0; k < 4; ++k) {
            StromreizDefinition& d = n->stromreize[static_cast<size_t>(k)];
            std::tie(d.beginn, d.dach, d.amplitude, d.anzahl, d.an) = std::tuple(0.01 * (k + 1), 0.02, 1e-9, 1, 1);
            ASSERT_EQ(stromreizKurveErzeugen(*n, k), 1) << k;
        }
    }
    int anwenden(std::initializer_list<ParameterEintrag> eintraege)
    {
        a.skript.geaendert.assign(1, {});
        a.skript.geaendert.insert(a.skript.geaendert.end(), eintraege);
        return parameterAnweisungAnwenden(a);
    }
    std::vector<std::vector<double>> tabellen() const
    {
        std::vector<std::vector<double>> t;
        for (const StromTabelle& s : n->stromTabellen)
            t.push_back(s.stromwerte);
        return t;
    }
};

TEST_F(ParameterFall, GespeicherteAenderungenGehenDerReiheNachInsNetz)
{
    const auto vorher = tabellen();
    ASSERT_EQ(vorher.size(), 4u);
    ASSERT_EQ(synapseNachId(1)->pool->maxVerzoegerung, 0.001);
    EXPECT_EQ(anwenden({eintrag(16, 8, 1, "LEI", 0.03), eintrag(16, 3, 1, "HMB", -0.02), eintrag(64, 3, 1, "RAM", 2e-9),
                        eintrag(4, 1, 1, "TSC", -0.04), eintrag(4, 1, 1, "DEL", 0.002)}),
              1);
    EXPECT_EQ(std::tuple(n->parameter[60], n->parameter[101]), std::tuple(0.03, -0.02));
    // only the table of stimulus 3 is built anew
    const auto nachher = tabellen();
    for (size_t k : {0, 1, 3})
        EXPECT_EQ(nachher[k], vorher[k]) << k;
    EXPECT_EQ(*std::max_element(nachher[2].begin(), nachher[2].end()), 2e-9);
    // the synapse is built again after the delay: its pool knows the new delay
    const SynapseDaten* s = synapseNachId(1);
    EXPECT_EQ(std::tuple(s->transmitter.e, s->verzoegerung, s->pool->maxVerzoegerung), std::tuple(-0.04, 0.002, 0.002));
    EXPECT_TRUE(pt::boxLog().empty());

    // a neuron the network lacks stops the walk with its message; what came before stays
    const double dendrit = n->parameter[par::DendritRuhepotential];
    pt::boxAntworten({1});
    EXPECT_EQ(anwenden({eintrag(8, 0, 1, "SRU", -0.06), eintrag(8, 0, 99, "SKA", 1e-9), eintrag(8, 0, 1, "DRU", -0.05)}), 0);
    EXPECT_EQ(std::tuple(n->parameter[par::SomaRuhepotential], n->parameter[par::DendritRuhepotential]),
              std::tuple(-0.06, dendrit));
    ASSERT_EQ(pt::boxLog().size(), 1u);
    EXPECT_NE(pt::boxLog()[0].text.find("SKA (art 8, neuron 99"), std::string::npos) << pt::boxLog()[0].text;
}

// Every target is looked up before it is written: one that is not there, or a code the
// kind does not know, stops the walk; a user channel's problems are told and passed over.
TEST_F(ParameterFall, FehlendeZieleUndUnbekannteCodesHaltenMitIhrerMeldungAn)
{
    EXPECT_EQ(anwenden({eintrag(8, 0, 1, "LLE", 2e-8), eintrag(16, 8, 1, "EPO", 0.05), eintrag(16, 8, 1, "INI", 0.6),
                        eintrag(2, 0, 1, "SRU", 5.0)}),
              1);
    EXPECT_EQ(std::tuple(n->parameter[par::SomaLeitwert], n->parameter[par::DendritLeitwert], n->parameter[59],
                         n->parameter[80]),
              std::tuple(2e-8, 2e-8, 0.05, 0.6));

    const struct {
        ParameterEintrag e;
        int ergebnis;
        const char* meldung;
    } faelle[] = {
        {eintrag(4, 1, 1, "BBD", 1.0), 0, "unbekannte anweisung fuer synapse"},
        {eintrag(4, 4096, 1, "DEL", 1.0), 0, "DEL (art 4, neuron 1, nummer 4096)"},
        {eintrag(4, 7, 1, "DEL", 1.0), 0, "DEL (art 4, neuron 1, nummer 7)"},
        {eintrag(8, 0, 1, "RAM", 1.0), 0, "unbekannte anweisung fuer neuron-parameter"},
        {eintrag(8, 0, 0, "SRU", 1.0), 0, "SRU (art 8, neuron 0"},
        {eintrag(16, 5, 1, "LEI", 1.0), 0, "potential-anweisung fuer unbekannten standard-kanal"},
        {eintrag(16, 1, 1, "SLE", 1.0), 0, "unbekannte anweisung fuer standard-kanal"},
        {eintrag(16, 1, 1024, "LEI", 1.0), 0, "LEI (art 16, neuron 1024"},
        {eintrag(64, 5, 1, "RAM", 1.0), 0, "RAM (art 64, neuron 1, nummer 5)"},
        {eintrag(64, 0, 1, "RAM", 1.0), 0, "RAM (art 64, neuron 1, nummer 0)"},
        {eintrag(64, 1, 1, "SLE", 1.0), 0, "unbekannte anweisung fuer stromreiz"},
        {eintrag(32, 2, 1, "LEI", 1.0), 1, "neuron Sensor links hat keinen kanal 2"},
        {eintrag(32, 7, 55, "LEI", 1.0), 0, "LEI (art 32, neuron 55"},
    };
    for (const auto& f : faelle) {
        pt::zuruecksetzen();
        pt::boxAntworten({1});
        EXPECT_EQ(anwenden({f.e}), f.ergebnis) << f.meldung;
        ASSERT_EQ(pt::boxLog().size(), 1u) << f.meldung;
        EXPECT_NE(pt::boxLog()[0].text.find(f.meldung), std::string::npos) << pt::boxLog()[0].text;
    }
    // a user channel that is there takes the value; an unknown code is told and passed over
    n->benutzerKanaele.emplace_back();
    pt::zuruecksetzen();
    pt::boxAntworten({1});
    EXPECT_EQ(anwenden({eintrag(32, 0, 1, "HMB", -0.03), eintrag(32, 1, 1, "XYZ", 1.0), eintrag(32, 1, 1, "POW", 3.0)}), 1);
    EXPECT_EQ(std::tuple(n->benutzerKanaele.front().beta[2], n->benutzerKanaele.front().potenz), std::tuple(-0.03, 3.0));
    EXPECT_EQ(pt::boxLog().size(), 1u);
}

// a record read back brings its changed parameters into the network
TEST_F(ParameterFall, EinGelesenerSatzSetztSeineGeaendertenParameter)
{
    dateipfade.dokumentVerzeichnis = ordner;
    dateipfade.netzName = "netz";
    dateipfade.endung = "gui";
    dateipfade.vollerPfad = dateipfade.ergebnisVerzeichnis = "";
    maxBinDateiGroesse = 0;
    skriptMeldungenAnzeigen = 0;
    skriptLaufHaken = [] {
        for (int slot : {0, 2})
            neuronNachNummer(2)->hauptDiagramm.kurven[static_cast<size_t>(slot)].werte.assign(2000, 0.5f);
    };
    ASSERT_EQ(laden(text()), 1);
    pt::dateiAntworten({pt::dateiAntwort(ordner + "erg.bin")});
    ASSERT_EQ(skriptAusfuehren(skript, 1), 1);
    skriptLaufHaken = nullptr;

    // the first record alone, with two changed parameters after its documented values
    std::string b = testhilfe::lesen(ordner + "erg.bin");
    uint32_t r = 0, allgemein = 0, naechster = 0;
    std::memcpy(&r, b.data() + 76, 4);
    std::memcpy(&allgemein, b.data() + 72, 4);
    std::memcpy(&naechster, b.data() + r + 4, 4);
    std::string satz = b.substr(r, naechster - r);
    std::string eintraege;
    for (const ParameterEintrag& e : {eintrag(8, 0, 3, "SKA", 4e-10), eintrag(64, 1, 1, "REI", 0.0, 0)}) {
        char roh[32] = {};
        const int32_t felder[5] = {static_cast<int32_t>(e.objektArt), e.objektNummer, e.neuronNummer,
                                   static_cast<int32_t>(e.code), e.istReal};
        std::memcpy(roh, felder, 20);
        std::memcpy(roh + 20, &e.wert, 8);
        std::memcpy(roh + 28, &e.ganzzahl, 4);
        eintraege.append(roh, 32);
    }
    const size_t nc = 16 + 4 + 2 * 8;
    const int32_t zwei = 2;
    satz.replace(nc, 4, reinterpret_cast<const char*>(&zwei), 4);
    satz.insert(nc + 4, eintraege);
    std::memset(satz.data() + 4, 0, 4);
    b = b.substr(0, r) + satz;
    const uint32_t eins = 1;
    std::memcpy(b.data() + allgemein + 4, &eins, 4);
    testhilfe::schreiben(ordner + "satz.bin", b);

    a.ergebnisPfad = ordner + "satz.bin";
    ASSERT_EQ(ergebnisDateiLaden(a, 0), 1);
    std::FILE* f = std::fopen(a.ergebnisPfad.c_str(), "rb");
    ASSERT_EQ(ergebnisLesen(a, f), 1);
    std::fclose(f);
    EXPECT_EQ(std::tuple(neuronNachNummer(3)->parameter[par::SomaKapazitaet], n->stromreize[0].an),
              std::tuple(4e-10, 0));
    EXPECT_EQ(a.skript.geaendert.size(), 3u);
}

} // namespace
