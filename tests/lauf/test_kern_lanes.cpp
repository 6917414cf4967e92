// tests/lauf/test_kern_lanes.cpp - the run kernels with enough neurons to step them on
// vectors of lanes, against the models' own steps: forms computed one by one, a quotient
// whose denominator is 0 at the first step, a gate power the lanes do not select among, and
// the records after a run the event pump aborts after its first step, and stimuli whose
// currents the kernels hold between table points and window edges
#include "../model/test_synapse_hilfe.h"
#include "model/gb.h"
#include "model/hh.h"
#include "model/parameter.h"
#include "model/stromreiz.h"
#include "model/swim.h"
#include "model/synaptisch.h"
#include <cmath>
#include <tuple>

namespace pt = plattform::test;

namespace {

constexpr int neurone = 6;   // more than a kernel steps one by one
constexpr int schritte = 3000;

int fensterAttrappe;

struct KernLanes : SynapsenFall {
    // neuron i of model m with the shipped parameters, its soma current rising with i
    NeuronDaten* neuron(int nummer, int m)
    {
        NeuronDaten* n = neu(nummer);
        EXPECT_TRUE(kompartimenteAnpassen(*n, simulationsParameter.anzahlSegmente));
        int (*const laden[])(NeuronDaten&) = {nullptr, stdParameterModell1Laden, stdParameterModell2Laden,
                                              stdParameterModell3Laden, stdParameterModell4Laden};
        const bool gemeinsam = m == modell::Swim
                                   ? stdParameterAllgemeinLaden(*n) == 1
                                   : eingebauteGemeinsameWerte(m, simulationsParameter.anzahlSegmente, n->parameter);
        EXPECT_TRUE(gemeinsam && laden[m](*n) == 1);
        n->parameter[par::SegmentAnzahl] = simulationsParameter.anzahlSegmente;
        n->modellTyp = m;
        const double faktor = m == modell::GolowaschBuchholz ? 10.0 : 1.0;
        std::tie(n->somaCurrent, n->somaSCStart, n->somaSCEnd) = std::tuple((0.5 + 0.25 * nummer) * 1e-9 * faktor, 0.02, 0.25);
        n->hauptDiagramm.fenster = reinterpret_cast<plattform::Fenster>(&fensterAttrappe);
        KurvenDaten& k = n->hauptDiagramm.kurven[kurve::Soma];
        k.anzeigen = 1;
        k.werte.assign(schritte + werteReserve, 0.0f);
        return n;
    }

    // the network of model m in dendrite mode `modus`, `anpassen` changing neuron i
    std::vector<NeuronDaten*> netz(int m, int modus, void (*anpassen)(NeuronDaten&, int) = nullptr)
    {
        leeren();
        laufZustand = {};
        Simulationsparameter& sp = simulationsParameter;
        sp.netzwerkmodell = m;
        sp.netzwerktyp = modus;
        sp.anzahlSegmente = segmenteFuerNetzwerktyp(modus);
        sp.schrittweite = 1e-4;
        sp.integrationsmethode = integration::ExponentiellerEuler;
        sp.rauschenEin = sp.rueckkopplungAktiv = sp.kollisionAktiv = 0;
        sp.simulationsDauer = (schritte - 0.5) * sp.schrittweite;
        modusStatus = modusBit::SerieLaeuft;
        standardDateienVorgeben();
        const std::string o = ModellLaufFall::parameterOrdner();
        standardDateien.allgemein = o + "standard.gen";
        std::tie(standardDateien.onOff, standardDateien.swim, standardDateien.hh, standardDateien.gb) =
            std::tuple(o + "onoff.channel", o + "swim.channel", o + "hh.channel", o + "gb.channel");
        std::vector<NeuronDaten*> v;
        for (int i = 1; i <= neurone; ++i) {
            v.push_back(neuron(i, m));
            if (anpassen)
                anpassen(*v.back(), i);
        }
        return v;
    }

