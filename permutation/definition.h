// permutation/definition.h - making, saving and reading a permutation definition and its
// analysis classes, and dialog 212 that edits the classes
#pragma once
#include "permutation/permutation.h"
#include "platform/fenster.h"
#include <cstdint>
#include <string>

// The interactive definition on the network window (command 184): the level count, the
// evaluation neuron, then per postsynaptic neuron its presynaptic neurons, each chosen by a
// click. 1 when a definition was made, 0 when the user cancelled or it failed; the
// definition before it stays in place then.
int permutationDefinieren();
// The wait for a click on a neuron, between two passes over the waiting events. It sleeps a
// little, so the wait takes no processor; tests put their clicks here instead.
extern void (*klickWartenPause)();

// modus 1: the analysis file (*.anl), else the definition file (*.pmt). The file dialog
// asks for the path; 1 when the file was written, 0 on cancel or failure (said in a notice,
// the old file stays).
int permutationsdefinitionSpeichern(int modus);
// the same for a given path
int permutationsdefinitionSchreiben(const std::string& pfad, int modus);

// modus 1 reads an analysis file: classes into klassenZiel, the AP-count flag into
// apFlagZiel. Any other modus reads a definition file into the current definition and
// class table (the flag into apFlagZiel when given). The number of classes read (6 for the
// defaults), 0 on cancel or failure; nothing changes then.
int permutationsdefinitionLesen(int modus, int* apFlagZiel, Klassentabelle* klassenZiel);
// the same for a given path, without the file dialog
int permutationsdefinitionAusDatei(const std::string& pfad, int modus, int* apFlagZiel, Klassentabelle* klassenZiel);

// dialog 212: the analysis classes
intptr_t analyseParameterDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);
// opens it over the foreground window, disabled meanwhile; 1 on OK
intptr_t analyseParameterDialogOeffnen();
