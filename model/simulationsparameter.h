// model/simulationsparameter.h - the settings of a run and the network-wide defaults
#pragma once

namespace integration { constexpr int Euler = 1, ExponentiellerEuler = 2, CrankNicolson = 3, RungeKutta4 = 4; }

struct Simulationsparameter {
    double simulationsDauer = 1.0;          // s
    double schrittweite = 0.0001;           // s
    int anzahlSchritte = 10000;             // round(dauer / schrittweite) whenever either is set
    double anzeigeIntervall = 1000.0;       // steps; <= 0 becomes 1000 at the refresh
    double spikeSchwelle = -0.02;           // V
    int restzeitFensterAnzeigen = 0;
    int rueckkopplungAktiv = 0;
    int kollisionAktiv = 0;
    int anzahlProzessorkerne = 0;           // worked out when the dialog opens
    int prozessorkernZuweisen = 0;
    int prozessorkern = 0;                  // 1-based
    int integrationsmethode = integration::ExponentiellerEuler;
    int netzwerktyp = 0;                    // dendrite mode 1-4; < 1 becomes 3 at the refresh
    int anzahlSegmente = 3;
    int netzwerkmodell = 2;
    int netzwerkVariante = 0;
    double izhikevichSchrittweite = 0.0;    // ms; 0 = not set
    int rauschenEin = 0;
    int rauschenNurExzitatorisch = 0;
};
extern Simulationsparameter simulationsParameter;

// what the settings file sets for the engine beyond a run's own settings
struct Laufeinstellungen {
    double xlpspToleranz = 0.0;             // rounding tolerance of free PSP shapes; <= 0 becomes 1e-10 at the refresh
};
extern Laufeinstellungen laufEinstellungen;

// the defaults a network file header and new synapses use
struct Netzvorgaben {
    double rauschHaeufigkeit = 1000.0;      // events/s ("noiseIntensity=")
    double rauschStaerke = 1e-9;            // A per event ("noiseStrength=")
    double rauschAbklingzeit = 0.001;       // s ("noiseDecay=")
    double startpotential = -0.07, startpotentialStreuung = 0.005;
    double synapsenStaerke = 5e-7, synapsenStaerkeStreuung = 2e-7;
    double axoStaerke = 0.4, axoStaerkeStreuung = 0.1;
    double uebertragungszeit = 0.001, uebertragungszeitStreuung = 0.0005;
    int elektrischeSynapsenEingeschraenkt = 1;   // electrical synapses only on dendrite 1 or 2
};
extern Netzvorgaben netzvorgaben;
extern double gemeinsamerRauschZustand;

// the segment count a dendrite mode gives (1->0, 2->1, 3->3, 4->6); -1 for other modes
int segmenteFuerNetzwerktyp(int netzwerktyp);
