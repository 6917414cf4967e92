// app/hauptfenster.h - the main window: its procedure, commands, keys and timers
#pragma once
#include "app/status.h"
#include <cstdint>
#include <string>

// the main window's timers
namespace zeitgeber {
constexpr uintptr_t Statusleiste = 2;       // shows the status texts again after a passing one
constexpr uintptr_t Startbild = 3;          // closes the splash
constexpr uintptr_t Doppelklick = 6;        // ends the double-click window
constexpr uintptr_t Infobox = 7;            // closes the timed info box
constexpr uintptr_t KurvenMarkierung = 8;   // ends a curve highlight
constexpr uintptr_t DruckerSuche = 11;      // ends a printer-list thread that overran
constexpr uintptr_t NachLauf = 20;          // ours: posts deferred commands once no run is on the stack
constexpr uintptr_t Wiedergabe = 21;        // ours: the next neuron of the spike playback flashes
}

constexpr const char* hauptfensterKlasse = "Velnor";
constexpr int statusleisteId = 1;

intptr_t hauptfensterProc(plattform::Fenster f, uint32_t nachricht, uintptr_t w, intptr_t l);
void hauptfensterBefehl(plattform::Fenster f, int befehl);
void hauptfensterTimer(plattform::Fenster f, uintptr_t id);
// the main window's own shortcuts; false when the key is none of them
bool tasteGedrueckt(plattform::Fenster f, int taste, bool alt);
void escTasteBearbeiten(plattform::Fenster f, int zeichen);

// The run lock, the one check for every path that reaches the network (menus, keys, other
// windows and the editor's mouse): true while a run is on and the command would change or
// free the network, start a run of its own, or make or close the diagram windows a run
// writes into. The dispatcher refuses such a command with notice 881.
bool imLaufGesperrt(int befehl);
// whether the command has code behind it; menu items of the others are grey
bool befehlVerfuegbar(int befehl);
// 1 ticked, 0 not, -1 the command is no switch
int befehlHaken(int befehl);
// greys and ticks the items of a menu (with its submenus) by the state of the program
void menueStandSetzen(plattform::Menue m);

// A text that passes: shown in the part now, the stored texts come back after the
// status-line display time (timer 2).
void statusEinblenden(int teil, const std::string& text);

// The regular close: during a run it asks whether to stop it and then closes once the
// run has returned; otherwise the main window goes and the program ends.
void hauptfensterSchliessen();
// Commands that end the program, asked for while a run is on the stack, wait here until
// it has returned and are then posted to the main window.
void nachLaufAufschieben(int befehl);
constexpr int befehlBeendenNachLauf = -1;   // no command: programmBeenden itself waits there
size_t aufgeschobeneBefehle();
void nachLaufVerwerfen();          // tests start the program more than once

// the main window's layout: status bar, its parts and the embedded protocol window
void hauptfensterAnordnen(plattform::Fenster f);

// Spike playback: the recorded spikes' neurons flash one after the other in the order
// they fired, one per tick of timer 21. Nothing happens without a recording.
constexpr unsigned wiedergabeTaktMs = 150;
void spikeWiedergabeStarten(plattform::Fenster f);
void spikeWiedergabeSchritt(plattform::Fenster f);
// the number of the neuron flashing now, 0 for none
int aufblitzendesNeuron();
