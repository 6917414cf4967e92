// model/stromreiz.h - stimulus definitions and the current tables built from them
#pragma once
#include <string>
#include <vector>

struct NeuronDaten;

// One per compartment 0-3 of a neuron. All zero is valid and means "off".
struct StromreizDefinition {
    double beginn = 0.0;        // s
    double anstieg = 0.0;       // s; 0 = rectangular edge
    double abfall = 0.0;        // s ramp fall; sine: offset in A
    double dach = 0.0;          // s plateau
    double ende = 0.0;          // s, sine end
    double periode = 0.0;       // s
    double amplitude = 0.0;     // A
    double pause = 0.0;         // s from start to start
    double einzelreiz = 0.0;    // s, soma only; 0 none
    double burstabstand = 0.0;  // s, soma only
    int anzahlBursts = 0;       // soma only
    int dauerreiz = 0;          // 1 permanent
    int anzahl = 0;
    int alternieren = 0;
    int reizart = 0;            // 0 rectangle/ramp, 1 sine
    int an = 0;
    std::string reizDatei;
    int ausDatei = 0;
    std::string reizName;
    int schalter1 = 0, schalter2 = 0;   // the two switch words the files keep
};
constexpr int reizDefinitionen = 4;     // soma and dendrite segments 1-3

// Current against time, one per compartment. Point 0 is (0, 0), the last (end, 0), times
// ascend. More than three points means the compartment is stimulated.
struct StromTabelle {
    std::vector<double> stromwerte;     // A
    std::vector<double> startzeiten;    // s
    int aktuellerIndex = 0;             // 0 at each run start
    int anzahlPunkte = 0;
    std::string herkunft;
};

extern int gereizteKompartimenteGesamt;
extern double reizSchrittweite;         // s; 10 x the step width at start-up

// the three-point table (0, 0), (end, 0), (end, 0)
void stromTabelleStandard(StromTabelle& t, double ende);
// Every compartment of the neuron gets a table: a table with points ends at the run
// end, an empty one becomes the default table. Makes the neuron the current one.
// Returns false after error 114.
bool stromtabellenSicherstellen(NeuronDaten& n);
