// files/benutzerkanaele.h - a neuron's user-defined SWIM channels as key=value lines
// "neuron %d user-SWIM-kanal %d ...", in the physiology block of a network text and in
// the channel files (*.knl, number 0)
#pragma once
#include "files/xbuffer.h"
#include "model/neuron.h"
#include <cstdio>
#include <list>
#include <string>

// Prints the channels at the shared cursor, which it points at puffer: all of them with
// hoechstens -1, else at most that many. flush as for the section writers.
void userSwimKanalSpeichern(const std::list<BenutzerKanal>& kanaele, int nummer, std::FILE* datei,
                            int hoechstens, XBuffer& puffer, int flush);
// Reads the channels of that number from text into the list: the number of channels the
// list then holds, -1 when the user cancelled a question about a missing value.
int userSwimKanalLaden(std::list<BenutzerKanal>& kanaele, int nummer, char* text);

// The channel file: the channels from von up to bis, at most hoechstens of them (-1: all),
// as channels 0, 1, ... of number 0, saved through a temporary file. False after the
// notice when it could not be written; the old file stays.
bool knlDateiSpeichern(const std::string& pfad, std::list<BenutzerKanal>::const_iterator von,
                       std::list<BenutzerKanal>::const_iterator bis, int hoechstens);
// Reads the channels of a channel file into the list as userSwimKanalLaden does, with its
// result; 0 after the notice when the file cannot be read.
int knlDateiLaden(const std::string& pfad, std::list<BenutzerKanal>& kanaele);
