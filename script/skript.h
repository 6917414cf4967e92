// script/skript.h - the loaded script: its statements, result neurons, evaluation classes
//
// One program-wide record holds the script that is loaded or running. The loader fills it
// from a script file; the executor walks its statement array; the result writers read the
// documented parameters and the result neurons. Neurons are kept by number and looked up
// where they are used: the user may delete one between the load and the run.
#pragma once
#include "platform/fenster.h"
#include <array>
#include <cstdio>
#include <cstdint>
#include <string>
#include <memory>
#include <vector>
#include "core/skriptwerte.h"

// the code of a keyword from its first three capitals: (c1-64) + 27(c2-64) + 729(c3-64)
using Anweisungscode = uint32_t;
constexpr Anweisungscode anweisungscode(const char* wort)
{
    Anweisungscode c = 0, faktor = 1;
    for (int i = 0; i < 3 && wort[i] >= 'A' && wort[i] <= 'Z'; ++i, faktor *= 27)
        c += static_cast<Anweisungscode>(wort[i] - 64) * faktor;
    return c;
}

// what a statement names
namespace zielArt {
constexpr uint32_t Keins = 0, Synapse = 4, Neuron = 8, Standardkanal = 16, Benutzerkanal = 32, Stromreiz = 64;
}

struct SkriptAnweisung {
    Anweisungscode code = 0;
    uint32_t zielArt = 0;
    int ziel = 0;                // channel, stimulus, synapse id or compartment code; SCHLEIFE: its WIEDERHOLEN,
                                 // WIEDERHOLEN: its SCHLEIFE
    int neuronNummer = 0;        // of the neuron, or the synapse's source
    int ganzzahl = 0;            // switches and counts; SIM: its ordinal; SCHLEIFE: its count
    double wert = 0.0;
    int istReal = 0;
    int dokuIndex = 0;           // entry in the documented parameters, 0 = none
    int schleifenEbene = 0;
    double schritt = 0.0;
    double startWert = 0.0;
    double vorigerWert = 0.0;    // written by the executor for optimised statements
    int optimieren = 0;
    int interaktivSlot = 0;      // 0 = none
};

// one documented (or changed) parameter; entry 0 of the arrays stays empty
struct ParameterEintrag {
    std::array<char, 64> bezeichnung{};
    int ganzzahl = 0;
    double wert = 0.0;
    int istReal = 0;
    uint32_t objektArt = 0;
    int objektNummer = 0;
    int neuronNummer = 0;
    Anweisungscode code = 0;
};

struct Auswertungsklasse {
    double start = 0.0, ende = 0.0;     // s
    double sollGewicht = 0.0;           // ASFAKTOR
    std::array<char, 20> bewertung{};   // the executor's working bytes
    int sollApAnzahl = 0;               // AAPANZAHL
    double apGewicht = 0.0;             // AAFAKTOR
    double sollWert = 0.0;              // ASOLLWERTE
};

struct Ergebnisneuron {
    int nummer = 0;                     // looked up at use: the neuron may be gone since the load
    int kurvenAnzahl = 0;
    std::array<uint32_t, 20> kurven{};  // 1 = curve (index + 1) is stored
    std::array<std::vector<float>, 20> werte;   // the stored values of a result record
};

struct InteraktivSlot {
    std::string name;
    double start = 0.0, schritt = 0.0;
    double wert = 0.0;           // the statement's value of the last simulation, as the window shows it
    int ebene = 0;
    // the interactive window's bar: laid out by interaktivFensterLayout, painted and hit with it
    plattform::Rechteck balken;
    uint32_t farbe = 0;
};
constexpr int interaktivSlots = 19;     // slots 1..19
constexpr int schleifenEbenen = 9;      // SCHLEIFE1..SCHLEIFE9

namespace ergebnisBit { constexpr uint32_t ApZeiten = 1, Werte = 2, Bin = 8, Epsp = 16; }
namespace ergebnisArt { constexpr int ApZeiten = 1, Werte = 2, Epsp = 16; }
namespace auswertungsBit {
constexpr uint32_t An = 0x1, AaFaktor = 0x2, AapAnzahl = 0x4, Frequenz = 0x8, Klassenzeiten = 0x10,
                   AsFaktor = 0x40, Sollwerte = 0x80, Neuron = 0x100, Ergebnisneuron = 0x200, Kurve = 0x400;
}

struct SkriptLadewerte;

