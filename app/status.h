// app/status.h - the records of the program frame
//
// The status words and the records every subsystem reads are in core/status.h.
#pragma once
#include "core/status.h"
#include "platform/steuerelemente.h"
#include "resources/befehle.h"

// a program without a network: the bar in simple mode with the hint to load or make one
void netzlosStatusZeigen();

// F12 and Ctrl+F5 send this command again
extern int letzterDialog;

extern plattform::Cursor cursorStandard, cursorMessenZeit, cursorMessenWert, cursorMessenBeide;

// ---- settings of the frame, tables filled at start --------------------------------------


extern std::array<std::string, 4> kontaktortNamen;   // by a synapse's target area

// the server's K presets and ratio limits are kaliumVorgaben and kaliumVerhaeltnisGrenzen
// of server/server.h
