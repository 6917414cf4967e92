// dialogs/transmittervorschau.h - the preview of the transmitter release dialog: a standard
// action potential from "standardap.txt" drives the release gate of the synapse being edited
#pragma once
#include "platform/zeichnen.h"
#include <string>
#include <vector>

struct NeuronDaten;
struct SynapseDaten;
struct TransmitterDynamik;

struct TransmitterVorschau {
    SynapseDaten* synapse = nullptr;         // the dialog's working copy
    // the drawing box: the paint area, 10 pixels inside it the axes and curves
    plattform::Rechteck kasten;
    int xUrsprung = 0, rechtsEnde = 0, grundlinie = 0, oberlinie = 0;
    double stdMaximum = -10000.0, stdSumme = 0.0;
    double dynMaximum = -10000.0, dynSumme = 0.0;
    std::vector<double> standard, dynamisch;  // one value per loaded sample
    std::vector<plattform::Punkt> stdPunkte, dynPunkte;   // one point per shown sample
    int anzahl = 0;                          // shown samples, never more than are loaded
    std::vector<double> apWerte, apZeiten;   // V, s
    int geladen = 0;                         // samples loaded; 0: not yet
    // calibration: outlives the dialog, shared by all synapses, never stored in a file
    int kalibrierungAn = 0;
    int kalibrierungsArt = 0;                // 1 keep the quantity, 2 keep the amplitude
};
extern TransmitterVorschau transmitterVorschau;

constexpr int vorschauRand = 10;
constexpr int vorschauAnzahlStart = 1000, vorschauAnzahlMin = 100;
namespace vorschauFarbe {
constexpr plattform::Farbe Achsen = plattform::rgbFarbe(100, 100, 0);
constexpr plattform::Farbe Standard = plattform::rgbFarbe(0, 0, 220);
constexpr plattform::Farbe Dynamisch = plattform::rgbFarbe(255, 0, 255);
}

// The neuron whose parameters fill a block that was never set: the first marked neuron,
// else the first of the network; null in an empty network.
NeuronDaten* standardNeuron();
// the default block from that neuron's parameters, the switch on and combination mode 1
void transmitterStandardwerteSetzen(SynapseDaten& s, const NeuronDaten* n);

// "parameter/standardap.txt" below the program directory
std::string standardApPfad();
// Reads the file into the record; 0 with notice 733 when it is missing. The shown count
// becomes min(1000, samples).
int standardApLaden(TransmitterVorschau& v);
// the samples of a file's text, as standardApLaden reads them
void standardApLesen(TransmitterVorschau& v, std::string text);
void standardApNormieren(TransmitterVorschau& v);
void transmitterfreisetzungBerechnen(TransmitterVorschau& v);
int kalibrierungsfaktorBerechnen(TransmitterVorschau& v);
// welche 1: the standard curve, otherwise the dynamic one scaled by its factor
void pspKurveBerechnen(TransmitterVorschau& v, int welche);
// the box inside a paint area of this size
void vorschauKastenSetzen(TransmitterVorschau& v, const plattform::Rechteck& flaeche);

// Loads the standard AP when needed and computes both curves and their points; 0 when no
// sample is loaded (nothing to draw). The run's abort flag, the current neuron and the
// voltage of the release forms are as before afterwards.
int transmitterdynamikZeichnen(TransmitterVorschau& v);
// Paints what was computed: white box with a black frame, the axes, both curves. Computes
// nothing and shows no box; a paint area of another size only moves the points.
void transmitterVorschauMalen(plattform::Zeichenflaeche& z, TransmitterVorschau& v);
// The stretch arrows: hoeher grows the shown count by a quarter (at most the loaded
// samples), otherwise shrinks it by a quarter (at least 100, at most the loaded samples).
void vorschauDehnen(TransmitterVorschau& v, bool hoeher);
