// model/netzeinstellungen.cpp - the network's steps in the start values and the refresh
#include "model/netzeinstellungen.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

namespace {

template <class F>
void fuerNeurone(NeuronDaten* n, F f)
{
    if (n) {
        f(*n);
        return;
    }
    for (NeuronDaten* x = neuronKette.kopf; x; x = x->naechstesNeuron)
        f(*x);
}

} // namespace

void simulationsparameterVoreinstellen()
{
    simulationsParameter = Simulationsparameter{};
    netzvorgaben = Netzvorgaben{};
    reizSchrittweite = 10.0 * simulationsParameter.schrittweite;
    gereizteKompartimenteGesamt = 0;
}

void standardneuronVoreinstellen()
{
    // the stimulus builder works in the standard neuron's tables of compartments 0-3,
    // whatever the network's segment count
    if (stdNeuron.segmentAnzahl < 3 || kompartimentAnzahl(stdNeuron) < 4)
        kompartimenteAnpassen(stdNeuron, std::max(3, stdNeuron.segmentAnzahl));
}

void anzeigeIntervallPruefen(NeuronDaten*, int)
{
    if (simulationsParameter.anzeigeIntervall <= 0.0)
        simulationsParameter.anzeigeIntervall = 1000.0;
}

void netzwerktypPruefen(NeuronDaten*, int)
{
    if (simulationsParameter.netzwerktyp < 1) {
        simulationsParameter.netzwerktyp = 3;
        simulationsParameter.anzahlSegmente = 3;
    }
}

bool segmentAnzahlSetzen(int segmente)
{
    if (!segmentAnzahlPruefen(segmente))
        return false;
    simulationsParameter.anzahlSegmente = segmente;
    netzKompartimenteAnpassen();
    return true;
}

void kompartimenteAktualisieren(NeuronDaten* n, int)
{
    // A count stored without segmentAnzahlSetzen that no arrays can have is reported and
    // gives way to the dendrite mode's count: the count and the arrays must agree.
    int& anzahl = simulationsParameter.anzahlSegmente;
    if (!segmentAnzahlPruefen(anzahl)) {
        const int vomModus = segmenteFuerNetzwerktyp(simulationsParameter.netzwerktyp);
        anzahl = vomModus >= 0 ? vomModus : 3;
        n = nullptr;   // every neuron follows, not only the one refreshed
    }
    const int segmente = anzahl;
    fuerNeurone(n, [&](NeuronDaten& x) {
        if (x.nummer != -1 && (x.segmentAnzahl != segmente || kompartimentAnzahl(x) != segmente + 1))
            kompartimenteAnpassen(x, segmente);
    });
}

void modellTypAktualisieren(NeuronDaten* n, int)
{
    fuerNeurone(n, [](NeuronDaten& x) {
        if (x.modellTyp == 0)
            x.modellTyp = simulationsParameter.netzwerkmodell;
    });
}

void neuronTabelleAktualisieren(NeuronDaten* n, int)
{
    if (n) {
        if (neuronNachNummer(n->nummer) == nullptr)
            neuronTabelleSetzen(n->nummer, n);
        return;
    }
    // the program's own neurons are in no chain: the table alone holds them
    std::vector<NeuronDaten*> eigene;
    for (int nummer = 1; nummer < neuronTabellenGroesse; ++nummer)
        if (NeuronDaten* x = neuronNachNummer(nummer); x && x->hilfsneuron)
            eigene.push_back(x);
    neuronTabelleLeeren();
    for (NeuronDaten* x = neuronKette.kopf; x; x = x->naechstesNeuron)
        if (!neuronNachNummer(x->nummer))   // the first of equal numbers keeps the slot
            neuronTabelleSetzen(x->nummer, x);
    for (NeuronDaten* x : eigene)
        if (!neuronNachNummer(x->nummer))
            neuronTabelleSetzen(x->nummer, x);
}

int passivMarkeBerechnen(const NeuronDaten& n)
{
    auto alleNull = [&](std::initializer_list<int> indizes) {
        return std::all_of(indizes.begin(), indizes.end(), [&](int i) { return n.parameter[i] == 0.0; }) ? 1 : 0;
    };
    // the channels whose conductances the run looks at; any other model counts as SWIM
    switch (n.modellTyp) {
    case modell::OnOff: return alleNull({par::Phase1G, par::Phase2G});
    case modell::HodgkinHuxley: return alleNull({par::HhNaG, par::HhKG});
    case modell::GolowaschBuchholz: return alleNull({par::Gb1G, par::Gb2G, par::Gb4G, par::Gb5G});
    default: return alleNull({par::SwimNaG, par::SwimKG, par::SwimCaG});
    }
}

void passivMarkenAktualisieren(NeuronDaten* n, int)
{
    fuerNeurone(n, [](NeuronDaten& x) { x.passivMarke = passivMarkeBerechnen(x); });
}

void netzAktualisieren(NeuronDaten* n, int nachLaden)
{
    if (laufEinstellungen.xlpspToleranz <= 0.0)
        laufEinstellungen.xlpspToleranz = 1e-10;
    anzeigeIntervallPruefen(n, nachLaden);
    netzwerktypPruefen(n, nachLaden);
    kompartimenteAktualisieren(n, nachLaden);
    modellTypAktualisieren(n, nachLaden);
    neuronTabelleAktualisieren(n, nachLaden);
    passivMarkenAktualisieren(n, nachLaden);
}
