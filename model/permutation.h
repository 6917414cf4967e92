// model/permutation.h - what the run driver, the shutdown and the diagram painter ask of
// the permutation mode
#pragma once
#include "core/status.h"
#include "platform/zeichnen.h"
#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct NeuronDaten;
struct SynapseDaten;

// The state of a running permutation series that the engine and the painters read: the
// series writes it before each run, the single-neuron run and the level bars take it.
struct PermutationsLaufstand {
    int zielNeuron = 0;                  // the single-neuron run's neuron by number, 0 none
    int synapsenAnzahl = 0;              // varied synapses of the series
    int nummer = 0;                      // the permutation being computed
    int berechnet = 0;                   // runs computed so far (restzeit.geplanteLaeufe: planned)
    double restSekunden = -1.0;          // time left by the pace so far, -1 unknown
    std::array<uint8_t, 20> level{};     // level index per varied synapse
    std::array<int, 20> balkenOben{};    // top row of each level bar
    plattform::Stift stift = nullptr;    // the bars' pen and brush, made anew per series
    plattform::Pinsel pinsel = nullptr;
};
extern PermutationsLaufstand permutationsLaufstand;

// What entering the permutation mode cleared on each neuron, by number, as the user had it.
// These are the user's values: a network file written meanwhile carries them, not the
// cleared ones.
struct NeuronSchalterSicherung {
    int nummer = 0;
    int exportMaske = 0;
    int spikezeitenSpeichern = 0;
};
// A conductance that a permutation in free order replaced by its level, by synapse id: the
// user's values, and what the level put in their place. They go back when the mode is left,
// where the synapse still holds the level (an edit meanwhile is the user's own).
struct GehalteneLeitfaehigkeit {
    int id = 0;
    double initial = 0.0, aktuell = 0.0;      // the user's base and dynamic conductance
    double poolSumme = 0.0;                   // the pool's sum then, exact where nothing changed it
    std::vector<int> poolSender;              // the pool's senders then; empty: the sum is not known
    double gesetzt = 0.0;                     // the base conductance the level left
    double gesetztePoolSumme = 0.0;           // and the pool's sum
};
// the bits of programmStatus that the mode clears: the value export and the soma file's
// pair, which the menu switches together
constexpr uint32_t permutationsProgrammSchalter =
    programmBit::WerteExportieren | programmBit::SomaDateiLesen | programmBit::SomaDateiSchreiben;
// What the mode set aside, as the writers read it. The values of the network belong to the
// network they were taken from (its netzKennung): a network opened, made or closed meanwhile
// gets none of them, and they are dropped with it. The mode's guards give them back.
struct Permutationsmodus {
    std::vector<NeuronSchalterSicherung> schalter;   // empty outside the mode
    unsigned long long schalterNetz = 0;             // the network they came from
    // the program switches the mode clears (export and soma file), as the user had them
    bool programmSchalterBeiseite = false;
    uint32_t programmSchalter = 0;
    // the levels of the free permutations that the network holds, and the network
    std::vector<GehalteneLeitfaehigkeit> leitfaehigkeiten;
    unsigned long long levelNetz = 0;
};
extern Permutationsmodus permutationsmodus;
// the values kept for the neuron of that number; null outside the mode, in another network
// than the one they came from, and when the mode keeps none for it
const NeuronSchalterSicherung* beiseiteGelegteSchalter(int nummer);
// programmStatus with the switches the mode cleared as the user had them: what a settings
// file written in the mode carries
uint32_t benutzerProgrammStatus();
// true while the network holds the levels of a free permutation in place of the user's
// conductances
bool permutationsLevelImNetz();
// the synapse's base conductance as the user has it: the kept one where the synapse holds
// the level of a free permutation, else its own. What a network file carries.
double benutzerLeitfaehigkeit(const SynapseDaten& synapse);
// Why the network holds values that are not the user's and no file can say which (a series,
// a script): the number of the notice that says so, 0 when a file gets the user's. The
// levels of a free permutation are no such values: the writers put the user's in their place.
int fremdeWerteImNetz();

// the neuron of the single-neuron run: the target of the first varied synapse of the
// permutation; null when there is none
NeuronDaten* teilsimulationsNeuron();
// at the end of the program: the permutation mode left and its results released
// (defined by the permutation mode, which the frame links)
void permutationsmodusVerlassen();
// The neuron that the editor made for the permutation display (creation mode 6) becomes
// the display's pseudo-neuron: its main diagram is the display window's. false when the
// display has its neuron already; the editor then deletes the neuron again.
// (defined by the permutation display, which the frame links)
bool permutationsNeuronEinrichten(NeuronDaten& neuron);
// the display's pseudo-neuron, whose rating and settings dialog 284 edits in permutation
// mode; null while there is none
NeuronDaten* permutationsPseudoNeuron();

// The level bars a diagram shows while a series runs: one bar per varied synapse, in the
// display's pen and brush.
struct PermutationsBalken {
    int anzahl = 0;                      // varied synapses
    int einzug = 0;                      // left inset of the bars in pixels
    int breiteProzent = 0;               // drawn width of a bar, percent of its share
    std::vector<int> oben;               // top row of each bar
    int unten = 0;                       // their common bottom row
    plattform::Stift stift = nullptr;
    plattform::Pinsel pinsel = nullptr;
};
// false when no series runs or the display shows no bars: nothing is drawn then
bool permutationsBalkenHolen(PermutationsBalken& balken);
