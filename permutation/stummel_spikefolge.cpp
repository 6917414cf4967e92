// permutation/stummel_spikefolge.cpp - stands in for the spike-train rating until it is
// built: each entry says once that it is not available and changes nothing
#include "permutation/spikefolge.h"
#include "platform/box.h"
#include "texts/texte.h"

bool spikefolgeBewerten(NeuronDaten*, const float*, int)
{
    plattform::hinweisBox(meldungsTexte[886]);
    return false;
}

void spikefolgeErgebnisMeldung(NeuronDaten*) { plattform::hinweisBox(meldungsTexte[886]); }

void spikefolgeStatistik(DiagrammDaten*) { plattform::hinweisBox(meldungsTexte[886]); }

intptr_t spikefolgenParameterDialog(plattform::Fenster, NeuronDaten*)
{
    plattform::hinweisBox(meldungsTexte[886]);
    return 2;
}
