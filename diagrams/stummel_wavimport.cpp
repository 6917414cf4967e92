// diagrams/stummel_wavimport.cpp - stands in for the WAV import until it is built
#include "diagrams/wavimport.h"
#include "platform/box.h"
#include "texts/texte.h"

// The open command hands "*.wav" files here: it says that they cannot be imported yet.
int wavKopfLesen()
{
    plattform::hinweisBox(meldungsTexte[886]);
    return 0;
}
