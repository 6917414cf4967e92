// script/auswertungsdaten.h - the results of a script run read back: the loaded result file
#pragma once
#include "script/skript.h"
#include "platform/fenster.h"
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// what the header of a result file holds beyond the script record
struct ErgebnisKopf {
    uint32_t version = 0;
    int dateiNummer = 0;
    std::string skriptPfad, netzPfad, permutationsPfad;
    uint32_t skriptLaenge = 0, netzLaenge = 0, permutationsLaenge = 0;
    int auswertungsNeuron = 0;          // its number, 0 without one
    uint32_t saetze = 0;                // records in the file
    uint32_t ersterSatz = 0;
    uint32_t klassenOffset = 0, skriptOffset = 0, netzOffset = 0, permutationsOffset = 0;
};

// one stored simulation in the index: its running number over all listed files, the place
// of its record, the file (list slot) and its rating
struct IndexEintrag {
    uint32_t nummer = 0;
    uint32_t satz = 0;
    uint16_t datei = 0;
    uint16_t frei = 0;
    float bewertung = 0.0f;
};
static_assert(sizeof(IndexEintrag) == 16);
constexpr int indexDateienMax = 1024;

// The evaluation of stored results: the header of the loaded result file, the index over
// the records of every listed file, and what the evaluation window keeps.
struct Auswertungsdaten {
    Skript skript;                      // the run settings, result neurons and documented parameters
    ErgebnisKopf kopf;
    std::string ergebnisPfad;           // the result file the header came from
    // open while a header is read or records are indexed; a header load given an open
    // file reads it without asking for one
    std::FILE* ergebnisDatei = nullptr;
    uint32_t satzZeiger = 0;            // the record read next; 0 after the last
    // the embedded texts written out by an interactive load, for the evaluation mode
    std::string tmpSkript, tmpNetz, tmpPermutation;

    // the index over the records of all listed result files: N = index.size(), F = namen.size()
    std::vector<IndexEintrag> index;
    std::string auswertungsOrdner;      // of the last result or index file opened
    std::string suchOrdner;             // where a moved result file was last found
    std::string indexPfad;
    int temporaererIndex = 0;           // 1: closing deletes the index file
    std::string indexName;              // of the index file, without folder and extension
    std::vector<std::string> namen;     // the listed result files, by list slot
    std::vector<std::FILE*> handles;    // their open handles, null while closed
    std::FILE* indexDatei = nullptr;    // open between its creation and the list update
    // a saved index is written under a name of its own (its file-system path here) and takes
    // indexPfad's name at the list update; "" while the file at indexPfad itself is written
    std::string indexNeu;
    uint32_t listenOffset = 0, indexOffset = 0;
    int aktuellesErgebnis = 0;          // index entry shown (from 0)

    // the evaluation window: its handle, the text of its status bar ("" before anything was
    // loaded) and its place on the screen, which its settings file keeps
    plattform::Fenster fenster = nullptr;
    std::string statusText;
    int links = 0, oben = 0, rechts = 0, unten = 0;
};

// Reads the header of a result file into a's script record. interaktiv 1: asks before a
// loaded script or result file is dropped, lets the user choose the file, reads the class
// table and writes the embedded texts as temporary files "<name> tmp aus bin <time>.skr",
// ".gui", ".pmt" beside it; 0: the header of the file named in ergebnisPfad only.
// 1 when the header was read whole; 0 after a message (or a No), with a left as it was.
int ergebnisDateiLaden(Auswertungsdaten& a, int interaktiv);
// Reads the header of the further result file at a.ergebnisPfad and checks that it comes
// from the same kind of run as the loaded one; then its record count and first record
// replace those of a. 0 after a message naming the first difference.
int ergebnisKopfPruefen(Auswertungsdaten& a);
// Reads the record at a.satzZeiger of the open file f: the documented values, the changed
// parameters and the values of every result neuron; a.satzZeiger then names the next
// record. The changed parameters of a record read whole are applied to the network
// (parameterAnweisungAnwenden). 1, or 0 after a message (the file is closed then).
int ergebnisLesen(Auswertungsdaten& a, std::FILE* f);
// Writes the changed parameters of the record just read back into the network, in stored
// order. 1 when all were applied or skipped, 0 when one stopped the walk.
int parameterAnweisungAnwenden(Auswertungsdaten& a);

// The index file at indexPfad created with its header and an empty list of files; it stays
// open for the files indexed next. A saved index (temporaer 0) is written beside an older
// file of that name, which stays whole until the list update has the new one whole.
// 1, or 0 after a message.
int ergebnisIndexSpeichern(Auswertungsdaten& a, int temporaer);
// Closes an index file left open without its list update; one not yet in place goes.
void indexDateiVerwerfen(Auswertungsdaten& a);
// Adds the records of the result file whose header was read last (ergebnisPfad) to the
// index, and its name to the list; the status text then counts simulations and files.
// 1, or 0 after a message with the index as it was.
int ergebnisIndexErstellen(Auswertungsdaten& a, int temporaer);
// Writes the counts, the list and the entries into the open index file and closes it; a
// saved index then takes its name. 1, or 0 after a message naming the reason.
int indexDateiListeAktualisieren(Auswertungsdaten& a);
// Reads the index file at indexPfad and the header of the first result file it lists, with
// its texts written out as an interactive header load does. An index larger than the
// memory available is read only when the user agrees, never when it exceeds the virtual
// memory too. 1, or 0 after a message with a left as it was.
int ergebnisIndexLaden(Auswertungsdaten& a);
// Reads the record of index entry eintrag (from 0), opening its file when needed.
int ergebnisNachIndexLesen(Auswertungsdaten& a, int eintrag);

// the memory the index load weighs an index against: bytes physically and virtually
// available, -1 where unknown
struct SpeicherStand {
    int64_t physisch = -1, virtuell = -1;
};
// Null asks the platform; tests put a stand-in here.
extern SpeicherStand (*speicherStandHaken)();
