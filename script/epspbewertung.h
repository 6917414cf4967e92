// script/epspbewertung.h - rating an EPSP table: each simulation's amplitudes against a norm series
#pragma once
#include <cstdint>
#include <string>

// One simulation of the table: its quality factor (the smaller the better; +inf when its
// amplitudes cannot be normalised), the eight parameters and its number.
struct BewertungsZeile {
    double guete = 0.0;
    float parameter[8] = {};
    int32_t simulation = 0;
};

// Asks for a table (Ctrl+E of the main window), writes "<stem> Ergebnis.<ext>" and
// "<stem> Ergebnis kurz.<ext>" beside it and, when the user wants it, the short table
// sorted by quality. A line that cannot be read ends the rating with its message; the files
// then hold the lines before it.
void textErgebnisAuswerten();

// The field after the one at pos: past the next tab, over blanks and line ends (zeilenEnde
// 1 when a line end was crossed), or the start of the next line after a line feed
// (zeilenEnde 1). null at the end of the text.
const char* naechstesFeldSuchen(const char* pos, int& zeilenEnde);

// -1, 0, 1 by quality factor ascending
int guetefaktorVergleichen(const BewertungsZeile& a, const BewertungsZeile& b);
