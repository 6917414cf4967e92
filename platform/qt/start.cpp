// platform/qt/start.cpp - the application, the GUI thread and the clock
#include "platform/qt/qtfenster.h"
#include "platform/qt/qtstart.h"
#include "platform/system.h"
#include "platform/zeichensatz.h"
#include <QApplication>
#include <QThread>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <cstdlib>

namespace plattform {

namespace {

bool gesetzt(const char* name)
{
    const char* v = std::getenv(name);
    return v && *v;
}

// what every QApplication of ours needs right after it exists
void anwendungEinrichten()
{
    // Qt takes the user's locale; our numbers are written and read with '.'
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setQuitOnLastWindowClosed(false);   // the program ends through beendenPosten
    qt::verteilerEinrichten();
    qt::menueGuiEinrichten();
    qt::eingebauteKlassenRegistrieren();
    qt::tastenBeobachten();
}

// the file named on the command line, in Windows-1252, without the quotes a desktop
// launcher may leave around it
std::string dateiArgument(int argc, char** argv)
{
    if (argc < 2 || !argv[1])
        return {};
    std::string a = argv[1];
    if (a.size() >= 2 && a.front() == '"' && a.back() == '"')
        a = a.substr(1, a.size() - 2);
    std::string ziel;
    if (!nachCp1252(a, ziel)) {
        std::fprintf(stderr, "velnor: the file name \"%s\" holds characters the program cannot "
                             "store; starting without a file\n", a.c_str());
        return {};
    }
    return ziel;
}

} // namespace

int starten(int argc, char** argv, int (*programm)(const std::string& dateiArgument))
{
    if (!gesetzt("DISPLAY") && !gesetzt("WAYLAND_DISPLAY") && !gesetzt("QT_QPA_PLATFORM")) {
        std::fprintf(stderr, "velnor: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set). "
                             "Start it in a graphical session, or set QT_QPA_PLATFORM=offscreen "
                             "to run without a screen.\n");
        return 1;
    }
    QApplication anwendung(argc, argv);
    anwendungEinrichten();
    int ergebnis = programm(dateiArgument(argc, argv));

    // windows and menus the program left behind go before the application does
    qt::alleFensterZerstoeren();
    qt::menuesAufraeumen();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    qt::verteilerAufraeumen();
    return ergebnis;
}

bool istGuiThread()
{
    QCoreApplication* a = QCoreApplication::instance();
    return a && QThread::currentThread() == a->thread();
}

double uhrSekunden()
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

namespace qt {

void anwendungSicherstellen()
{
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char name[] = "velnor";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);     // lives as long as the process
    }
    anwendungEinrichten();
}

void geloeschteFreigeben() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

} // namespace qt

} // namespace plattform
