// core/skriptwerte.h - the values of the running script that the engine and the DAT writer read
//
// The script fills them at the start of an execution and before each simulation; the run
// reads them and keeps the EPSP measurement in them. Nothing here acts while no script
// runs (skriptStatus Laeuft clear).
#pragma once
#include <array>
#include <string>

struct NeuronDaten;

constexpr int epspTabellenGroesse = 512;

struct SkriptLaufwerte {
    int aup = 0;           // AUP, stored only
    double zfe = 0.0;      // ZFE, stored only
    int dat = 0;           // DAT: a DAT file after each simulation
    int datZaehler = 0;
    int simulationen = 0;  // of the whole script; 1000 or more gives five-digit file counters

    // the EPSP measurement of a script of result kind 16: the running maximum of the
    // measured neuron's soma potential until the end time, one table entry per measurement
    int ergebnisArt = 0;
    int epspMisst = 0;
    int epspIndex = 0;                  // never past the table
    double epspEnde = 0.0;              // s
    std::array<double, epspTabellenGroesse> epspAmplituden{};
    NeuronDaten* epspNeuron = nullptr;
    // the row of the finished simulation in the script's EPSP table; set by the script
    // while the table is open (the script lies above the run)
    void (*epspZeileSchreiben)() = nullptr;

    // progress: the simulation (from 0) of how many, the selection (0 all, 1 list, 2 or more
    // a range: its first simulation), the script's start time (s of the steady clock), the
    // continue-at number, the display counter and its limit
    int lauf = 0, laeufe = 0;
    int auswahl = 0, auswahlIndex = 0, auswahlAnzahl = 0, ersterLauf = 0;
    double startZeit = 0.0;
    int fortsetzenBei = 0;
    int neuGestartet = 0;
    int zaehler = 0, zaehlerGrenze = 1;
    // the two progress texts (remaining time, run and percent) as the interactive script
    // window shows them in its header, without their tabs
    std::array<std::string, 2> interaktivZeilen;
};
extern SkriptLaufwerte skriptLaufwerte;
