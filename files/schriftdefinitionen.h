// files/schriftdefinitionen.h - the font definitions block of the settings and network texts
#pragma once
#include "files/xbuffer.h"
#include <cstdio>

// the block at the shared cursor; datei is not used (the caller writes the whole text)
void fontDefinitionenSpeichern(std::FILE* datei, XBuffer& puffer);
// the five fonts, their colours and the text-background mode from a whole text
void fontDefinitionenLaden(char* text);
