// tests/platform_qt/test_start.cpp - start-up: the display check, locale, file argument
#include "platform/fenster.h"
#include "platform/qt/qtstart.h"
#include "platform/system.h"
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

using namespace plattform;

namespace {

// puts an environment variable back when the test ends
struct Umgebung {
    Umgebung(const char* name, const char* wert) : name(name)
    {
        if (const char* v = std::getenv(name))
            alt = v;
        wert ? setenv(name, wert, 1) : unsetenv(name);
    }
    ~Umgebung() { alt ? setenv(name, alt->c_str(), 1) : unsetenv(name); }
    const char* name;
    std::optional<std::string> alt;
};

bool zahlenMitPunkt()
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", 2.5);
    return std::string(text) == "2.50" && std::strtod("2.5", nullptr) == 2.5;
}

DateiArgument empfangen;
bool programmLief = false;

// a display number no X server listens on: no socket file, no abstract socket
std::string freieAnzeige()
{
    std::ifstream netz("/proc/net/unix");
    const std::string sockets(std::istreambuf_iterator<char>(netz), {});
    for (int n = 7391;; ++n) {
        const std::string pfad = "/tmp/.X11-unix/X" + std::to_string(n);
        if (!std::filesystem::exists(pfad) && sockets.find("@" + pfad + "\n") == std::string::npos)
            return ":" + std::to_string(n);
    }
}

} // namespace

TEST(QtStart, AnzeigeDieSichNichtOeffnenLaesstWirdGemeldetStattAbzubrechen)
{
    const std::string x = freieAnzeige(), xUnix = "unix" + x + ".0";
    const std::string laufzeit = std::filesystem::temp_directory_path().string();
    struct Fall {
        const char *display, *wayland, *plattform, *meldung;
    };
    const Fall faelle[] = {
        {nullptr, nullptr, nullptr, "no display found"},
        {x.c_str(), nullptr, nullptr, "cannot be opened"},
        {xUnix.c_str(), nullptr, nullptr, "cannot be opened"},
        {x.c_str(), nullptr, "xcb", "cannot be opened"},
        {nullptr, nullptr, "xcb", "cannot be opened"},
        {nullptr, "velnor-keins", nullptr, "cannot be opened"},
        {x.c_str(), "velnor-keins", "wayland;xcb", "cannot be opened"},
    };
    Umgebung xdg("XDG_RUNTIME_DIR", laufzeit.c_str()), socket("WAYLAND_SOCKET", nullptr);
    for (const Fall& f : faelle) {
        SCOPED_TRACE(&f - faelle);
        Umgebung a("DISPLAY", f.display), b("WAYLAND_DISPLAY", f.wayland), c("QT_QPA_PLATFORM", f.plattform);
        programmLief = false;
        char name[] = "velnor";
        char* argv[] = {name, nullptr};
        testing::internal::CaptureStderr();
        const int r = starten(1, argv, [](const DateiArgument&) { programmLief = true; return 0; });
        const std::string fehler = testing::internal::GetCapturedStderr();
        EXPECT_TRUE(r == 1 && !programmLief);
        EXPECT_NE(fehler.find(f.meldung), std::string::npos) << fehler;
        EXPECT_NE(fehler.find(f.display ? f.display : ""), std::string::npos) << fehler;
    }
}

// Each test runs in its own process under ctest; run together with the others, the
// application exists already and starten cannot make its own.
TEST(QtStart, StartenRuftDasProgrammMitDemDateinamenUndRaeumtAuf)
{
    if (QCoreApplication::instance())
        GTEST_SKIP() << "an application exists in this process already";
    Umgebung sprache("LC_ALL", "C.UTF-8");                // Qt takes it over, the program must not
    setenv("QT_QPA_PLATFORM", "offscreen", 0);   // never on the developer's screen
    char name[] = "velnor";
    char datei[] = "\"/tmp/Gr\xc3\xb6\xc3\x9f" "e.net\"";
    char* argv[] = {name, datei, nullptr};
    int r = starten(2, argv, [](const DateiArgument& d) {
        empfangen = d;
        EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
        EXPECT_TRUE(zahlenMitPunkt() && istGuiThread());
        // a window the program leaves behind is cleaned up by starten
        static bool angemeldet = klasseRegistrieren({"Rest", standardFensterProc, 0xFFFFFF});
        EXPECT_TRUE(angemeldet);
        return fensterErzeugen("Rest", "", stil::Hauptfenster | stil::Sichtbar, 0, 0, 50, 50) ? 17 : 0;
    });
    EXPECT_EQ(std::make_tuple(r, empfangen.pfad, empfangen.darstellbar),
              std::make_tuple(17, "/tmp/Gr\xf6\xdf" "e.net", true));
}

TEST(QtStart, TestanwendungBehaeltDenPunktInZahlen)
{
    Umgebung sprache("LC_ALL", "C.UTF-8");
    setenv("QT_QPA_PLATFORM", "offscreen", 0);   // never on the developer's screen
    qt::anwendungSicherstellen();
    EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
    EXPECT_TRUE(zahlenMitPunkt());
}
