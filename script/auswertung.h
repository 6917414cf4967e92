// script/auswertung.h - the evaluation mode: stored script results read back and shown
//
// The user opens a result file, several of them or an index over them; the mode keeps an
// index of every stored simulation, steps through it in its own window, puts the stored
// curves of the result neurons into their diagrams and lists the documented values. Each
// record read back writes the parameters the script had changed into the live network.
#pragma once
#include "script/auswertungsdaten.h"
#include "platform/fenster.h"
#include "platform/menue.h"
#include "platform/zeichnen.h"
#include "texts/texte.h"
#include <array>
#include <string>

// the one record of the mode's data (network, script and index of the loaded results)
extern Auswertungsdaten auswertungsdaten;

// what the mode keeps beside the loaded results: its folders, its window and its place
struct Auswertungsfenster {
    plattform::Fenster fenster = nullptr;
    plattform::Fenster statusleiste = nullptr;
    std::string statusText;              // "" until the first close: then "nix geladen"
    std::string ordner;                  // folder of the last opened result or index file
    std::string suchOrdner;              // where a moved result file was found last
    std::string indexName;               // of the index file, without folder and extension
    std::string skriptText;              // the script embedded in the loaded result file
    // on the screen, right and bottom exclusive; read from and written to "auswertung.cfg"
    plattform::Rechteck rechteck;
};
extern Auswertungsfenster auswertungsfenster;

// ---- the mode and its window --------------------------------------------------------------
// Main-window command 40199: the window with its menu; a loaded result shows again. 1, or 0
// when the menu could not be loaded.
int auswertungsModusStarten(Auswertungsdaten& a);
// Leaves the mode: the window goes, the main window is enabled again, the loaded data stay
// until they are closed. Always 1.
int simulationsModusSetzen(Auswertungsdaten& a);
// Reads the current result: its changed parameters into the network, its curves into the
// diagrams of the result neurons. 1, or 0 after a message.
int ergebnisseDarstellen(Auswertungsdaten& a);
// Closes everything loaded: the result files, the index (a temporary index file is
// deleted), the extracted files, the result curves; the loaded script too, unless the
// keep bit is set. Always 1.
int ergebnisDateienSchliessen(Auswertungsdaten& a);
// the window destroyed without leaving the mode's other state (the program's end)
void auswertungsfensterZerstoeren();
// A flow that failed: what it loaded is closed, and with netz the network it took out of a
// result file goes too, so nothing half-loaded stays on the screen. Always 0.
int auswertungAbbrechen(Auswertungsdaten& a, bool netz);

intptr_t auswertungFensterProc(plattform::Fenster f, uint32_t nachricht, uintptr_t w, intptr_t l);
// A command of the window's menu; one whose item is grey (auswertungBefehlWaehlbar) does
// nothing, from wherever it comes.
void auswertungBefehl(Auswertungsdaten& a, int befehl);
bool auswertungBefehlWaehlbar(int befehl);
void auswertungMenueAktualisieren(plattform::Menue m);
// the status text after a change of size or data: the counts, or the hint to open a file
void auswertungStatusZeigen(Auswertungsdaten& a);
void auswertungFensterZeichnen(Auswertungsdaten& a, plattform::Zeichenflaeche& z);
// a key of the window (taste::*); true when it was one of the mode's keys
bool auswertungTaste(Auswertungsdaten& a, int taste);
// a scroll code of the bar; position: the thumb's, for the thumb's codes
void auswertungScrollen(Auswertungsdaten& a, int code, int position);
// the status bar (id 1000) in simple mode; false when it cannot be made
bool auswertungStatuszeileErzeugen(plattform::Fenster f);
// the scroll range 0..anzahl - 1 at position; no results hide the bar
void auswertungScrollbereichSetzen(plattform::Fenster f, int anzahl, int position);
// sets the window's status text (kept in auswertungsfenster.statusText)
void auswertungStatusSetzen(const std::string& text);

