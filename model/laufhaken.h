// model/laufhaken.h - what tests of whole runs may put in place of the run's own behaviour
//
// Null (or 0) is the run's own behaviour. A test sets what it needs and puts everything
// back with `laufHaken = {};`.
#pragma once
#include <cstddef>
#include <cstdio>
#include <ctime>
#include <string>

struct LaufTestHaken {
    // the local time that stamps the result names (a fixed clock)
    std::tm (*ortszeit)() = nullptr;
    // how the export's flushes open the part file (a file that takes no more bytes)
    std::FILE* (*exportDateiOeffnen)(const std::string& pfad, const char* modus) = nullptr;
    // the room the export buffer is set up with; 0: the run's own 1,000,000 bytes (a small
    // one forces a flush in every step)
    size_t exportPufferGroesse = 0;
    // in place of the synapse dynamics of every step (a step counter, potentials that
    // follow the time, an abort at a chosen step)
    void (*synapsen)() = nullptr;
};
extern LaufTestHaken laufHaken;
