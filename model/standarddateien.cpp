// model/standarddateien.cpp - the five loaders of the default-parameter files
#include "model/standarddateien.h"

#include "core/token.h"
#include "core/fehler.h"
#include "model/netz.h"
#include "model/parameter.h"
#include "platform/pfad.h"

#include <cstdio>
#include <cstdlib>

StandardDateien standardDateien;

namespace {

bool vorgegeben = false;

const std::string& pfadVon(std::string StandardDateien::*feld)
{
    if (!vorgegeben)
        standardDateienVorgeben();
    return standardDateien.*feld;
}

// false (reported) when closing fails
bool schliessen(std::FILE* datei)
{
    if (std::fclose(datei) != 0) {
        fehlerMelden(101);
        return false;
    }
    return true;
}

// the bit of a model range in fehlendeModellbereiche; 0 for the common entries
int bereichsBit(ParameterBereich b)
{
    for (int m = modell::OnOff; m <= modell::GolowaschBuchholz; ++m)
        if (modellBereich(m).erster == b.erster)
            return 1 << m;
    return 0;
}

int gruppeLaden(NeuronDaten& neuron, const std::string& pfad, ParameterBereich b)
{
    // only the head reads the file; also stdNeuron copies from it while a network exists.
    // A head read from a network text without this range has none to give: then the file
    // is read, as for the head itself.
    const int bit = bereichsBit(b);
    const NeuronDaten* kopf = neuronKette.kopf;
    if (kopf != nullptr && kopf != &neuron && !(kopf->fehlendeModellbereiche & bit)) {
        for (int i = b.erster; i <= b.letzter(); ++i)
            neuron.parameter[i] = kopf->parameter[i];
        neuron.fehlendeModellbereiche &= ~bit;
        return 1;
    }
    // the file itself
    std::FILE* datei = plattform::dateiOeffnen(pfad, "rb");
    if (datei == nullptr) {
        fehlerMelden(115);
        return 0;
    }
    // - 4.
    tokenNeueDatei(pfad);
    char token[128];
    for (int k = 0; k < b.anzahl; ++k) {
        if (!dateiTokenLesen(datei, token)) {
            fehlerMelden(125);
            schliessen(datei);
            return 0;
        }
        neuron.parameter[b.erster + k] = std::strtod(token, nullptr);
    }
    // nothing may follow the group's numbers
    if (tokenDateiendeErreicht()) {
        neuron.fehlendeModellbereiche &= ~bit;
        return schliessen(datei) ? 1 : 0;
    }
    fehlerMelden(120);
    schliessen(datei);
    return 0;
}

} // namespace

void standardDateienVorgeben(const std::string& unterverzeichnis)
{
    const std::string ordner = plattform::programmVerzeichnis() + unterverzeichnis + "/";
    standardDateien.allgemein = ordner + "standard.gen";
    standardDateien.onOff = ordner + "onoff.channel";
    standardDateien.hh = ordner + "hh.channel";
    standardDateien.swim = ordner + "swim.channel";
    standardDateien.gb = ordner + "gb.channel";
    vorgegeben = true;
}

int stdParameterAllgemeinLaden(NeuronDaten& neuron)
{
    return gruppeLaden(neuron, pfadVon(&StandardDateien::allgemein), bereich::Gemeinsam);
}

int stdParameterModell1Laden(NeuronDaten& neuron)
{
    return gruppeLaden(neuron, pfadVon(&StandardDateien::onOff), bereich::OnOff);
}

int stdParameterModell2Laden(NeuronDaten& neuron)
{
    return gruppeLaden(neuron, pfadVon(&StandardDateien::swim), bereich::Swim);
}

int stdParameterModell3Laden(NeuronDaten& neuron)
{
    return gruppeLaden(neuron, pfadVon(&StandardDateien::hh), bereich::HodgkinHuxley);
}

int stdParameterModell4Laden(NeuronDaten& neuron)
{
    return gruppeLaden(neuron, pfadVon(&StandardDateien::gb), bereich::GolowaschBuchholz);
}