// "auswertung.cfg" in the evaluation folder (else the last result folder, the result
// file's, the index file's, the program folder)
std::string auswertungEinstellungsPfad(const Auswertungsdaten& a);
// The window's place as four lines; 1, or 0 when the file cannot be written (the old one
// stays).
int auswertungEinstellungenSpeichern(Auswertungsdaten& a);
// The place from the file; without a file the empty edges are taken from the work area.
// Every key missing in the file leaves its edge as it is. Always 1.
int auswertungEinstellungenLaden(Auswertungsdaten& a);

// ---- the stored parameters of a record written back ------------------------------------------
// The changed parameters of the record read last (a.skript.geaendert from entry 1), in
// order, into the live network. 1 when every entry was applied or skipped; 0 when one
// stopped the walk (after its message; the entries before it stay applied).
int parameterAnweisungAnwenden(Auswertungsdaten& a);

// ---- the flows that build the index ---------------------------------------------------------
// An index file: temporaer 1 a unique temporary "!   tmp*.inx" in the evaluation folder
// (or the working folder), 0 a name chosen in the save dialog (an open temporary index is
// deleted first). Its header and empty list are written and it stays open. 1; -1 when the
// dialog was cancelled; 0 when the name could not be made or the file not written.
int indexDateiAnlegen(Auswertungsdaten& a, int temporaer);
// Adds the result file named by a.ergebnisPfad: the index file made when none is open, the
// first file's header read with its texts (unless it is loaded), a further file's compared
// with it, then its records. 1, or 0 after a message (a failed first file closes the data).
int ergebnisDateiIndizieren(Auswertungsdaten& a, int temporaer);
// The network and the script embedded in the loaded result file, from their extracted
// files, which are deleted afterwards; sets the data bit. 1, or 0 when either failed (a
// network loaded without its script is closed again).
int eingebettetesNetzLaden(Auswertungsdaten& a);
// Command 40215 after the close: an index file chosen and read, its network and script
// loaded and its first result shown. 1, or 0 (everything closed again).
int indexDateiOeffnen(Auswertungsdaten& a);
// Every listed result file open; a moved one is looked for in the search folder, else
// the user is asked once and chooses it. 1, or 0 after a message or a No.
int ergebnisDateiSuchen(Auswertungsdaten& a);
// Command 40211: result files chosen by a pattern (a wildcard series sorted by name) or as a
// numbered series from the chosen file on. 1, or 0 after a message or a cancel.
int binDateienIndizieren(Auswertungsdaten& a);

// ---- texts ----------------------------------------------------------------------------------
// Field feld (from 1) of message nummer, formatted with the arguments; a language text
// whose field does not fit them gives way to the built-in one.
template <class... A>
std::string auswertungsText(int nummer, int feld, const A&... a)
{
    const std::string text = textFeldHolen(meldungsTexte[nummer], feld);
    const std::string ersatz = textFeldHolen(meldungsTexte.eingebauterText(nummer), feld);
    const std::array<FormatArgument, sizeof...(A) + 1> argumente{FormatArgument(a)..., FormatArgument(0)};
    return sicherFormatieren(text, ersatz, std::span(argumente.data(), sizeof...(A)));
}
// the messages of the mode, each a list of "||" fields
namespace auswertungsMeldung {
constexpr int FensterTexte = 1210;         // title, hint, nothing loaded, status bar, first label
constexpr int Anzahl = 1211;           // "%d Simulationen (%d Dateien)"
constexpr int Fehler = 1212;           // the mode's own failures
constexpr int SkriptTexte = 1213;          // the network question and the embedded script's save
constexpr int Parameter = 1214;        // the unknown statements of a stored parameter
constexpr int ParameterZiel = 1215;    // a stored parameter without its target
constexpr int Index = 1216;            // the index file's choosers and questions
constexpr int Suchen = 1217;           // finding the listed result files
constexpr int Muster = 1218;           // indexing by pattern
}
