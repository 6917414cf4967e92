// tests/platform/test_fenster_hilfe.h - a probe window class for the scripted-platform tests
#pragma once
#include "platform/fenster.h"
#include "platform/test/testplattform.h"
#include <algorithm>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace probe {

using namespace plattform;

// what the probe windows do; unset: the standard procedure
inline std::function<intptr_t(Fenster, uint32_t, uintptr_t, intptr_t)> reaktion;

inline intptr_t probeProc(Fenster f, uint32_t n, uintptr_t w, intptr_t l)
{
    if (reaktion)
        return reaktion(f, n, w, l);
    return standardFensterProc(f, n, w, l);
}

// messages of one window (or all) in arrival order, without those in ohne
inline std::vector<uint32_t> nachrichten(Fenster f = nullptr, std::vector<uint32_t> ohne = {})
{
    std::vector<uint32_t> aus;
    for (const auto& e : test::nachrichtenLog())
        if ((!f || e.fenster == f) && std::find(ohne.begin(), ohne.end(), e.nachricht) == ohne.end())
            aus.push_back(e.nachricht);
    return aus;
}

struct Fall : ::testing::Test {
    std::vector<std::string> fehler;

    void SetUp() override
    {
        test::zuruecksetzen();
        reaktion = nullptr;
        ASSERT_TRUE(klasseRegistrieren({"Probe", probeProc}));
    }
    void TearDown() override
    {
        reaktion = nullptr;
        test::fehlerBehandlungSetzen(nullptr);   // it points into this fixture
    }

    void fehlerSammeln()
    {
        test::fehlerBehandlungSetzen([this](const std::string& t) { fehler.push_back(t); });
    }
    Fenster neu(uint32_t s = stil::Hauptfenster | stil::Sichtbar, Fenster eltern = nullptr,
                int x = 100, int y = 50, int b = 400, int h = 300)
    {
        return fensterErzeugen("Probe", "Probe", s, x, y, b, h, eltern);
    }
};

// a folder of its own under /tmp, removed with everything in it
struct TempOrdner {
    std::filesystem::path pfad;
    TempOrdner()
    {
        char muster[] = "/tmp/velnor-test-XXXXXX";
        if (::mkdtemp(muster))
            pfad = muster;
    }
    ~TempOrdner()
    {
        std::error_code egal;
        if (!pfad.empty())
            std::filesystem::remove_all(pfad, egal);
    }
    std::string datei(const std::string& name) const { return (pfad / name).string(); }
};

} // namespace probe
