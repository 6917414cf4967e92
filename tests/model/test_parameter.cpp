// tests/model/test_parameter.cpp - the parameter vector, the defaults per model, the refresh steps
#include "test_neuron_hilfe.h"
#include "platform/box.h"
#include "texts/texte.h"
#include <tuple>

namespace pt = plattform::test;

using Parameter = NeuronFall;

TEST(ParameterVektor, GruppenDeckenDenVektorLueckenlosAbUnbekannteModelleHabenKeine)
{
    int naechster = 0;
    for (ParameterBereich b : {bereich::Soma, bereich::Dendrit, bereich::OnOff, bereich::HodgkinHuxley,
                               bereich::Swim, bereich::GolowaschBuchholz}) {
        EXPECT_EQ(b.erster, naechster);
        naechster = b.letzter() + 1;
    }
    EXPECT_EQ(naechster, anzahlParameter);
    EXPECT_EQ(modellBereich(7).anzahl, 0);
    // SWIM names entry 0 itself; no other model or none has an entry 0
    modellParameterIndizesSetzen(modell::Swim);
    EXPECT_TRUE(parameterSlotBelegt(8));
    modellParameterIndizesSetzen(modell::GolowaschBuchholz);
    EXPECT_FALSE(parameterSlotBelegt(4));
    EXPECT_FALSE(parameterSlotBelegt(8));
    modellParameterIndizesSetzen(0);
    for (int i = -1; i <= anzahlParameterSlots; ++i)
        EXPECT_FALSE(parameterSlotBelegt(i)) << i;
}

TEST_F(Parameter, NeuesNeuronNimmtNetzmodellUndEingebauteWerteDerModellbereichKommtVomStandardneuron)
{
    stdNeuron.parameter.fill(0.5);
    stdNeuron.groesse = 12;
    stdNeuron.axonLaenge = 30;
    NeuronDaten* n = neu(1);
    EXPECT_EQ(n->parameter[par::SomaLeitwert], 3e-9);
    EXPECT_EQ(n->parameter[par::DendritKapazitaet], 3e-10);
    for (int i = bereich::Swim.erster; i <= bereich::Swim.letzter(); ++i)
        EXPECT_EQ(n->parameter[i], 0.5) << i;
    EXPECT_EQ(n->parameter[par::Phase1G], 0.0);   // other models' ranges stay empty
    EXPECT_EQ(n->parameter[par::GbSchwelle], 0.0);
    EXPECT_EQ(std::make_pair(n->groesse, n->axonLaenge), std::make_pair(12, 30));
    EXPECT_TRUE(pt::boxLog().empty());            // a new neuron's range is empty: no question

    // with the default files the model range comes from the first neuron
    for (int i = bereich::Swim.erster; i <= bereich::Swim.letzter(); ++i)
        n->parameter[i] = i;
    NeuronDaten* zweites = neu(2, 1);
    ASSERT_NE(zweites, nullptr);
    for (int i = bereich::Swim.erster; i <= bereich::Swim.letzter(); ++i)
        EXPECT_EQ(zweites->parameter[i], i) << i;
    EXPECT_EQ(zweites->dendSCLocation, 1);
    EXPECT_EQ(zweites->parameter[par::SomaKapazitaet], 3e-11);
    EXPECT_TRUE(pt::boxLog().empty());

    int nummer = 3;
    for (int m : {modell::Swim, modell::OnOff, modell::HodgkinHuxley, modell::GolowaschBuchholz}) {
        simulationsParameter.netzwerkmodell = m;
        NeuronDaten* x = neu(nummer++);
        EXPECT_EQ(x->modellTyp, m);
        EXPECT_NE(x->parameter[par::SomaKapazitaet], 0.0) << m;
    }
    ParameterVektor p{};
    p[par::SegmentAnzahl] = 9.0;
    EXPECT_TRUE(eingebauteGemeinsameWerte(modell::Swim, 0, p));
    EXPECT_EQ(p[par::SegmentAnzahl], 0.0);
    EXPECT_FALSE(eingebauteGemeinsameWerte(0, 3, p));
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
    EXPECT_TRUE(pt::boxLog().empty());
    EXPECT_EQ(std::make_tuple(P[par::SomaLeitwert], P[par::DendritLeitwert]), std::make_tuple(2.0, 9.6e-9));
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
    simulationsParameter.anzeigeIntervall = 0.0;
    simulationsParameter.netzwerktyp = 0;
    simulationsParameter.anzahlSegmente = 1;
    einstellungenAktualisieren(nullptr, 1);
    EXPECT_EQ(std::make_tuple(s.anzeigeIntervall, s.netzwerktyp, s.anzahlSegmente),
              std::make_tuple(1000.0, 3, 3));
    EXPECT_EQ(std::make_tuple(neuronNachNummer(3), neuronNachNummer(8), b->modellTyp),
              std::make_tuple(a, b, modell::Swim));
    simulationsParameter.netzwerktyp = 2;
    simulationsParameter.anzahlSegmente = 1;
    einstellungenAktualisieren(nullptr, 1);
    EXPECT_EQ(simulationsParameter.anzahlSegmente, 1);   // a set mode stays
}

TEST_F(Parameter, PassivmarkeJeModell)
{
    NeuronDaten* n = neu(1);
    struct Fall { int modell; std::vector<int> leitwerte; };
    const Fall faelle[] = {
        {modell::OnOff, {13, 16, 20}},
        {modell::Swim, {60, 82, 94}},
        {modell::HodgkinHuxley, {25, 27}},
        {modell::GolowaschBuchholz, {116, 136}},
    };
    for (const Fall& f : faelle) {
        n->modellTyp = f.modell;
        n->parameter.fill(0.0);
        einstellungenAktualisieren(n, 0);
        EXPECT_EQ(n->passivMarke, 1) << f.modell;
        for (int i : f.leitwerte) {
            n->parameter.fill(0.0);
            n->parameter[i] = 1e-6;
            einstellungenAktualisieren(n, 0);
            EXPECT_EQ(n->passivMarke, 0) << f.modell << " P" << i;
        }
    }
}
