// files/neuronzeilen.cpp
#include "files/neuronzeilen.h"
#include "core/schluessel.h"
#include "files/lesen.h"
#include <cstdio>

std::string neuronblockSchluessel(int nummer, const char* text, int index)
{
    char teil[160];
    std::snprintf(teil, sizeof teil, text, index);
    return "neuron " + std::to_string(nummer) + " " + teil;
}

namespace {

template <class T>
bool suchZahl(NeuronblockSuche& k, T& ziel, const char* text, int index, bool nochmal)
{
    const std::string s = neuronblockSchluessel(k.nummer, text, index);
    char* hinter = zahlLesen(ziel, k.zeiger, s.c_str());
    if (!hinter && nochmal) {
        hinter = zahlLesen(ziel, k.ruecksprung, s.c_str());
        if (!hinter)
            return false;
    }
    k.zeiger = hinter ? hinter : k.ruecksprung;
    return hinter != nullptr;
}

} // namespace

bool NeuronblockSuche::zahl(double& ziel, const char* text, int index) { return suchZahl(*this, ziel, text, index, false); }
bool NeuronblockSuche::zahl(int& ziel, const char* text, int index) { return suchZahl(*this, ziel, text, index, false); }
bool NeuronblockSuche::zahlNochmal(double& ziel, const char* text, int index) { return suchZahl(*this, ziel, text, index, true); }
bool NeuronblockSuche::zahlNochmal(int& ziel, const char* text, int index) { return suchZahl(*this, ziel, text, index, true); }

bool NeuronblockSuche::text(std::string& ziel, int laenge, const char* text, int index)
{
    const std::string s = neuronblockSchluessel(nummer, text, index);
    char* hinter = schluesselTextLesen(ziel, laenge, zeiger, s.c_str());
    zeiger = hinter ? hinter : ruecksprung;
    return hinter != nullptr;
}
