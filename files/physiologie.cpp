// files/physiologie.cpp - the physiology lines of a neuron block: "neuron %d P %d=" for
// its model parameters, then its user channels
//
// The common entries 0-11 are always written; each model range only when it holds a value
// other than 0, so a neuron carries the ranges of the models it was given.
#include "files/benutzerkanaele.h"
#include "files/lesen.h"
#include "files/neuronabschnitt.h"
#include "files/neuronzeilen.h"
#include "model/neuron.h"
#include <algorithm>
#include <cstring>
#include <string>

namespace {

constexpr const char* parameterSchluessel = "P %d=";

// the model ranges in file order, with the model each belongs to
struct Gruppe {
    ParameterBereich bereich;
    int modell;
};
constexpr Gruppe gruppen[] = {
    {bereich::OnOff, modell::OnOff},
    {bereich::HodgkinHuxley, modell::HodgkinHuxley},
    {bereich::Swim, modell::Swim},
    {bereich::GolowaschBuchholz, modell::GolowaschBuchholz},
};

// NaN counts as a value: such a range is written (and its "nan" read back as missing)
bool hatWerte(const ParameterVektor& p, ParameterBereich b)
{
    return std::any_of(p.begin() + b.erster, p.begin() + b.letzter() + 1, [](double x) { return x != 0.0; });
}

} // namespace

void physParameterSpeichern(NeuronDaten* neuron, std::FILE* datei, XBuffer& puffer)
{
    if (!neuron)
        return;
    textZeiger = &puffer;
    const int nummer = neuron->nummer;
    const ParameterVektor& p = neuron->parameter;
    auto zeile = [&](int i) {
        puffer.drucken("%s%.15g\n", neuronblockSchluessel(nummer, parameterSchluessel, i).c_str(), p[i]);
    };
    puffer.drucken("neuron %d physiologische Parameter\n", nummer);
    for (int i = bereich::Gemeinsam.erster; i <= bereich::Gemeinsam.letzter(); ++i)
        zeile(i);
    for (const Gruppe& g : gruppen)
        if (hatWerte(p, g.bereich))
            for (int i = g.bereich.erster; i <= g.bereich.letzter(); ++i)
                zeile(i);
    userSwimKanalSpeichern(neuron->benutzerKanaele, nummer, datei, -1, puffer, 0);
}

int physParameterLaden(NeuronDaten* neuron, char* blockAnfang)
{
    if (!neuron || !blockAnfang)
        return 1;
    const int nummer = neuron->nummer;
    {
        // the parameter lines stand before the noise keys
        const std::string ende = neuronblockSchluessel(nummer, "rauschen abklingzeit=");
        Abschnitt schnitt(blockAnfang, ende.c_str(), true);
        ParameterVektor& p = neuron->parameter;
        NeuronblockSuche k(blockAnfang, nummer);
        // the common entries
        for (int i = bereich::Gemeinsam.erster; i <= bereich::Gemeinsam.letzter(); ++i)
            k.zahl(p[i], parameterSchluessel, i);
        // the model ranges: a range whose first line is missing was not written and keeps
        // the values it has. The Golowasch-Buchholz range is known by entry 117.
        k.ruecksprung = k.zeiger;
        for (const Gruppe& g : gruppen) {
            const bool gb = g.modell == modell::GolowaschBuchholz;
            const int probe = gb ? par::Gb1E : g.bereich.erster;
            const std::string s = neuronblockSchluessel(nummer, parameterSchluessel, probe);
            const int bit = 1 << g.modell;
            if (!std::strstr(k.zeiger, s.c_str())) {
                k.zeiger = k.ruecksprung;
                neuron->fehlendeModellbereiche |= bit;   // new neurons must not copy it from here
                continue;
            }
            neuron->fehlendeModellbereiche &= ~bit;
            if (gb)
                k.zeiger = k.ruecksprung;
            for (int i = g.bereich.erster; i <= g.bereich.letzter(); ++i)
                k.zahl(p[i], parameterSchluessel, i);
        }
    }
    // the user channels, searched to the block's end
    const std::string blockEnde = "[ende NEURON " + std::to_string(nummer) + "]";
    Abschnitt block(blockAnfang, blockEnde.c_str());
    if (userSwimKanalLaden(neuron->benutzerKanaele, nummer, blockAnfang) < 0)
        return 0;
    return 1;
}
