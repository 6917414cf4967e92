// model/skript.h - what the run and the SWIM step ask of the script language
#pragma once

struct NeuronDaten;

// the kind of results the loaded script makes; 4 is the screen, on which the diagram windows
// keep their size while the script runs interactively. 0 without a script.
extern int skriptErgebnisArt;

// before a script run: the EPSP measurement reset when the script's result kind is 16
void skriptEpspZuruecksetzen();
// Opens an EPSP measurement of the neuron's soma potential until the time ende (s), in the
// next entry of the table. Which event opens one is for its owner to decide.
void skriptEpspMessungOeffnen(NeuronDaten& neuron, double ende);
// after every step of a script run: progress text and the EPSP running maximum
void skriptSchritt(double t);
// at each progress time of a script run: its share done (percent) while the run counter
// shows no other text
void skriptFortschritt(double prozent);
// after a finished script run: the open EPSP measurement closed, the script's progress
// display and its EPSP file line
void skriptLaufEnde();
// A script waiting for a spike of this neuron: registers it, sets the wake-up time to
// t + the statement's time and stores -1.7e308 as the statement's result. Called for every
// counted spike; the script checks whether it runs and waits for this neuron.
void skriptSpikeWarten(NeuronDaten& neuron, double t);
