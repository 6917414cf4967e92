// model/ergebnisdateien.h - the names of a run's result files, the spike-time and the
// PSP-amplitude file
#pragma once
#include <ctime>
#include <string>

// the ASCII export settings; the spike-time and PSP files use the time decimals and the
// decimal sign, the recording adds the export itself
struct AsciiExportEinstellungen {
    int trennzeichen = 0;           // the refresh makes 0 a ';'
    int dezimalstellen = 6;
    int zeitDezimalstellen = 3;
    int dezimalzeichen = 44;        // ',' or '.'
    double stromSkalierung = 1e9;
    int intervall = 0;
    int importZeilenlaenge = 0;     // longest line an ASCII import takes; the refresh makes 4 or less 512
};
extern AsciiExportEinstellungen asciiExportEinstellungen;

// "extension fuer ausgabedateien=": the extension of the export and run-information files
extern std::string ausgabeDateiEndung;
// set whenever some neuron's measurement kind is 16 (PSP amplitudes)
extern int pspMessungAktiv;

struct ErgebnisNamen {
    std::string exportDatei;        // "<folder>/<stem> yymmddhhmmss soma potential.<ext>"
    std::string laufInfo;           // "<folder>/<stem> yymmddhhmmss info.<ext>"
    std::string spikeZeiten;        // "<folder>/<stem> yymmddhhmmss spike-zeiten.txt"
    std::string pspAmplituden;      // "<folder>/<stem> yymmddhhmmss psp amplituden.txt"
};
extern ErgebnisNamen ergebnisNamen;

// The current data file, one path for the binary files named ".dat": the curve data file
// saved or opened, the soma-potential file beside the network file that was read, and the
// one a run writes (which never replaces a curve data file of that name).
struct DatPfad {
    std::string ordner;             // without a trailing separator
    std::string stamm;
    std::string endung;
    std::string pfad;               // "<ordner>/<stamm>.<endung>"
    // set only while a curve data file is being opened: the diagram section then writes
    // its reference-curve lines
    int kurvenDateiWirdGeoeffnet = 0;
};
extern DatPfad datPfad;
// the parts and the full path from a full path ("" parts where it has none)
void datPfadSetzen(const std::string& pfad);

// the local time now, which stamps the result names
std::tm ortszeit();

// "<folder>/<stem> yymmddhhmmss<rest>" with the document folder (one trailing '/' cut)
// and the network file's stem, at the local time now
std::string zeitgestempelterName(const std::string& rest);

// The names of a network run: the export and run-information names while
// programmStatus WerteExportieren is set (an existing file: question 338, Yes deletes it,
// No takes a fresh time stamp and asks again); with no column to export neither name,
// and outside a script a notice says so; the soma-potential name into datPfad
// while SomaDateiSchreiben is set (an existing file is deleted without asking, unless it
// is a curve data file); the spike-time and PSP names always.
void ergebnisNamenBilden();
// The names of a single-neuron run: the spike-time and PSP names alone (it writes neither
// the export nor the soma-potential file), so its files never land under the names of an
// earlier run.
void einzelLaufNamenBilden();

// The contents, CR LF line ends: per neuron with spike times stored its name, one line per
// time, an empty line (a comma decimal sign turns the last '.' of each number line);
// per neuron with PSP measurement (pspModus 0x10) its name, "zeit\tpsp-amplitude", one
// line per PSP, an empty line (a comma decimal sign turns every '.' of a number line).
std::string spikeZeitenText();
std::string pspAmplitudenText();
// Writes the file under its name; when it cannot be written: text 74 with the name in a
// notice over the main window, and false.
bool ergebnisDateiSchreiben(const std::string& name, const std::string& inhalt);
