// files/speicherziele.h - the files one save writes, checked against each other before it writes
#pragma once
#include <string>
#include <vector>

// One file a save writes: its path and the message that says what it holds there.
struct SpeicherAusgabe {
    std::string pfad;
    int art;
};

// The files a network save writes: the network file (or its backup), the settings file
// (or its backup), the reference curves (written or, without a curve, deleted) and the
// current file beside the network file. pfad: the network file's path without ".bkp".
std::vector<SpeicherAusgabe> netzSpeicherAusgaben(const std::string& pfad, bool sicherung);

// Whether no two of the outputs are one file. Otherwise the notice names the file and both
// of its uses, and false: the save writes nothing, or one output would overwrite or delete
// another right after it was written and the save would still report success.
bool ausgabenGetrennt(const std::vector<SpeicherAusgabe>& ausgaben);
// Whether ziel is none of the files andere, which the save's file points into (the result
// files an index names); else the notice, with art for what they are, and false.
bool zielGetrennt(const SpeicherAusgabe& ziel, const std::vector<std::string>& andere, int art);
