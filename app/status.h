// app/status.h - the program-wide status words and window handles
#pragma once
#include "app/befehle.h"
#include "platform/fenster.h"
#include <cstdint>

// the editing state: 0x4 marked neurons being dragged, 0x8 a network file being read
extern uint32_t editierStatus;

struct Fensterhandles {
    plattform::Fenster hauptfenster = nullptr;   // owner of dialogs and timers
    plattform::Menue hauptmenue = nullptr;
};
extern Fensterhandles fensterhandles;
