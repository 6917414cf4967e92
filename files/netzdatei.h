// files/netzdatei.h - the network file: its writer and its reader
//
// A network is one text of bracketed sections from "[neuronen-netzwerk-datei]" to
// "[Dateiende]". The writer builds the whole text in memory and writes it through a
// temporary file, so a failed save leaves the old file as it was; the reader takes the
// whole file, refuses what it cannot trust and never leaves half a network behind.
#pragma once
#include "files/xbuffer.h"
#include <string>

// Saves the network. (0, null, 1): under the current name; (1, null, 1): the save dialog
// asks first; (0, puffer, 0): the settings text and the network text into the caller's
// buffer, nothing to disk. false when nothing was saved: the dialog was cancelled or the
// file could not be written (a notice names the system's reason; the old file is kept, and
// so are the network's folder, name, path and title and the settings file). The settings
// file is written after the network file. A file is refused, with a notice that says why,
// while a series, a script or a free permutation holds values that are not the user's;
// the backup before a run is written all the same.
bool guiDateiSpeichern(int fragen, XBuffer* puffer, int inDatei);

// The bytes a save would write into the network file (the network text with the file's
// line ends, the protocol, the end mark), made in memory: nothing is written and nothing
// of the network's names changes. false after the notice when there is no memory for it.
bool netzDateiText(std::string& text);

// The reason the system gave for a failed write or read (an errno value), in the user's
// language and in words that fit the access: a missing file is no missing folder to a read.
enum class Zugriff { Schreiben, Lesen };
std::string systemGrund(int fehler, Zugriff zugriff = Zugriff::Schreiben);

// Where a network text comes from: a network file, the undo text being restored, or the
// text of a curve data file. Only files are read so far; the other two hand their text to
// guiTextLaden.
enum class NetzQuelle { Datei, Undo, Kurvendaten };

// Reads the network file name into the (empty) network. 1: loaded, or refused as no
// network text (246) or as a network without neurons (248); 0: not loaded (the network
// is empty then, unless the program is ending over a failure it could not get past).
int guiDateiLaden(std::string& name);
// The same from an in-memory text whose network part follows its settings part; name
// receives the current network path.
int guiTextLaden(char* text, NetzQuelle quelle, std::string& name);

// 1 when the last text read had "[Servereinstellungen]": only texts without it get the
// old conversion of stimulus pauses
extern int serverBlockVorhanden;

// the reference curves (*.ref) beside the last network file read; the soma potentials
// (*.dat) beside it are datPfad's (model/ergebnisdateien.h)
struct NetzBegleitdateien {
    std::string refPfad;
};
extern NetzBegleitdateien netzBegleitdateien;

// The decimal numbers behind schluessel up to the end of its line, into aus (room for
// kapazitaet numbers). Returns their count: 0 when the key is missing, -1 when the line
// holds more numbers than fit or something that is no whole number.
int fensterlisteLesen(int* aus, int kapazitaet, char* text, const char* schluessel);
