// platform/cursor_datei.h - the header of a .cur file, checked before anything is loaded
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace plattform {

struct CursorKopf {
    int bilder = 0;                      // entries in the directory
    int breite = 0, hoehe = 0;           // of the first image; a 0 in the file stands for 256
    int hotspotX = 0, hotspotY = 0;
    uint32_t groesse = 0, versatz = 0;   // where the first image's bytes lie in the file
};

// Reads the directory of a cursor file: reserved word 0, type 2, at least one entry, the
// whole directory inside the bytes and the first image after it and inside them too.
// false (kopf untouched) for anything else, whatever the bytes are.
bool cursorKopfLesen(std::string_view bytes, CursorKopf& kopf);

// Reads a cursor file (at most 1 MB, more is no cursor) and checks its directory.
bool cursorDateiLesen(const std::string& pfad, std::string& bytes, CursorKopf& kopf);

} // namespace plattform
