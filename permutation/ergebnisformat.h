// permutation/ergebnisformat.h - the bytes of the result file ("Permutations-Ergebnis") and
// of the index file ("indexdatei zu permutations-ergebnisdateien")
//
// Both files are little-endian and written and read field by field. The encoders build
// exact byte strings; the decoders work on the bytes of a whole file and check every
// marker, version, count, offset and length against what is there before they take
// anything, so a damaged or foreign file is refused and never read past its end.
#pragma once
#include "permutation/permutation.h"
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// ---- little-endian bytes ---------------------------------------------------------------------
class Bytefolge {
public:
    std::string daten;
    void u8(uint8_t w) { daten += static_cast<char>(w); }
    void u16(uint16_t w);
    void u32(uint32_t w);
    void i32(int32_t w) { u32(static_cast<uint32_t>(w)); }
    void f32(float w);
    void f64(double w);
    void text(std::string_view t) { daten.append(t); }
    void nullen(size_t n) { daten.append(n, '\0'); }
};

class Byteleser {
public:
    explicit Byteleser(std::string_view bytes) : d(bytes) {}
    bool gut() const { return ok; }
    uint64_t position() const { return pos; }
    uint64_t groesse() const { return d.size(); }
    // false (and every later read fails) when the position lies past the end
    bool an(uint64_t stelle);
    bool passt(uint64_t n) const { return ok && n <= d.size() - pos; }
    uint8_t u8();
    uint16_t u16();
    uint32_t u32();
    int32_t i32() { return static_cast<int32_t>(u32()); }
    float f32();
    double f64();
    std::string_view bytes(uint64_t n);

private:
    std::string_view d;
    uint64_t pos = 0;
    bool ok = true;
};

// ---- the result file -------------------------------------------------------------------------
inline constexpr std::string_view ergebnisKennung = "Permutations-Ergebnis";
constexpr int32_t dateiMarke = -1;
constexpr uint64_t ergebnisNullBlock = 2048;

struct PermutationsKopf {
    int32_t marke = dateiMarke, version = 1;
    int levelAnzahl = 0;                        // m
    std::vector<std::vector<double>> level;     // n synapses of m values
    int32_t ersterSatz = 0;                     // offset of the first record
    int32_t apFlag = 0;
    Klassentabelle klassen;
    int32_t zusatzAnzahl = 0;                   // e
    int synapsenAnzahl() const { return static_cast<int>(level.size()); }
};

// H = 53 + 8nm + 36c; the first record lies at H + 2044
constexpr uint64_t ergebnisKopfLaenge(uint64_t n, uint64_t m, uint64_t c) { return 53 + 8 * n * m + 36 * c; }
constexpr uint64_t ersterSatzOffset(uint64_t n, uint64_t m, uint64_t c) { return ergebnisKopfLaenge(n, m, c) + 2044; }
// 36 + 4(c + k + e)
constexpr uint64_t satzLaenge(uint64_t c, uint64_t k, uint64_t e) { return 36 + 4 * (c + k + e); }

// A class as the file headers store it. The accumulators of the rating are written as 0:
// they are the last rating's scratch values, not part of the table.
void klasseKodieren(Bytefolge& b, const Analyseklasse& k);
Analyseklasse klasseDekodieren(Byteleser& l);

// The header and its 2048 zero bytes (the first record overwrites the last four). The
// first-record field is computed from the counts, whatever kopf.ersterSatz says.
std::string ergebnisKopfKodieren(const PermutationsKopf& kopf);
// One record: number, quality, AP count, the c class values, the 20 level bytes, the AP
// times, the e extra values (0 where the result holds fewer) and the end marker.
std::string ergebnisSatzKodieren(const PermutationsErgebnis& e, int klassenAnzahl, int zusatzAnzahl);

// The header of a result file's bytes; false for a file that is no result file or whose
// counts do not fit in it (kopf is left unspecified then).
bool ergebnisKopfDekodieren(std::string_view bytes, PermutationsKopf& kopf);
// The same from the head of a file of dateiLaenge bytes: bytes holds at least the header.
bool ergebnisKopfDekodieren(std::string_view bytes, PermutationsKopf& kopf, uint64_t dateiLaenge);
// The record at offset: false when it does not fit before the end, has a negative AP count,
// a level byte at or above m for one of the n synapses, or no end marker. ende: the offset
// after it.
bool ergebnisSatzDekodieren(std::string_view bytes, uint64_t offset, const PermutationsKopf& kopf,
                            PermutationsErgebnis& aus, uint64_t* ende = nullptr);

// ---- the index file ----------------------------------------------------------------------------
inline constexpr std::string_view indexKennung = "indexdatei zu permutations-ergebnisdateien";
constexpr int groessteDateiAnzahl = 1024;
constexpr size_t pfadFeld = 260;

struct IndexKopf {
    int32_t marke = dateiMarke, version = 2;
    int32_t anzahl = 0;                         // N
    int32_t synapsenAnzahl = 0, levelAnzahl = 0;   // n, m
    int32_t eintragsBereich = 0;
    std::vector<std::string> pfade;             // f result files
    int32_t apFlag = 0;
    Klassentabelle klassen;
};

// Where the entries begin: after the 8200 bytes the format keeps behind the paths, or right
// after the classes when those reach further (from 228 classes on).
uint64_t eintragsBereichOffset(uint64_t dateien, uint64_t klassen);
uint64_t eintragsLaenge(int32_t version);       // 14 in version 2, 13 in version 1

// The whole index file: header, zeros up to the entry area, the marker and the entries
// (negative numbers skipped, N = the entries written). Empty when a path has 260 bytes or
// more or there are more than 1024 files. kopf.anzahl and kopf.eintragsBereich are set.
std::string indexKodieren(IndexKopf& kopf, const std::vector<PermutationsIndexEintrag>& eintraege);
bool indexKopfDekodieren(std::string_view bytes, IndexKopf& kopf);
// The same from the head of a file of dateiLaenge bytes: bytes reaches at least past the
// entry area's marker.
bool indexKopfDekodieren(std::string_view bytes, IndexKopf& kopf, uint64_t dateiLaenge);
// the N entries of a decoded header; false when one names a file the list does not hold
bool indexEintraegeDekodieren(std::string_view bytes, const IndexKopf& kopf,
                              std::vector<PermutationsIndexEintrag>& eintraege);
// A run of whole entries of a file of this version listing dateien result files, appended
// to aus; false (aus as it was) when the bytes are no whole number of entries or one names
// a file the list does not hold or a negative offset.
bool indexEintraegeDekodieren(std::string_view stueck, int32_t version, size_t dateien,
                              std::vector<PermutationsIndexEintrag>& aus);
