// files/kurvendatei.h - the curve data file (*.dat): settings, network and every recorded
// curve in one binary file
#pragma once
#include <cstdint>
#include <string>

// the control record of the curve data file being read or written
struct DatHeader {
    uint32_t flags = 0;           // datBit
    std::string text;             // the settings and network text while a file is read
};
namespace datBit {
constexpr uint32_t WirdGeladen = 0x1;   // the settings and network readers take their text from memory
}
extern DatHeader datHeader;

// Reads the file datPfad names: settings and network rebuilt from its text, the curves
// into the diagrams. 1 on success, else 0.
int datDateiLaden(DatHeader& kopf);
