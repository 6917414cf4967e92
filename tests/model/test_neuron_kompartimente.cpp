// tests/model/test_neuron_kompartimente.cpp - per-compartment arrays follow the neuron's own count
#include "test_neuron_hilfe.h"
#include "texts/texte.h"
#include <climits>
#include <tuple>

namespace pt = plattform::test;

namespace {

struct Kompartimente : NeuronFall {
    // every listed neuron has the network's count and arrays of that count
    static void anzahlUndFelderStimmen(int erwartet)
    {
        EXPECT_EQ(simulationsParameter.anzahlSegmente, erwartet);
        for (NeuronDaten* x = neuronKette.kopf; x; x = x->naechstesNeuron)
            EXPECT_EQ(std::tuple(x->segmentAnzahl, kompartimentAnzahl(*x), x->stromTabellen.size()),
                      std::tuple(erwartet, erwartet + 1, static_cast<size_t>(erwartet) + 1))
                << x->nummer;
    }
    static BoxTexte segmentHinweis(int anzahl)
    {
        return {"Hinweis: " + meldungFormatieren(841, anzahl, groessteSegmentAnzahl)};
    }
};

} // namespace

TEST_F(Kompartimente, JedesNeuronBehaeltSeineAnzahlNeueSegmenteBekommenStartpotentialUndStandardtabelle)
{
    std::tie(simulationsParameter.netzwerktyp, simulationsParameter.anzahlSegmente) = std::tuple(1, 0);
    NeuronDaten* soma = neu(1);
    std::tie(simulationsParameter.netzwerktyp, simulationsParameter.anzahlSegmente) = std::tuple(4, 6);
    NeuronDaten* lang = neu(2);
    EXPECT_EQ(std::make_pair(soma->segmentAnzahl, lang->segmentAnzahl), std::make_pair(0, 6));
    for (NeuronDaten* n : {soma, lang}) {
        const size_t k = static_cast<size_t>(n->segmentAnzahl) + 1;
        EXPECT_EQ(std::tuple(n->potentiale.size(), n->synStromChemisch.size(), n->synStromElektrisch.size(),
                             n->stromTabellen.size(), n->parameter[par::SegmentAnzahl]),
                  std::tuple(k, k, k, k, n->segmentAnzahl));
        EXPECT_LE(n->dendSCLocation, n->segmentAnzahl);   // never a segment the neuron lacks
    }

    // growing keeps what was there; the new segments get the start potential and the default table
    std::tie(simulationsParameter.netzwerktyp, simulationsParameter.anzahlSegmente) = std::tuple(3, 3);
    NeuronDaten* n = neu(3);
    n->potentiale = {-0.05, -0.051, -0.052, -0.053};
    n->synStromChemisch[3] = 1e-9;
    n->stromTabellen[1].startzeiten = {0.0, 0.1, 0.2, 1.0};
    n->stromTabellen[1].stromwerte = {0.0, 1e-9, 0.0, 0.0};
    n->stromTabellen[1].anzahlPunkte = 4;
    simulationsParameter.simulationsDauer = 2.0;
    ASSERT_TRUE(kompartimenteAnpassen(*n, 6));
    const double d = n->parameter[par::DendritStartpotential];
    EXPECT_EQ(d, -0.07);
    EXPECT_EQ(n->potentiale, (std::vector<double>{-0.05, -0.051, -0.052, -0.053, d, d, d}));
    EXPECT_EQ(n->synStromChemisch, (std::vector<double>{0, 0, 0, 1e-9, 0, 0, 0}));
    EXPECT_EQ(n->synStromElektrisch, std::vector<double>(7, 0.0));
    EXPECT_EQ(std::make_tuple(n->segmentAnzahl, n->kompartimentSchalter[1], n->stromTabellen[1].anzahlPunkte,
                              n->stromTabellen[5].startzeiten, n->stromTabellen[5].anzahlPunkte),
              std::make_tuple(6, 6, 4, std::vector{0.0, 2.0, 2.0}, 3));

    ASSERT_TRUE(kompartimenteAnpassen(*n, 1));   // the short dendrite
    EXPECT_EQ(std::make_tuple(n->potentiale.size(), n->stromTabellen.size()), std::make_tuple(2u, 2u));
    EXPECT_LE(n->dendSCLocation, 1);
    EXPECT_FALSE(kompartimenteAnpassen(*n, 7) || kompartimenteAnpassen(*n, -1));
    EXPECT_EQ(n->segmentAnzahl, 1);
}

