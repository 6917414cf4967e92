// app/stummel_synapsenmenue.cpp - stands in for the network editor's synapse markers until
// they are hit-tested: no synapse is under the cursor yet
#include "app/synapsenmenue.h"
#include "platform/box.h"
#include "texts/texte.h"

std::vector<SynapseDaten*> synapsenUnterCursor()
{
    plattform::hinweisBox(meldungsTexte[886]);
    return {};
}
