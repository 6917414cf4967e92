// tests/model/test_startzustand.cpp - the run state of every neuron before the first step
#include "model/startzustand.h"
#include "platform/box.h"
#include "test_synapse_hilfe.h"
#include <tuple>

namespace pt = plattform::test;

namespace {

struct Startzustand : ZweiNeuroneFall {
    // a neuron of the model with n segments and parameters that tell every entry apart
    static NeuronDaten* modellNeuron(int nummer, int modellTyp, int segmente = 3)
    {
        NeuronDaten* n = neu(nummer);
        kompartimenteAnpassen(*n, segmente);
        n->modellTyp = modellTyp;
        for (int i = 0; i < anzahlParameter; ++i)
            n->parameter[i] = 0.5 + i;
        return n;
    }
};

TEST_F(Startzustand, KompartimentSchalterFolgenDemDendritenModus)
{
    const struct {
        int netzwerktyp, anzahlSegmente, eigeneSegmente;
        double p5, p6;
        int dendSCLocation;
        std::array<int, 4> erwartet;
    } faelle[] = {
        {1, 0, 0, 1, 1, 2, {0, 0, 0, 1}},
        {2, 1, 1, 1, 1, 0, {1, 1, 1, 1}},
        {3, 3, 3, 1, 1, 5, {1, 3, 3, 1}},      // the dendrite current goes to segment 3
        {3, 3, 3, 1, 1, 2, {1, 3, 2, 1}},
        {4, 6, 6, 0.0, 6, 7, {0, 0, 6, 9}},    // P5 = 0: soma only
        {4, 6, 6, 1.9, 6, 2, {1, 6, 2, 9}},    // cut toward zero
        {4, 6, 6, 1, 0, 2, {0, 0, 2, 9}},      // no segment: soma only
        {4, 6, 6, 1, 9, 2, {1, 6, 2, 9}},      // never past the neuron's own segments
        {4, 6, 3, 1, 6, 5, {1, 3, 3, 9}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(testing::Message() << "Modus " << f.netzwerktyp << " P5 " << f.p5 << " P6 " << f.p6);
        std::tie(simulationsParameter.netzwerktyp, simulationsParameter.anzahlSegmente) =
            std::tuple(f.netzwerktyp, f.anzahlSegmente);
        NeuronDaten* n = modellNeuron(3, modell::OnOff, f.eigeneSegmente);
        std::tie(n->parameter[par::ErstesSegment], n->parameter[par::SegmentAnzahl]) = std::tuple(f.p5, f.p6);
        std::tie(n->dendSCLocation, n->dendSCSchalter, n->apAnzahl) = std::tuple(f.dendSCLocation, 9, 4);
        std::tie(n->dendCurrent, n->dendSCStart, n->dendSCEnd) = std::tuple(1e-9, 0.1, 0.2);
        ASSERT_TRUE(neuronenStartzustandSetzen());
        EXPECT_EQ(std::tuple(n->kompartimentSchalter, n->apAnzahl), std::tuple(f.erwartet, 0));
        // only the soma-only mode applies the legacy dendrite current to the soma
        const double amSoma = f.netzwerktyp == 1 ? 1.0 : 0.0;
        EXPECT_EQ(std::make_tuple(n->dendStromAmSoma, n->dendStartAmSoma, n->dendEndeAmSoma),
                  std::make_tuple(amSoma * 1e-9, amSoma * 0.1, amSoma * 0.2));
        weg(n);
    }
    EXPECT_EQ(aktuellesNeuron, nullptr);
}

TEST_F(Startzustand, StartpotentialeOderDieDerKlemmeOnOffZeitgeberHinterDerLaengstenPhase)
{
    std::tie(simulationsParameter.netzwerktyp, simulationsParameter.anzahlSegmente) = std::tuple(3, 3);
    NeuronDaten* n = modellNeuron(3, modell::Swim);
    std::tie(n->parameter[par::SomaStartpotential], n->parameter[par::DendritStartpotential]) =
        std::tuple(-0.07, -0.065);
    NeuronDaten* onOff = modellNeuron(4, modell::OnOff);
    ParameterVektor& p = onOff->parameter;
    std::tie(p[par::Phase1Dauer], p[par::Phase2Verzoegerung], p[par::Phase2Dauer], p[par::Phase3Verzoegerung],
             p[par::Phase3Dauer]) = std::tuple(0.001, 0.002, 0.003, 0.0, 0.0);
    onOff->onOffPhaseAktiv = 1;
    ASSERT_TRUE(neuronenStartzustandSetzen());
    EXPECT_EQ(n->potentiale, (std::vector<double>{-0.07, -0.065, -0.065, -0.065}));
    EXPECT_DOUBLE_EQ(onOff->onOffZeitgeber, 0.005);
    EXPECT_EQ(onOff->onOffPhaseAktiv, 0);
    std::tie(n->klemme.flags, n->klemme.startSpannung) = std::tuple(0x1, -0.03);
    ASSERT_TRUE(neuronenStartzustandSetzen());
    EXPECT_EQ(n->potentiale, std::vector<double>(4, -0.03));
}

// a channel without its synapse ends only the run: a notice, false, and the program goes on
TEST_F(Startzustand, SynapsenAktivierterKanalWirdVerknuepftOhneSynapseVerweigertErDenLauf)
{
    simulationsParameter.netzwerktyp = 3;
    SynapseDaten* syn = verbinde(a, b);
    a->modellTyp = b->modellTyp = modell::Swim;
    a->name = "Zelle";
    BenutzerKanal& k = a->benutzerKanaele.emplace_back();
    k.leitfaehigkeit = 2e-9, k.gleichgewichtspotential = -0.08, k.torStartwert = 0.3;
    k.stromUeberSynapse = 2, k.synapseId = syn->id;
    BenutzerKanal& aus = a->benutzerKanaele.emplace_back();   // no conductance: left alone
    aus.torWert = 0.7, aus.torStartwert = 0.1, aus.stromUeberSynapse = 1, aus.synapseId = 0;
    aus.synapse = syn;                                        // from an earlier run
    ASSERT_TRUE(neuronenStartzustandSetzen());
    EXPECT_EQ(std::make_tuple(k.torWert, k.eMalG, aus.torWert, k.synapse, aus.synapse),
              std::make_tuple(0.3, -0.08 * 2e-9, 0.7, syn, nullptr));
    EXPECT_EQ(std::make_tuple(syn->kanalAktivierung, syn->verzoegerung, syn->initialLeitfaehigkeit,
                              pt::boxLog().size()),
              std::make_tuple(2, simulationsParameter.schrittweite, 1e-300, 0u));

    const std::pair<int, const char*> faelle[] = {
        {0, "strom ueber synapse aktivieren mit synapseID = 0 bei neuron Zelle"},
        {77, "strom ueber synapse aktivieren mit synapseID = 77 bei neuron Zelle nicht gefunden"},
    };
    for (auto [id, text] : faelle) {
        pt::zuruecksetzen();
        pt::boxAntworten({plattform::antwort::Ok});
        k.synapseId = id;
        b->torVariable[0] = 42.0;
        EXPECT_FALSE(neuronenStartzustandSetzen());
        EXPECT_EQ(gezeigteBoxen(), BoxTexte{std::string("Hinweis: ") + text});
        // the neurons after it keep their state
        EXPECT_EQ(std::make_tuple(pt::boxLog().back().art, aktuellesNeuron, b->torVariable[0]),
                  std::make_tuple(plattform::knoepfe::Ok | plattform::symbol::Information, a, 42.0));
    }
}

} // namespace
