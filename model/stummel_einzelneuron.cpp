// model/stummel_einzelneuron.cpp - stands in for the single-neuron run until it is built
#include "model/einzelneuron.h"
#include "platform/box.h"
#include "texts/texte.h"

void einzelneuronSimulieren(NeuronDaten&)
{
    plattform::hinweisBox(meldungsTexte[886]);
}
