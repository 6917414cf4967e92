// permutation/permutation.cpp - the permutation mode's records and their reset
#include "permutation/permutation.h"
#include "model/netz.h"
#include "model/permutation.h"
#include "permutation/modus.h"

PermutationsDefinition permutationsDefinition;
Klassentabelle analyseKlassen = standardKlassen();
PermutationsErgebnisZustand permutationsErgebnisse;
int klassenAnzahlKopien = 0;

void permutationZuruecksetzen()
{
    permutationsDefinition = {};
    analyseKlassen = standardKlassen();
    permutationsErgebnisseEntladen();
    klassenAnzahlKopien = 0;
    permutationsmodusVerwerfen();
    permutationsmodus = {};
    permutationsLaufstand.zielNeuron = 0;
    permutationsLaufstand.synapsenAnzahl = 0;
}

void permutationsErgebnisseEntladen() { permutationsErgebnisse = PermutationsErgebnisZustand{}; }

SynapseDaten* variierteSynapseSuchen(const VariierteSynapse& v) { return synapseNachId(v.id); }

NeuronDaten* auswerteNeuron() { return neuronNachNummer(permutationsDefinition.auswerteNeuron); }
