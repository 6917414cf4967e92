// files/einstellungsdatei.h - the settings file (default.cfg)
//
// The settings text holds what belongs to no single network: paths and file kinds, the
// defaults of a run, the look of the main window and the diagrams, the fonts, the standard
// synapse types and parameters, the standard neuron and diagram, the standard soma
// stimulus and the example PSP shapes. It is a file of its own, and it also leads every
// in-memory network text (undo, curve data file), ended there by the network part's
// first line "[neuronen-netzwerk-datei]".
#pragma once
#include "files/xbuffer.h"
#include <string>

// the full path of the settings file; empty until one was read or saved
extern std::string cfgPfad;

// The definition files of the standard neuron and the four models: their folder below
// the program folder and their names, as the settings file names them. The reader builds
// their full paths into standardDateien (model/standarddateien.h) and
// definitionsDateiPfade (files/standardparameter.h).
struct DefinitionsDateinamen {
    std::string unterverzeichnis = "Parameter";
    std::string stdNeuron = "standard.gen";
    std::string onOff = "onoff.channel";
    std::string swim = "swim.channel";
    std::string hh = "hh.channel";
    std::string gb = "gb.channel";
};
extern DefinitionsDateinamen definitionsDateinamen;

// An in-memory text that cfgDateiLaden reads in place of the file while text is set: the
// undo restore and the curve data file point it at their text and clear it afterwards.
// The read leaves netzwerkTeil at the text's "[neuronen-netzwerk-datei]", where the
// network reader goes on. A text without that line ends the program (a notice first).
struct EinstellungsSpeichertext {
    char* text = nullptr;
    char* netzwerkTeil = nullptr;
};
extern EinstellungsSpeichertext cfgSpeichertext;

// Reads the settings file (cfgPfad; on the run's first read the program folder's
// default.cfg, or the file the open dialog chooses when that is missing), or the
// in-memory text of cfgSpeichertext; with fragen non-zero the open dialog asks for the
// file first. 1 when the settings were read; 0 when the dialog was cancelled, the file
// could not be opened for reading and writing (said in a notice), or the file the dialog
// chose is no settings file (a network file, binary bytes, no settings key: one notice).
// Then the settings are unchanged, and so are their path and the title when the user
// asked for the file. 0 too when a box that ends the program came: the program ends, or
// the read under way is abandoned with the settings half read.
// Sets programmBit::ZuletztGeladeneOeffnen when the remembered network is to be opened.
// The program's options (Programmoptionen) come only from the run's first read and from a
// file the user asked for, the language only from the first read: the settings file read
// again before a sibling-format file leaves both, and so does every in-memory text.
int cfgDateiLaden(int fragen);
// reads text as the settings part of an in-memory network text: cfgDateiLaden with
// cfgSpeichertext pointed at it; afterwards cfgSpeichertext.netzwerkTeil is its network part.
// Such a text (curve data, a restore copy) brings its settings but leaves the program's
// options and the language as they are.
int cfgTextLaden(char* text);
// cfgTextLaden for a text the session wrote itself (the copy an open that fails restores):
// read as the records were, with nothing fitted to the run again, so that the settings
// text written afterwards is the one written into it, byte for byte
int cfgTextZurueckgeben(char* text);

// Writes the settings text. With a buffer it is printed at the buffer's end (the network
// text follows it there) and nothing goes to disk. Without one, with inDatei set, it goes
// to the file pfad (null: the save dialog asks, and the choice becomes cfgPfad; empty: no
// settings file is known yet, nothing is written) through a temporary file, so a failed
// save keeps the old settings (said in a notice, as is a file that may not be written).
void cfgDateiSpeichern(const char* pfad, XBuffer* puffer, int inDatei);

// The network file the settings remember ("zuletzt geladene eingabedatei=" with its folder
// and extension) is always the three of one file: set here when a network file is read,
// and taken from the network's own file by every settings text written while it has one.
// A network read later from curve data, a sibling file or a result file elsewhere leaves it.
void netzdateiMerken(const std::string& ordner, const std::string& name, const std::string& endung);

// back to a program that has read no settings file yet (the next read is the run's first)
void cfgZuruecksetzen();
