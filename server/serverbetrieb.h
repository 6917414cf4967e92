// server/serverbetrieb.h - the server run seen from the GUI thread: start, stop, the thread,
// the end, the server window and the potassium dialog
//
// The server thread owns the network, the board and the run-time record from its start
// to its end; the GUI thread meets it only through the stop bit, the command queue and the
// published atomics (server.h). The thread posts two things to the GUI thread: that
// real-time scheduling was refused and that its loop has ended. Everything on a window,
// a box or the status bar happens here, on the GUI thread.
#pragma once
#include "core/status.h"
#include "platform/fenster.h"
#include "server/server.h"
#include <array>
#include <string>
#include <vector>

struct NeuronDaten;

// What tests put in place of the real clock and scheduling, and how they make the thread's
// creation fail. Left empty, the run takes the steady clock and asks for SCHED_FIFO.
struct ServerStartHaken {
    ServerUhr* uhr = nullptr;
    bool (*echtzeit)(std::string* grund) = nullptr;
    bool threadScheitert = false;
};
extern ServerStartHaken serverStartHaken;

// the GUI thread's picture of a run: the window, the columns of its trace, what was shown
struct SpurSpalte {
    int y1 = 0, y2 = 0;
    bool gesetzt = false;
};
struct ServerFensterZustand {
    plattform::Fenster fenster = nullptr;
    plattform::Fenster kaliumDialog = nullptr;
    plattform::Rechteck rechteck{};          // on the screen; the next start opens the window there
    int clientBreite = 0, clientHoehe = 0;
    SpurGeometrie geometrie;
    std::vector<SpurSpalte> spalten;         // one per column, client width + 10
    int spalte = 1;                          // where the next segment goes
    uint32_t gelesen = 0;                    // trace segments taken from the ring
    uint32_t sekunden = 0, quittung = 0;     // publications already shown
    bool beendenNachEnde = false;            // left Shift + Esc: the program ends after the run
    std::array<std::string, statusTeile> statusVorher;   // the main window's status texts before the start
};
extern ServerFensterZustand serverFenster;

// the server window's timer: takes the trace and the loop's publications
constexpr uintptr_t serverFensterZeitgeber = 1;
constexpr unsigned serverFensterTaktMs = 50;
// the potassium dialog's command, sent by the G key
constexpr int befehlKaliumUmschalten = 40316;

// ---- start and stop (command 290 and the context commands) ---------------------------

// Command 290: with a server thread the stop request, the main window hidden, shown again
// as it stood (maximised stays maximised) and repainted; otherwise the start, and when no
// thread could be made notice 477.
void serverStartBefehl(plattform::Fenster hauptfenster);
// The start: 1 with a running thread, 0 refused (its notice shown, nothing changed), -1
// when the thread could not be made (board released, the preparation undone).
int serverStarten();
// The stop request: the stop bit and the status parts 0-3 emptied. The thread ends the
// loop after its step, releases the board and posts its end.
void serverBeenden();
// a server thread exists (from the start until the end handling joined it)
bool serverThreadLaeuft();
// Stops the thread, waits for it and runs the end handling without the report box: the
// shutdown's step, also what the program's end does first when a server runs.
void serverThreadBeenden();
// the board's outputs at rest when no thread holds the board
void boardAusgaengeZuruecksetzen();
// 51109-51111 with the chosen neuron: stored by number; while running also for the loop
void serverNeuronBefehl(int befehl, NeuronDaten* neuron);
// a command for the running loop; false without a thread or with a full queue
bool serverBefehlSenden(const ServerBefehl& b);
// a server command the run lock lets through while the server runs
bool serverBefehlImLauf(int befehl);

// ---- the window -----------------------------------------------------------------------

intptr_t serverFensterProc(plattform::Fenster f, uint32_t nachricht, uintptr_t w, intptr_t l);
// "Server laeuft mit" the network's name; the window repainted at once
void serverTitelSetzen();
// takes the new trace segments into the columns and the publications into the status bar
void serverFensterTakt();
// the trace cleared: every column empty, the window painted again
void serverSpurLeeren();
// keys of the server window
void serverTaste(plattform::Fenster f, int taste);
void serverTasteLos(int taste);

// ---- the potassium dialog ---------------------------------------------------------------

// G in the server window: opens the dialog, or closes the one that is open
void kaliumFensterUmschalten(plattform::Fenster f, int befehl);
intptr_t kaliumKonzentrationDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);
// the K potential (V) of an inside : outside ratio
double kaliumGleichgewicht(double verhaeltnis);