    // the soma samples and AP counts of a run, with the kernel or with the model's own step
    struct Ergebnis {
        std::vector<int> aps;
        std::vector<std::vector<float>> soma;
    };
    Ergebnis laufen(const std::vector<NeuronDaten*>& v, int m, bool kern)
    {
        const ModellSchritt eigen[] = {nullptr, nullptr, [](NeuronDaten& n) { swimModellBerechnen(n); },
                                       [](NeuronDaten& n) { hodgkinHuxleyModellBerechnen(n); },
                                       [](NeuronDaten& n) { golowaschBuchholzModellBerechnen(n); }};
        const ModellSchritt vorher = modellSchritt[m];
        if (!kern)
            modellSchritt[m] = eigen[m];
        laufZustand.eingerichtet = 0;
        EXPECT_EQ(simulationAusfuehren(), schritte);
        modellSchritt[m] = vorher;
        Ergebnis e;
        for (NeuronDaten* n : v) {
            e.aps.push_back(n->apAnzahl);
            e.soma.push_back(n->hauptDiagramm.kurven[kurve::Soma].werte);
        }
        return e;
    }

    static void vergleichen(const std::string& name, const Ergebnis& ist, const Ergebnis& soll, double schwelle)
    {
        for (size_t i = 0; i < soll.aps.size(); ++i) {
            EXPECT_EQ(ist.aps[i], soll.aps[i]) << name << " n" << i + 1;
            int abweichungen = 0;
            for (int k = 1; k < schritte; ++k) {
                // a spike a step earlier or later: the samples around it differ
                const auto kreuzt = [&](const std::vector<float>& w, int j) {
                    return j >= 1 && j < schritte && w[j - 1] < schwelle && w[j] > schwelle;
                };
                bool nah = false;
                for (int j = k - 2; j <= k + 2; ++j)
                    nah = nah || kreuzt(soll.soma[i], j) || kreuzt(ist.soma[i], j);
                if (!nah && std::fabs(ist.soma[i][k] - soll.soma[i][k]) > 0.1 && ++abweichungen <= 3)
                    ADD_FAILURE() << name << " n" << i + 1 << " at " << k << ": " << ist.soma[i][k] << " mV, own step "
                                  << soll.soma[i][k];
            }
        }
    }
};

// forms the shipped neurons do not use (one computed one by one, one that reads the
// synapse's potential), a rate whose denominator is 0 at the start potential, a gate power
// of 5 (the neuron takes the model's own step), in a network of six and in dendrite mode 3;
// and in a network of three, which the kernels step one by one with their own exponential
TEST_F(KernLanes, LanesRechnenWieDieEigenenSchritte)
{
    struct Fall { int m, modus; void (*anpassen)(NeuronDaten&, int); };
    const auto hh = [](NeuronDaten& n, int i) {
        ParameterVektor& P = n.parameter;
        if (i == 2)   // A (V - H) / (1 - exp(-(V - H) / S)) at V = H: its limit
            std::tie(P[par::HhMAlpha + tor::Form], P[par::HhMAlpha + tor::Rate], P[par::HhMAlpha + tor::Halbwert],
                     P[par::HhMAlpha + tor::Steigung]) = std::tuple(12.0, 1e5, P[par::SomaStartpotential], 0.01);
        if (i == 3)
            std::tie(P[par::HhHBeta + tor::Form], P[par::HhHBeta + tor::Rate], P[par::HhHBeta + tor::Halbwert]) =
                std::tuple(28.0, 1000.0, 0.035);
        if (i == 4)
            P[par::HhNPotenz] = 5.0;
        if (i == 5)
            std::tie(P[par::HhHBeta + tor::Form], P[par::HhHBeta + tor::Rate]) = std::tuple(16.0, 1000.0);
    };
    const auto swim = [](NeuronDaten& n, int i) {
        ParameterVektor& P = n.parameter;
        if (i == 2)
            std::tie(P[par::SwimHBeta + tor::Form], P[par::SwimHBeta + tor::Rate], P[par::SwimHBeta + tor::Halbwert]) =
                std::tuple(28.0, 1000.0, 0.035);
        if (i == 3)
            P[par::SwimKG] = 0.0;
        if (i == 4)
            P[par::SwimMPotenz] = 6.0;
    };
    const auto gb = [](NeuronDaten& n, int i) {
        ParameterVektor& P = n.parameter;
        if (i == 2)
            std::tie(P[par::Gb1HBeta], P[par::Gb1HBeta + 1], P[par::Gb1HBeta + 2]) = std::tuple(28.0, 1000.0, 0.035);
        if (i == 4)
            P[par::Gb8Potenz] = 7.0;
    };
    const Fall faelle[] = {{modell::HodgkinHuxley, 1, hh},   {modell::HodgkinHuxley, 3, hh},
                           {modell::Swim, 1, swim},          {modell::Swim, 3, swim},
                           {modell::GolowaschBuchholz, 1, gb}, {modell::GolowaschBuchholz, 3, gb}};
    // all six on lanes, and the three with the special cases (2, 4, 5) one by one
    for (const Fall& f : faelle)
        for (bool wenige : {false, true}) {
            const std::string name = "m" + std::to_string(f.m) + " modus " + std::to_string(f.modus) + (wenige ? " drei" : "");
            std::vector<NeuronDaten*> v = netz(f.m, f.modus, f.anpassen);
            if (wenige)
                for (int i : {6, 3, 1}) {
                    weg(v[static_cast<size_t>(i - 1)]);
                    v.erase(v.begin() + (i - 1));
                }
            const double schwelle = v[0]->parameter[spikeSchwellenIndex(f.m)] * 1000.0;
            const Ergebnis mitKern = laufen(v, f.m, true);
            const Ergebnis eigen = laufen(v, f.m, false);
            vergleichen(name, mitKern, eigen, schwelle);
            int aps = 0;
            for (int a : eigen.aps)
                aps += a;
            EXPECT_GT(aps, 0) << name;   // the comparison covers spikes
            EXPECT_TRUE(pt::boxLog().empty()) << name << ": " << pt::boxLog().front().text;
        }
    netzvorgaben = {};
    modusStatus = 0;
}

// The kernels read a stimulus again only where its current may change; the currents must
// still follow every point and edge: table points closer than a step (the cursor lags behind
// them), several points at one time (a permanent stimulus), pulses into the soma and into a
// segment, the legacy windows with edges between two steps, in dendrite modes 1 and 3
TEST_F(KernLanes, GehalteneReizeFolgenPunktenUndKanten)
{
    const double reizSchritt = std::exchange(reizSchrittweite, 0.3e-4);
    const auto reize = [](NeuronDaten& n, int i) {
        EXPECT_TRUE(stromtabellenSicherstellen(n));
        n.somaCurrent = 0.0;
        StromreizDefinition& d = n.stromreize[0];
        if (i == 1)   // permanent, rising over three table points stacked at 0
            std::tie(d.an, d.dauerreiz, d.anzahl, d.amplitude) = std::tuple(1, 1, 1, 0.6e-9);
        if (i == 2 || i == 5)   // ramps with points a third of a step apart, and a train
            std::tie(d.an, d.beginn, d.anstieg, d.dach, d.abfall, d.amplitude, d.anzahl, d.pause) =
                std::tuple(1, 0.01003, 0.002, 0.01, 0.001, 1.5e-9, 5, 0.05);
        if (d.an)
            EXPECT_EQ(stromreizKurveErzeugen(n, 0), 1);
        if (i == 3 && simulationsParameter.anzahlSegmente > 0) {
            StromreizDefinition& s = n.stromreize[1];
            std::tie(s.an, s.beginn, s.dach, s.amplitude, s.anzahl, s.pause) = std::tuple(1, 0.02, 0.01, 3e-9, 4, 0.06);
            EXPECT_EQ(stromreizKurveErzeugen(n, 1), 1);
        }
        if (i == 3 || i == 5)
            std::tie(n.somaCurrent, n.somaSCStart, n.somaSCEnd) = std::tuple(1.2e-9, 0.03005, 0.21995);
        if (i == 4)   // in dendrite mode 1 into the soma
            std::tie(n.dendCurrent, n.dendSCStart, n.dendSCEnd) = std::tuple(3e-9, 0.05002, 0.15007);
    };
    for (int modus : {1, 3}) {
        const std::string name = "modus " + std::to_string(modus);
        std::vector<NeuronDaten*> v = netz(modell::Swim, modus, reize);
        gereizteKompartimenteGesamtZaehlen();
        const double schwelle = v[0]->parameter[spikeSchwellenIndex(modell::Swim)] * 1000.0;
        const Ergebnis mitKern = laufen(v, modell::Swim, true);
        const Ergebnis eigen = laufen(v, modell::Swim, false);
        vergleichen(name, mitKern, eigen, schwelle);
        for (int i : {0, 1, 2, 3, 4})
            if (i != 3 || modus == 1)
                EXPECT_GT(eigen.aps[static_cast<size_t>(i)], 0) << name << " n" << i + 1;
        EXPECT_TRUE(pt::boxLog().empty()) << name << ": " << pt::boxLog().front().text;
    }
    reizSchrittweite = reizSchritt;
    netzvorgaben = {};
    modusStatus = 0;
}

// The segments on lanes against the model's own step, with every integration method: one
// segment (dendrite mode 2); six with dendrites cut short at different segments, one neuron
// without dendrites, the legacy dendrite current into a segment and a segment's stimulus
// (mode 4). The segments' last potentials too, not only what reaches the soma.
TEST_F(KernLanes, SegmenteAufLanesWieDieEigenenSchritte)
{
    const auto dendriten = [](NeuronDaten& n, int i) {
        ParameterVektor& P = n.parameter;
        if (i == 2 || i == 6)
            std::tie(n.dendCurrent, n.dendSCStart, n.dendSCEnd, n.dendSCLocation) = std::tuple(4e-9, 0.05002, 0.15007, i == 2 ? 2 : 5);
        if (i == 3 && simulationsParameter.anzahlSegmente > 0) {
            EXPECT_TRUE(stromtabellenSicherstellen(n));
            StromreizDefinition& s = n.stromreize[1];
            std::tie(s.an, s.beginn, s.dach, s.amplitude, s.anzahl, s.pause) = std::tuple(1, 0.02, 0.01, 3e-9, 4, 0.06);
            EXPECT_EQ(stromreizKurveErzeugen(n, 1), 1);
        }
        if (i >= 3)
            P[par::SegmentAnzahl] = i - 1;   // cut after segment 2, 3, 4, 5
        if (i == 5)
            P[par::ErstesSegment] = 0;
    };
    using namespace integration;
    for (int modus : {2, 4})
        for (int methode : {ExponentiellerEuler, Euler, CrankNicolson, RungeKutta4}) {
            const std::string name = "modus " + std::to_string(modus) + " methode " + std::to_string(methode);
            std::vector<NeuronDaten*> v = netz(modell::Swim, modus, dendriten);
            simulationsParameter.integrationsmethode = methode;
            // (the explicit methods need a smaller step than the stiff channels have at 0.1 ms)
            const bool explizit = methode == Euler || methode == RungeKutta4;
            if (explizit)
                std::tie(simulationsParameter.schrittweite, simulationsParameter.simulationsDauer) =
                    std::tuple(1e-5, (schritte - 0.5) * 1e-5);
            gereizteKompartimenteGesamtZaehlen();
            const double schwelle = v[0]->parameter[spikeSchwellenIndex(modell::Swim)] * 1000.0;
            const Ergebnis mitKern = laufen(v, modell::Swim, true);
            std::vector<std::vector<double>> segmente;
            for (NeuronDaten* n : v)
                segmente.push_back(n->potentiale);
            const Ergebnis eigen = laufen(v, modell::Swim, false);
            vergleichen(name, mitKern, eigen, schwelle);
            for (size_t i = 0; i < v.size(); ++i) {
                ASSERT_EQ(segmente[i].size(), v[i]->potentiale.size()) << name;
                for (size_t c = 1; c < segmente[i].size(); ++c)
                    EXPECT_NEAR(segmente[i][c], v[i]->potentiale[c], 1e-4) << name << " n" << i + 1 << " segment " << c;
            }
            if (!explizit)
                EXPECT_GT(eigen.aps[1], 0) << name;
            EXPECT_TRUE(pt::boxLog().empty()) << name << ": " << pt::boxLog().front().text;
        }
    netzvorgaben = {};
    modusStatus = 0;
}

// The plain synapses' release and source potential live in the loop's arrays during a run;
// afterwards the records hold those of the last step, as the walk through the records left them.
TEST_F(KernLanes, NachDemLaufHaltenDieSynapsenIhreLetzteFreisetzung)
{
    std::vector<NeuronDaten*> v = netz(modell::Swim, 1);
    std::vector<SynapseDaten*> synapsen;
    for (int i : {0, 1, 2})
        synapsen.push_back(verbinde(v[5], v[static_cast<size_t>(i)], 0, 2e-7, 0.001));
    synapsen.push_back(verbinde(v[4], v[0], 0, 1e-7, 0.002));
    // the last step of the run (at rest) between threshold and saturation
    for (SynapseDaten* s : synapsen)
        std::tie(s->freisetzungsSchwelle, s->freisetzungsSaettigung) = std::tuple(-0.2, 0.2);
    const Ergebnis e = laufen(v, modell::Swim, true);
    EXPECT_GT(e.aps[0], 0);
    for (SynapseDaten* s : synapsen) {
        const double quelle = neuronNachNummer(s->quellNummer)->potentiale[0];
        EXPECT_EQ(s->quellPotential, quelle) << s->id;
        EXPECT_EQ(s->abgabe, freisetzungsAnteil(quelle, -0.2, 0.4) * s->leitfaehigkeit) << s->id;
        EXPECT_GT(s->abgabe, 0.0) << s->id;
    }
    netzvorgaben = {};
    modusStatus = 0;
}

// An abort keeps the state of the last step in the records: the pump finds a quit request
// at the first step, so one step is taken, with the kernel on its lanes (six neurons) or one
// by one (two) as with the model's own step.
TEST_F(KernLanes, AbbruchLaesstDenLetztenSchrittInDenDatensaetzen)
{
    for (int m : {modell::Swim, modell::HodgkinHuxley, modell::GolowaschBuchholz})
        for (int anzahl : {neurone, 2}) {
            const std::string name = "m" + std::to_string(m) + " mit " + std::to_string(anzahl);
            std::vector<std::vector<double>> zustand[2];
            for (bool kern : {true, false}) {
                std::vector<NeuronDaten*> v = netz(m, 3);
                while (static_cast<int>(v.size()) > anzahl) {
                    weg(v.back());
                    v.pop_back();
                }
                for (NeuronDaten* n : v)   // (the current flows from the first step on)
                    n->somaSCStart = 0.0;
                const ModellSchritt vorher = modellSchritt[m];
                if (!kern)
                    modellSchritt[m] = m == modell::Swim ? [](NeuronDaten& n) { swimModellBerechnen(n); }
                                       : m == modell::HodgkinHuxley
                                           ? [](NeuronDaten& n) { hodgkinHuxleyModellBerechnen(n); }
                                           : [](NeuronDaten& n) { golowaschBuchholzModellBerechnen(n); };
                plattform::beendenPosten(0);
                EXPECT_EQ(simulationAusfuehren(), 1) << name;
                modellSchritt[m] = vorher;
                EXPECT_EQ(laufZustand.abbrechen, 1) << name;
                for (NeuronDaten* n : v) {
                    std::vector<double> z(n->potentiale.begin(), n->potentiale.end());
                    z.insert(z.end(), n->torVariable.begin(), n->torVariable.end());
                    z.insert(z.end(), n->kanalStrom.begin(), n->kanalStrom.end());
                    z.push_back(n->caKonzentration);
                    z.push_back(n->eingangSumme);
                    zustand[kern ? 0 : 1].push_back(z);
                }
            }
            ASSERT_EQ(zustand[0].size(), zustand[1].size()) << name;
            for (size_t i = 0; i < zustand[0].size(); ++i)
                for (size_t k = 0; k < zustand[0][i].size(); ++k)
                    EXPECT_NEAR(zustand[0][i][k], zustand[1][i][k], 1e-9 * std::fabs(zustand[1][i][k]) + 1e-18)
                        << name << " n" << i + 1 << " value " << k;
            // and the start state is gone: the step moved the potentials
            EXPECT_NE(zustand[0][0][0], netz(m, 3)[0]->parameter[par::SomaStartpotential]) << name;
        }
    netzvorgaben = {};
    modusStatus = 0;
}

} // namespace
