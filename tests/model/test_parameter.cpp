// tests/model/test_parameter.cpp - the parameter vector, the defaults per model, the refresh steps
#include "test_neuron_hilfe.h"
#include "platform/box.h"
#include "texts/texte.h"
#include <tuple>

namespace pt = plattform::test;

using Parameter = NeuronFall;

TEST_F(Parameter, NeuesNeuronNimmtNetzmodellUndEingebauteWerteDerModellbereichKommtVomStandardneuron)
{
    stdNeuron.parameter.fill(0.5);
    stdNeuron.groesse = 12;
    stdNeuron.axonLaenge = 30;
    NeuronDaten* n = neu(1);
    const ParameterVektor& p = n->parameter;
    for (int i = bereich::Swim.erster; i <= bereich::Swim.letzter(); ++i)
        EXPECT_EQ(p[i], 0.5) << i;
    // other models' ranges stay empty; a new neuron's range is empty: no question
    EXPECT_EQ(std::make_tuple(p[par::SomaLeitwert], p[par::DendritKapazitaet], p[par::Phase1G],
                              p[par::GbSchwelle], n->groesse, n->axonLaenge, pt::boxLog().size()),
              std::make_tuple(3e-9, 3e-10, 0.0, 0.0, 12, 30, 0u));

    // with the default files the model range comes from the first neuron
    for (int i = bereich::Swim.erster; i <= bereich::Swim.letzter(); ++i)
        n->parameter[i] = i;
    NeuronDaten* zweites = neu(2, 1);
    ASSERT_NE(zweites, nullptr);
    for (int i = bereich::Swim.erster; i <= bereich::Swim.letzter(); ++i)
        EXPECT_EQ(zweites->parameter[i], i) << i;
    EXPECT_EQ(std::make_tuple(zweites->dendSCLocation, zweites->parameter[par::SomaKapazitaet],
                              pt::boxLog().size()),
              std::make_tuple(1, 3e-11, 0u));

    int nummer = 3;
    for (int m : {modell::Swim, modell::OnOff, modell::HodgkinHuxley, modell::GolowaschBuchholz}) {
        simulationsParameter.netzwerkmodell = m;
        NeuronDaten* x = neu(nummer++);
        EXPECT_TRUE(x->modellTyp == m && x->parameter[par::SomaKapazitaet] != 0.0) << m;
    }
    ParameterVektor q{};
    q[par::SegmentAnzahl] = 9.0;
    EXPECT_TRUE(eingebauteGemeinsameWerte(modell::Swim, 0, q));
    EXPECT_EQ(q[par::SegmentAnzahl], 0.0);
    EXPECT_FALSE(eingebauteGemeinsameWerte(0, 3, q));
}

TEST_F(Parameter, GruppeZuruecksetzenFragtVorDemUeberschreibenEinUnbekanntesModellMeldetSich)
{
    NeuronDaten* n = neu(1);
    stdNeuron.parameter.fill(0.25);
    n->parameter[par::SwimNaG] = 7.0;
    pt::boxAntworten({plattform::antwort::Nein, plattform::antwort::Ja});
    const ParameterVektor& P = n->parameter;
    parameterGruppeZuruecksetzen(n, modell::Swim, 1);
    // "No" keeps the neuron's range, the common entries are copied anyway
    EXPECT_EQ(std::make_tuple(P[par::SwimNaG], P[par::SwimKG], P[par::SomaLeitwert]),
              std::make_tuple(7.0, 0.0, 0.25));
    parameterGruppeZuruecksetzen(n, modell::Swim, 1);
    EXPECT_EQ(std::make_tuple(P[par::SwimNaG], P[par::SwimSchwelle], P[par::GbSchwelle]),
              std::make_tuple(0.25, 0.25, 0.0));
    // an empty range is taken without asking
    parameterGruppeZuruecksetzen(n, modell::OnOff, 0);
    EXPECT_EQ(P[par::OnOffSchwelle], 0.25);
    pt::boxAntworten({plattform::antwort::Ok});
    parameterGruppeZuruecksetzen(nullptr, modell::Swim, 1);
    const std::string frage = "SysInfo: " + meldungFormatieren(339);
    EXPECT_EQ(gezeigteBoxen(), (BoxTexte{frage, frage, "Hinweis: " + meldungFormatieren(486)}));

    // an unknown model: the built-in values of no model, and from the files a notice
    pt::zuruecksetzen();
    n->parameter.fill(2.0);
    simulationsParameter.netzwerkmodell = 9;
    neuronGrundwerte(*n);
    EXPECT_EQ(std::make_tuple(P[par::SomaLeitwert], P[par::DendritLeitwert], pt::boxLog().size()),
              std::make_tuple(2.0, 9.6e-9, 0u));
    pt::boxAntworten({plattform::antwort::Ok});
    neuronStandardwerte(*n);
    EXPECT_EQ(gezeigteBoxen(), BoxTexte{"Hinweis: " + meldungFormatieren(104)});
}

