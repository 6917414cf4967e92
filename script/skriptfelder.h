// script/skriptfelder.h - the network fields that script statements set, and what they held
// before a run
//
// A script is an analysis: the values its statements set in the network last only as long
// as the run. Before a statement sets a field for the first time in a run, the field's
// value is kept with the numbers that find it again (neuron, stimulus, channel position or
// synapse id, and the statement's code; never a pointer, as the user may delete a neuron
// between two simulations); the end of the run, however it comes, puts every kept value
// back. A user who wants a run's values takes them on purpose, with the evaluation mode's
// commands that apply stored parameters.
#pragma once
#include "script/skript.h"
#include "files/analysewaechter.h"

struct BenutzerKanal;
struct Bahnung;
struct StromreizDefinition;
struct SynapseDaten;

// The parameter-vector fields a neuron statement (SRU, DRU, SKA, DKA, LLE) sets; LLE sets
// the soma's and the dendrite's leak conductance, the others one field (zweites -1).
struct ParameterFelder {
    int erstes = -1, zweites = -1;
};
ParameterFelder neuronFelder(Anweisungscode code);

// The parameter-vector field a channel statement sets in a standard channel (1 sodium
// activation, 8 sodium inactivation, 2 potassium, 3 calcium); -1 for any other channel.
int standardKanalFeld(int kanal, Anweisungscode code);
bool standardKanalBekannt(int kanal);
// the field a channel statement sets in a user channel (LEI for any code it does not name)
double& benutzerKanalFeld(BenutzerKanal& k, Anweisungscode code);

// The stimulus field a script code names: a real or a whole-number field, both null for a
// code that names none.
struct ReizFeld {
    double* zahl = nullptr;
    int* ganz = nullptr;
};
ReizFeld reizFeld(StromreizDefinition& r, Anweisungscode code);

// The plain real field of a synapse a code names (delay, release, transmitter dynamics);
// null for SLE, which moves its pool's sum too, for SEP and for any other code.
double* synapsenFeld(SynapseDaten& syn, Anweisungscode code);
// the facilitation or depression field a code (TNF .. BBD) names, null for others
double* bahnungsFeld(Bahnung& b, Anweisungscode code);

// The values a run changed, as they were before, kept in the run's guard: its statements'
// values, the marks and curves of its result neurons, the program switches and settings it
// sets. Given back in the reverse order of keeping, so where two kept values cover one field
// the older one wins; a target gone by the end is passed over, and a network closed or
// replaced meanwhile gets nothing.
class Ausgangswerte {
public:
    // the run begins on the network as it is now
    void beginnen() { waechter.beginnen(); }
    // before a neuron statement or a standard channel statement sets parameter feld
    void parameter(int neuron, int feld);
    // before a user channel statement sets the field of code in the channel at position
    void benutzerKanal(int neuron, int position, Anweisungscode code);
    // before a stimulus statement (or an update moving the begin) sets a field
    void reiz(int neuron, int reiz, Anweisungscode code);
    // before an update rebuilds the current table of a compartment
    void reizTabelle(int neuron, int kompartiment);
    // before a synapse statement sets the field of code
    void synapse(int id, Anweisungscode code);
    // before an update or a rebuild derives the synapse's facilitation and spread values
    void synapsenAbleitung(int id);
    // before a conductance statement or a rebuild moves the sum of the synapse's pool
    void poolSumme(int id);
    // before the run's start marks a neuron for AP recording or the ASCII value export
    void neuronMarken(int neuron);
    // before the run switches curve slot of a result neuron's diagram on
    void kurve(int neuron, int slot);
    // before the run sets or clears program switches of bits, or switches of the script's
    void programmSchalter(uint32_t bits);
    void skriptSchalter(uint32_t bits);
    // before the run sets the display interval neu for its simulations
    void anzeigeIntervall(double neu);

    // Everything back; afterwards nothing is kept.
    void zurueckgeben() { waechter.zurueckgeben(); }
    bool leer() const { return waechter.leer(); }
    // the network the run began on is still the one in the records
    bool imselbenNetz() const { return waechter.imselbenNetz(); }

private:
    AnalyseWaechter waechter;
};
