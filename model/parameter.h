// model/parameter.h - the 239 model parameters of a neuron and their groups
//
// Every neuron carries one vector of 239 doubles (SI units). Entries 0-11 are common to
// all models; the four model ranges follow in the order on/off, Hodgkin-Huxley, SWIM,
// Golowasch-Buchholz. Rate blocks of a gate hold four entries: form number, rate,
// half-maximum potential, step (see tor::).
#pragma once
#include <array>

constexpr int anzahlParameter = 239;
using ParameterVektor = std::array<double, anzahlParameter>;

// the network models (modellTyp, netzwerkmodell)
namespace modell {
constexpr int OnOff = 1, Swim = 2, HodgkinHuxley = 3, GolowaschBuchholz = 4;
}

struct ParameterBereich {
    int erster;
    int anzahl;
    constexpr int letzter() const { return erster + anzahl - 1; }
};
namespace bereich {
constexpr ParameterBereich Soma{0, 5};
constexpr ParameterBereich Dendrit{5, 7};
constexpr ParameterBereich Gemeinsam{0, 12};
constexpr ParameterBereich OnOff{12, 12};
constexpr ParameterBereich HodgkinHuxley{24, 35};
constexpr ParameterBereich Swim{59, 47};
constexpr ParameterBereich GolowaschBuchholz{106, 133};
}
// the range of a network model 1-4; {0, 0} for any other number
constexpr ParameterBereich modellBereich(int m)
{
    switch (m) {
    case modell::OnOff: return bereich::OnOff;
    case modell::Swim: return bereich::Swim;
    case modell::HodgkinHuxley: return bereich::HodgkinHuxley;
    case modell::GolowaschBuchholz: return bereich::GolowaschBuchholz;
    default: return {0, 0};
    }
}

// offsets inside a four-entry rate block
namespace tor { constexpr int Form = 0, Rate = 1, Halbwert = 2, Steigung = 3; }

namespace par {
// ---- common: soma 0-4, dendrite 5-11
constexpr int SomaLeitwert = 0;           // S
constexpr int SomaRuhepotential = 1;      // V
constexpr int SomaKapazitaet = 2;         // F
constexpr int SomaStartpotential = 3;     // V
constexpr int SomaDendritKopplung = 4;    // S
constexpr int ErstesSegment = 5;          // whole number
constexpr int SegmentAnzahl = 6;          // whole number, n when the defaults are applied
constexpr int DendritLeitwert = 7;
constexpr int DendritRuhepotential = 8;
constexpr int DendritKapazitaet = 9;
constexpr int DendritSomaKopplung = 10;
constexpr int DendritStartpotential = 11;

// ---- model 1, on/off: three phases
constexpr int Phase1E = 12, Phase1G = 13, Phase1Dauer = 14;
constexpr int Phase2E = 15, Phase2G = 16, Phase2Verzoegerung = 17, Phase2Dauer = 18;
constexpr int Phase3E = 19, Phase3G = 20, Phase3Verzoegerung = 21, Phase3Dauer = 22;
constexpr int OnOffSchwelle = 23;

// ---- model 3, Hodgkin-Huxley
constexpr int HhNaE = 24, HhNaG = 25, HhKE = 26, HhKG = 27;
constexpr int HhMAlpha = 28, HhMBeta = 32, HhMPotenz = 36, HhMStart = 37;
constexpr int HhHAlpha = 38, HhHBeta = 42, HhHPotenz = 46, HhHStart = 47;
constexpr int HhNAlpha = 48, HhNBeta = 52, HhNPotenz = 56, HhNStart = 57;
constexpr int HhSchwelle = 58;

// ---- model 2, SWIM
constexpr int SwimNaE = 59, SwimNaG = 60;
constexpr int SwimMAlpha = 61, SwimMBeta = 65, SwimMPotenz = 69, SwimMStart = 70;
constexpr int SwimHAlpha = 71, SwimHBeta = 75, SwimHPotenz = 79, SwimHStart = 80;
constexpr int SwimKE = 81, SwimKG = 82;
constexpr int SwimNAlpha = 83, SwimNBeta = 87, SwimNPotenz = 91, SwimNStart = 92;
constexpr int SwimCaE = 93, SwimCaG = 94;
constexpr int SwimCAlpha = 95, SwimCBeta = 99, SwimCPotenz = 103, SwimCStart = 104;
constexpr int SwimSchwelle = 105;         // the run settings' spike threshold is copied here

// ---- model 4, Golowasch-Buchholz
constexpr int GbCaStart = 106, GbCaFaktor = 107, GbCaAbbau = 108, GbCaHintergrund = 109;
constexpr int GbCaAussen = 110, GbTemperatur = 111;
// channel 1 (Na): gates m, h
constexpr int Gb1MPotenz = 112, Gb1MStart = 113, Gb1HPotenz = 114, Gb1HStart = 115;
constexpr int Gb1G = 116, Gb1E = 117;
constexpr int Gb1MAlpha = 118, Gb1MBeta = 122, Gb1HAlpha = 126, Gb1HBeta = 130;
// channel 2 (K): gate n by steady state and time constant
constexpr int Gb2NPotenz = 134, Gb2NStart = 135, Gb2G = 136, Gb2E = 137;
constexpr int Gb2NF1 = 138, Gb2NF2 = 142;
// channel 3: gates a, b1, b2 (152 and 153 unused)
constexpr int Gb3APotenz = 146, Gb3AStart = 147, Gb3B1Potenz = 148, Gb3B1Start = 149;
constexpr int Gb3B2Potenz = 150, Gb3B2Start = 151;
constexpr int Gb3G = 154, Gb3E = 155;
constexpr int Gb3A = 156, Gb3B1 = 161, Gb3B2 = 166;   // five, five and seven entries
constexpr int GbMischHalbspannung = 173, GbMischSteigung = 174;
// channel 4 (Ca): activation, inactivation
constexpr int Gb4AktPotenz = 175, Gb4AktStart = 176, Gb4InaktPotenz = 177, Gb4InaktStart = 178;
constexpr int Gb4G = 179, Gb4Akt = 180, Gb4Inakt = 185;
// channel 5 (Ca)
constexpr int Gb5Potenz = 190, Gb5Start = 191, Gb5G = 192, Gb5Tor = 193;
// channel 6 (K(Ca))
constexpr int Gb6AktPotenz = 198, Gb6AktStart = 199, Gb6InaktPotenz = 200, Gb6InaktStart = 201;
constexpr int Gb6G = 202, Gb6E = 203, Gb6Akt = 204, Gb6Inakt = 213;
// channels 7 and 8
constexpr int Gb7Potenz = 218, Gb7Start = 219, Gb7G = 220, Gb7E = 221, Gb7Tor = 222;
constexpr int Gb8Potenz = 229, Gb8Start = 230, Gb8G = 231, Gb8E = 232, Gb8Tor = 233;
constexpr int GbSchwelle = 238;
}

