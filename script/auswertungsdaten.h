// script/auswertungsdaten.h - the results of a script run read back: the loaded result file
#pragma once
#include "script/skript.h"
#include <cstdint>
#include <cstdio>
#include <string>

// what the header of a result file holds beyond the script record
struct ErgebnisKopf {
    uint32_t version = 0;
    int dateiNummer = 0;
    std::string skriptPfad, netzPfad, permutationsPfad;
    uint32_t skriptLaenge = 0, netzLaenge = 0, permutationsLaenge = 0;
    int auswertungsNeuron = 0;          // its number, 0 without one
    uint32_t saetze = 0;                // records in the file
    uint32_t ersterSatz = 0;
};

struct Auswertungsdaten {
    Skript skript;                      // the run settings, result neurons and documented parameters
    ErgebnisKopf kopf;
    std::string ergebnisPfad;           // the result file the header came from
    std::FILE* ergebnisDatei = nullptr; // open while records are read
    uint32_t satzZeiger = 0;            // the record read next; 0 after the last
};

// Reads the header of the result file named in ergebnisPfad (the interactive choosing and
// the embedded texts are not read here: interaktiv must be 0). 1 when the header was read
// whole and a's script record holds it; 0 after a message, with a left as it was.
int ergebnisDateiLaden(Auswertungsdaten& a, int interaktiv);
// Reads the record at a.satzZeiger of the open file f: the documented values, the changed
// parameters and the values of every result neuron; a.satzZeiger then names the next
// record. 1, or 0 after a message (the file is closed then).
int ergebnisLesen(Auswertungsdaten& a, std::FILE* f);
