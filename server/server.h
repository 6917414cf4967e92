// server/server.h - the real-time server: its run-time record, the board coupling, its files
//
// The settings a network file keeps are model/serverdaten.h (serverDaten). What a start
// builds and a run changes is here: the mode, the neurons the numbers resolve to, the
// board's set-up and buffers, the event-kernel block and the counters. During a run only
// the server thread writes the run-time fields; the other threads meet it through the
// control bits alone.
#pragma once
#include "model/serverdaten.h"
#include "platform/messkarte.h"
#include <array>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <string>
#include <utility>
#include <vector>

struct NeuronDaten;

namespace serverBit {
constexpr uint32_t ThreadErzeugt = 0x1;           // created, not running yet
constexpr uint32_t SchleifeLaeuft = 0x2;
constexpr uint32_t StoppAnforderung = 0x4;
constexpr uint32_t SpurSegment = 0x80;            // a trace segment waits for the painter
constexpr uint32_t SpurZeichnen = 0x200;
constexpr uint32_t ErfassungEingerichtet = 0x1000;
}

namespace serverModus {
constexpr int MitKarte = 1, KeineKarte = 2, OhneErfassung = 3;
}

constexpr int ioTabellenGroesse = 256;
constexpr uint32_t eingangsPufferGroesse = 10000;

// ---- events and the kernel current -----------------------------------------------------

constexpr int ereignisRingGroesse = 1000;

// What the events of a run build up: the kernel table, the ages of the active events, the
// delay queue of the injected current, the dead time and the factor read-back.
struct ServerKern {
    std::vector<double> werte;          // the kernel by age in steps
    int laenge = 0;
    std::array<int, ereignisRingGroesse> alter{};
    int ringAnfang = 0, schreibIndex = 0;
    int groessteAnzahl = 0;             // most events active at once
    double verstaerkung = 0.0;          // A per unit of the kernel sum
    std::vector<double> schlange;       // A, written now, injected after the delay
    int schlangenLaenge = 0, lesen = 0, schreiben = 0;
    int rueckleseZaehler = 0;           // steps until the input sets the factor
    int totzeitAktiv = 0;
    double totzeitEnde = 0.0;           // real time
};

// the loop's counters: spins waiting on the clock, steps, steps that needed no wait, and
// the most real time ran ahead of simulated time (s)
struct ServerZaehler {
    int64_t warteRunden = 0, schritte = 0, verspaetet = 0;
    double groessterRueckstand = 0.0;
};
// What the loop publishes for the GUI thread: once a second real time, the most events
// active at once and the factor (then sekunden counts on); after every command it applied
// the value that command changed (then quittung counts on, its low byte the command's
// kind), and the output neuron's K potential whenever it changes.
struct ServerAnzeige {
    std::atomic<double> echtzeit{0.0}, faktor{0.0}, kPotential{0.0};
    std::atomic<int> groessteAnzahl{0}, spurSchritte{100}, spurAn{1};
    std::atomic<int64_t> schritte{0};
    std::atomic<uint32_t> sekunden{0}, quittung{0};
};

// The trace of the displayed neuron's soma potential: per segment of schritteProSegment
// steps its lowest and highest value. The ring is fixed, so the loop never allocates; a
// painter that falls behind loses the oldest segments. Each value is an atomic of its own,
// so a reader that is overtaken reads a newer value, never a torn one.
struct SpurWert { std::atomic<double> minimum{0.0}, maximum{0.0}; };
constexpr int spurRingGroesse = 4096;
constexpr int spurSchritteVorgabe = 100;
struct ServerSpur {
    std::array<SpurWert, spurRingGroesse> ring{};
    std::atomic<uint32_t> geschrieben{0};   // segments since the start; the newest at (n - 1) % size
    int schritteProSegment = spurSchritteVorgabe;
    int zaehler = 0;
    double maximum = -1.0, minimum = 1.0;
};

// Where a segment lands in the window: the lower part of the client area, the value range
// (unten .. oben, V) between the base line and half the height above it.
struct SpurGeometrie {
    int rand = 1, breite = 0, vRand = 20, halbHoehe = 0, grundlinie = 0;
    double oben = 0.05, unten = -0.1, skala = 1.0;
};
SpurGeometrie spurGeometrie(int clientBreite, int clientHoehe);
// the two rows of a segment: y1 of its minimum (one lower), y2 of its maximum; values that
// are no number or far outside the range stay within a few heights of the window
std::pair<int, int> spurZeilen(const SpurGeometrie& g, double minimum, double maximum);

