// resources/menues.h - the program's menu tables
#pragma once
#include "platform/menue.h"
#include <span>

// The main window's menu, 101 German and 310 English: the same rows with the same command
// ids, only the texts differ. "&Datei" holds the submenu "D&rucker auswählen", whose first
// item (befehlDruckerUeberschrift) stays; the printer search deletes the items behind it
// and appends one per printer (befehlDruckerErste + i). Switches load unticked; the main
// window ticks them from its state.
extern const std::span<const plattform::MenueZeile> hauptmenue101;
extern const std::span<const plattform::MenueZeile> hauptmenue310;

// 1033 gives 310, every other language 101
const std::span<const plattform::MenueZeile> hauptmenueTabelle(int sprache);
