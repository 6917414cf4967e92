// files/diagrammeinstellungen.h - the diagram settings of a neuron's diagrams (and of the
// permutation display's template) in the network and settings texts
#pragma once
#include "files/xbuffer.h"
#include <cstdio>

struct DiagrammDaten;

// every diagram of the list from erstes on, at the shared cursor; with flush the text goes
// to datei afterwards
void diagrammEinstellungenSpeichern(DiagrammDaten* erstes, std::FILE* datei, XBuffer& puffer, int flush);
// the diagrams of erstes's neuron from blockAnfang; further diagrams are made as needed
void diagrammEinstellungenLaden(DiagrammDaten* erstes, char* blockAnfang);

