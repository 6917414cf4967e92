// script/ausfuehrung.h - running the loaded script: the walk, one simulation, the text result tables
#pragma once
#include "script/skript.h"
#include "platform/fenster.h"
#include <cstdio>
#include <string>

struct SynapseDaten;
struct StromreizDefinition;

struct DiagrammDaten;

// Runs the script: modus 1 runs its simulations, modus 2 (test) logs the header and the
// end only. 1 when the walk ended (normally or cancelled), every result of it was saved
// and the script was loaded again; 0 when it did not start, a result, the log or a
// snapshot could not be written, or the reload failed. Whatever the end, the network has
// every value back that the statements set.
int skriptAusfuehren(Skript& s, int modus);
// No script starts in the evaluation mode or while a result file's data are loaded: the
// script then is the one the result file brought, whose file went right after its load,
// and a run would step the network the evaluation shows. true after the notice.
bool skriptStartAbgelehnt();
// One simulation of the walk with its results: 1 to go on, 0 to end the walk. A log the
// disk does not take is closed (log null) after the notice.
int skriptSimulationStarten(Skript& s, int anweisung, std::FILE*& log);
// An output of the run (a table, the log, a snapshot) could not be written: the notice
// names the file and the system's reason, and the run stops at its next simulation and
// reports that its results were not saved.
void skriptAusgabeFehler(Skript& s, const std::string& pfad, int grund);
// Rebuilds the synapse with this id from its own settings. 0 (after a message) when there
// is no synapse of that id any more.
int synapseNachIdSuchen(Skript& s, int id);
// The value w into the synapse field a script code names: delay, conductance, transmitter
// release and transmitter dynamics (SEP changes nothing: the equilibrium potential is the
// synapse type's). False for a code that names none of them.
bool synapsenFeldSetzen(SynapseDaten& syn, Anweisungscode code, double w);
// The value (w, or ganzzahl for the whole-number fields) into the stimulus field a script
// code names. False for a code that names none of them.
bool reizFeldSetzen(StromreizDefinition& r, Anweisungscode code, double w, int ganzzahl);

// What runs one simulation; null is simulationStarten. Tests put a stand-in here.
extern void (*skriptLaufHaken)();
// the log of a run, in the working folder
inline constexpr const char* skriptLogName = "!   skript.log";

// The AP-times table: modus 1 creates it with its header, -1 appends the rows of the
// simulation just finished. 1, or 0 (after a message) when it cannot be opened or written.
int apZeitenDateiErzeugen(Skript& s, int modus);
// The EPSP table: modus 0 creates it with its header, 1 appends the row of the simulation
// just finished. 1, or 0 (after a message) when it cannot be opened or written.
int epspDateiErzeugen(Skript& s, int modus);

// The binary result file of a script run: creating it, and storing one simulation (the
// AP-times rows first). 1 on success.
int ergebnisDateiErzeugen(Skript& s);
int ergebnisSpeichern(Skript& s);
// the record of one simulation in the open binary result file (opened first when none is)
int ergebnisBinSpeichern(Skript& s);
// closes an open binary result file
void ergebnisDateiSchliessen(Skript& s);
// The snapshot of the diagram's output window as a BMP file, named by bmpDateiName, after
// a simulation. A snapshot that cannot be written leaves no file and stops the run
// (skriptAusgabeFehler).
void ausgabefensterBmpSpeichern(DiagrammDaten* diagramm);
// the snapshot's name: the DAT file's with ".BMP" when the script writes DAT files, else the
// prefix, the time "yymmdd hhmmss" and the simulation number (the counter before the first)
std::string bmpDateiName(Skript& s);
// the client area of the window as it paints now, as a BMP file; 1, or 0 with no file
// (errno tells why)
int bitmapDateiSchreiben(plattform::Fenster quelle, const std::string& pfad);

// One number of a result table in printf format f; '.' becomes the export settings' decimal
// sign in tabelleDezimal.
std::string tabellenZahl(const char* f, double w);
std::string tabelleDezimal(std::string t);
