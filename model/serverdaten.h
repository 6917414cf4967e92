// model/serverdaten.h - the settings of the real-time server that a network file keeps
//
// Neurons are kept by number (0: none); the name copies let the server check that a
// number still names the neuron that was chosen. Zero settings are replaced by the
// server's own start values when it starts.
#pragma once
#include <cstdint>
#include <string>

constexpr const char* serverStromDateiVorgabe = "strom in ausgangsneuron";

struct ServerDaten {
    int eingangsNeuron = 0;
    std::string eingangsNeuronName;
    int ausgangsNeuron = 0;
    std::string ausgangsNeuronName;
    int angezeigtesNeuron = 0;           // whose soma potential the server window shows
    double pulsDauer = 0.0;              // s
    int16_t pulsHoehe = 0;               // raw analog-output units
    double ausgangsReizstrom = 0.0;      // A
    double ausgangsReizdauer = 0.0;      // s
    double ereignisReizdauer = 0.0;      // s
    double ereignisTotzeit = 0.0;        // s
    double ereignisReizstrom = 0.0;      // A
    int16_t ereignisSchwelle = 0;        // raw analog-input units
    double verzoegerung = 0.0;           // s
    int anfangVerzoegern = 0;
    double stromFaktor = 0.0;            // A per unit of the kernel sum
    double eichfaktor = 0.0;
    double daKalibrierung = 0.0;
    int16_t daAusgabefaktor = 0;
    int eingangAusgeben = 0;             // the kernel sum to the DA output
    int somaPotentialAusgeben = 0;
    int stromInDatei = 0;
    std::string stromDatei = serverStromDateiVorgabe;   // name prefix of that file, up to 259 bytes
};
extern ServerDaten serverDaten;
