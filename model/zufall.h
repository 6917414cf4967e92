// model/zufall.h - random numbers of the engine
//
// Our own 15-bit generator, so runs are the same on every machine and tests can seed it:
// state = state * 214013 + 2531011, value = (state >> 16) & 0x7FFF (0..32767).
#pragma once
#include <cstdint>

constexpr int zufallMaximum = 32767;

void zufallStarten(uint32_t saat);        // the run seeds with the calendar time
int zufallRoh();                          // the next value, 0..32767

double zufallszahl();                     // 0.0..1.0 inclusive
double zufallszahlBereich(double a, double b);
// Box-Muller; the second value of a pair is kept (without sd and mean) for the next call.
// The result is cut to min..max.
double zufallszahlGauss(double mittel, double sd, double min, double max);
// A whole number as double; negative with probability 1/2 unless the run settings ask for excitatory noise only.
double zufallszahlPoisson(double rate, double dt);

// makes Poisson noise non-negative; stored with the settings

// forgets the kept Gaussian value (a new run, tests)
void gaussVorratLoeschen();

// A generator of its own with the same rule, for users that must not move the engine's
// sequence (the editor's line geometry draws with one).
struct Zufallsgenerator {
    uint32_t zustand = 1;
    void starten(uint32_t saat) { zustand = saat; }
    int roh()                               // 0..32767
    {
        zustand = zustand * 214013u + 2531011u;
        return static_cast<int>((zustand >> 16) & 0x7FFF);
    }
};
