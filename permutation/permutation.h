// permutation/permutation.h - the permutation mode's program-wide records
//
// A permutation varies the conductance of chosen synapses over a grid of levels and runs
// one simulation per combination; each run's spike train of the evaluation neuron is rated
// against the table of analysis classes. The definition keeps neurons and synapses by
// number and id and looks them up where they are used: the user may delete either at any
// time. Everything here is cleared with the program state (permutationZuruecksetzen).
#pragma once
#include <array>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

struct NeuronDaten;
struct SynapseDaten;

constexpr int groessteSynapsenAnzahl = 20;   // a record holds 20 level bytes
constexpr int groessteLevelAnzahl = 20;
constexpr int groessteReizserienAnzahl = 16;
constexpr int klassenBytes = 36;             // an Analyseklasse in the file headers
// The most classes a result or index file can hold with every offset an i32: the index
// of 1024 result files puts them after its 1024 path slots. Readers of the definition,
// analysis, result and index files all refuse more.
constexpr int groessteKlassenAnzahl = (INT32_MAX - (78 + 260 * 1024 + 4)) / klassenBytes;

// a synapse whose conductance the series varies: one conductance per level
struct VariierteSynapse {
    int id = 0;                          // looked up in the synapse table at use
    std::vector<double> level;           // m values, in the unit of the synapse's conductance
};

// the extra-parameter block of a definition file; no run varies these values
struct Parameterbereich {
    double von = 0.0, bis = 0.0, schritt = 0.0;   // bis = anzahl x schritt + von
    int anzahl = 0;
};
struct Zusatzdaten {
    std::array<Parameterbereich, 5> bereiche{};   // "a", "b", "d", "iAmplitude", "iLaenge"
    int serienAnzahl = 0;                         // stimulus series, 0..16
    double serienStart = 0.0, burstDauer = 0.0, burstPause = 0.0;
    std::array<double, groessteReizserienAnzahl> isi{};   // intervals 1..serienAnzahl at 0..
};
inline constexpr const char* zusatzParameterNamen[5] = {"a", "b", "d", "iAmplitude", "iLaenge"};

struct PermutationsDefinition {
    int auswerteNeuron = 0;              // by number, 0 none
    int postsynaptischeAnzahl = 0;       // stored and read back, not otherwise used
    int levelAnzahl = 0;                 // m
    std::vector<VariierteSynapse> synapsen;   // n = size()
    int apAnzahlBeruecksichtigen = 0;    // the rating weighs the AP count per class
    int zusatzAnzahl = 0;                // e: extra values per result record
    int letzteNummer = 0;                // where a series continues
    Zusatzdaten zusatz;
};

// One class of the rating: a time window of the run with its expected firing. Stored field
// by field as 36 little-endian bytes in the result and index files.
struct Analyseklasse {
    float start = 0.0f;                  // s since the run's start
    float ende = 0.0f;                   // derived: the next class's start, the last class's own
    float gewicht = 0.0f;                // class weight; 0 or less: not rated
    float isiSumme = 0.0f;               // accumulators of the rating
    float letzterAp = 0.0f;              // 0 for none
    int32_t intervalle = 0;
    int32_t sollApAnzahl = 0;            // expected AP count
    float anzahlGewicht = 0.0f;          // weight of the AP-count deviation
    float sollFrequenz = 0.0f;           // expected mean frequency, Hz
};
using Klassentabelle = std::vector<Analyseklasse>;

// one result of a run: the single result of a run without a file, or a loaded one
struct PermutationsErgebnis {
    int nummer = -1;                     // -1 while empty
    int apAnzahl = 0;
    float wert = 0.0f;
    std::vector<float> apZeiten;
    std::vector<float> klassenWerte;
    std::vector<float> zusatzWerte;
    std::array<uint8_t, groessteSynapsenAnzahl> level{};
};

