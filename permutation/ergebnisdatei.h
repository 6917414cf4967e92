// permutation/ergebnisdatei.h - writing the result file of a series and the index file
#pragma once
#include "permutation/permutation.h"
#include <cstdio>
#include <string>
#include <vector>

// The header of a result file from the current definition and classes, with the marker and
// version words as they stand (a series sets -1 and 1 first); then the file stands at the
// first record's place. 1, or 0 when a write failed.
int permutationsErgebnisKopfSchreiben(std::FILE* datei);
// the same for a header given whole (a copy of loaded results writes their counts and classes)
struct PermutationsKopf;
int permutationsErgebnisKopfSchreiben(std::FILE* datei, const PermutationsKopf& kopf);
// The evaluation neuron's spike train of the run just finished, rated against the classes
// (with extra values: no rating, the quality is the number). With a file the record is
// appended and flushed, geschrieben false when that failed; without one the single result
// takes it. The quality.
float permutationsErgebnisBewerten(int nummer, std::FILE* datei, bool* geschrieben = nullptr);
// What writes the records and headers; tests put a failing one here.
extern size_t (*ergebnisSchreiben)(const void* daten, size_t laenge, std::FILE* datei);

// Saves the index of the loaded results (or the given entries) under pfad, or, without one,
// under the name the save dialog gives. anzahl below 0 or above the entries: all of them.
// Entries with a negative number are skipped. The number of entries looked at, 0 when
// nothing was written (said in a notice, an old file stays).
int permutationIndexSpeichern(const char* pfad, int anzahl);
int permutationIndexSpeichern(const char* pfad, int anzahl, const std::vector<PermutationsIndexEintrag>& eintraege);
