// model/anzeigeeinstellungen.h - settings of the picture and the playback that a network
// file keeps beside the network
#pragma once
#include "model/diagramm.h"
#include "platform/zeichnen.h"
#include <array>

// the values a new synapse starts with; -1000 marks a release value that is not set (the
// refresh gives -0.04 and 0.05 then)
struct NeueSynapseVorgaben {
    double verzoegerung = 0.003;         // s
    double leitfaehigkeit = 1e-06;       // S
    double maxLeitfaehigkeit = 5e-06;    // S
    double freisetzungsSchwelle = -1000.0;   // V
    double freisetzungsSaettigung = -1000.0; // V
};
extern NeueSynapseVorgaben neueSynapseVorgaben;

// colours of the synapse markers in the network picture
struct Synapsenfarben {
    plattform::Farbe natrium = plattform::rgbFarbe(255, 0, 0);
    plattform::Farbe inhibitorisch = plattform::rgbFarbe(0, 0, 255);
    plattform::Farbe elektrisch = plattform::rgbFarbe(255, 255, 0);
    plattform::Farbe chemisch = plattform::rgbFarbe(0, 255, 0);
    plattform::Farbe axo = plattform::rgbFarbe(255, 0, 255);
    plattform::Farbe gruppenNummern = plattform::KeineFarbe;
};
extern Synapsenfarben synapsenfarben;

// colours of the network picture that the settings file keeps; KeineFarbe until set
struct Netzbildfarben {
    plattform::Farbe hintergrund = plattform::KeineFarbe;
    plattform::Farbe rahmen = plattform::KeineFarbe;
    plattform::Farbe strich = plattform::KeineFarbe;
    plattform::Farbe markierungFlaeche = plattform::KeineFarbe;
    plattform::Farbe markierungRand = plattform::KeineFarbe;
};
extern Netzbildfarben netzbildfarben;

// the playback of a recorded run
struct Wiedergabe {
    double apAnzeigedauer = 0.0;         // s an AP stays lit
    double verzoegerung = 0.0;           // slow-down
    int blockgroesse = 1000;             // the recording grows by this many events
    int tonAbspielen = 0;
    plattform::Farbe hintergrund = plattform::KeineFarbe;
};
extern Wiedergabe wiedergabe;

extern int neuronnamenAnzeigen;          // names beside the neurons in the network picture
extern int skriptMeldungenAnzeigen;      // messages shown while a script runs

// the colours a new curve of slot 0-19 gets
extern std::array<plattform::Farbe, kurvenProDiagramm> kurvenStandardfarben;
