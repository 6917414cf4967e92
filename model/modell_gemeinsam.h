// model/modell_gemeinsam.h - what the model steps share
//
// The stimulus cursors, the network noise, the injected soma currents, the passive dendrite
// segments, the update of all compartments and the AP count are the same in the three
// models; only the soma's channels and its rate differ. The work values live on the stack
// in fixed arrays of groessteSegmentAnzahl + 1, so a step allocates nothing.
#pragma once
#include "core/status.h"
#include "model/neuron.h"
#include "model/simulationsparameter.h"
#include <algorithm>
#include <array>
#include <cmath>

constexpr int hoechsteKompartimenteAnzahl = groessteSegmentAnzahl + 1;
using KompartimentFeld = std::array<double, hoechsteKompartimenteAnzahl>;

struct PassivSchritt {
    int kompartimente = 0;      // entries every per-compartment array of the neuron has
    int letztes = 0;            // last compartment computed and updated (0 without dendrites)
    bool mitDendriten = false;
    double somaStroeme = 0.0;   // the three injected soma currents of this step
    KompartimentFeld reizStrom{}, b{}, a{};
};

// what every model step reads of the run: integration method, step width (s), time (s)
struct LaufWerte {
    int methode;
    double T, t;
};
inline LaufWerte laufWerte()
{
    return {simulationsParameter.integrationsmethode, simulationsParameter.schrittweite, laufZustand.t};
}

// t lies in [beginn, ende): the windows of the constant legacy currents
inline bool imFenster(double t, double beginn, double ende) { return beginn <= t && t < ende; }

// compartments the step may touch; 0 when the neuron has no arrays
int passivKompartimente(const NeuronDaten& n);
// s.kompartimente of the neuron a model step works on; false when it has no arrays, and
// the step does nothing
inline bool schrittBeginnen(const NeuronDaten& n, PassivSchritt& s)
{
    s.kompartimente = passivKompartimente(n);
    return s.kompartimente >= 1;
}
// table cursors of all compartments, the network noise (shared state) and the injected
// soma currents at time t
void reizUndRauschen(NeuronDaten& n, PassivSchritt& s, double t, double T);
// The same with the cursors (one per compartment) and the noise current kept elsewhere:
// a run kernel keeps them in its lanes.
void reizUndRauschen(const NeuronDaten& n, PassivSchritt& s, double t, double T, int* cursor, double& rauschStrom);
// the noise current of a neuron with noise in a step of width T; the network's noise state
// moves on
double netzRauschen(double T);
// After reizUndRauschen's step at time t moved the cursors: the time from which a later step
// may give other stimulus currents or move a cursor (the next table point or window edge
// ahead); up to then, with time not going back and the records unchanged, every step gives
// the currents of the step at t. At most t when the next step moves a cursor, +inf when
// nothing changes any more. The noise is not considered.
double reizGleichBis(const NeuronDaten& n, int kompartimente, const int* cursor, double t);
// True when the neuron's step may get a stimulus or noise current (a table with a current
// other than 0, one of the legacy currents, the network noise): a run kernel skips
// reizUndRauschen for the others, whose stimulus and noise currents are 0.
bool reizMoeglich(const NeuronDaten& n, int kompartimente, bool mitDendriten);
// Coefficients a, b of segments 1..letztes (of segmente in all): neighbour sum, legacy
// dendCurrent, stimulus table, synapses, leak; adds their currents to eingangSumme and
// synStromSumme. Every model with dendrites computes its segments this way.
void segmentKoeffizienten(NeuronDaten& n, int letztes, int segmente, const KompartimentFeld& reizStrom,
                          KompartimentFeld& a, KompartimentFeld& b, double t);
// the same from the potentials p[0..] and into the sums given (a run kernel's lanes)
void segmentKoeffizienten(const NeuronDaten& n, const double* p, int letztes, int segmente,
                          const KompartimentFeld& reizStrom, KompartimentFeld& a, KompartimentFeld& b, double t,
                          double& synStromSumme, double& eingangSumme);
// the same for the passive models' work values
void dendritKoeffizienten(NeuronDaten& n, PassivSchritt& s, double t);
// potentiale[c] for c = 0..letztes; no clamp, no clipping
void kompartimenteIntegrieren(NeuronDaten& n, const PassivSchritt& s, int methode, double T);
// counts an AP when the soma crossed the threshold upward in this step
void apZaehlen(NeuronDaten& n, double v0, double schwelle);
// a parameter used as a whole number (form, power): cut toward zero; NaN gives 0
inline int ganzeZahl(double w)
{
    if (std::isnan(w))
        return 0;
    return static_cast<int>(std::trunc(std::clamp(w, -2.0e9, 2.0e9)));
}
