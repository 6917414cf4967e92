// tests/model/test_neuron_kompartimente.cpp - per-compartment arrays follow the neuron's own count
#include "test_neuron_hilfe.h"
#include "texts/texte.h"
#include <climits>

namespace pt = plattform::test;

namespace {
using Kompartimente = NeuronFall;
}

TEST_F(Kompartimente, JedesNeuronBehaeltSeineEigeneAnzahl)
{
    simulationsParameter.netzwerktyp = 1;
    simulationsParameter.anzahlSegmente = 0;
    NeuronDaten* soma = neu(1);
    simulationsParameter.netzwerktyp = 4;
    simulationsParameter.anzahlSegmente = 6;
    NeuronDaten* lang = neu(2);
    EXPECT_EQ(soma->segmentAnzahl, 0);
    EXPECT_EQ(lang->segmentAnzahl, 6);
    for (NeuronDaten* n : {soma, lang}) {
        const size_t k = static_cast<size_t>(n->segmentAnzahl) + 1;
        EXPECT_EQ(n->potentiale.size(), k);
        EXPECT_EQ(n->synStromChemisch.size(), k);
        EXPECT_EQ(n->synStromElektrisch.size(), k);
        EXPECT_EQ(n->stromTabellen.size(), k);
        EXPECT_EQ(n->parameter[par::SegmentAnzahl], n->segmentAnzahl);
        EXPECT_LE(n->dendSCLocation, n->segmentAnzahl);   // never a segment the neuron lacks
    }
}

TEST_F(Kompartimente, WachsenGibtNeuenSegmentenStartpotentialUndStandardtabelle)
{
    NeuronDaten* n = neu(1);
    n->potentiale = {-0.05, -0.051, -0.052, -0.053};
    n->synStromChemisch[3] = 1e-9;
    n->stromTabellen[1].startzeiten = {0.0, 0.1, 0.2, 1.0};
    n->stromTabellen[1].stromwerte = {0.0, 1e-9, 0.0, 0.0};
    n->stromTabellen[1].anzahlPunkte = 4;
    simulationsParameter.simulationsDauer = 2.0;

    ASSERT_TRUE(kompartimenteAnpassen(*n, 6));
    EXPECT_EQ(n->segmentAnzahl, 6);
    EXPECT_EQ(n->kompartimentSchalter[1], 6);
    ASSERT_EQ(n->potentiale.size(), 7u);
    EXPECT_EQ(n->potentiale[3], -0.053);                       // kept
    EXPECT_EQ(n->potentiale[4], n->parameter[par::DendritStartpotential]);
    EXPECT_EQ(n->potentiale[6], -0.07);
    EXPECT_EQ(n->synStromChemisch[3], 1e-9);
    EXPECT_EQ(n->synStromChemisch[6], 0.0);
    EXPECT_EQ(n->synStromElektrisch[5], 0.0);
    EXPECT_EQ(n->stromTabellen[1].anzahlPunkte, 4);           // a stimulus stays
    EXPECT_EQ(n->stromTabellen[5].startzeiten, (std::vector<double>{0.0, 2.0, 2.0}));
    EXPECT_EQ(n->stromTabellen[5].anzahlPunkte, 3);

    ASSERT_TRUE(kompartimenteAnpassen(*n, 1));                 // the short dendrite
    EXPECT_EQ(n->potentiale.size(), 2u);
    EXPECT_EQ(n->stromTabellen.size(), 2u);
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
    EXPECT_EQ(aktuellesNeuron, n);
    EXPECT_EQ(n->stromTabellen[0].startzeiten, (std::vector<double>{0.0, 5.0, 5.0}));
    EXPECT_EQ(n->stromTabellen[2].startzeiten, (std::vector<double>{0.0, 0.3, 0.4, 5.0}));
    EXPECT_EQ(n->stromTabellen[3].startzeiten.back(), 5.0);
    // a point count beyond the stored points is not trusted: the default replaces it
    n->stromTabellen[1].anzahlPunkte = 9;
    ASSERT_TRUE(stromtabellenSicherstellen(*n));
    EXPECT_EQ(n->stromTabellen[1].anzahlPunkte, 3);
}

