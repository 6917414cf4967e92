// tests/model/test_neuron_kompartimente.cpp - per-compartment arrays follow the neuron's own count
#include "test_neuron_hilfe.h"
#include "texts/texte.h"
#include <climits>
#include <tuple>

namespace pt = plattform::test;

using Kompartimente = NeuronFall;

TEST_F(Kompartimente, JedesNeuronBehaeltSeineAnzahlNeueSegmenteBekommenStartpotentialUndStandardtabelle)
{
    simulationsParameter.netzwerktyp = 1;
    simulationsParameter.anzahlSegmente = 0;
    NeuronDaten* soma = neu(1);
    simulationsParameter.netzwerktyp = 4;
    simulationsParameter.anzahlSegmente = 6;
    NeuronDaten* lang = neu(2);
    EXPECT_EQ(std::make_pair(soma->segmentAnzahl, lang->segmentAnzahl), std::make_pair(0, 6));
    for (NeuronDaten* n : {soma, lang}) {
        const size_t k = static_cast<size_t>(n->segmentAnzahl) + 1;
        EXPECT_EQ(std::make_tuple(n->potentiale.size(), n->synStromChemisch.size(),
                                  n->synStromElektrisch.size(), n->stromTabellen.size(),
                                  n->parameter[par::SegmentAnzahl]),
                  std::make_tuple(k, k, k, k, n->segmentAnzahl));
        EXPECT_LE(n->dendSCLocation, n->segmentAnzahl);   // never a segment the neuron lacks
    }

    // growing keeps what was there; the new segments get the start potential and the default table
    simulationsParameter.netzwerktyp = 3;
    simulationsParameter.anzahlSegmente = 3;
    NeuronDaten* n = neu(3);
    n->potentiale = {-0.05, -0.051, -0.052, -0.053};
    n->synStromChemisch[3] = 1e-9;
    n->stromTabellen[1].startzeiten = {0.0, 0.1, 0.2, 1.0};
    n->stromTabellen[1].stromwerte = {0.0, 1e-9, 0.0, 0.0};
    n->stromTabellen[1].anzahlPunkte = 4;
    simulationsParameter.simulationsDauer = 2.0;

    ASSERT_TRUE(kompartimenteAnpassen(*n, 6));
    const double d = n->parameter[par::DendritStartpotential];
    EXPECT_EQ(std::make_tuple(d, n->potentiale, n->synStromChemisch, n->synStromElektrisch),
              std::make_tuple(-0.07, std::vector<double>{-0.05, -0.051, -0.052, -0.053, d, d, d},
                              std::vector<double>{0, 0, 0, 1e-9, 0, 0, 0}, std::vector<double>(7, 0.0)));
    EXPECT_EQ(std::make_tuple(n->segmentAnzahl, n->kompartimentSchalter[1], n->stromTabellen[1].anzahlPunkte),
              std::make_tuple(6, 6, 4));
    EXPECT_EQ(n->stromTabellen[5].startzeiten, (std::vector<double>{0.0, 2.0, 2.0}));
    EXPECT_EQ(n->stromTabellen[5].anzahlPunkte, 3);

    ASSERT_TRUE(kompartimenteAnpassen(*n, 1));                 // the short dendrite
    EXPECT_EQ(std::make_tuple(n->potentiale.size(), n->stromTabellen.size()), std::make_tuple(2u, 2u));
    EXPECT_LE(n->dendSCLocation, 1);

    EXPECT_FALSE(kompartimenteAnpassen(*n, 7));
    EXPECT_FALSE(kompartimenteAnpassen(*n, -1));
    EXPECT_EQ(n->segmentAnzahl, 1);
}