struct IoEintrag { int index = 0; int wert = 0; };

struct ServerLaufzeit {
    int karteVorhanden = 0;            // the probe passed at program start
    int modus = 0;

    // serverDaten's numbers resolved by the start for one run; null outside a run, so no
    // pointer outlives the run lock that keeps the network still
    NeuronDaten* eingangsNeuron = nullptr;
    NeuronDaten* ausgangsNeuron = nullptr;
    NeuronDaten* angezeigtesNeuron = nullptr;

    // the stimulus list of the table input kind
    int reizWertAnzahl = 0;
    double reizZeitGeloescht = 0.0;
    int reizTabellenIndex = 0;
    std::vector<double> reizWerte;

    std::array<IoEintrag, ioTabellenGroesse> ioTabelle{};
    int ioKapazitaet = 0;

    // the event-kernel block
    int aktiveEreignisse = 0;
    double eingangsWert = 0.0;         // kernel sum of the current step
    double faktor = 0.0;               // multiplies the injected current
    int16_t pulsDaWert = 0;            // what channel 0 carries now
    double reizWert = 0.0;             // A into the output neuron's soma this step
    int pulsAktiv = 0;
    double pulsEnde = 0.0;             // real time at which the pulse level goes back to 0
    double letztesSomaPotential = 0.0; // V, of the last neuron the conductance path stepped
    int kernEingang = 0;

    // acquisition, fixed at each start
    std::array<int16_t, eingangsPufferGroesse> eingangsPuffer{};
    uint32_t abtastAnzahl = 100;
    int16_t eingangsKanal = 0;
    int16_t geraet = 1;
    int16_t verstaerkung = 1;
    double abtastRate = 10000.0;
    int16_t zeitbasis = 0;             // from DAQ_Rate, passed on to DAQ_Start
    uint16_t abtastIntervall = 0;
    int zeitlimit = 180;
    int ereignisAnzahl = 0;
    int pulsAnzahl = 0;
    int fehlerSumme = 0;               // the handler's answers, kept and never acted on

    std::atomic<uint32_t> steuerBits{0};
    ServerKern kern;
    ServerZaehler zaehler;
    ServerAnzeige anzeige;
    ServerSpur spur;

    int64_t schritte = 0;
    double echtzeit = 0.0;
};
extern ServerLaufzeit serverLauf;
// back to the state of a program that has started no server (the board binding stays)
void serverLaufZuruecksetzen();

// The K presets of the server window's K key (V), set at program start; entry 0 is the
// output neuron's own K potential once a key was pressed in a server window or the
// potassium dialog opened. The ratio limits (inside : outside) of the potassium dialog.
extern std::array<double, 4> kaliumVorgaben;
extern std::array<double, 2> kaliumVerhaeltnisGrenzen;
extern bool kaliumVorgabeGenommen;

// ---- the board -------------------------------------------------------------------------

// The board the program bound at start: the absent one unless a board was found.
extern plattform::Messkarte* daqFunktionen;
// Binds the board, runs the probe once and marks it present when the probe passed.
void messkarteBinden(plattform::Messkarte& karte);
// the probe: 1 when the board takes its input configuration
int analogEingangKonfigurieren();

// Mode for the next start: with a present board whose probe passes 1, without a board 2,
// a present board that fails the probe now 3 (no acquisition).
int serverEinstellungenInit(ServerLaufzeit& s);
// Zero settings become the server's start values, kept in the record so that they are saved.
void serverStartwerteSetzen(ServerDaten& d, ServerLaufzeit& s);

// The acquisition set-up of a start in mode 1. false: the user declined to go on after the
// board reported a problem; the board is released again and the start ends.
bool erfassungEinrichten(ServerLaufzeit& s);
// DAQ_Clear, double buffering off, time-out released; clears the set-up bit.
void erfassungFreigeben(ServerLaufzeit& s);
// The newest input sample when the board has retrieved a new count since the last call.
bool eingangAbfragen(ServerLaufzeit& s, int16_t& probe);
// what the last DAQ_Check reported; lives as long as the program
extern uint32_t zuletztAbgeholt;

