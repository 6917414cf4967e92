// files/einstellungsdatei.h - the settings file (default.cfg)
#pragma once

// Reads the settings file (cfgPfad, or the in-memory text of a curve data file or of the
// undo list); with fragen non-zero the open dialog asks for the file first. 1 when the
// settings were read. Sets programmBit::ZuletztGeladeneOeffnen when the remembered
// network is to be opened.
int cfgDateiLaden(int fragen);
