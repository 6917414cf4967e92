// files/neuronzeilen.cpp
#include "files/neuronzeilen.h"
#include "core/schluessel.h"
#include "files/lesen.h"
#include <cstdio>

std::string neuronSchluessel(int nummer, const char* text, int index)
{
    char teil[160];
    std::snprintf(teil, sizeof teil, text, index);
    return "neuron " + std::to_string(nummer) + " " + teil;
}

namespace {

template <class T>
bool kettenZahl(Kette& k, T& ziel, const char* text, int index, bool nochmal)
{
    const std::string s = neuronSchluessel(k.nummer, text, index);
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

bool Kette::zahl(double& ziel, const char* text, int index) { return kettenZahl(*this, ziel, text, index, false); }
bool Kette::zahl(int& ziel, const char* text, int index) { return kettenZahl(*this, ziel, text, index, false); }
bool Kette::zahlNochmal(double& ziel, const char* text, int index) { return kettenZahl(*this, ziel, text, index, true); }
bool Kette::zahlNochmal(int& ziel, const char* text, int index) { return kettenZahl(*this, ziel, text, index, true); }

bool Kette::text(std::string& ziel, int laenge, const char* text, int index)
{
    const std::string s = neuronSchluessel(nummer, text, index);
    char* hinter = schluesselTextLesen(ziel, laenge, zeiger, s.c_str());
    zeiger = hinter ? hinter : ruecksprung;
    return hinter != nullptr;
}
