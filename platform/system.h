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

// The language the program speaks, as a language code ("de", "en"); German until it is
// set. The texts the platform shows of its own accord follow it: the buttons of the boxes
// and its own titles (platform/eigene_texte.h), and Qt's texts (the labels and buttons of
// the file, colour and font choosers, the widgets' context menus) where the system has Qt's
// translation for it. false when some of them stay English (another language, or no
// translation installed). Called whenever the program's texts are loaded.
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
