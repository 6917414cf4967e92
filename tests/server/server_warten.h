// tests/server/server_warten.h - waiting for what the server thread does, as a user sees it,
// and clearing up after its run
#pragma once
#include "../app/app_hilfe.h"
#include "server/server.h"
#include "server/serverbetrieb.h"
#include <chrono>
#include <functional>
#include <thread>

namespace servertest {

// the GUI thread's events and timers until the condition holds; a wall-clock bound keeps a
// hung thread from hanging the test
inline bool warten(const std::function<bool()>& bedingung)
{
    const auto ende = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!bedingung()) {
        if (std::chrono::steady_clock::now() > ende)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        plattform::nachrichtenVerarbeiten();
        plattform::test::uhrVorstellen(serverFensterTaktMs);
    }
    return true;
}

// what a test's server run leaves behind: its thread, its hooks, its window and data
inline void serverLaufAufraeumen()
{
    serverThreadBeenden();
    serverStartHaken = {};
    serverFenster = {};
    serverDaten = {};
    serverLaufZuruecksetzen();
}

} // namespace servertest
