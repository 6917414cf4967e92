// files/stummel_einstellungsdatei.cpp - stands in for the settings file until it is built
#include "files/einstellungsdatei.h"

std::string cfgPfad;

// Only the start reads the settings file so far: without the reader the program starts
// with its start values, as on a first start without default.cfg.
int cfgDateiLaden(int) { return 0; }

// Nothing is written: a network save leaves the settings file as it is, and an in-memory
// network text starts directly with its network part.
void cfgDateiSpeichern(const char*, XBuffer*, int) {}
