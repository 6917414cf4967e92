// model/stromreiz.h - stimulus definitions and the current tables built from them
#pragma once
#include <algorithm>
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

// the standard soma stimulus the current-injection dialog inserts; the settings file keeps it
extern StromreizDefinition standardSomareiz;

// Current against time, one per compartment. Point 0 is (0, 0), the last (end, 0), times
// ascend. More than three points means the compartment is stimulated. The arrays may be
// longer than anzahlPunkte: a built table keeps spare room behind its points.
struct StromTabelle {
    std::vector<double> stromwerte;     // A
    std::vector<double> startzeiten;    // s
    int aktuellerIndex = 0;             // 0 at each run start
    int anzahlPunkte = 0;
    std::string herkunft;
};

extern int gereizteKompartimenteGesamt;
extern double reizSchrittweite;         // s; 10 x the step width at start-up
// The current file (*.cur) named by the last current-file load or save; empty when there
// was none. Deleting the network forgets it: its tables belong to that network.
extern std::string stromDateiPfad;

// start value: reizSchrittweite = 10 x the simulation step
void reizSchrittweiteVoreinstellen();

// the three-point table (0, 0), (end, 0), (end, 0)
void stromTabelleStandard(StromTabelle& t, double ende);
// Every compartment of the neuron gets a table: a table with points ends at the run
// end, an empty one becomes the default table. Makes the neuron the current one.
// Returns false after error 114.
bool stromtabellenSicherstellen(NeuronDaten& n);

// The highest compartment that has a definition: min(segments, 3). Every loop over a
// neuron's definitions stops there.
int hoechsteReizDefinition(const NeuronDaten& n);

// Builds the table of compartment kompartiment (0-3) from its definition, the base pulse
// in the standard neuron's table of the same compartment. 1 built (or nothing to build),
// -2 refused (notice shown; the neuron's table is unchanged), 0 out of memory (the program
// is shutting down). A compartment the neuron lacks is refused with -2 and no notice.
int stromreizKurveErzeugen(NeuronDaten& n, int kompartiment);

// the default table for the compartment; false when memory ran out (text 391/392 shown,
// the table left without points) or the compartment does not exist
bool stromreizKompartimentZuruecksetzen(NeuronDaten& n, int kompartiment);
// Every compartment of the neuron (null: of every neuron) gets the default table and its
// definition loses ausDatei; then all counts are refreshed.
void stromreizeZuruecksetzen(NeuronDaten* n);

// compartments of the neuron with more than three points; stored in the neuron
int gereizteKompartimenteZaehlen(NeuronDaten& n);
// every neuron recounted; the sum is stored in gereizteKompartimenteGesamt
int gereizteKompartimenteGesamtZaehlen();

// The stimulus current of one step at time zeit (s): the cursor moves at most one point,
// the table is a staircase, 0 before the first and beyond the last point. Allocates nothing.
// The cursor is the table's own, or one kept elsewhere (the run kernels keep it in their
// lanes during a run).
inline double stromAusTabelle(const StromTabelle& t, int& cursor, double zeit)
{
    const int n = std::min({t.anzahlPunkte, static_cast<int>(t.startzeiten.size()),
                            static_cast<int>(t.stromwerte.size())});
    int i = cursor;
    if (i < 0 || i > n)
        return 0.0;
    if (i < n && t.startzeiten[i] <= zeit)
        cursor = ++i;
    if (i < 1 || i >= n)
        return 0.0;
    if (t.startzeiten[i - 1] <= zeit && zeit < t.startzeiten[i])
        return t.stromwerte[i - 1];
    return 0.0;
}
inline double stromAusTabelle(StromTabelle& t, double zeit) { return stromAusTabelle(t, t.aktuellerIndex, zeit); }

// 1 when the stimulus has ended by time zeit (s) or is permanent or off; bursts and the
// single pulse are not considered
int stromreizBeendet(const StromreizDefinition& d, double zeit);
