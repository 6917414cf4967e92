// files/benutzerkanaele.h - a neuron's user-defined SWIM channels as key=value lines
// "neuron %d user-SWIM-kanal %d ...", in the physiology block of a network text and in
// the channel files (*.knl, number 0)
#pragma once
#include "files/xbuffer.h"
#include "model/neuron.h"
#include <cstdio>
#include <list>

// Prints the channels at the shared cursor, which it points at puffer: all of them with
// hoechstens -1, else at most that many. flush as for the section writers.
void userSwimKanalSpeichern(const std::list<BenutzerKanal>& kanaele, int nummer, std::FILE* datei,
                            int hoechstens, XBuffer& puffer, int flush);
// Reads the channels of that number from text into the list: the number of channels the
// list then holds, -1 when the user cancelled a question about a missing value.
int userSwimKanalLaden(std::list<BenutzerKanal>& kanaele, int nummer, char* text);
