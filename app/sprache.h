// app/sprache.h - the language command
#pragma once
#include <string>

// Writes the line "sprache=" into default.cfg in the program directory and leaves every
// other line of the file as it is (replaced where it stands, else appended). false, with
// the reason in fehler, when the file could not be written; the old file then stays.
bool spracheSpeichern(int neueSprache, std::string* fehler = nullptr);
// The language counts from the next start: saved, a notice that the program ends and
// must be started again, then it ends (as a regular close does). The language in use
// already changes nothing.
void spracheWechseln(int neueSprache);
// The close that the language command started is made (endet) or refused. Refused: the
// language in use stays, and default.cfg gets back what it held before the command (only
// the language line, when the settings were written since). Nothing without such a close.
void spracheWechselAbschliessen(bool endet);
