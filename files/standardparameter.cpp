// files/standardparameter.cpp - the standard synapse types and standard parameters of the
// settings text, and the definition files that fill a model group the settings lack
#include "files/standardparameter.h"
#include "core/endemeldung.h"
#include "core/fehler.h"
#include "core/rahmen.h"
#include "core/schluessel.h"
#include "core/status.h"
#include "files/lesen.h"
#include "files/synapsenabschnitt.h"
#include "model/netz.h"
#include "model/parameter.h"
#include "model/standarddateien.h"
#include "platform/box.h"
#include "platform/pfad.h"
#include "texts/texte.h"
#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>
#include <string>

namespace {

// The parameter keys of the settings text, range by range in file order.
struct Schluesselbereich {
    ParameterBereich bereich;
    const char* format;   // takes the parameter index
};
constexpr Schluesselbereich soma{bereich::Soma, "std soma-parameter %d="};
constexpr Schluesselbereich dendrit{bereich::Dendrit, "std dendrit-parameter %d="};
constexpr Schluesselbereich onOff{bereich::OnOff, "std parameter f\xFCr on-off-modell %d="};
constexpr Schluesselbereich hh{bereich::HodgkinHuxley, "std parameter f\xFCr hodgkin-huxley-modell %d="};
constexpr Schluesselbereich swim{bereich::Swim, "std parameter f\xFCr mod. hodgkin-huxley-modell %d="};
constexpr Schluesselbereich gb{bereich::GolowaschBuchholz, "std parameter f\xFCr golowasch-buchholz-modell %d="};
constexpr Schluesselbereich alleBereiche[] = {soma, dendrit, onOff, hh, swim, gb};

// A model group as the reader repairs it: conductances and time constants a step divides
// by must not stay at 0, and a group whose first value is not positive is refilled from
// its definition file with the group's message.
struct Zwangswert {
    int index;
    double wert;
};
struct Modellgruppe {
    Schluesselbereich schluessel;
    std::array<Zwangswert, 3> zwang;
    int zwangAnzahl;
    int pruefIndex;
    int meldung;
};
constexpr Modellgruppe modellgruppen[] = {
    {onOff, {{{13, 1e-06}, {16, 1e-07}}}, 2, 12, 427},
    {hh, {{{25, 1e-06}, {27, 1e-07}}}, 2, 24, 428},
    {swim, {{{60, 1e-06}, {82, 1e-07}, {94, 5e-09}}}, 3, 59, 430},
    {gb, {{{116, 1e-06}, {136, 1e-07}}}, 2, 117, 431},
};

// The definition files in the order of definitionsDateiPfade, by the first index of their
// group, with the name they have when the settings name none.
struct Definitionsdatei {
    int erster;
    const char* name;
};
constexpr Definitionsdatei definitionsDateien[] = {
    {bereich::OnOff.erster, "onoff.channel"},
    {bereich::HodgkinHuxley.erster, "hh.channel"},
    {bereich::Swim.erster, "swim.channel"},
    {bereich::GolowaschBuchholz.erster, "gb.channel"},
};

// a value line holds one number of at most 29 characters
constexpr int zeilenPuffer = 30;

std::string schluessel(const char* format, int index)
{
    std::array<char, 96> s{};
    std::snprintf(s.data(), s.size(), format, index);
    return s.data();
}

// The range's keys into the parameters; the number of keys missing (or not finite).
int bereichLesen(NeuronDaten& neuron, char* text, const Schluesselbereich& b)
{
    int fehlend = 0;
    for (int i = b.bereich.erster; i <= b.bereich.letzter(); ++i)
        if (!zahlLesen(neuron.parameter[static_cast<size_t>(i)], text, schluessel(b.format, i).c_str()))
            ++fehlend;
    return fehlend;
}

// The standard types of the settings text; the error count of the first type that is
// incomplete, 0 when all of them are there. A type number outside 1-4 has no ion and
// counts as missing: the table is indexed by it.
int standardTypenLesen(char* text, int anzahl)
{
    int e = 0;
    for (int i = 0; i < anzahl && e == 0; ++i) {
        SynapsenTyp& typ = stdSynapsenTypen[static_cast<size_t>(i)];
        int ion = 0;
        if (zahlLesen(ion, text, schluessel("std synapsentyp %d: ion=", i).c_str()) &&
            ion >= ionenArt::Natrium && ion <= ionenArt::Elektrisch)
            typ.ion = ion;
        else
            e = 1;
        if (!zahlLesen(typ.potential, text, schluessel("std synapsentyp %d: potential=", i).c_str()))
            ++e;
        typ.bezeichnung.clear();
        schluesselTextLesen(typ.bezeichnung, synapsenTypNameLaenge + 1, text,
                            schluessel("std synapsentyp %d: bezeichnung=", i).c_str());
        if (typ.bezeichnung.empty())
            ++e;
    }
    return e;
}

} // namespace

void stdParameterSpeichern(NeuronDaten* neuron, std::FILE*, XBuffer& puffer)
{
    textZeiger = &puffer;
    XBuffer& p = *textZeiger;
    // the four standard types, whatever the table of the network holds
    p.drucken("\nsynapsentypen-parameter\n");
    p.drucken("anzahl std synapsentypen=%d\n", standardSynapsenTypAnzahl);
    for (int i = 0; i < standardSynapsenTypAnzahl; ++i) {
        const SynapsenTyp& t = stdSynapsenTypen[static_cast<size_t>(i)];
        p.drucken("std synapsentyp %d: ion=%d\n", i, t.ion);
        p.drucken("std synapsentyp %d: potential=%.15g\n", i, t.potential);
        p.drucken("std synapsentyp %d: bezeichnung=%s\n", i, t.bezeichnung.c_str());
    }
    p.drucken("\nphysiologische neuronen-parameter\n");
    const NeuronDaten& n = neuron ? *neuron : stdNeuron;
    for (const Schluesselbereich& b : alleBereiche)
        for (int i = b.bereich.erster; i <= b.bereich.letzter(); ++i)
            p.drucken("%s%.15g\n", schluessel(b.format, i).c_str(), n.parameter[static_cast<size_t>(i)]);
}

