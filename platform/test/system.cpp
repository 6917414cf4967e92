// platform/test/system.cpp - start-up, the GUI thread and the clock of the scripted platform
// (the rest of platform/system.h is the core library's, the same for both implementations)
#include "platform/eigene_texte.h"
#include "platform/system.h"
#include "platform/test/zustand.h"
#include "platform/zeichensatz.h"
#include <clocale>

namespace plattform {
using namespace test::intern;

// No display to check here; the caller's thread becomes the GUI thread.
int starten(int argc, char** argv, int (*programm)(const DateiArgument& datei))
{
    std::setlocale(LC_NUMERIC, "C");
    zustand().guiThread = std::this_thread::get_id();
    std::string argument = argc > 1 && argv[1] ? argv[1] : "";
    std::erase(argument, '"');   // a path quoted on the command line comes without its quotes
    DateiArgument datei;
    datei.darstellbar = nachCp1252(argument, datei.pfad);
    return programm(datei);
}

// no chooser of Qt's: only the platform's own texts change
bool plattformTexteSprache(const std::string& kuerzel) { return eigeneTexteSprache(kuerzel); }

bool istGuiThread() { return std::this_thread::get_id() == zustand().guiThread.load(); }

double uhrSekunden() { return zustand().uhr / 1000.0; }

} // namespace plattform
