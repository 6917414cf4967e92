// dialogs/fensterwerkzeuge.h - small window and file utilities that no command reaches
#pragma once
#include "files/netzdatei.h"
#include "platform/fenster.h"
#include <string>

// the reason of the last system error (errno) for the access that failed, in the session's
// language, in a box "Error" without owner
void letzterFehlerAnzeigen(Zugriff zugriff);
// whether the window lives and is asked about from the GUI thread; when not, a box "Error"
// says which
bool guiThreadInfoHolen(plattform::Fenster f);

// Asks for a file (starting at pfad) whose stem and extension name a numbered series: the
// file without number and those numbered " 1" to " anzahl - 1" are renamed so that each
// number has breite digits, zeros in front ("x 7.txt" to "x 007.txt", "x.txt" to
// "x 000.txt"). A target that exists already is not replaced: that file is skipped with a
// notice. 0 when the user cancels, else 1.
int dateinamenNummerieren(const std::string& pfad, int anzahl, int breite);
