// model/rueckkopplung.h - feedback objects: a trigger neuron's bursts start pulse trains in
// target neurons; the records, their list and what a run does with them
#pragma once
#include "model/objektgraphik.h"
#include "platform/fenster.h"
#include <string>
#include <vector>

struct NeuronDaten;

// one row: up to and including this cycle period the values apply (the last row beyond it)
struct ZusammenhangsEintrag {
    double zyklusperiode = 0.0;     // s
    double latenz = 0.0;            // s
    double frequenz = 0.0;          // Hz
    double burstDauer = 0.0;        // s
};

// how latency, frequency and train duration are found
namespace zusammenhang { constexpr int FesteWerte = 0, Gerade = 1, Tabelle = 2; }
// bits of burstZustand; all three: the burst qualifies
namespace burstBit { constexpr int Offen = 1, GenugSpikes = 2, FrequenzErreicht = 4, Alle = 7; }

// at most this many target diamonds are drawn and hit-tested per object
constexpr int maxZielRauten = 1024;

struct Rueckkopplungsobjekt {
    int objektAktiv = 0;
    std::string objektName;                 // up to 259 bytes
    NeuronDaten* triggerNeuron = nullptr;
    NeuronDaten* elevatorNeuron = nullptr;  // switch-off neuron; may be null
    double triggerParameter = 0.0;          // s, least time between two burst starts; <= 0 none
    int apsProBurst = 0;
    double maxInterSpikeIntervall = 0.0;    // s; <= 0 off
    double startInterSpikeIntervall = 0.0;  // s; <= 0 off
    double triggerFrequenz = 0.0;           // Hz; <= 0 no frequency condition
    double burstpause = 0.0;                // s; <= 0 off
    double elevatorDelay = 0.0;             // s
    double elevatorMaxDauer = 0.0;          // s; <= 0 until the run's end
    int elevatorAktiv = 0;
    std::vector<NeuronDaten*> zielneurone;
    int artDesZusammenhangs = zusammenhang::FesteWerte;
    double geradenSteigung[3] = {};         // latency, frequency, train duration
    double geradenAchsenabschnitt[3] = {};  // s, Hz, s; the fixed values in mode 0
    std::vector<ZusammenhangsEintrag> zusammenhangsTabelle;   // ascending by cycle period
    double zeitlicheVarianz = 0.0;          // s; kept for the file only
    int reizueberlappung = 0;               // 1: a new train may start while one runs
    int zielaktivierungBeiBurstbeginn = 0;  // 1: a qualifying burst arms, the next burst fires
    double stromreizDauer = 0.0;            // s per pulse
    double stromreizAmplitude = 0.0;        // A
    ObjektGraphik graphik;
    std::vector<plattform::Rechteck> zielRauten;   // per drawn target diamond, at most maxZielRauten

    // run values
    int burstZaehler = 0;
    int burstSpikes = 0;
    int burstZustand = 0;
    double burstBeginn = 0.0;
    double vorigerBurstBeginn = 0.0;
    double letzterSpike = 0.0;
    double isiSumme = 0.0;
    double zielBurstDauer = 0.0;
    int burstbeginnMarke = 0;               // 0 idle, 1 armed, -1 fire at this burst's start
    double ausschaltZeit = 0.0;             // s; 0 none pending

    int anzahlZielneurone() const { return static_cast<int>(zielneurone.size()); }
    int anzahlTabelleneintraege() const { return static_cast<int>(zusammenhangsTabelle.size()); }

    // the list
    Rueckkopplungsobjekt* naechstes = nullptr;
    Rueckkopplungsobjekt* voriges = nullptr;
};

// the list of all feedback objects, in creation order
extern Rueckkopplungsobjekt* rueckkopplungsObjekte;
extern Rueckkopplungsobjekt* aktuellesRueckkopplungsobjekt;   // last opened by a click or the dialog
int rueckkopplungsObjektAnzahl();
// a new zero-filled object at the end of the list; null (after text 513/514 and the
// program's shutdown) when memory runs out
Rueckkopplungsobjekt* rueckkopplungsObjektErzeugen();
// objekt null: every object from liste on. The last one gone clears rueckkopplungAktiv.
void rueckkopplungsObjektLoeschen(Rueckkopplungsobjekt*& liste, Rueckkopplungsobjekt* objekt);

// the default drawing values where the object lacks them
void rueckkopplungGraphikVorgaben(Rueckkopplungsobjekt& o);
// every object of the list
void rueckkopplungsObjekteGraphikVorgeben();

// before a run: the target neurons' soma stimuli cleared and the objects' run values
// reset; after a run: the stimuli cleared again. Called only while rueckkopplungAktiv is on.
void rueckkopplungVorLauf();
void rueckkopplungNachLauf();
// a threshold crossing of the neuron at time t, offered to every switched-on object
void rueckkopplungSpikeAnbieten(NeuronDaten& neuron, double t);
// at every step of a SWIM neuron while feedback is on: the objects whose switch-off time
// has come switch their target stimuli off
void rueckkopplungReizeAbschalten(double t);
// 1 when no feedback object uses the neuron, so that it may be deleted; 0 otherwise
int rueckkopplungNeuronFrei(const NeuronDaten& neuron);
