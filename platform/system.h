// platform/system.h - start-up, threads, clock, priority, processor cores, disk and memory
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace plattform {

// The file named on the command line, in Windows-1252 ("" when none is given). A name
// that Windows-1252 cannot hold comes with darstellbar false and '?' in place of the
// characters it lacks, so that the program can name it when it refuses it.
struct DateiArgument {
    std::string pfad;
    bool darstellbar = true;
};

// The program's entry: main() calls starten with the program's own start function
// (the counterpart of WinMain). starten prepares the platform (the GUI application,
// LC_NUMERIC "C"), then calls programm with the command-line file argument and returns
// its result. Without a display, or with one that cannot be opened, it prints why and
// returns 1 without calling programm.
int starten(int argc, char** argv, int (*programm)(const DateiArgument& datei));

// The language the program speaks, as a language code ("de", "en"). The platform's own
// texts (the labels and buttons of the file, colour and font choosers and of the input
// dialog) follow it where the system has them in that language; false when it has not,
// and those texts stay English. The program calls it once its language is known.
bool plattformTexteSprache(const std::string& kuerzel);

// ---- threads -------------------------------------------------------------
// Only the GUI thread touches windows. Other threads hand work to it here; the work
// runs the next time the GUI thread processes events.
void aufGuiThread(std::function<void()> arbeit);
bool istGuiThread();

// ---- time ----------------------------------------------------------------
// Steady clock in seconds since an arbitrary start; the test implementation returns
// its virtual clock, so everything paced by it is reproducible in tests.
double uhrSekunden();

// ---- scheduling ------------------------------------------------------------
// Asks for real-time scheduling (SCHED_FIFO) of the calling thread. On refusal returns
// false and puts the reason into grund.
bool echtzeitPrioritaet(std::string* grund = nullptr);
// The cores this process may run on (bit n = core n); 0 when unknown.
uint64_t prozessKerne();
// Binds the calling process to one core. false (with the reason) when the core is not
// in the process's mask or the system refuses.
bool aufKernBinden(int kern, std::string* grund = nullptr);
// Lifts a binding made by aufKernBinden (back to the mask at start-up).
void kernBindungAufheben();

// ---- resources -------------------------------------------------------------
int64_t freierPlatz(const std::string& ordner);   // bytes free for the user there, -1 on error
int64_t verfuegbarerSpeicher();                   // bytes of available memory, -1 when unknown
int64_t verfuegbarerVirtuellerSpeicher();         // ... with the free swap, -1 when unknown

// Runs a program found on PATH with these arguments (argumente[0] is its name) and waits
// for it. -1 when it cannot be started (not installed), else its exit code.
int programmAusfuehren(const std::vector<std::string>& argumente);

} // namespace plattform
