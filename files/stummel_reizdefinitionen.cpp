// files/stummel_reizdefinitionen.cpp - stands in for the stimulus dialogs' services to the
// file readers until those dialogs are built
#include "files/reizdefinitionen.h"
#include "platform/box.h"
#include "texts/texte.h"

// The old keys are not read yet: an imported neuron keeps its values, as for missing keys.
void stromreizSchluesselLesen(NeuronDaten*, char*) {}

// No stimulus can be picked from a file yet; the user learns why.
int reizdefinitionenMenueZeigen(plattform::Fenster, const std::vector<std::string>&)
{
    plattform::hinweisBox(meldungsTexte[886]);
    return -1;
}