// channel 0: the pulse output (mode 1 only)
void serverApAusgeben(ServerLaufzeit& s);
// channel 1: the kernel input value, and the output neuron's soma potential in V
void kernEingangAusgeben(const ServerDaten& d, ServerLaufzeit& s);
void somaPotentialAusgeben(ServerLaufzeit& s, double potential);
// the DA codes of channel 1 (NaN gives 0)
int16_t kernEingangDaWert(const ServerDaten& d, const ServerLaufzeit& s);
int16_t somaPotentialDaWert(double potential);

// ---- the neurons -----------------------------------------------------------------------

// refresh step: a stored input or output number whose neuron no longer has the stored name
// is dropped; an empty log prefix gets its default
void serverNeuroneAktualisieren(NeuronDaten* neuron, int nachLaden);
// the three numbers as the start resolves them (input and output only with their name)
void serverNeuroneAufloesen(const ServerDaten& d, ServerLaufzeit& s);
// The context commands 51109-51111 with the chosen neuron (nothing without one): its number
// (and name) into serverDaten. While a server runs the loop takes the neuron through the
// command queue (see serverbetrieb.h).
void serverNeuronSetzen(int befehl, NeuronDaten* neuron);

// ---- the network step ------------------------------------------------------------------

// One neuron's step as the engine's SWIM step takes it, with the server's differences: the
// stimulus value into the output neuron's soma, its spike starting the output pulse, its
// soma potential to the board; no curves, spike lists, collision objects or boxes. The
// engine's cursors stay where they are.
void serverNeuronSchritt(NeuronDaten& neuron, const ServerDaten& d, ServerLaufzeit& s);
// the synaptic currents before, and the synapse dynamics after the neuron steps
void serverSynapsenWeiterleiten();
void serverSynapsenBerechnen();
// one whole network step at laufZustand.t: the three above over every neuron
void serverNetzSchritt(const ServerDaten& d, ServerLaufzeit& s);

namespace ereignisFehler {
constexpr int Keiner = 0, KernZuKurz = 1, SchlangeZuLang = 2, KernSpeicher = 3, SchlangeSpeicher = 4;
}

// The kernel, the event ring and the delay queue for a run at this step (s); zero settings
// get their start values. A refusal (ereignisFehler) changes nothing.
int ereignisKernVorbereiten(ServerDaten& d, ServerLaufzeit& s, double schritt);
// an event detected now: its kernel starts in the next step; the 1001st active one
// replaces the oldest
void serverEreignisZaehlen(ServerLaufzeit& s);
// the soft start: currents well above 0.13 nA pass, smaller ones are suppressed
double sanfterAnfang(double strom);
// first in a step with the board: the stimulus value the queue delivers now
void reizAusSchlange(ServerLaufzeit& s);
// after the network step: kernel sum, its output, the queue, events, read-back and the
// pulse end. false: the input reported the stop level, and the step ends at once.
bool ereignisKernSchritt(const ServerDaten& d, ServerLaufzeit& s, std::FILE* log);

// ---- the paced loop --------------------------------------------------------------------

// what the loop paces against: seconds from any fixed origin, one reading per call; and
// the calendar time a run's log is named after
class ServerUhr {
public:
    virtual ~ServerUhr() = default;
    virtual double jetzt() = 0;
    virtual std::time_t kalenderzeit() { return std::time(nullptr); }
};
ServerUhr& serverSystemUhr();

