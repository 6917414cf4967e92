// files/schluesselverzeichnis.h - where the keys of one prefix stand in a block, so that a
// reader finds each key among the block's lines of that prefix instead of searching the
// whole rest of the block for it
//
// The readers search keys with strstr from a cursor. The index answers each such search
// with the place strstr would find, also in damaged texts and in texts whose decimal commas
// the number readers turn into points while reading (a key is compared with the text as it
// stands when it is looked for).
#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class SchluesselVerzeichnis {
public:
    // every place of vorsilbe in text, up to the text's end (its first zero byte)
    SchluesselVerzeichnis(char* text, std::string vorsilbe);

    const std::string& vorsilbe() const { return vorsilbe_; }
    // the first place of the prefix itself at or behind ab, as strstr(ab, vorsilbe) finds it
    char* vorsilbeSuchen(char* ab) const;
    // the first place at or behind ab of the key vorsilbe + rest, as strstr(ab, key) finds it
    char* suchen(char* ab, std::string_view rest) const;
    // the same where the key starts a line or stands at ab (schluesselTextLesen's rule)
    char* amZeilenanfangSuchen(char* ab, std::string_view rest) const;

private:
    template <class Passt>
    char* ersteStelle(char* ab, std::string_view rest, Passt&& passt) const;

    std::string vorsilbe_;
    std::vector<char*> alle;                                           // in text order
    struct TextHash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    // the places by the key up to its '='
    std::unordered_map<std::string, std::vector<char*>, TextHash, std::equal_to<>> nachSchluessel;
};

// Where the lines of each numbered record stand: every place of anker followed by a number
// 1 .. grenze - 1 as "%d" writes it (no sign, no leading zero) and a blank, by that number.
// Built in one pass, so that a record's keys are searched among its own lines only.
class NummernVerzeichnis {
public:
    NummernVerzeichnis(char* text, std::string_view anker, int grenze);

    // The first place at or behind ab of schluessel, as strstr(ab, schluessel) finds it.
    // schluessel holds the anker at ankerAbstand, followed by nummer and a blank.
    char* suchen(char* ab, std::string_view schluessel, size_t ankerAbstand, int nummer) const;

private:
    std::vector<std::vector<char*>> orte;       // by number, in text order
};