// spike threshold entry of a model; -1 for an unknown model
constexpr int spikeSchwellenIndex(int m)
{
    switch (m) {
    case modell::OnOff: return par::OnOffSchwelle;
    case modell::Swim: return par::SwimSchwelle;
    case modell::HodgkinHuxley: return par::HhSchwelle;
    case modell::GolowaschBuchholz: return par::GbSchwelle;
    default: return -1;
    }
}

// ---- the model-parameter slots of the marking dialogs ---------------------------------
// 0 Na E, 1 Na g, 2 K E, 3 K g, 4 Ca E, 5 Ca g, 6 the gate power carried between marked
// neurons, 7-16 passive entries (SWIM only). Slot value 0 means "no such parameter" for
// every slot except where a type names entry 0 itself (SWIM slot 8); parameterSlotBelegt
// tells the two apart.
constexpr int anzahlParameterSlots = 17;
extern std::array<int, anzahlParameterSlots> modellParameterIndizes;
void modellParameterIndizesSetzen(int typ);
bool parameterSlotBelegt(int slot);

// ---- defaults of a neuron -------------------------------------------------------------
struct NeuronDaten;
// the built-in values of entries 0-11 for a model, with n segments; false for an unknown model
bool eingebauteGemeinsameWerte(int modell, int segmente, ParameterVektor& p);
// Entries 0-11 and the old constant currents by the network model, the model's range from
// its default file (or the first neuron); then every compartment gets a current table.
// Makes the neuron the current one.
void neuronStandardwerte(NeuronDaten& n);
// the same without the default files
void neuronGrundwerte(NeuronDaten& n);
void alleNeuroneStandardwerte();
// Copies the common entries, four drawing values and the model's range from the
// standard neuron. A model range that holds values is replaced only after the user
// agrees. Without a neuron, a notice and nothing else.
void parameterGruppeZuruecksetzen(NeuronDaten* n, int modell, int gemeinsameKopieren);
