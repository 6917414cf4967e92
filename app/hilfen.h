// app/hilfen.h - small services of the frame: time and the choosers
#pragma once
#include "app/status.h"
#include "platform/fenster.h"
#include "platform/zeichnen.h"
#include <ctime>
#include <string>
#include <string_view>

// ---- time ------------------------------------------------------------------------------
// local time of now: year since 1900, month 0-11, day, hour, minute, second
std::tm aktuelleZeit();
// a time stamp of the steady clock, whole seconds and milliseconds
struct Zeitpunkt {
    long long sekunden = 0;
    int millisekunden = 0;
};
Zeitpunkt zeitJetzt();
double zeitDifferenz(const Zeitpunkt& start, const Zeitpunkt& ende);   // seconds
double verstricheneSekunden(const Zeitpunkt& start);   // the seconds part, 0 to below 60
int verstricheneMinuten(const Zeitpunkt& start);       // whole minutes

// ---- choosers ----------------------------------------------------------------------------
// The open or save dialog. filter: pairs of text and pattern, each ended by a zero byte
// (or by '|'), as the refresh prepares the filter texts. On OK folder, name and extension
// take the choice and the result is non-zero; 0 on cancel.
int dateiDialog(std::string& ordner, std::string& name, std::string& endung, std::string_view filter,
                const std::string& titel, int speichern);
// the chosen colour; 0x1000000 when the user cancels
plattform::Farbe farbeWaehlen(plattform::Fenster eigner, plattform::Farbe vorgabe);
// Mode non-zero (and the very first call): the record's font description is filled from its
// own fields, no dialog. Mode 0: the font chooser; on OK the colour, the new font and the
// fields are taken and the owner is repainted; Cancel leaves the record as it was.
void schriftWaehlen(plattform::Fenster eigner, FontDaten& schrift, int modus);

// menuePunktHaken, which the modes below the frame call too, is in core/status.h
