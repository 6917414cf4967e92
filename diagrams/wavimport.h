// diagrams/wavimport.h - a WAV recording becomes one neuron per channel with its curve
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>

// What the import takes from a RIFF WAVE file: the "fmt " and "data" chunks wherever they
// stand, little-endian, the numbers unsigned. A canonical file has them in its first 44
// bytes; other writers put further chunks (LIST, fact, ...) before or between them.
struct WavKopf {
    char riff[4]{}, wave[4]{}, fmt[4]{}, datenTag[4]{};   // a tag stays empty where no chunk has it
    uint32_t riffGroesse = 0, fmtGroesse = 0, rate = 0, bytesProSekunde = 0, datenLaenge = 0;
    uint16_t format = 0, kanaele = 0, blockAusrichtung = 0, bitsProWert = 0;
    uint16_t unterformat = 0;   // behind format 0xFFFE (extensible): 1 integer, 3 floating point
    int64_t datenStart = 0;     // the first sample's byte; 0 without a data chunk
};
constexpr int wavKopfGroesse = 44;     // the canonical header, the smallest file with samples
constexpr int wavMaxKanaele = 8;       // one table entry per new neuron

// The chunks of the open file of dateiGroesse bytes, walked from its start.
WavKopf wavKopfSuchen(std::FILE* datei, int64_t dateiGroesse);
// bytes per sample of one channel (8, 16, 24 or 32 bits), 0 for any other sample size
int wavBytesProWert(const WavKopf& k);
// The data length the import counts: the data chunk's, but never more than the file holds
// after the chunk's start.
uint32_t wavDatenLaenge(const WavKopf& k, int64_t dateiGroesse);
// Why the file cannot be imported, formatted for the notice; empty when it can. The
// chunks, the sample format (8-, 16-, 24- and 32-bit integers, 32-bit floating point),
// the channel count, the sample rate and the frames present are checked, and that
// freieNummern neuron numbers are left for the channels.
std::string wavAblehnungsGrund(const WavKopf& k, int64_t dateiGroesse, int freieNummern);
// The 13-line report of the header (into meldungsPuffer as well).
std::string wavBericht(const WavKopf& k, int64_t dateiGroesse);
// One sample at p as the value a 16-bit file would hold for it.
int wavWert16(const unsigned char* p, const WavKopf& k);

// the size of an open file in bytes; it is left positioned at its start
int64_t dateiGroesse(std::FILE* datei);

// The open command's check before it deletes the network: false when the file cannot be
// opened or imported, said in the one notice that names it and the reason. The numbers
// are counted as the import will find them, with the network gone.
bool wavDateiPruefen(const std::string& pfad);

// Reads the file the open command chose (dateipfade.oeffnenPfad), sets the run from it,
// locks runs and imports the channels; 1 when the file could be opened, else 0. A file
// that cannot be imported is refused with a notice before anything changes.
int wavKopfLesen();
// The frames of the data chunk (the file positioned at its start) become one new neuron per
// channel with its soma curve. 1, or 0 after an allocation failure (the program ends then).
int wavDatenImportieren(std::FILE* datei, const WavKopf& kopf, int64_t dateiGroesse);
