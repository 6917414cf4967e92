// model/kollision.h - collision objects: one axon as four neurons; spikes from its two ends
// meet and vanish, or arrive and stimulate the far soma
#pragma once
#include "model/objektgraphik.h"
#include <string>

struct NeuronDaten;

// the elements in their fixed order
namespace element { constexpr int Axon1 = 0, Axon2 = 1, Soma1 = 2, Soma2 = 3; }
constexpr double keineAnkunft = 1.7e308;
constexpr double keinSomaSpike = -0.001;

struct Kollisionsobjekt {
    int aktiv = 0;
    int akustisch = 0;                  // beep on a collision
    int nummer = 0;                     // 1 and up
    std::string name;                   // up to 259 bytes
    int elementNummern[4] = {};         // neuron numbers: axon 1, axon 2, soma 1, soma 2
    NeuronDaten* elemente[4] = {};      // resolved by the dialog and at each run start
    double reizDauer = 0.0;             // s, the soma pulse
    double reizAmplitude = 0.0;         // A
    double fortleitungsdauer = 0.0;     // s along the axon
    double somaAxonVerzoegerung = 0.0;  // s from a soma element to its axon element
    ObjektGraphik graphik;

    // run values, each object its own
    int spikeUnterwegs[2] = {};         // a spike launched at axon element 1 / 2 travels
    double ankunft[2] = {keineAnkunft, keineAnkunft};
    double somaZeit[2] = {keinSomaSpike, keinSomaSpike};

    Kollisionsobjekt* naechstes = nullptr;
    Kollisionsobjekt* voriges = nullptr;
};

// the list of all collision objects
extern Kollisionsobjekt* kollisionsObjekte;
extern Kollisionsobjekt* aktuellesKollisionsobjekt;   // the one the editor shows
extern int kollisionsobjektGewaehlt;                  // the editor's flag that belongs to it
int kollisionsObjektAnzahl();
// a new object with the defaults at the end of the list, numbered one above the highest;
// null (after text 513/514 and the program's shutdown) when memory runs out
Kollisionsobjekt* kollisionsObjektNeu();
// objekt null: the whole list. The last one gone clears kollisionAktiv.
void kollisionsObjekteLoeschen(Kollisionsobjekt*& liste, Kollisionsobjekt* objekt);

// the collision flags and times before the first step, the element neurons looked up
void kollisionenVorbereiten();
// once per step while collision objects are switched on
void kollisionenPruefen();
// after a finished run: the soma elements' stimuli cleared
void kollisionenNachLauf();
// a counted spike of the neuron reaches the collision objects
void kollisionsSpikeZeiten(NeuronDaten& neuron);
// 1 when no collision object holds the neuron as an element, so that it may be deleted;
// 0 otherwise
int neuronInKollisionsObjekt(const NeuronDaten& neuron);