TEST_F(Kompartimente, StromtabellenEndenAmLaufende)
{
    NeuronDaten* n = neu(1);
    n->stromTabellen[0] = {};   // no table yet
    n->stromTabellen[2].startzeiten = {0.0, 0.3, 0.4, 1.0};
    n->stromTabellen[2].stromwerte = {0.0, 1e-9, 0.0, 0.0};
    n->stromTabellen[2].anzahlPunkte = 4;
    simulationsParameter.simulationsDauer = 5.0;
    aktuellesNeuron = nullptr;
    ASSERT_TRUE(stromtabellenSicherstellen(*n));
    EXPECT_EQ(std::make_tuple(aktuellesNeuron, n->stromTabellen[0].startzeiten,
                              n->stromTabellen[2].startzeiten, n->stromTabellen[3].startzeiten.back()),
              std::make_tuple(n, std::vector{0.0, 5.0, 5.0}, std::vector{0.0, 0.3, 0.4, 5.0}, 5.0));
    // a point count beyond the stored points is not trusted: the default replaces it
    n->stromTabellen[1].anzahlPunkte = 9;
    ASSERT_TRUE(stromtabellenSicherstellen(*n));
    EXPECT_EQ(n->stromTabellen[1].anzahlPunkte, 3);
}

TEST_F(Kompartimente, SegmentanzahlSetzenUndNeuronNeuVerweigernAnzahlenOhneFelderMitHinweis)
{
    neu(1);
    neu(2);
    int bisher = simulationsParameter.anzahlSegmente;
    for (const auto& [anzahl, gilt] :
         {std::pair{0, true}, {6, true}, {7, false}, {-1, false}, {INT_MAX, false}, {1, true}}) {
        pt::zuruecksetzen();
        pt::boxAntworten({1});
        EXPECT_EQ(segmentAnzahlSetzen(anzahl), gilt) << anzahl;
        EXPECT_EQ(gezeigteBoxen(), gilt ? BoxTexte{} : segmentHinweis(anzahl));
        bisher = gilt ? anzahl : bisher;
        anzahlUndFelderStimmen(bisher);
    }
    simulationsParameter.anzahlSegmente = 7;   // as a reader that stored it unchecked
    pt::zuruecksetzen();
    pt::boxAntworten({1});
    EXPECT_EQ(neu(3), nullptr);
    EXPECT_EQ(std::tuple(gezeigteBoxen(), nummern()), std::tuple(segmentHinweis(7), std::vector{1, 2}));
}

TEST_F(Kompartimente, AktualisierungBringtEineUngueltigeSegmentanzahlAufDieDesDendritenmodus)
{
    // a count stored unchecked: the refresh reports it and takes the dendrite mode's count,
    // so that the count and every neuron's arrays agree again; a valid count passes silently.
    // The scratch record is nobody's to resize.
    const struct { int netzwerktyp, anzahl, erwartet; } faelle[] = {
        {4, 6, 6}, {4, 7, 6}, {1, -1, 0}, {2, 100, 1}, {9, 7, 3}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(testing::Message() << "mode " << f.netzwerktyp << ", count " << f.anzahl);
        leeren();
        neu(1);
        neu(2);
        NeuronDaten* s = neuronNeu(-1, 0);
        std::tie(simulationsParameter.netzwerktyp, simulationsParameter.anzahlSegmente) =
            std::tuple(f.netzwerktyp, f.anzahl);
        pt::boxAntworten({1});
        einstellungenAktualisieren(nullptr, 1);
        EXPECT_EQ(gezeigteBoxen(), f.anzahl == f.erwartet ? BoxTexte{} : segmentHinweis(f.anzahl));
        anzahlUndFelderStimmen(f.erwartet);
        EXPECT_EQ(kompartimentAnzahl(*s), 4);
        neuronFreigeben(s);
    }
}
