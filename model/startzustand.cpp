// model/startzustand.cpp - the run state every neuron gets before the first step
#include "model/startzustand.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include "platform/box.h"
#include "texts/textformat.h"
#include "texts/texte.h"
#include <algorithm>
#include <cmath>

namespace {

// a parameter cut to a whole number toward zero; NaN gives 0, values beyond the int range
// stop at its edge instead of overflowing
int ganzZurNull(double w)
{
    if (std::isnan(w))
        return 0;
    return static_cast<int>(std::trunc(std::clamp(w, -2.0e9, 2.0e9)));
}

// the notice of a channel that cannot be linked; always returns false
bool verknuepfungVerweigern(int meldung, std::span<const FormatArgument> argumente)
{
    meldungsPuffer = sicherFormatieren(meldungsTexte[meldung], meldungsTexte.eingebauterText(meldung), argumente);
    plattform::hinweisBox(meldungsPuffer);
    return false;
}

// The user channels of a SWIM neuron: start gate, E*g, and the synapse link of a
// channel activated by a synapse. False after the notice of a channel whose synapse
// id is 0 or has no synapse.
bool benutzerKanaeleVorbereiten(NeuronDaten& n)
{
    for (BenutzerKanal& k : n.benutzerKanaele) {
        // a link of an earlier run may point at a synapse deleted since
        k.synapse = nullptr;
        if (k.leitfaehigkeit == 0.0)
            continue;
        // start gate and E*g
        k.torWert = k.torStartwert;
        k.eMalG = k.gleichgewichtspotential * k.leitfaehigkeit;
        if (k.stromUeberSynapse == 0)
            continue;
        // the synapse that activates the channel
        const std::string name = neuronAnzeigename(n);
        if (k.synapseId == 0) {
            const std::array<FormatArgument, 1> a{FormatArgument(name)};
            return verknuepfungVerweigern(1742, a);
        }
        SynapseDaten* s = synapseNachId(k.synapseId);
        if (s == nullptr) {
            const std::array<FormatArgument, 2> a{FormatArgument(k.synapseId), FormatArgument(name)};
            return verknuepfungVerweigern(1743, a);
        }
        // it delivers its release fraction one step later and practically no conductance
        k.synapse = s;
        s->kanalAktivierung = k.stromUeberSynapse;
        s->verzoegerung = simulationsParameter.schrittweite;
        s->initialLeitfaehigkeit = 1e-300;
    }
    return true;
}

// one neuron's start state; false when its user channels refuse
bool neuronStartzustand(NeuronDaten& n)
{
    const ParameterVektor& P = n.parameter;
    auto& k = n.kompartimentSchalter;
    const int eigeneSegmente = std::max(kompartimentAnzahl(n) - 1, 0);

    // spike count, legacy dendrite current, the dendrite-current segment and its switch
    n.apAnzahl = 0;
    n.dendStromAmSoma = n.dendStartAmSoma = n.dendEndeAmSoma = 0.0;
    k[2] = n.dendSCLocation;
    k[3] = n.dendSCSchalter;

    // compartment switches of the dendrite mode
    switch (simulationsParameter.netzwerktyp) {
    case 1:
        n.dendStromAmSoma = n.dendCurrent;
        n.dendStartAmSoma = n.dendSCStart;
        n.dendEndeAmSoma = n.dendSCEnd;
        k = {0, 0, 0, 1};
        break;
    case 2:
        k = {1, 1, 1, 1};
        break;
    case 3:
        k[0] = 1;
        k[1] = 3;
        if (k[2] > 3)
            k[2] = 3;
        k[3] = 1;
        break;
    case 4:
        k[0] = ganzZurNull(P[par::ErstesSegment]);
        k[1] = ganzZurNull(P[par::SegmentAnzahl]);
        if (k[2] > simulationsParameter.anzahlSegmente)
            k[2] = simulationsParameter.anzahlSegmente;
        break;
    default:
        break;
    }
    // the model steps walk segments 1..k[1] and feed segment k[2]: never past the
    // neuron's own arrays (P6 is editable, and a neuron keeps the n of its creation)
    k[1] = std::min(k[1], eigeneSegmente);
    k[2] = std::min(k[2], eigeneSegmente);

    // start gates and g*E products of the model
    auto& tor = n.torVariable;
    auto& gE = n.leitwertMalPotential;
    switch (n.modellTyp) {
    case modell::OnOff:
        // the longest of the three phases, so that no phase is active at the start
        n.onOffZeitgeber = P[par::Phase1Dauer];
        if (P[par::Phase2Dauer] + P[par::Phase2Verzoegerung] > n.onOffZeitgeber)
            n.onOffZeitgeber = P[par::Phase2Dauer] + P[par::Phase2Verzoegerung];
        if (P[par::Phase3Dauer] + P[par::Phase3Verzoegerung] > n.onOffZeitgeber)
            n.onOffZeitgeber = P[par::Phase3Dauer] + P[par::Phase3Verzoegerung];
        n.onOffPhaseAktiv = 0;
        break;
    case modell::Swim:
        tor[0] = P[par::SwimMStart];
        tor[2] = P[par::SwimNStart];
        tor[1] = P[par::SwimHStart];
        tor[6] = P[par::SwimCStart];
        if (!benutzerKanaeleVorbereiten(n))
            return false;
        n.kanalStrom[4] = n.kanalStrom[5] = n.kanalStrom[6] = n.kanalStrom[3] = 0.0;
        gE[0] = P[par::SwimNaE] * P[par::SwimNaG];
        gE[1] = P[par::SwimKE] * P[par::SwimKG];
        gE[3] = P[par::SwimCaE] * P[par::SwimCaG];
        break;
    case modell::HodgkinHuxley:
        tor[0] = P[par::HhMStart];
        tor[2] = P[par::HhNStart];
        tor[1] = P[par::HhHStart];
        n.kanalStrom[4] = n.kanalStrom[5] = n.kanalStrom[6] = 0.0;
        gE[4] = P[par::HhNaE] * P[par::HhNaG];
        gE[5] = P[par::HhKE] * P[par::HhKG];
        n.hhLeckTerm = P[par::SomaLeitwert] * -0.054402;
        break;
    case modell::GolowaschBuchholz:
        tor[0] = P[par::Gb1MStart];
        tor[2] = P[par::Gb2NStart];
        tor[1] = P[par::Gb1HStart];
        tor[6] = P[par::Gb4AktStart];
        tor[8] = P[par::Gb4InaktStart];
        tor[9] = P[par::Gb5Start];
        tor[3] = P[par::Gb3AStart];
        tor[4] = P[par::Gb3B1Start];
        tor[5] = P[par::Gb3B2Start];
        tor[10] = P[par::Gb6AktStart];
        tor[11] = P[par::Gb6InaktStart];
        tor[12] = P[par::Gb7Start];
        tor[13] = P[par::Gb8Start];
        n.kanalStrom[4] = n.kanalStrom[5] = 0.0;
        n.caKonzentration = P[par::GbCaStart];
        gE[6] = P[par::Gb1E] * P[par::Gb1G];
        gE[7] = P[par::Gb2E] * P[par::Gb2G];
        gE[8] = P[par::Gb3E] * P[par::Gb3G];
        gE[9] = P[par::Gb6E] * P[par::Gb6G];
        gE[10] = P[par::Gb7E] * P[par::Gb7G];
        gE[11] = P[par::Gb8E] * P[par::Gb8G];
        break;
    default:
        break;
    }

    // no dendrite factor or no segment: soma only
    if (k[0] == 0 || k[1] == 0)
        k[0] = k[1] = 0;

    // leak and rate terms
    const double faktor = k[0];
    n.leckTerm = P[par::SomaRuhepotential] * P[par::SomaLeitwert];
    n.somaLeitwert = faktor * P[par::DendritSomaKopplung] + P[par::SomaLeitwert];
    n.dendLeckTerm = P[par::DendritRuhepotential] * P[par::DendritLeitwert];
    n.somaRate = P[par::SomaLeitwert] / P[par::SomaKapazitaet];
    n.somaRateMitDendrit = (faktor * P[par::SomaDendritKopplung] + P[par::SomaLeitwert]) / P[par::SomaKapazitaet];

    // start potentials: the clamp's start value everywhere, or P3 and P11
    const int letztes = std::min(simulationsParameter.anzahlSegmente, eigeneSegmente);
    if (n.potentiale.empty())
        return true;
    if (n.klemme.flags & 0x1) {
        for (int s = 0; s <= letztes; ++s)
            n.potentiale[s] = n.klemme.startSpannung;
    } else {
        n.potentiale[0] = P[par::SomaStartpotential];
        for (int s = 1; s <= letztes; ++s)
            n.potentiale[s] = P[par::DendritStartpotential];
    }
    return true;
}

} // namespace

bool neuronenStartzustandSetzen()
{
    // the shared noise state
    gemeinsamerRauschZustand = 0.0;
    // every neuron from the head
    for (aktuellesNeuron = neuronKette.kopf; aktuellesNeuron != nullptr;
         aktuellesNeuron = aktuellesNeuron->naechstesNeuron) {
        if (!neuronStartzustand(*aktuellesNeuron))
            return false;   // refused: the caller runs no step
    }
    return true;
}
