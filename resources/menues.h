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

// ---- the menus of the modes -------------------------------------------------------------
// Each in German and English with the same rows and command ids (resources/befehle.h).
// permutation mode: the main window's menu while the mode is on (176 German, 308 English)
extern const std::span<const plattform::MenueZeile> permutationsMenue176;
extern const std::span<const plattform::MenueZeile> permutationsMenue308;
// the interactive definition of a permutation: only its cancel (238, 307)
extern const std::span<const plattform::MenueZeile> definitionsMenue238;
extern const std::span<const plattform::MenueZeile> definitionsMenue307;
// the progress window of a permutation series: pause and go on (234, 303)
extern const std::span<const plattform::MenueZeile> fortschrittsMenue234;
extern const std::span<const plattform::MenueZeile> fortschrittsMenue303;
// the interactive script window (313, 312)
extern const std::span<const plattform::MenueZeile> interaktivMenue313;
extern const std::span<const plattform::MenueZeile> interaktivMenue312;
// the evaluation window's (301, 311) are in resources/auswertungsmenue.h

// Which menu of a mode; the language picks the table. Unlike the main menu, a mode's
// menu exists for 1031 and 1033 only: any other language has none (an empty span).
enum class Modusmenue { Permutation, Definition, Fortschritt, Interaktiv, Auswertung };
std::span<const plattform::MenueZeile> modusmenueTabelle(Modusmenue art, int sprache);
