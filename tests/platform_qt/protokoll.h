// tests/platform_qt/protokoll.h - a window class that logs every message it gets
#pragma once
#include "platform/fenster.h"
#include "platform/qt/qtstart.h"
#include "platform/system.h"
#include <gtest/gtest.h>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <functional>
#include <optional>
#include <thread>
#include <vector>

namespace protokoll {

using namespace plattform;

struct Eintrag {
    Fenster f;
    uint32_t n;
    uintptr_t w;
    intptr_t l;
};

inline std::vector<Eintrag> eingang;
// the test's own answer to a message; nullopt leaves it to the standard procedure
inline std::function<std::optional<intptr_t>(Fenster, uint32_t, uintptr_t, intptr_t)> reaktion;

inline intptr_t proc(Fenster f, uint32_t n, uintptr_t w, intptr_t l)
{
    eingang.push_back({f, n, w, l});
    if (reaktion)
        if (auto r = reaktion(f, n, w, l))
            return *r;
    return standardFensterProc(f, n, w, l);
}

inline std::vector<Eintrag> von(Fenster f, uint32_t n)
{
    std::vector<Eintrag> r;
    for (const Eintrag& e : eingang)
        if (e.f == f && e.n == n)
            r.push_back(e);
    return r;
}

inline std::vector<uint32_t> nachrichtenVon(Fenster f)
{
    std::vector<uint32_t> r;
    for (const Eintrag& e : eingang)
        if (e.f == f)
            r.push_back(e.n);
    return r;
}

// a whole file's bytes ("" when missing)
inline std::string dateiInhalt(const std::string& pfad)
{
    std::ifstream ein(pfad, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(ein), {});
}

// pumps until bedingung holds; false after two seconds
inline bool pumpenBis(const std::function<bool()>& bedingung)
{
    const double ende = uhrSekunden() + 2.0;
    while (!bedingung()) {
        if (uhrSekunden() > ende)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        nachrichtenVerarbeiten();
    }
    return true;
}

// The suite never shows windows on the developer's screen, whatever ctest passes on.
inline void offscreenWaehlen() { setenv("QT_QPA_PLATFORM", "offscreen", 0); }

// Real Qt objects on the offscreen platform. Windows made with neu() die after the test.
class QtTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        offscreenWaehlen();
        qt::anwendungSicherstellen();
        klasseRegistrieren({"Protokoll", proc, 0xFFFFFF});
        eingang.clear();
        reaktion = nullptr;
    }
    void TearDown() override
    {
        reaktion = nullptr;
        for (Fenster f : fenster)
            fensterZerstoeren(f);
        nachrichtenVerarbeiten();        // leave no posted message to the next test
        qt::geloeschteFreigeben();
    }
    Fenster neu(uint32_t stil, int x, int y, int b, int h, Fenster eltern = nullptr,
                Menue menue = nullptr, intptr_t parameter = 0)
    {
        Fenster f = fensterErzeugen("Protokoll", "Test", stil, x, y, b, h, eltern, menue, parameter);
        fenster.push_back(f);
        return f;
    }
    std::vector<Fenster> fenster;
};

} // namespace protokoll
