// permutation/ergebnisleser.h - reading result and index files piece by piece
//
// Result files run to gigabytes and index files to millions of entries, so neither is read
// whole: a window of the file is read, and each piece goes to the decoders of
// ergebnisformat.h, which check it against the length of the whole file.
#pragma once
#include "permutation/ergebnisformat.h"
#include <cstdio>
#include <string>
#include <string_view>

// A window onto a file opened for reading.
class Dateifenster {
public:
    // vorlauf: how much more than asked for a read takes in (sequential scans: much)
    explicit Dateifenster(std::FILE* datei = nullptr, size_t vorlauf = 1 << 20);
    void oeffnen(std::FILE* datei);
    std::FILE* datei() const { return d; }
    uint64_t laenge() const { return dateiLaenge; }
    // The bytes [von, von + n) of the file; shorter where the file ends before, empty where
    // it cannot be read. Valid until the next call.
    std::string_view bereich(uint64_t von, uint64_t n);

private:
    std::FILE* d = nullptr;
    size_t vorlauf;
    uint64_t dateiLaenge = 0;
    std::string puffer;
    uint64_t anfang = 0;
};

// The header of a result file: Gut, FremderTyp when the file does not begin with the
// result file's name, Unbekannt when a marker, version, count or offset does not fit.
enum class KopfStand { Gut, FremderTyp, Unbekannt };
KopfStand ergebnisKopfLesen(Dateifenster& f, PermutationsKopf& kopf);

// The header of an index file: Gut, FremderTyp (another name), Veraltet (its marker is not
// -1), Version (neither 1 nor 2), Unbekannt (a count or offset that does not fit the file).
enum class IndexKopfStand { Gut, FremderTyp, Veraltet, Version, Unbekannt };
IndexKopfStand indexKopfLesen(Dateifenster& f, IndexKopf& kopf);

// What the records of the loaded results hold: n synapses of m levels, c class values and
// e extra values each; the decoder checks every record against it.
PermutationsKopf satzForm(int n, int m, int c, int e);
// The record at offset, checked whole (AP count, level bytes below m, end marker, inside
// the file); false when it is not such a record.
bool satzLesen(Dateifenster& f, uint64_t offset, const PermutationsKopf& form, PermutationsErgebnis& aus);