// What the GUI thread asks of a running loop, taken between two steps. Only the loop
// writes what these change.
struct ServerBefehl {
    enum Art {
        Stopp,
        FaktorAendern,        // wert: the step; a factor brought to 0 or below by it becomes 0.01
        ReizWert,             // wert: the stimulus value (A), not with the board, whose queue sets it
        TestStrom,            // the test current, when the stimulus value is at most 1e-10 A
        SpurSchritteAendern,  // zahl: the step (a result of 1 or less is 1); 0 sets the default
        SpurSchritteSetzen,   // zahl: steps per segment, at least 1
        SpurUmschalten,
        KPotential,           // wert: the output neuron's K potential (V), with what follows from it
        AnzeigeNeuron, EingangsNeuron, AusgangsNeuron,   // zahl: the neuron's number
    };
    Art art = Stopp;
    double wert = 0.0;
    int zahl = 0;
};
constexpr double serverTestStrom = 4.9e-10;   // A
// One sender, one receiver, a fixed number of places: sending never allocates, and a full
// queue refuses.
class ServerBefehle {
public:
    bool senden(ServerBefehl b);
    bool holen(ServerBefehl& b);
    void leeren() { lesen_.store(schreiben_.load()); }

private:
    std::array<ServerBefehl, 64> plaetze_{};
    std::atomic<uint32_t> schreiben_{0}, lesen_{0};
};
// what the loop does with a command (on the loop's thread)
void serverBefehlAusfuehren(const ServerBefehl& b, ServerLaufzeit& s);
// The output neuron's K potential becomes e: the soma and dendrite leak potentials follow
// at e + 0.02 V, and the three products that hold them are computed again.
void kaliumPotentialAnwenden(NeuronDaten& n, double e);

// one step of the trace with the displayed neuron's soma potential
void spurSchritt(ServerLaufzeit& s, double potential);

// Steps the network until the stop bit or the engine's abort flag, each step paced on the
// clock; counts in s.zaehler and publishes s.anzeige once a second of real time.
void serverSchleife(const ServerDaten& d, ServerLaufzeit& s, ServerUhr& uhr, ServerBefehle& befehle,
                    std::FILE* log);

// the report's rates: wait spins per step (whole) and steps per second of wall-clock time;
// a run without steps or without time gives 0
struct ServerBerichtZahlen {
    int64_t rundenProSchritt = 0;
    double schritteProSekunde = 0.0;
};
ServerBerichtZahlen serverBerichtZahlen(const ServerZaehler& z, double sekunden);

// ---- the files -------------------------------------------------------------------------

// "parameter/ioTabelle.txt": 1 when exactly 256 entries were read
int ioTabelleLesen(ServerLaufzeit& s);
// "parameter/reizFuerServerBetrieb.txt": 1 when read
int serverReizDateiLesen(ServerLaufzeit& s);

// The log of a run, in the current folder, named after the prefix and the start time; a
// name already taken gets "_2", "_3", ... (nummer) behind the time, so an existing record
// is never replaced. A file that cannot be made is no log; the run goes on.
constexpr int serverLogNummern = 999;
std::string serverLogName(const ServerDaten& d, const std::tm& start, int nummer = 1);
std::FILE* serverLogOeffnen(const ServerDaten& d, const std::tm& start);
void serverLogZeile(std::FILE* log, double faktor);

// ---- start and end of a run --------------------------------------------------------------

// what a start changes for an endless run and the end gives back: besides the run's own
// values the user's switches of spike recording and value export, which a run without
// end may not use
struct ServerSicherung {
    double dauer = 0.0, schrittweite = 0.0;
    std::vector<std::pair<int, int>> abgeschalteteReize;   // neuron number, compartment
    int spikesAufzeichnen = 0;
    bool werteExportieren = false;
};
extern ServerSicherung serverSicherung;

// On the calling thread, before the loop: the checks that refuse a start (feedback objects,
// the part simulation, a neuron the server cannot step, no input or output neuron, a kernel
// the step does not allow; each with its notice and nothing changed), then the board in
// mode 1, the run state, the synapses, the endless duration with the ending stimuli
// switched off, the counters and the kernel. false: no run (also when the user declined
// after a board warning or the engine refused its set-up); the kernel, the record's start
// values and the board are then as before the call.
bool serverStartVorbereiten(ServerDaten& d, ServerLaufzeit& s);
// The body of the server thread after a prepared start: the pulse output at rest, the log
// when asked for, the loop until the stop bit or the abort flag, then the board released
// and both outputs back at 0. Returns the wall-clock seconds of the run on the clock.
double serverBetriebThread(const ServerDaten& d, ServerLaufzeit& s, ServerUhr& uhr, ServerBefehle& befehle);
// After the thread returned: duration, step length, the switched-off stimuli (with their
// tables) and the two switches as before the start, however the run ended; the run's
// neuron pointers go. Returns the report text; sekunden is the wall-clock length of the run.
std::string serverEndeBearbeiten(ServerLaufzeit& s, double sekunden);
