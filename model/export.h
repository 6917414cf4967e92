// model/export.h - the text export of a run, the binary soma-potential file, and the
// export keys of the settings file
//
// The export text is formatted into one memory buffer and written out in flushes. During
// the run the flushes go to "<export name>.teil" in the same folder; the finished run
// appends the rest and renames it to the export name, an aborted one removes it. So an
// aborted run never leaves half a file under the export name. A flush that fails (disk
// full) stops the export with a notice and keeps what was written under the export name.
#pragma once
#include <cstddef>
#include <cstdio>
#include <string>
struct NeuronDaten;

// Room the buffer is set up with; a flush is due when the next line might not fit. A line
// longer than the room left makes the buffer grow instead (the written bytes stay the same).
constexpr size_t exportPufferGroesse = 1000000;

// the settings-file keys of the export (Windows-1252); a missing key keeps the current value
namespace exportSchluessel {
inline constexpr const char* Trennzeichen = "trennzeichen zwischen den datenspalten=";
inline constexpr const char* Dezimalstellen = "anzahl von dezimalstellen=";
inline constexpr const char* ZeitDezimalstellen = "anzahl von zeitangabe dezimalstellen=";
inline constexpr const char* Dezimalzeichen = "dezimalzeichen fuer ausgabedateien=";
inline constexpr const char* StromSkalierung = "strom-skalierungsfaktor fuer ausgabedateien=";
inline constexpr const char* Intervall = "bei export werte in intervallen ausgeben, intervall=";
}
// The most decimals a value or a time is written with; the export dialog takes no more,
// and a settings file's larger count is cut to it where it is read.
constexpr int groessteExportDezimalstellen = 20;
// Reads the export keys of a settings text into asciiExportEinstellungen (whole numbers
// rounded to the nearest). The text is writable: the key readers turn a decimal comma.
void exportEinstellungenLesen(char* text);

// ---- the run ----------------------------------------------------------------------------
// true when some neuron gives the export at least one column
bool exportSpaltenDa();
// the buffer with its header line; a script asking for numbered files gets a fresh
// numbered name first. No buffer when there is no export name or no column to export.
void exportPufferAnlegen();
// the buffer freed; a started part file removed (an aborted run writes no export file)
void exportPufferFreigeben();
// the rest written, the part file renamed to the export name, the buffer freed
void exportSchreiben();
// true while the settings ask for the soma-potential file after a run
bool somaDateiVerlangt();
// "<stem>.dat": f64 duration, f64 step, then the floats of every neuron whose main
// diagram's slot 0 holds samples. A curve data file under that name is left alone.
void somaDateiSchreiben();

// used by the recorder: start of a run, one step's line, one neuron's cells
bool exportPufferDa();
void exportLaufBeginnen();              // estimate reset, the "Intervall" line
void exportZeileBeginnen(double t);     // CR LF and the time cell, with the decimals the step needs
void exportNeuronZellen(const NeuronDaten& n);

// true when the file's first ten bytes are "[datFile]\0" (a saved curve data file)
bool kurvenDateiIst(const std::string& pfad);
// the header line's cells of one neuron (also used by the tests)
std::string exportKopfZellen(const NeuronDaten& n);
