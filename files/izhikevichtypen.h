// files/izhikevichtypen.h - the named Izhikevich types and their file
// "izhikevich-typen.txt" in the "parameter" folder
#pragma once
#include <string>
#include <vector>

struct IzhikevichTyp {
    double a = 0.0;                 // 0.0 marks a free entry of a working table
    double b = 0.0, c = 0.0, d = 0.0;
    double naE = 0.0;               // mV, the spike peak
    double V = 0.0, U = 0.0;        // initial values
    std::string name;               // up to 255 bytes
};
constexpr int izhikevichTypenMax = 256;

// the type used when the file is missing or holds none
IzhikevichTyp izhikevichStandardTyp();

// The program's table: empty until the types dialog first opens, then read once and
// replaced by every OK of that dialog.
extern std::vector<IzhikevichTyp> izhikevichTypen;

// the program directory's parameter/izhikevich-typen.txt
std::string izhikevichTypenPfad();

struct IzhikevichDatei {
    bool schrittDa = false;         // a positive finite step was given
    double schrittMs = 0.0;
    std::vector<IzhikevichTyp> typen;   // numbered 0, 1, ... up to the first gap, at most 256
};
// false when the file cannot be read; a field a type lacks stays 0
bool izhikevichTypenLesen(const std::string& pfad, IzhikevichDatei& aus);

// the file's text (LF line ends) with the step in ms and the types numbered from 0
std::string izhikevichTypenText(double schrittMs, const std::vector<IzhikevichTyp>& typen);
// written through a temporary file in text mode; false (old file untouched) on failure
bool izhikevichTypenSchreiben(const std::string& pfad, double schrittMs, const std::vector<IzhikevichTyp>& typen);
