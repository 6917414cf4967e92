// model/kern.h - the run kernels: the neurons of one model stepped together
//
// A kernel resolves at the run's start, for each neuron of its model, what cannot change
// during a step (form numbers, powers, reciprocals, unit factors) into contiguous arrays of
// lanes, one lane per neuron, and steps all these neurons with one call per time step.
// During a run its lanes are the only live copy of what its step writes: the potentials,
// the gates, the channel currents, the input sums and the stimulus cursors. The records
// are brought up to date from the lanes (laufKerneZurueckschreiben) at the end of a run,
// at an abort or a halt and before code outside the kernels reads them (the event pump,
// the test hook of the synapse dynamics, the script's step, an export line); what such
// code may have written goes back into the lanes before the next step
// (laufKerneUebernehmen, laufKernReizeUebernehmen for the stimulus tables that feedback and
// collision objects rebuild). Code that runs in every step and needs a few of these values
// (the recorder, the synaptic currents and the synapse dynamics, the check for values that
// are no numbers) reads them through laufQuelle, which knows where they live.
//
// The results equal those of the per-neuron steps up to the rounding of reciprocals and of
// the kernel's own exponential (model/kern_exp.h).
#pragma once
#include <array>
#include <cstddef>
#include <vector>
struct NeuronDaten;
struct LaufKern;

// Where a kernel keeps one neuron's values during a run; the records hold the others.
struct LaufOrt {
    const double* potentiale = nullptr;   // compartment c at potentiale[c * abstand]
    size_t abstand = 0;
    int kompartimente = 0;                // the compartments in the lanes (the step's)
    std::array<const double*, 9> kanalStrom{};   // null: kanalStrom[j] is the record's
    std::array<double, 9> kanalFaktor{};         // the lane times this factor
    const double* caKonzentration = nullptr;
    LaufKern* kern = nullptr;             // the kernel and the neuron's lane there
    size_t lane = 0;
};

// the place of each neuron, by its number (1..1023); null outside a run and for the neurons
// the kernels do not hold
extern std::array<const LaufOrt*, 1024> laufOrte;

// what laufQuelle finds
namespace laufGroesse { constexpr int Potential = 0, KanalStrom = 1, CaKonzentration = 2; }
struct LaufQuelle {
    const double* wert;   // the value is *wert * faktor (never null)
    double faktor;
};
// The place of a value of the neuron that the step writes: potential of compartment index,
// kanalStrom[index] or the Ca concentration; in the lanes during a run, else in the record.
// A compartment the neuron does not have reads 0.
LaufQuelle laufQuelle(const NeuronDaten& n, int groesse, int index = 0);
inline double laufWert(const NeuronDaten& n, int groesse, int index = 0)
{
    const LaufQuelle q = laufQuelle(n, groesse, index);
    return *q.wert * q.faktor;
}
// the potential of compartment c, the hot path of the synapse passes
double laufPotential(const NeuronDaten& n, int c);

// Hands the run's neurons (in chain order) to the kernels, which take their state from the
// records. A kernel takes the neurons of its model while the dispatch table still holds
// that model's own step. With the network noise or the feedback objects on, the noise draws
// and the stimuli a spike rebuilds follow the order of the steps: the kernels then take the
// neurons only when all stepped neurons share one model.
void laufKerneVorbereiten(const std::vector<NeuronDaten*>& neurone);
// true when a kernel steps the neurons of model typ in this run
bool laufKernUebernimmt(int typ);
// one step of every neuron the kernels took, at laufZustand.t
void laufKerneSchritt();
// every record the kernels hold brought up to date from the lanes; one neuron's
void laufKerneZurueckschreiben();
void laufKernZurueckschreiben(const NeuronDaten& n);
// Everything the step reads or writes taken from the records again (state, constants, which
// neurons have stimuli, synapses, special cases): after code outside the kernels may have
// changed the records.
void laufKerneUebernehmen();
// the neuron's stimulus cursors taken from its records (after a table was rebuilt)
void laufKernReizeUebernehmen(const NeuronDaten& n);
// the end of a run: every record up to date, the kernels let go of their neurons
void laufKerneBeenden();
// true when every soma potential the kernels hold is a finite number
bool laufKerneEndlich();

// the kernels of the models (model/kern_*.cpp)
struct LaufKern {
    virtual ~LaufKern() = default;
    // takes the neurons of its model (only those with compartments) and their state
    virtual void nehmen(const std::vector<NeuronDaten*>& neurone) = 0;
    virtual bool leer() const = 0;
    virtual void schritt() = 0;
    // lanes -> records, all or one (lane i)
    virtual void zurueckschreiben() = 0;
    virtual void neuronZurueckschreiben(size_t i) = 0;
    // records -> lanes, all (state and constants) or one neuron's stimulus cursors
    virtual void uebernehmen() = 0;
    virtual void reizeUebernehmen(size_t i) = 0;
    // true when every soma potential in the lanes is a finite number
    virtual bool endlich() const = 0;
    // the neuron and the place of lane i
    virtual NeuronDaten* neuron(size_t i) const = 0;
    virtual const LaufOrt& ort(size_t i) const = 0;
    virtual size_t anzahl() const = 0;
};
LaufKern& swimKern();
LaufKern& hhKern();
LaufKern& gbKern();
