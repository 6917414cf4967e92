// app/status.h - the program-wide status words and window handles
#pragma once
#include "platform/fenster.h"
#include <cstdint>

// the editing state: 0x4 marked neurons being dragged, 0x8 a network file being read
extern uint32_t editierStatus;

struct Fensterhandles {
    plattform::Fenster hauptfenster = nullptr;   // owner of dialogs and timers
    plattform::Menue hauptmenue = nullptr;
};
extern Fensterhandles fensterhandles;

// the main window's commands the other subsystems send
constexpr int befehlSimulationStarten = 40039;
