// files/lesen.h - what every reader of the network and settings texts shares
//
// Values come from the key readers (core/schluessel.h). A number that reads as NaN or as
// infinite ("nan", "1e999") counts as a missing key: the field keeps its value, as it does
// for a key that is not there.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// The number behind the key (searched from text) into ziel when it is finite. Returns the
// position behind the key, or null (ziel unchanged) when the key is missing or the value
// is not finite.
char* zahlLesen(double& ziel, char* text, const char* schluessel);
// The same rounded to the nearest integer; values beyond the int range count as missing.
char* zahlLesen(int& ziel, char* text, const char* schluessel);
// The same for a 32-bit word (colours): 0 .. 0xFFFFFFFF.
char* zahlLesen(uint32_t& ziel, char* text, const char* schluessel);
// The same for a key that stands at stelle, schluesselLaenge bytes long (a reader that
// found it by other means): what zahlLesen gives when its search finds the key there.
char* zahlAnStelle(double& ziel, char* stelle, size_t schluesselLaenge);
char* zahlAnStelle(int& ziel, char* stelle, size_t schluesselLaenge);
char* zahlAnStelle(uint32_t& ziel, char* stelle, size_t schluesselLaenge);

// The first place of was in text from von on, as strstr(von, was) finds it, looking at the
// text in growing pieces: it reads no further than the place found (the sanitizers' strstr
// measures the whole rest of the text on every call, which would make the block by block
// reading of a large network grow with its square).
char* textSuchen(char* von, const char* was);

// Cuts a text at a marker for as long as it lives: the byte at the cut is saved and a 0
// written there, so that key searches stop at the end of a section; the destructor puts
// the byte back. A missing marker (or a null text) leaves the text uncut.
class Abschnitt {
public:
    // cuts at the first endMarke found from von on (behind it when dahinter is set)
    Abschnitt(char* von, const char* endMarke, bool dahinter = false);
    ~Abschnitt();
    Abschnitt(const Abschnitt&) = delete;
    Abschnitt& operator=(const Abschnitt&) = delete;
    bool geschnitten() const { return stelle != nullptr; }

private:
    char* stelle = nullptr;
    char gespeichert = 0;
};
