// script/ersatzdatei.h - a result or index file written beside the file it replaces
//
// The new file is written under a name of its own in the target's folder and takes the
// target's name only once the caller has it whole: a file of that name stays as it was
// until then, and a failed write removes only the new one.
#pragma once
#include <cstdio>
#include <string>

// A new empty file beside ziel, open for writing ("wb"); neu gets its file-system path.
// Null with errno set when it cannot be made.
std::FILE* ersatzOeffnen(const std::string& ziel, std::string& neu);
// What was written goes to the disk and the file takes ziel's name; the handle stays open
// and goes on writing into it. false with errno set, the file still under its own name.
bool ersatzEinsetzen(std::FILE* f, std::string& neu, const std::string& ziel);
// What was written goes to the disk, the handle is closed, and only then the file takes
// ziel's name, so nothing can fail after the old file is gone. false with errno set: the
// new file is removed, a file of ziel's name is as it was. f is null afterwards.
bool ersatzAbschliessen(std::FILE*& f, std::string& neu, const std::string& ziel);
// Closes the handle and removes a file that has not taken its target's name.
void ersatzVerwerfen(std::FILE*& f, std::string& neu);
// The notice of a failed write: the file, the system's reason, and that an older file of
// that name is unchanged.
void ersatzFehlerMelden(const std::string& ziel, int grund);
