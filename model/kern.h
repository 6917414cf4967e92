// model/kern.h - the run kernels: the neurons of one model stepped together
//
// A kernel resolves at the run's start, for each neuron of its model, what cannot change
// during a step (form numbers, powers, reciprocals, unit factors) into one contiguous array,
// and then steps all these neurons with one call per time step, the integration method a
// template parameter. It keeps no state of its own between steps: potentials, gates,
// currents and the stimulus tables stay in the neurons and are read and written there, so
// the recorder, the synaptic currents, the diagrams and the hooks see and change them as
// with the per-neuron steps. The results equal those of the per-neuron steps up to the
// rounding of reciprocals and of the kernel's own exponential (model/kern_exp.h).
#pragma once
#include <vector>
struct NeuronDaten;

// Hands the run's neurons (in chain order) to the kernels. A kernel takes the neurons of
// its model while the dispatch table still holds that model's own step. With the network
// noise or the feedback objects on, the noise draws and the stimuli a spike rebuilds follow
// the order of the steps: the kernels then take the neurons only when all stepped neurons
// share one model.
void laufKerneVorbereiten(const std::vector<NeuronDaten*>& neurone);
// true when a kernel steps the neurons of model typ in this run
bool laufKernUebernimmt(int typ);
// one step of every neuron the kernels took, at laufZustand.t
void laufKerneSchritt();
// Resolves the constants again from the neurons' parameters: the loop calls it after each
// pass of the event pump and of a script, which may have changed them.
void laufKerneAufloesen();

// the kernels of the models (model/kern_*.cpp): take the neurons of their model, resolve,
// step
struct LaufKern {
    virtual ~LaufKern() = default;
    virtual void nehmen(const std::vector<NeuronDaten*>& neurone) = 0;   // only its model's
    virtual void aufloesen() = 0;
    virtual void schritt() = 0;
    virtual bool leer() const = 0;
};
LaufKern& swimKern();
LaufKern& hhKern();
LaufKern& gbKern();
