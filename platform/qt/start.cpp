// platform/qt/start.cpp - the application, the GUI thread and the clock
#include "platform/eigene_texte.h"
#include "platform/qt/qtfenster.h"
#include "platform/qt/qtstart.h"
#include "platform/system.h"
#include "platform/zeichensatz.h"
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QThread>
#include <QTranslator>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <memory>
#include <string_view>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

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

// Qt aborts the whole process when the display it picks cannot be opened, so each is
// tried here first, the way Qt's platforms would open it.

// X: a real connection through the library Qt's xcb platform uses (so a missing server
// and a refused authorisation both count); without that library Qt cannot use X either
bool xOeffnen()
{
    void* xcb = dlopen("libxcb.so.1", RTLD_NOW | RTLD_LOCAL);
    if (!xcb)
        return false;
    using Verbinden = void* (*)(const char*, int*);
    using Fehler = int (*)(void*);
    using Trennen = void (*)(void*);
    auto verbinden = reinterpret_cast<Verbinden>(dlsym(xcb, "xcb_connect"));
    auto fehler = reinterpret_cast<Fehler>(dlsym(xcb, "xcb_connection_has_error"));
    auto trennen = reinterpret_cast<Trennen>(dlsym(xcb, "xcb_disconnect"));
    bool offen = false;
    if (verbinden && fehler && trennen) {
        void* verbindung = verbinden(nullptr, nullptr);     // DISPLAY
        offen = verbindung && fehler(verbindung) == 0;
        if (verbindung)
            trennen(verbindung);
    }
    dlclose(xcb);
    return offen;
}

// Wayland: the compositor's socket, WAYLAND_DISPLAY (default "wayland-0") in
// XDG_RUNTIME_DIR or an absolute path of its own
bool waylandOeffnen()
{
    if (gesetzt("WAYLAND_SOCKET"))
        return true;                          // handed over already connected
    std::string pfad = gesetzt("WAYLAND_DISPLAY") ? std::getenv("WAYLAND_DISPLAY") : "wayland-0";
    if (pfad.front() != '/') {
        if (!gesetzt("XDG_RUNTIME_DIR"))
            return false;
        pfad = std::string(std::getenv("XDG_RUNTIME_DIR")) + "/" + pfad;
    }
    sockaddr_un adresse{};
    adresse.sun_family = AF_UNIX;
    if (pfad.size() >= sizeof adresse.sun_path)
        return false;
    std::memcpy(adresse.sun_path, pfad.c_str(), pfad.size() + 1);
    const int s = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (s < 0)
        return false;
    const bool offen = connect(s, reinterpret_cast<const sockaddr*>(&adresse), sizeof adresse) == 0;
    close(s);
    return offen;
}

// "" when the display Qt will take can be opened (or is none that needs one), else what
// to say. QT_QPA_PLATFORM may list platforms separated by ';', tried in turn.
std::string anzeigeFehler()
{
    const auto umgebung = [](const char* name) { return std::string(gesetzt(name) ? std::getenv(name) : ""); };
    const std::string plattformen = umgebung("QT_QPA_PLATFORM");
    if (plattformen.empty() && !gesetzt("DISPLAY") && !gesetzt("WAYLAND_DISPLAY"))
        return "velnor: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set). ";
    if (plattformen.empty()) {
        if ((gesetzt("DISPLAY") && xOeffnen()) || (gesetzt("WAYLAND_DISPLAY") && waylandOeffnen()))
            return {};
    } else {
        for (size_t anfang = 0; anfang <= plattformen.size();) {
            size_t ende = plattformen.find(';', anfang);
            if (ende == std::string::npos)
                ende = plattformen.size();
            const std::string_view eintrag(plattformen.data() + anfang, ende - anfang);
            const std::string_view name = eintrag.substr(0, eintrag.find(':'));
            if (name == "xcb" ? xOeffnen() : name.starts_with("wayland") ? waylandOeffnen() : true)
                return {};                        // offscreen, vnc, ...: nothing to open
            anfang = ende + 1;
        }
    }
    std::string text = "velnor: the display cannot be opened (DISPLAY=\"" + umgebung("DISPLAY") +
                       "\", WAYLAND_DISPLAY=\"" + umgebung("WAYLAND_DISPLAY") + "\"";
    if (!plattformen.empty())
        text += ", QT_QPA_PLATFORM=\"" + plattformen + "\"";
    return text + "). ";
}

// the file named on the command line, in Windows-1252, without the quotes a desktop
// launcher may leave around it
DateiArgument dateiArgument(int argc, char** argv)
{
    if (argc < 2 || !argv[1])
        return {};
    std::string a = argv[1];
    if (a.size() >= 2 && a.front() == '"' && a.back() == '"')
        a = a.substr(1, a.size() - 2);
    DateiArgument datei;
    datei.darstellbar = nachCp1252(a, datei.pfad);   // the notice names it with '?' in place
    return datei;
}

} // namespace

int starten(int argc, char** argv, int (*programm)(const DateiArgument& datei))
{
    if (const std::string fehler = anzeigeFehler(); !fehler.empty()) {
        std::fprintf(stderr, "%sStart it in a running graphical session, or set QT_QPA_PLATFORM=offscreen "
                             "to run without a screen.\n", fehler.c_str());
        return 1;
    }
    QApplication anwendung(argc, argv);
    anwendungEinrichten();
    int ergebnis = programm(dateiArgument(argc, argv));

    // windows, menus and the translation the program left behind go before the application does
    plattformTexteSprache("en");
    qt::alleFensterZerstoeren();
    qt::menuesAufraeumen();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    qt::verteilerAufraeumen();
    return ergebnis;
}

bool plattformTexteSprache(const std::string& kuerzel)
{
    const bool eigene = eigeneTexteSprache(kuerzel);
    // Qt's own texts are English; another language comes from Qt's translations, where the
    // system has them installed
    static QTranslator* uebersetzung = nullptr;
    if (uebersetzung) {
        QCoreApplication::removeTranslator(uebersetzung);
        delete uebersetzung;
        uebersetzung = nullptr;
    }
    // the file chooser names the types of files in it too (its dates and sizes keep the
    // system's locale)
    QLocale::setDefault(QLocale(eigene ? QString::fromStdString(kuerzel) : QStringLiteral("en")));
    if (kuerzel == "en")
        return true;
    if (!eigene || !QCoreApplication::instance())
        return false;
    auto neu = std::make_unique<QTranslator>();
    if (!neu->load(QLocale(QString::fromStdString(kuerzel)), "qtbase", "_",
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    QCoreApplication::installTranslator(neu.get());
    uebersetzung = neu.release();
    return true;
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
        anwendungEinrichten();
        plattformTexteSprache("de");      // as the program's texts before they are loaded
        return;
    }
    anwendungEinrichten();
}

void geloeschteFreigeben() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

} // namespace qt

} // namespace plattform