TEST_F(Kompartimente, StandardneuronHatImmerVierTabellen)
{
    simulationsParameter.anzahlSegmente = 0;
    stdNeuron.potentiale.clear();
    stdNeuron.stromTabellen.clear();
    stdNeuron.segmentAnzahl = 0;
    standardneuronVoreinstellen();
    EXPECT_GE(stdNeuron.stromTabellen.size(), 4u);
}

namespace {
// every listed neuron has the network's count and arrays of that count
void anzahlUndFelderStimmen(int erwartet)
{
    EXPECT_EQ(simulationsParameter.anzahlSegmente, erwartet);
    for (NeuronDaten* x = neuronKette.kopf; x; x = x->naechstesNeuron) {
        EXPECT_EQ(x->segmentAnzahl, erwartet) << x->nummer;
        EXPECT_EQ(kompartimentAnzahl(*x), erwartet + 1) << x->nummer;
        EXPECT_EQ(x->stromTabellen.size(), static_cast<size_t>(erwartet) + 1) << x->nummer;
    }
}
std::string segmentHinweis(int anzahl) { return meldungFormatieren(841, anzahl, groessteSegmentAnzahl); }
} // namespace

TEST_F(Kompartimente, SegmentanzahlSetzenUndNeuronNeuVerweigernAnzahlenOhneFelderMitHinweis)
{
    neu(1);
    neu(2);
    const struct {
        int anzahl;
        bool gilt;
    } faelle[] = {{0, true}, {6, true}, {7, false}, {-1, false}, {INT_MAX, false}, {1, true}};
    int bisher = simulationsParameter.anzahlSegmente;
    for (const auto& f : faelle) {
        pt::zuruecksetzen();
        pt::boxAntworten({1});
        EXPECT_EQ(segmentAnzahlSetzen(f.anzahl), f.gilt) << f.anzahl;
        if (f.gilt) {
            bisher = f.anzahl;
            EXPECT_TRUE(pt::boxLog().empty()) << f.anzahl;
        } else {
            ASSERT_EQ(pt::boxLog().size(), 1u) << f.anzahl;
            EXPECT_EQ(pt::boxLog()[0].text, segmentHinweis(f.anzahl));
            EXPECT_EQ(pt::boxLog()[0].titel, "Hinweis");
        }
        anzahlUndFelderStimmen(bisher);
    }
    simulationsParameter.anzahlSegmente = 7;   // as a reader that stored it unchecked
    pt::boxAntworten({1});
    EXPECT_EQ(neu(3), nullptr);
    EXPECT_EQ(pt::boxLog().back().text, segmentHinweis(7));
    EXPECT_EQ(nummern(), (std::vector<int>{1, 2}));
}

TEST_F(Kompartimente, AktualisierungBringtEineUngueltigeSegmentanzahlAufDieDesDendritenmodus)
{
    // a count stored unchecked: the refresh reports it and takes the dendrite mode's count,
    // so that the count and every neuron's arrays agree again; a valid count passes silently.
    // The scratch record is nobody's to resize.
    struct Fall {
        int netzwerktyp, anzahl, erwartet;
    };
    for (const Fall f : {Fall{4, 6, 6}, Fall{4, 7, 6}, Fall{1, -1, 0}, Fall{2, 100, 1}, Fall{9, 7, 3}}) {
        leeren();
        neu(1);
        neu(2);
        NeuronDaten* s = neuronNeu(-1, 0);
        simulationsParameter.netzwerktyp = f.netzwerktyp;
        simulationsParameter.anzahlSegmente = f.anzahl;
        pt::boxAntworten({1});
        einstellungenAktualisieren(nullptr, 1);
        SCOPED_TRACE(testing::Message() << "mode " << f.netzwerktyp << ", count " << f.anzahl);
        if (f.anzahl == f.erwartet) {
            EXPECT_TRUE(pt::boxLog().empty());
        } else {
            ASSERT_EQ(pt::boxLog().size(), 1u);
            EXPECT_EQ(pt::boxLog()[0].text, segmentHinweis(f.anzahl));
        }
        anzahlUndFelderStimmen(f.erwartet);
        EXPECT_EQ(kompartimentAnzahl(*s), 4);
        neuronFreigeben(s);
    }
}
