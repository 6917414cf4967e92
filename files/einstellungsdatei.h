// files/einstellungsdatei.h - the settings file (default.cfg)
#pragma once
#include "files/xbuffer.h"
#include <string>

// the full path of the settings file; empty until one was read or saved
extern std::string cfgPfad;

// Reads the settings file (cfgPfad, or the in-memory text of a curve data file or of the
// undo list); with fragen non-zero the open dialog asks for the file first. 1 when the
// settings were read. Sets programmBit::ZuletztGeladeneOeffnen when the remembered
// network is to be opened.
int cfgDateiLaden(int fragen);
// Writes the settings text. With a buffer it is printed there (the network text follows
// it in the same buffer); without one it goes to the file pfad (null: the save dialog
// asks) when inDatei is set.
void cfgDateiSpeichern(const char* pfad, XBuffer* puffer, int inDatei);
