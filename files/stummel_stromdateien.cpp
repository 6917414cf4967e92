// files/stummel_stromdateien.cpp - stands in for the current and stimulus files until they
// are built
#include "files/stromdateien.h"
#include "platform/box.h"
#include "texts/texte.h"

std::string stromDateiPfad;

// No current file was ever loaded, so there is none to read again.
int stromDateiLaden(int, int) { return 0; }

// The network file is saved; no current file goes beside it yet.
void stromDateiSpeichern(int) {}

// A neuron whose stimulus comes from a stimulus file keeps its definition; the user learns
// that the file is not read.
int reizDefinitionsDateiLaden(NeuronDaten*, int, const std::string&, const std::string&, int)
{
    plattform::hinweisBox(meldungsTexte[886]);
    return 0;
}
