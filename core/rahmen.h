// core/rahmen.h - what the engine and the readers ask of the program frame
//
// Declared here, below the engine, and implemented by the frame (app/), so that the engine
// never includes a window or a dialog. The engine's tests link stand-ins of their own.
#pragma once
#include "platform/fenster.h"
#include <string>

struct NeuronDaten;

// The orderly shutdown: frees what the program holds, destroys the main window and asks
// the message loop to end. Callable from anywhere, also from another thread and while a
// run is on the stack (the run is stopped and the shutdown follows once it has returned).
// Callers return at once; a second call does nothing.
void programmBeenden();
// true from the first step of the shutdown on: nothing may use the freed records then
bool programmEndet();
// The end a box asks for (its Cancel, or a failure the program cannot go on after, such as
// memory running out): the regular end with its offers, an unsaved permutation definition
// (question 542) first, then the network, and then the shutdown. A Cancel or a failed save
// at an offer keeps the program running. With a run on the stack the run stops, and the end
// with its offers follows once it has returned. false when the user kept the program.
// Every box that ends the program calls this, never programmBeenden.
bool programmBeendenMitAngebot();

// Closing the network, as "Datei schliessen" does: the offer to save it, the save, the
// deletion, in that order. Ohne leaves the offer out: a network that a failed load left
// behind came from a temporary copy that is gone, and there is nothing of the user's in it.
// Abgelehnt: Cancel at the offer; Fehlgeschlagen: the save chosen did not happen (its dialog
// cancelled, or the write failed and a notice said why). Either keeps the network as it was.
enum class Schliessen { Geschlossen, Abgelehnt, Fehlgeschlagen };
enum class SpeichernAngebot { Fragen, Ohne };
Schliessen netzSchliessen(SpeichernAngebot angebot);

// The global refresh after edits, loads and dialogs. With a neuron (as a new neuron calls
// it) the steps for that neuron; with (null, 1) after a load everything derived.
void einstellungenAktualisieren(NeuronDaten* neuron, int nachLaden);

// The open command: with fragen 1 the open dialog, with 0 the file the paths name. Deletes
// the network and loads the file; 1 when it was loaded, 0 otherwise (a file no reader takes
// leaves the network as it was).
int simulationOeffnen(int fragen);
// The settings and network files saved under ".bkp" names (the backup before a run).
void guiSicherungSpeichern();

// The protocol window's text becomes the saved protocol text (Protokoll in core/status.h):
// 0 for a null window, else 1. The file writers store the saved text.
int protokollTextSichern(plattform::Fenster edit);

// The windows and dialogs the engine needs, all of them the frame's.
namespace rahmen {
// the run settings dialog, modal over eigner (null: the main window)
void laufEinstellungenDialog(plattform::Fenster eigner);
// the remaining-time window of a run, shown at its stored place with the progress at 0;
// null (after the message fehlerText, with the program ending) when it cannot be made
plattform::Fenster restzeitFensterZeigen(const std::string& titel, int fehlerText);
// the protocol text emptied
void protokollLeeren();
// the status bar of a program without a network
void netzlosStatusZeigen();
// the search for printers starts in the background (after a network file was read)
void druckerSucheAnstossen(plattform::Fenster hauptfenster);
// the timed info box, modal; returns once it has closed
void anzeigeboxZeigen(const std::string& titel, const std::string& text);
// the neuron's main diagram shown in its window (made when it has none)
void diagrammFensterOeffnen(NeuronDaten* neuron);
// the temporary files and the run-information file removed before a quick exit
void programmEndeAufraeumen(int modus);
// a new neuron for one channel of a WAV import, in the row along the top; null when none
NeuronDaten* wavNeuronErzeugen();
// the input dialog over the main window with its title, two texts, the field's label and
// start text; true for OK, with what was typed in eingabe
bool eingabeErfragen(const std::string& titel, const std::string& text1, const std::string& text2,
                     const std::string& beschriftung, std::string& eingabe);
}
