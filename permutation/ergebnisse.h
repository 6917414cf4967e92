// permutation/ergebnisse.h - the loaded results: loading and indexing result files, reading
// index files, sorting, duplicates, loading records, the text export, the level frequencies
// and unloading; and the display window as the loads reach it
#pragma once
#include "permutation/permutation.h"
#include "platform/fenster.h"
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

// ---- loading and indexing -------------------------------------------------------------
// What a load is for (the caller's argument): 1 the load commands, 2 before a re-rating,
// 3 one file of the indexing by pattern, 4 an index read in part, 5 index files only.
namespace ladeModus {
constexpr int Laden = 1, Bewerten = 2, Muster = 3, Partiell = 4, NurIndex = 5;
}

// Result files or index files chosen by the user (pfad null) are loaded into the index;
// in mode 3 the one file pfad is scanned and its entries appended to the running index.
// The number of entries (a scan), 1 (index files), 0 on failure or cancel (the callers of
// modes 1 and 4 then unload).
int permutationsdateiLesen(const char* pfad, int modus);
// The index file at pfad into the index: anhaengen 0 replaces what is loaded, a positive
// place appends (the new entries' file numbers shifted by the files listed before). The
// entry count, 0 on failure, on cancel or when the user stopped it.
int permutationsIndexLesen(const std::string& pfad, int anhaengen, int modus);
// dialog 257: too little memory for an index; its parameter is the number of entries
intptr_t indexSpeicherMangelDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);
// Every result file of a chosen folder that matches a pattern, indexed into numbered index
// files (the next one begun whenever memory runs short). 1 when done, 0 on cancel or failure.
int indexAusDatendateienErstellen(const std::string& startPfad);

// The bytes of memory free now, -1 when unknown; tests put their own figure here.
extern int64_t (*freierSpeicherHaken)();
// Set by the display when it rounded its time axis; a scan of result files and a load of
// records clear it, so the display scales its time axis anew.
extern bool permutationsZeitachseGerundet;
// where an index built by scanning is saved: chosen with the first result file picked
extern std::string permutationsIndexPfad;

// ---- sorting, duplicates, loaded records -------------------------------------------------
// qsort comparators in the -1, 0, 1 form (neither greater, also with a NaN: 0), in the
// order of their sort keys, the burst search's interval comparator last
int indexVergleichWertAuf(const void* a, const void* b);
int indexVergleichNummerAuf(const void* a, const void* b);
int indexVergleichWertAb(const void* a, const void* b);
extern int (*const permutationsVergleiche[4])(const void*, const void*);

namespace sortierSchluessel {
constexpr int WertAuf = 1, NummerAuf = 2, WertAb = 3;
}
// Sorts by the key (any other key leaves the order); NaN values go last either way.
void permutationIndexSortierenNach(std::span<PermutationsIndexEintrag> eintraege, int schluessel);
// Sorts by number and marks every repeat of a number negative (a repeat of 0 too); with
// repeats the user may save the index without them, and everything is unloaded either way.
// The number of repeats.
int indexDoppelteMarkieren(std::vector<PermutationsIndexEintrag>& eintraege);

namespace ladeFlag {
constexpr int AnzahlFragen = 0x100;   // ask how many records first
constexpr int AlsText = 0x200;        // each record becomes a row of the text file instead
}
// The records of the entries erster..ende-1 (ende below 0 or past the entries: all) read
// from their result files into the loaded results. 1 when the loop completed or the user
// stopped it, 0 on failure (everything unloaded then).
int permutationErgebnisseLaden(int erster, int ende, int flags, std::FILE* text);
// Everything loaded released: the display closed first, the files, the index, the records.
void permutationDatenFreigeben();

// ---- the display window --------------------------------------------------------------------
// the display window closed when it is open
void permutationFensterSchliessen();
// the display window opened on the loaded results; false when it cannot be shown
bool permutationFensterErzeugen();

// ---- the text export and the level frequencies ---------------------------------------------
namespace exportFlag {
constexpr uint32_t Nummer = 1, Guete = 2, Level = 4, LevelIndex = 8, Auto = 16, Frequenzen = 32,
                   ApAnzahl = 64, ApZeiten = 128, Zusatz = 0x1000;
}
// dialog 256: the columns of the export
intptr_t exportParameterDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);
intptr_t exportParameterDialogOeffnen(plattform::Fenster eigner);
// With a file and no result the header row, with both one data row, with neither the row
// buffer released. 1, or 0 when the row could not be written.
int permutationErgebnisZeileSchreiben(const PermutationsErgebnis* ergebnis, std::FILE* datei);
// The export command's text file of the loaded results (or, with none loaded, of as many
// records as the user asks for).
void permutationTextdateiSpeichern();
// For each varied synapse, how many of the first anzahl entries (below 0 or past the
// entries: all) used each level, saved as a text file. 1 when saved.
int synapsenstaerkenHaeufigkeitSpeichern(int anzahl);

// ---- re-rating, the burst-shape rating and copies of indexed results ------------------------
// Every indexed spike train of the first anzahl entries (below 0 or past the entries: all)
// rated again with the current classes: the values go into the entries and into
// "index_unsortiert.txt" and "index_sortiert.txt" of the working folder, the entries are
// sorted by value and may be saved as an index. 1 when done; 0 on failure, stop or cancel
// (everything unloaded then, except when no class exists: nothing is rated).
int binDateiBewerten(int anzahl);
// The first burst or bursts of the neuron's last burst search compared with the template
// of a resistance reflex (one burst) or of an active reaction (two bursts); the burst's
// middle (or the gap's) is written back. The template error, or -1 when the train does
// not fit (the neuron's result code says why: 16 too few spikes, 4 no fit).
float burstKennwerteBerechnen(NeuronDaten& neuron, const float* apZeiten, int anzahl);
// Every indexed spike train of the first anzahl entries run through the burst search of
// the evaluation neuron and rated by burstKennwerteBerechnen; the fitting ones go into
// "<net> d RR.txt"/"<net> d AR.txt" and index files of the same names. 1 when done.
int spikeverteilungBewerten(int anzahl);
// The records of anzahl entries (below 0: all) from the entry numbered ersteNummer (below
// 0: the first entry) copied in index order into a new result file, continued in numbered
// files past the size limit. startPfad proposes the name. 1 when done or stopped by the
// user, 0 on failure or cancel.
int permutationsdateiSpeichern(const std::string& startPfad, int ersteNummer, int anzahl);

// ---- the commands of the results ---------------------------------------------------------------
void ergebnisBefehl(plattform::Fenster f, int befehl);
// when their items may be chosen: in the mode, no run and no file operation going
bool ergebnisseLadbar();
// ... and an index loaded
bool mitErgebnisIndex();
