// diagrams/wavimport.h - a WAV recording becomes one neuron per channel with its curve
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>

// The 44 bytes at the start of the file as the import takes them: the canonical header,
// little-endian, the numbers unsigned. A file laid out differently is read as if it had it.
struct WavKopf {
    char riff[4]{}, wave[4]{}, fmt[4]{}, datenTag[4]{};
    uint32_t riffGroesse = 0, fmtGroesse = 0, rate = 0, bytesProSekunde = 0, datenLaenge = 0;
    uint16_t format = 0, kanaele = 0, blockAusrichtung = 0, bitsProWert = 0;
};
constexpr int wavKopfGroesse = 44;
constexpr int wavMaxKanaele = 8;       // one table entry per new neuron

// the header from its 44 bytes
WavKopf wavKopfZerlegen(const unsigned char* b);
// The data length the import counts: the header's, but never more than the bytes after the
// header in a file of dateiGroesse bytes.
uint32_t wavDatenLaenge(const WavKopf& k, int64_t dateiGroesse);
// Why the file cannot be imported, formatted for the notice; empty when it can. The
// channel count, the sample rate and the frames present are checked, and that freieNummern
// neuron numbers are left for the channels.
std::string wavAblehnungsGrund(const WavKopf& k, int64_t dateiGroesse, int freieNummern);
// The 13-line report of the header (into meldungsPuffer as well).
std::string wavBericht(const WavKopf& k, int64_t dateiGroesse);

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
// The frames after the header (the file positioned at byte 44) become one new neuron per
// channel with its soma curve. 1, or 0 after an allocation failure (the program ends then).
int wavDatenImportieren(std::FILE* datei, const WavKopf& kopf, int64_t dateiGroesse);
