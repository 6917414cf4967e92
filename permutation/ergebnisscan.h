// permutation/ergebnisscan.h - what the loads of result and index files share among
// themselves
#pragma once
#include <string>

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
