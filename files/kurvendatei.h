// files/kurvendatei.h - the curve data file (*.dat): settings, network and every recorded
// curve in one binary file
//
// Layout, all integers 32-bit little-endian, samples 32-bit IEEE floats:
//   0  "[datFile]" and a zero byte
//   10 seven header words: kopfLaenge (38), kurvenAnzahl, werteProKurve, textPosition
//      (38), textLaenge (with the text's zero byte), kurvenPosition, kurvenBytes
//   38 the settings text followed by the network text, ending with a zero byte
//   kurvenPosition: kurvenAnzahl records of neuron number, diagram number, slot and
//      werteProKurve samples each
#pragma once
#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

// the control record of the curve data file being read or written
struct DatHeader {
    std::array<char, 12> magic{};
    int32_t kopfLaenge = 0;
    int32_t kurvenAnzahl = 0;
    int32_t werteProKurve = 0;
    int32_t textPosition = 0;
    int32_t textLaenge = 0;
    int32_t kurvenPosition = 0;
    int32_t kurvenBytes = 0;
    int32_t neuronNummer = 0, diagrammNummer = 0, kurvenIndex = 0;   // the record being read
    uint32_t flags = 0;           // datBit
    std::string text;             // the settings and network text while a file is read
    std::FILE* datei = nullptr;   // the file being read
};
namespace datBit {
constexpr uint32_t WirdGeladen = 0x1;   // the settings and network readers take their text from memory
}
extern DatHeader datHeader;

constexpr int datKopfLaenge = 38;       // 10 bytes of magic and seven header words
constexpr int datSatzKopf = 12;         // neuron, diagram and slot before a record's samples
// A file stops taking curves before it would reach this size (2 GB - 1); tests lower it.
extern int64_t datGroesseGrenze;

// clears the record and sets the magic and the header length; 1
int datHeaderInit(DatHeader& kopf);

// "DAT-Datei speichern unter": the name from the save dialog, or while a script with DAT runs
// "<folder>/<stem> skript yymmdd hhmmss <counter>.<ext>" without a dialog (the counter of
// the script's files, five digits from 1000 simulations on), then the file written through a temporary file. 1 when it was saved; 0 when the
// dialog was cancelled or the file could not be written (said in a notice).
int datDateiSpeichern(DatHeader& kopf);
// The whole file into aus: header, text, then the curve of every slot that holds samples,
// neuron by neuron, each neuron's diagrams in their order. 1 on success, 0 when the text
// could not be made or the file would not hold together (said in a notice).
int datSchreiben(DatHeader& kopf, std::string& aus);

// Reads the file datPfad names: settings and network rebuilt from its text, the curves
// into the diagrams. 1 on success, else 0. kopf is datHeader: the settings and network
// readers find the text there (netzPufferText).
int datDateiLaden(DatHeader& kopf);
// Reads the open kopf.datei: a file whose header words do not agree with each other and
// with the file's size is refused before anything changes. 1 on success, else 0.
int datLesen(DatHeader& kopf);