bool stdSynapsenTypenLaden(NeuronDaten* neuronZeiger, char* text)
{
    NeuronDaten& neuron = neuronZeiger ? *neuronZeiger : stdNeuron;
    char leer[] = "";
    if (!text)
        text = leer;

    // The standard table has four entries: a larger count (a hand-edited file, or the
    // count a network left) reads the four there are.
    int anzahl = 0;
    if (zahlLesen(anzahl, text, "anzahl std synapsentypen="))
        synapsenTypAnzahl = anzahl;
    synapsenTypAnzahl = std::min(synapsenTypAnzahl, standardSynapsenTypAnzahl);

    // - 4.
    int e = standardTypenLesen(text, synapsenTypAnzahl);
    if (e > 0 || synapsenTypAnzahl <= 0) {
        plattform::hinweisBox(meldungFormatieren(429, e));
        stdSynapsenTypen = eingebauteSynapsenTypen();
        synapsenTypAnzahl = standardSynapsenTypAnzahl;
    }
    // the standard table refuses nothing: false is the box of no memory
    if (!synapsenTypenLaden(nullptr))
        return false;

    // the common parameters come from the standard-neuron file when any is missing
    e = bereichLesen(neuron, text, soma) + bereichLesen(neuron, text, dendrit);
    if (e > 0) {
        plattform::hinweisBox(meldungFormatieren(425, e));
        if (!stdParameterAllgemeinLaden(neuron)) {
            endeMelden(EndeForm::Info, meldungFormatieren(426));
            return false;
        }
    }

    // each model group; its definition file refills it when anything is missing
    for (const Modellgruppe& g : modellgruppen) {
        e = bereichLesen(neuron, text, g.schluessel);
        for (int k = 0; k < g.zwangAnzahl; ++k) {
            double& wert = neuron.parameter[static_cast<size_t>(g.zwang[static_cast<size_t>(k)].index)];
            if (wert <= 0.0)
                wert = g.zwang[static_cast<size_t>(k)].wert;
        }
        if (e > 0 || neuron.parameter[static_cast<size_t>(g.pruefIndex)] <= 0.0) {
            plattform::hinweisBox(meldungFormatieren(g.meldung, e));
            // a file that is not there leaves the values (a notice); one without memory is
            // the box that ends
            definitionsDateiLesen(&neuron, g.schluessel.bereich.erster, g.schluessel.bereich.anzahl);
            if (programmEndet() || lesenAbgebrochen())
                return false;
        }
    }
    return true;
}

int definitionsDateiLesen(NeuronDaten* neuron, int first, int count)
{
    // the file of the group that starts at first
    const auto datei = std::find_if(std::begin(definitionsDateien), std::end(definitionsDateien),
                                    [first](const Definitionsdatei& d) { return d.erster == first; });
    if (!neuron || datei == std::end(definitionsDateien) || count < 0 || first + count > anzahlParameter)
        return 0;
    std::string pfad = definitionsDateiPfade[static_cast<size_t>(datei - std::begin(definitionsDateien))];
    if (pfad.empty())
        pfad = plattform::programmVerzeichnis() + "Parameter/" + datei->name;

    // - 3.
    plattform::hinweisBox(meldungFormatieren(432, pfad));
    std::FILE* f = plattform::dateiOeffnen(pfad, "rb");
    if (!f) {
        fehlerMelden(115);
        return 0;
    }

    // the whole file, ended by a zero byte
    std::string text;
    try {
        char block[4096];
        size_t n = 0;
        while ((n = std::fread(block, 1, sizeof block, f)) > 0)
            text.append(block, n);
    } catch (const std::bad_alloc&) {
        std::fclose(f);
        endeMelden(EndeForm::Info, meldungFormatieren(433));
        return 0;
    }
    if (std::ferror(f)) {
        std::fclose(f);
        fehlerMelden(115);
        return 0;
    }

    // Value k of the file is parameter first + k. A line that holds only blanks or a
    // comment is no value; a number that is not finite keeps the parameter's value.
    char* anfang = text.data();
    zeileLesen(anfang, nullptr, 0);
    for (int k = 0; k < count; ++k) {
        char zeile[zeilenPuffer] = {};
        char* weiter = nullptr;
        do
            weiter = zeileLesen(anfang, zeile, zeilenPuffer);
        while (weiter && std::strspn(zeile, " \t") == std::strlen(zeile));
        if (!weiter) {
            plattform::hinweisBox(meldungFormatieren(290, pfad));
            std::fclose(f);
            return 0;
        }
        const double wert = kommaZahlLesen(zeile);
        if (std::isfinite(wert))
            neuron->parameter[static_cast<size_t>(first + k)] = wert;
    }
    // the reader would answer its next call for any text with nothing: it starts afresh
    zeileLesen(anfang, nullptr, 0);

    if (std::fclose(f) != 0) {
        plattform::hinweisBox(meldungFormatieren(434));
        return 0;
    }
    return 1;
}