TEST_F(Kompartimente, StromtabellenEndenAmLaufende)
{
    NeuronDaten* n = neu(1);
    n->stromTabellen[0] = {};                             // no table yet
    n->stromTabellen[2].startzeiten = {0.0, 0.3, 0.4, 1.0};
    n->stromTabellen[2].stromwerte = {0.0, 1e-9, 0.0, 0.0};
    n->stromTabellen[2].anzahlPunkte = 4;
    simulationsParameter.simulationsDauer = 5.0;
    aktuellesNeuron = nullptr;
    ASSERT_TRUE(stromtabellenSicherstellen(*n));
    EXPECT_EQ(std::make_tuple(aktuellesNeuron, n->stromTabellen[0].startzeiten,
                              n->stromTabellen[2].startzeiten, n->stromTabellen[3].startzeiten.back()),
              std::make_tuple(n, std::vector<double>{0.0, 5.0, 5.0}, std::vector<double>{0.0, 0.3, 0.4, 5.0},
                              5.0));
    // a point count beyond the stored points is not trusted: the default replaces it
    n->stromTabellen[1].anzahlPunkte = 9;
    ASSERT_TRUE(stromtabellenSicherstellen(*n));
    EXPECT_EQ(n->stromTabellen[1].anzahlPunkte, 3);
}

// every listed neuron has the network's count and arrays of that count
static void anzahlUndFelderStimmen(int erwartet)
{
    EXPECT_EQ(simulationsParameter.anzahlSegmente, erwartet);
    for (NeuronDaten* x = neuronKette.kopf; x; x = x->naechstesNeuron) {
        EXPECT_EQ(x->segmentAnzahl, erwartet) << x->nummer;
        EXPECT_EQ(kompartimentAnzahl(*x), erwartet + 1) << x->nummer;
        EXPECT_EQ(x->stromTabellen.size(), static_cast<size_t>(erwartet) + 1) << x->nummer;
    }
}
static BoxTexte segmentHinweis(int anzahl)
{
    return {"Hinweis: " + meldungFormatieren(841, anzahl, groessteSegmentAnzahl)};
}

TEST_F(Kompartimente, SegmentanzahlSetzenUndNeuronNeuVerweigernAnzahlenOhneFelderMitHinweis)
{
    neu(1);
    neu(2);
    const struct { int anzahl; bool gilt; } faelle[] = {{0, true}, {6, true}, {7, false}, {-1, false},
                                                        {INT_MAX, false}, {1, true}};
    int bisher = simulationsParameter.anzahlSegmente;
    for (const auto& f : faelle) {
        pt::zuruecksetzen();
        pt::boxAntworten({1});
        EXPECT_EQ(segmentAnzahlSetzen(f.anzahl), f.gilt) << f.anzahl;
        EXPECT_EQ(gezeigteBoxen(), f.gilt ? BoxTexte{} : segmentHinweis(f.anzahl));
        bisher = f.gilt ? f.anzahl : bisher;
        anzahlUndFelderStimmen(bisher);
    }
    simulationsParameter.anzahlSegmente = 7;   // as a reader that stored it unchecked
    pt::zuruecksetzen();
    pt::boxAntworten({1});
    EXPECT_EQ(neu(3), nullptr);
    EXPECT_EQ(gezeigteBoxen(), segmentHinweis(7));
    EXPECT_EQ(nummern(), (std::vector<int>{1, 2}));
}

TEST_F(Kompartimente, AktualisierungBringtEineUngueltigeSegmentanzahlAufDieDesDendritenmodus)
{
    // a count stored unchecked: the refresh reports it and takes the dendrite mode's count,
    // so that the count and every neuron's arrays agree again; a valid count passes silently.
    // The scratch record is nobody's to resize.
    const struct { int netzwerktyp, anzahl, erwartet; } faelle[] = {
        {4, 6, 6}, {4, 7, 6}, {1, -1, 0}, {2, 100, 1}, {9, 7, 3}};
    for (const auto& f : faelle) {
        leeren();
        neu(1);
        neu(2);
        NeuronDaten* s = neuronNeu(-1, 0);
        simulationsParameter.netzwerktyp = f.netzwerktyp;
        simulationsParameter.anzahlSegmente = f.anzahl;
        pt::boxAntworten({1});
        einstellungenAktualisieren(nullptr, 1);
        SCOPED_TRACE(testing::Message() << "mode " << f.netzwerktyp << ", count " << f.anzahl);
        EXPECT_EQ(gezeigteBoxen(), f.anzahl == f.erwartet ? BoxTexte{} : segmentHinweis(f.anzahl));
        anzahlUndFelderStimmen(f.erwartet);
        EXPECT_EQ(kompartimentAnzahl(*s), 4);
        neuronFreigeben(s);
    }
}
