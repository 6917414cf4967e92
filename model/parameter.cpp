// model/parameter.cpp - the built-in values of a neuron and the standard neuron's groups
#include "model/parameter.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include "model/standarddateien.h"
#include "platform/box.h"
#include "texts/texte.h"
#include <algorithm>


std::array<int, anzahlParameterSlots> modellParameterIndizes{};

namespace {

// entries 0-11 that the network models set differently
struct ModellWerte { double somaG, somaRuhe, somaC, somaStart, dendritRuhe, dendritStart; };
constexpr ModellWerte modellWerte[] = {
    {3e-9, -0.07, 1e-10, -0.07, -0.07, -0.07},      // on/off
    {3e-9, -0.07, 3e-11, -0.07, -0.07, -0.07},      // SWIM
    {3e-9, -0.065, 1e-11, -0.065, -0.065, -0.065},  // Hodgkin-Huxley
    {1e-7, -0.05, 1.7e-9, -0.047, -0.05, -0.047},   // Golowasch-Buchholz
};

bool modellWerteSetzen(int modell, ParameterVektor& p)
{
    if (modell < modell::OnOff || modell > modell::GolowaschBuchholz)
        return false;
    const ModellWerte& w = modellWerte[modell - 1];
    p[par::SomaLeitwert] = w.somaG;
    p[par::SomaRuhepotential] = w.somaRuhe;
    p[par::SomaKapazitaet] = w.somaC;
    p[par::SomaStartpotential] = w.somaStart;
    p[par::DendritRuhepotential] = w.dendritRuhe;
    p[par::DendritStartpotential] = w.dendritStart;
    return true;
}

// what both setters do first: the AP count, the dendrite couplings and the constant
// currents; the current segment of dendCurrent stays n here
void gemeinsameSchritte(NeuronDaten& n)
{
    aktuellesNeuron = &n;
    n.apAnzahl = 0;
    ParameterVektor& p = n.parameter;
    p[par::SomaDendritKopplung] = 4e-8;
    p[par::ErstesSegment] = 1.0;
    p[par::SegmentAnzahl] = n.segmentAnzahl;
    p[par::DendritLeitwert] = 9.6e-9;
    p[par::DendritKapazitaet] = 3e-10;
    p[par::DendritSomaKopplung] = 4e-8;
    n.somaCurrent = 0.0;
    n.somaSCStart = 0.0;
    n.somaSCEnd = 1.0;
    n.dendCurrent = 0.0;
    n.dendSCStart = 0.0;
    n.dendSCEnd = 1.0;
    n.dendSCLocation = n.segmentAnzahl;
    n.dendSCSchalter = 1;
}

int modellDateiLaden(NeuronDaten& n, int modell)
{
    switch (modell) {
    case modell::OnOff: return stdParameterModell1Laden(n);
    case modell::Swim: return stdParameterModell2Laden(n);
    case modell::HodgkinHuxley: return stdParameterModell3Laden(n);
    case modell::GolowaschBuchholz: return stdParameterModell4Laden(n);
    }
    return 0;
}

bool bereichLeer(const NeuronDaten& n, ParameterBereich b)
{
    const auto anfang = n.parameter.begin() + b.erster;
    return std::all_of(anfang, anfang + b.anzahl, [](double x) { return x == 0.0; });
}

} // namespace

bool eingebauteGemeinsameWerte(int modell, int segmente, ParameterVektor& p)
{
    if (!modellWerteSetzen(modell, p))
        return false;
    p[par::SomaDendritKopplung] = 4e-8;
    p[par::ErstesSegment] = 1.0;
    p[par::SegmentAnzahl] = segmente;
    p[par::DendritLeitwert] = 9.6e-9;
    p[par::DendritKapazitaet] = 3e-10;
    p[par::DendritSomaKopplung] = 4e-8;
    return true;
}

void neuronStandardwerte(NeuronDaten& n)
{
    gemeinsameSchritte(n);
    // the first segment, also for a neuron of the soma alone: the run start fits it to the
    // segments it has, and a dendrite current set now reaches segment 1 once it has one
    n.dendSCLocation = 1;
    const int m = simulationsParameter.netzwerkmodell;
    if (modellWerteSetzen(m, n.parameter))
        modellDateiLaden(n, m);   // a failing file has reported itself; values read so far stay
    else
        plattform::hinweisBox(meldungFormatieren(104));
    stromtabellenSicherstellen(n);
}

void neuronGrundwerte(NeuronDaten& n)
{
    gemeinsameSchritte(n);
    modellWerteSetzen(simulationsParameter.netzwerkmodell, n.parameter);
    stromtabellenSicherstellen(n);
}

void alleNeuroneStandardwerte()
{
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        n->somaCurrent = 0.0;
        n->dendCurrent = 0.0;
        neuronStandardwerte(*n);
    }
}

void parameterGruppeZuruecksetzen(NeuronDaten* n, int modell, int gemeinsameKopieren)
{
    if (!n) {
        if (gemeinsameKopieren)
            plattform::hinweisBox(meldungFormatieren(486));
        return;
    }
    if (gemeinsameKopieren) {
        std::copy_n(stdNeuron.parameter.begin(), bereich::Gemeinsam.anzahl, n->parameter.begin());
        n->groesse = stdNeuron.groesse;
        n->somaGroesse = stdNeuron.somaGroesse;
        n->dendritenLaenge = stdNeuron.dendritenLaenge;
        n->axonLaenge = stdNeuron.axonLaenge;
    }
    const ParameterBereich b = modellBereich(modell);
    if (b.anzahl == 0)
        return;
    // values of the neuron's own are replaced only when the user agrees
    if (!bereichLeer(*n, b)
        && plattform::sysInfoBox(meldungFormatieren(339), plattform::knoepfe::JaNein) != plattform::antwort::Ja)
        return;
    std::copy_n(stdNeuron.parameter.begin() + b.erster, b.anzahl, n->parameter.begin() + b.erster);
}

// ---- the slots of the marking dialogs --------------------------------------------------

namespace {
constexpr int keinSlot = -1;
std::array<int, anzahlParameterSlots> slotBelegung{};   // keinSlot or the entry
}

void modellParameterIndizesSetzen(int typ)
{
    constexpr int k = keinSlot;
    static constexpr std::array<std::array<int, anzahlParameterSlots>, 4> tabelle{{
        {12, 13, 15, 16, 19, 20, k, k, k, k, k, k, k, k, k, k, k},
        {59, 60, 81, 82, 93, 94, 69, 7, 0, 1, 2, 3, 4, 10, 8, 9, 11},
        {24, 25, 26, 27, k, k, 36, k, k, k, k, k, k, k, k, k, k},
        {117, 116, 137, 136, k, k, 112, k, k, k, k, k, k, k, k, k, k},
    }};
    slotBelegung.fill(keinSlot);
    if (typ >= modell::OnOff && typ <= modell::GolowaschBuchholz)
        slotBelegung = tabelle[typ - 1];
    // the dialogs read 0 for an empty slot
    for (int i = 0; i < anzahlParameterSlots; ++i)
        modellParameterIndizes[i] = slotBelegung[i] == keinSlot ? 0 : slotBelegung[i];
}

bool parameterSlotBelegt(int slot)
{
    return slot >= 0 && slot < anzahlParameterSlots && slotBelegung[slot] != keinSlot;
}
