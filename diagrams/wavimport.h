// diagrams/wavimport.h - a WAV recording becomes one neuron per channel with its curve
#pragma once

// Reads the file the open command chose (dateipfade.oeffnenPfad), sets the run from it,
// locks runs and imports the channels; 1 when the file could be opened, else 0.
int wavKopfLesen();