// ---- the network's steps in the start values and the refresh ----------------------------------

TEST_F(Parameter, VoreinstellungenUndAktualisierungErgaenzenLaufeinstellungenTabelleUndModelltyp)
{
    simulationsParameter.simulationsDauer = 9.0;
    simulationsParameter.netzwerkmodell = 4;
    netzvorgaben.rauschStaerke = 0.0;
    simulationsparameterVoreinstellen();
    reizSchrittweiteVoreinstellen();
    const Simulationsparameter& s = simulationsParameter;
    // the steps from duration and step width
    EXPECT_EQ(std::make_tuple(s.simulationsDauer, s.anzahlSchritte, s.netzwerkmodell),
              std::make_tuple(1.0, 10000, 2));
    EXPECT_NE(netzvorgaben.rauschStaerke, 0.0);
    EXPECT_DOUBLE_EQ(reizSchrittweite, 10 * s.schrittweite);

    NeuronDaten* a = neu(3);
    NeuronDaten* b = neu(8);
    b->modellTyp = 0;
    neuronTabelleLeeren();
    std::tie(simulationsParameter.anzeigeIntervall, simulationsParameter.netzwerktyp,
             simulationsParameter.anzahlSegmente) = std::make_tuple(0.0, 0, 1);
    einstellungenAktualisieren(nullptr, 1);
    EXPECT_EQ(std::make_tuple(s.anzeigeIntervall, s.netzwerktyp, s.anzahlSegmente, neuronNachNummer(3),
                              neuronNachNummer(8), b->modellTyp),
              std::make_tuple(1000.0, 3, 3, a, b, modell::Swim));
    simulationsParameter.netzwerktyp = 2;
    simulationsParameter.anzahlSegmente = 1;
    einstellungenAktualisieren(nullptr, 1);
    EXPECT_EQ(simulationsParameter.anzahlSegmente, 1);   // a set mode stays
}

// the refresh marks a neuron passive by the channels the run looks at: phase 3 of the
// on-off model and the calcium channels 4 and 5 of the GB model count too, or not
TEST_F(Parameter, PassivmarkeJeModellWieImLauf)
{
    NeuronDaten* n = neu(1);
    struct Fall { int modell; std::vector<int> leitwerte; std::vector<int> ohneWirkung; };
    const Fall faelle[] = {
        {modell::OnOff, {13, 16}, {20}},
        {modell::Swim, {60, 82, 94}, {}},
        {modell::HodgkinHuxley, {25, 27}, {}},
        {modell::GolowaschBuchholz, {116, 136, 179, 192}, {}},
    };
    for (const Fall& f : faelle) {
        for (int i : f.leitwerte) {   // each conductance alone makes the neuron active
            n->modellTyp = f.modell;
            n->parameter.fill(0.0);
            einstellungenAktualisieren(n, 0);
            EXPECT_EQ(n->passivMarke, 1) << f.modell;
            n->parameter[i] = 1e-6;
            einstellungenAktualisieren(n, 0);
            EXPECT_EQ(n->passivMarke, 0) << f.modell << " P" << i;
        }
        for (int i : f.ohneWirkung) {
            n->parameter.fill(0.0);
            n->parameter[i] = 1e-6;
            einstellungenAktualisieren(n, 0);
            EXPECT_EQ(n->passivMarke, 1) << f.modell << " P" << i;
        }
    }
}