struct Skript {
    uint32_t klassenEintragGroesse = 64, anweisungsGroesse = 80;
    int gesamtSimulationen = 0;
    double dauer = 0.0, schrittweite = 0.0;     // SDAUER, SAUFLOESUNG
    int elSynapsenSchalter = -1;                // SELSYNDELAY: -1 not given; 0 delayed, 1 undelayed after the checks
    int numZeiger = 0;
    int bmpFlag = 0, bmpZaehler = 0;
    int bmpNeuron = 0;                          // BMP: the neuron whose main diagram is saved
    std::string bmpTitel, bmpPraefix;
    std::vector<SkriptAnweisung> anweisungen;
    std::string pfad;
    uint32_t ergebnisBits = 0;
    int hatNum = 0;
    uint32_t auswertung = 0;
    int auswertungsNeuron = 0;                  // ANEURON: its number, 0 without one
    int auswertungsKurve = 0;                   // APA
    int ergebnisArt = ergebnisArt::ApZeiten;
    std::vector<Ergebnisneuron> ergebnisneurone;
    std::vector<Auswertungsklasse> klassen;     // class count + 1 entries once a class list came
    int klassenAnzahl = 0;
    std::vector<ParameterEintrag> geaendert;    // changed parameters, from entry 1
    std::vector<ParameterEintrag> dokumentiert; // documented parameters, from entry 1
    uint32_t geaendertArt = 0;                  // 64: a stimulus value was set since the last SIM
    struct Schleife { int anzahl = 0, lauf = 0, anweisung = 0; };
    std::array<Schleife, schleifenEbenen + 1> schleifen{};   // levels 1..9
    int zielSpikes = 0;                         // SPI
    double zielPotential = 0.0;                 // POT
    int zielModus = 0;                          // 1 spikes, 2 potential
    int bedingtRunden = 0;                      // BED
    int bewertungsNeuron = 0;                   // BNE: its number, 0 without one
    int optimiertAnzahl = 0;
    std::array<InteraktivSlot, interaktivSlots + 1> interaktiv{};
    int interaktivAnzahl = 0;
    int interaktivRand = 0;                     // the window's margin; 0 until the first interactive start
    int interaktivGeaendert = 0;                // the slot the user changed last
    int fortsetzenBei = 0;
    std::array<double, 512> epspAmplituden{};
    int epspNeuron = 0, zneNeuron = 0;          // numbers, 0 without one
    int aktuelleSimulation = 0;
    // which simulations run: <= 0 all, 1 the SNL list, >= 2 the range SBSTART..SBENDE (its length)
    int auswahlModus = 0;
    int bereichStart = 0, bereichEnde = 0;
    std::vector<int> liste;
    int listenIndex = 0;
    std::string listenPfad;
    // the execution's own state
    std::string guiName, pmtName;               // network and permutation definition the run used
    std::FILE* apDatei = nullptr;               // the open AP-times table
    std::FILE* epspDatei = nullptr;             // the open EPSP table
    std::string apPfad, epspPfad;
    int apZeilen = 0;                           // rows of the AP-times table
    int epspAnzahl = 0;                         // amplitudes of the current simulation
    int anweisungenProtokollieren = 0;          // each statement's report into the log
    int gelaufen = 0;                           // simulations that ran in this execution
    int ausgabeFehler = 0;                      // outputs of this execution not written (each told)
    // the binary result file of a run (BIN) and the numbered files that continue it
    struct BinDatei {
        std::FILE* datei = nullptr;
        std::string pfad;                       // of the open or last file
        std::string ordner, stamm, endung;      // of the first file: the numbered ones follow it
        int nummer = 0;                         // of the next file, 0 for the first
        int zaehler = 1;                        // of the next numbered name
        uint32_t saetze = 0;                    // records in the open file
        long anzahlFeld = 0;                    // position of its record count
        long naechsterFeld = 0;                 // next-record field of the last record, 0 none
        std::string skriptText, netzText;       // embedded in every file of the run
        std::string permutationText;            // embedded in the first file only
    } bin;
    // What the load set outside the record (output settings, the neurons' PSP measurement
    // and AP marks), kept with the values before it: a release gives them back where they
    // still hold the script's values. Shared by the copies of the record; the run's own
    // reload carries it over instead of setting the values again.
    std::shared_ptr<SkriptLadewerte> ladewerte;
};
extern Skript skript;

// Reads a script file into s. 1 when it was loaded; 0 on a cancelled dialog, a missing
// file, a file that is no script or any fault, and then s, the script status and the
// settings the loader touches (the remembered script path among them) are as they were.
int skriptLaden(Skript& s);
// The run's reload of its own file after its end, without the notices of the first load;
// it sets none of the load's values again (what the user set since the load stays).
int skriptNachLaufLaden(Skript& s);
// The load's values given back for the time the program's end offers to save (where they
// still hold the script's values), and set again when the user stays.
void skriptLadewerteZurueckgeben(Skript& s);
void skriptLadewerteWiederSetzen(Skript& s);
// true while the network and the settings hold values the script's load set
bool skriptLadewerteGesetzt(const Skript& s);
// Releases a loaded script; the script status keeps only the evaluation-mode bit. Always 1.
int skriptFreigeben(Skript& s);
// The numbers of a list (blanks, TABs and the list separator between them). anzahl -1
// counts them; afterwards anzahl holds how many there are.
std::vector<double> zahlenListeLesen(char* text, int& anzahl);
// orders statements by their integer value, ascending: -1, 0 or 1
int skriptIdVergleichen(const SkriptAnweisung* a, const SkriptAnweisung* b);
