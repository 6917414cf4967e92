// dialogs/strominjektion.h - the current-injection dialog "Strominjektion erstellen" (150)
#pragma once
#include "platform/dialog.h"
#include <cstdint>

intptr_t strominjektionDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);
// modal over eigner (null: the main window); 2 at once when there is no neuron
intptr_t strominjektionDialogOeffnen(plattform::Fenster eigner);

// What the dialog keeps for the whole program run. Tests reset it with `= {}`.
struct StrominjektionVorgaben {
    int uebernehmen = 0;          // "Reizdefinitionen dieses Neurons ... übernehmen."
    int fokus = 0;                // the edit field the user changed last; 0: the amplitude
    bool klemmWarnung = true;     // off once the user declined the voltage-clamp warning
};
extern StrominjektionVorgaben strominjektionVorgaben;

// the largest count of stimuli and of bursts a column takes
constexpr int strominjektionHoechsteAnzahl = 1000000;