// one stored result in an index: where its record lies
struct PermutationsIndexEintrag {
    int32_t nummer = 0;                  // negative: a duplicate to be dropped
    int32_t satzOffset = 0;              // of the record in its result file
    uint16_t dateiNummer = 0;            // in the file list
    float wert = 0.0f;                   // the quality, or the value of the last re-rating
};

struct DateiSchliesser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using OffeneDatei = std::unique_ptr<std::FILE, DateiSchliesser>;

// the result files of the loaded index, at most 1024
struct PermutationsDateiListe {
    std::vector<std::string> namen;      // full paths
    std::vector<OffeneDatei> handles;    // open for reading, null while closed
};

// Everything loaded from result and index files, in one block: unloading is its reset.
struct PermutationsErgebnisZustand {
    std::vector<PermutationsIndexEintrag> index;
    std::vector<PermutationsErgebnis> ergebnisse;   // the loaded results
    int teilErster = 0, teilLetzter = 0;            // a partial load's first and last entry
    PermutationsDateiListe dateien;
    int32_t eintragsBereich = 0;                    // of the last index written
    int synapsenAnzahl = 0, levelAnzahl = 0;        // n and m of the loaded results
    std::array<std::array<double, groessteLevelAnzahl>, groessteSynapsenAnzahl> level{};
    // the marker and version words last read or written; the run writes -1 and 1
    int32_t marke = -1, version = 1;
    int klassenAnzahlErsteDatei = 0;
    int apFlag = 0;
    float spaetesterAp = 0.0f;                      // of all loaded results
    Klassentabelle klassen;
    int zusatzAnzahl = 0;
    std::vector<float> zusatzWerte;
    PermutationsErgebnis einzel;                    // the result of a run without a file
    int pseudoNeuron = 0;                           // the display's, by number
    int laufenderZaehler = 0;                       // entries so far while indexing
    // the text export's columns and decimals (below 1: 4); the decimal sign is the one of
    // every text export (dezimalzeichen)
    uint32_t exportFlags = 16;
    int exportDezimalstellen = 0;
};

extern PermutationsDefinition permutationsDefinition;
extern Klassentabelle analyseKlassen;    // the current class table; c = size()
extern PermutationsErgebnisZustand permutationsErgebnisse;
// The class count with which copies and counts locate the records' fields: every load sets
// it to the loaded c. It is no part of the loaded results and outlives their unloading.
extern int klassenAnzahlKopien;

// Everything above back to the start of the program.
void permutationZuruecksetzen();
// the loaded results, the index, the open result files and the single result released
void permutationsErgebnisseEntladen();

// The synapse of a varied synapse, by its id; null when the network has none of that id.
SynapseDaten* variierteSynapseSuchen(const VariierteSynapse& v);
// The definition's evaluation neuron, null when there is none (or it was deleted).
NeuronDaten* auswerteNeuron();

// ---- the analysis classes and the rating ---------------------------------------------
// The six default classes of a new table.
Klassentabelle standardKlassen();
// writes the six default classes into the first six records (the table holds at least six)
void analyseKlassenInitialisieren(Klassentabelle& tabelle);
// each class ends where the next begins, the last at its own start
void klassenEndenSetzen(Klassentabelle& tabelle);

// Rating in single precision (f32) over a table and an AP-count flag; the table's
// accumulators are left filled.
int apAnalyseklasseZuordnen(Klassentabelle& tabelle, int klasse, float t);
float analyseKlassenZuordnen(Klassentabelle& tabelle, int apFlag, const float* apZeiten, int anzahl);
float gueteFaktorBerechnen(const Klassentabelle& tabelle, int apFlag);
// The record writer's assignment: each AP is offered to the classes from class 0 on.
void analyseKlassenAbNullZuordnen(Klassentabelle& tabelle, const float* apZeiten, int anzahl);
// the same on the current table and the definition's flag
int apAnalyseklasseZuordnen(int klasse, float t);
float analyseKlassenZuordnen(const float* apZeiten, int anzahl);
float gueteFaktorBerechnen();
