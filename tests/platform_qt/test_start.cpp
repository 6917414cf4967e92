// tests/platform_qt/test_start.cpp - start-up: the display check, locale, file argument
#include "protokoll.h"
#include "platform/system.h"
#include <QCoreApplication>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace plattform;

namespace {

// puts an environment variable back when the test ends
struct Umgebung {
    Umgebung(const char* name, const char* wert) : name(name)
    {
        if (const char* v = std::getenv(name))
            alt = v, hatteWert = true;
        wert ? setenv(name, wert, 1) : unsetenv(name);
    }
    ~Umgebung() { hatteWert ? setenv(name, alt.c_str(), 1) : unsetenv(name); }
    const char* name;
    std::string alt;
    bool hatteWert = false;
};

bool zahlenMitPunkt()
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", 2.5);
    return std::string(text) == "2.50" && std::strtod("2.5", nullptr) == 2.5;
}

std::string empfangen;
bool programmLief = false;

} // namespace

TEST(QtStart, OhneAnzeigeMeldetEsUndStartetNichts)
{
    Umgebung a("DISPLAY", nullptr), b("WAYLAND_DISPLAY", nullptr), c("QT_QPA_PLATFORM", nullptr);
    programmLief = false;
    char name[] = "velnor";
    char* argv[] = {name, nullptr};
    testing::internal::CaptureStderr();
    int r = starten(1, argv, [](const std::string&) { programmLief = true; return 0; });
    std::string fehler = testing::internal::GetCapturedStderr();
    EXPECT_EQ(r, 1);
    EXPECT_FALSE(programmLief);
    EXPECT_NE(fehler.find("no display"), std::string::npos) << fehler;
}

// Each test runs in its own process under ctest; run together with the others, the
// application exists already and starten cannot make its own.
TEST(QtStart, StartenRuftDasProgrammMitDemDateinamenUndRaeumtAuf)
{
    if (QCoreApplication::instance())
        GTEST_SKIP() << "an application exists in this process already";
    Umgebung sprache("LC_ALL", "C.UTF-8");                // Qt takes it over, the program must not
    protokoll::offscreenWaehlen();
    char name[] = "velnor";
    char datei[] = "\"/tmp/Gr\xc3\xb6\xc3\x9f" "e.net\"";
    char* argv[] = {name, datei, nullptr};
    int r = starten(2, argv, [](const std::string& d) {
        empfangen = d;
        EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
        EXPECT_TRUE(zahlenMitPunkt());
        EXPECT_TRUE(istGuiThread());
        // a window the program leaves behind is cleaned up by starten
        static bool angemeldet = klasseRegistrieren({"Rest", standardFensterProc, 0xFFFFFF});
        EXPECT_TRUE(angemeldet);
        return fensterErzeugen("Rest", "", stil::Hauptfenster | stil::Sichtbar, 0, 0, 50, 50) ? 17 : 0;
    });
    EXPECT_EQ(r, 17);
    EXPECT_EQ(empfangen, "/tmp/Gr\xf6\xdf" "e.net");
}

TEST(QtStart, TestanwendungBehaeltDenPunktInZahlen)
{
    Umgebung sprache("LC_ALL", "C.UTF-8");
    protokoll::offscreenWaehlen();
    qt::anwendungSicherstellen();
    EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
    EXPECT_TRUE(zahlenMitPunkt());
}
