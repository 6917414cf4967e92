// permutation/ergebnisintern.h - what the readers of result and index files share among
// themselves
#pragma once
#include "permutation/ergebnisleser.h"
#include <string>
#include <vector>

// how the scan of one result file ended
enum class ScanStand {
    Fertig,        // its records are indexed (all, or up to where the user ended it)
    Ausgelassen,   // it belongs to another permutation and adds nothing (said in a notice)
    Kaputt,        // it cannot be opened or is no readable result file (said)
    Abbruch,       // the user gave the whole load up, or a marker could not be found again
};
// Scans the result file into the index (appending; the first file of a load sets the
// counts). gestoppt: the user's stop command ended it early.
ScanStand ergebnisdateiScannen(const std::string& pfad, int modus, bool& gestoppt);
// the running index of a pattern starts anew with the next file
void indexKapazitaetVergessen();
// "<name>0001.inx" after "<name>0000.inx": the trailing digits counted up (written with four
// digits at least) to the first name without a file
std::string naechsterIndexPfad(const std::string& pfad);

// The index files of a load, from the chosen one on (more as the user wants); 1, or 0 on
// failure or cancel.
int indexDateienLesen(const std::string& erster, int modus);

// The input dialog's count of results (texts 60 to 62): a tenth of the entries at first
// (at least 1), "max" for all of them. 0 on Cancel or a count below 1; at most eintraege.
int ergebnisAnzahlErfragen(int eintraege);

// Every listed result file opened (the handles in the list), a window onto each, and the
// form of their records (the class count from the first file's header). false (said in a
// notice) when one cannot be opened or the first is no result file; all are closed then.
bool ergebnisdateienOeffnen(std::vector<Dateifenster>& fenster, PermutationsKopf& form);
void ergebnisdateienSchliessen();
// The entry's record, checked whole against its file and against the entry's number;
// false after notice 45 (the index does not fit its files).
bool ergebnisSatzLesen(std::vector<Dateifenster>& fenster, const PermutationsKopf& form, const PermutationsIndexEintrag& e,
                       PermutationsErgebnis& aus);
// the name of the presynaptic neuron of the definition's i-th varied synapse; empty when
// the definition or the network lacks it
std::string variierteSynapseName(int i);
