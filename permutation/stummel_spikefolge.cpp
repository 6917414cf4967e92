// permutation/stummel_spikefolge.cpp - stands in for the report, the burst phases, the
// parameter dialog and the burst double click of the spike-train rating until they are
// built: each says that it is not available and changes nothing
#include "permutation/spikefolge.h"
#include "platform/box.h"
#include "texts/texte.h"

void spikefolgeErgebnisMeldung(NeuronDaten*) { plattform::hinweisBox(meldungsTexte[886]); }

void spikefolgeStatistik(DiagrammDaten*) { plattform::hinweisBox(meldungsTexte[886]); }

intptr_t spikefolgenParameterDialog(plattform::Fenster, NeuronDaten*)
{
    plattform::hinweisBox(meldungsTexte[886]);
    return 2;
}

// no burst is marked yet: the double click goes on as if it had hit none
bool burstDoppelklick(plattform::Fenster, int, int)
{
    plattform::hinweisBox(meldungsTexte[886]);
    return false;
}
