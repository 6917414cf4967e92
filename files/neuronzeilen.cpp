// files/neuronzeilen.cpp
#include "files/neuronzeilen.h"
#include "core/schluessel.h"
#include "files/lesen.h"
#include <algorithm>
#include <cstdio>
#include <cstring>

std::string neuronblockSchluessel(int nummer, const char* text, int index)
{
    std::string s = "neuron ";
    s += std::to_string(nummer);
    s += ' ';
    // the key text with the index in place of its "%d", without a format run for each of
    // the block's lines; a longer text is cut as a format into 160 bytes cuts it
    char teil[160];
    const char* prozent = std::strchr(text, '%');
    if (!prozent || (prozent[1] == 'd' && !std::strchr(prozent + 2, '%'))) {
        const size_t anfang = s.size();
        if (!prozent) {
            s += text;
        } else {
            s.append(text, static_cast<size_t>(prozent - text)) += std::to_string(index);
            s += prozent + 2;
        }
        s.resize(std::min(s.size(), anfang + sizeof teil - 1));
        return s;
    }
    std::snprintf(teil, sizeof teil, text, index);
    return s += teil;
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
