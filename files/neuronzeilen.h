// files/neuronzeilen.h - what the writers and readers of the neuron block share: keys with
// their "neuron %d " prefix and the chained key search
#pragma once
#include <string>

// "neuron <nummer> " and the key text; a "%d" in the key text takes index
std::string neuronblockSchluessel(int nummer, const char* text, int index = 0);

// The chained search of a block: each key is searched from behind the last key found, so
// a block in writer order is read in one pass; a key that is missing (or whose number is
// not finite) sends the search back to ruecksprung, and the field keeps its value.
struct NeuronblockSuche {
    char* ruecksprung;
    char* zeiger;
    int nummer;

    NeuronblockSuche(char* anfang, int neuronNummer) : ruecksprung(anfang), zeiger(anfang), nummer(neuronNummer) {}

    bool zahl(double& ziel, const char* text, int index = 0);
    bool zahl(int& ziel, const char* text, int index = 0);
    // at most laenge - 1 bytes of the rest of the line; the key only at a line start
    bool text(std::string& ziel, int laenge, const char* text, int index = 0);
    // A key missing behind the cursor is searched once more from ruecksprung; missing both
    // times, the cursor stays where it was.
    bool zahlNochmal(double& ziel, const char* text, int index = 0);
    bool zahlNochmal(int& ziel, const char* text, int index = 0);
};
