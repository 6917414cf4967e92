// diagrams/fensterhandler.h - what the diagram window procedure hands on: the mouse, the
// keys, the commands and the menu set-up of a diagram window
#pragma once
#include "platform/fenster.h"

// mouse (cursors, measuring, dragging) and the horizontal scroll bar
void diagrammMausBewegung(plattform::Fenster f, int x, int y, uintptr_t tasten);
void diagrammLinksKlick(plattform::Fenster f, int doppelt, int x, int y, uintptr_t tasten);
void diagrammLinksLoslassen(plattform::Fenster f, int x, int y, uintptr_t tasten);
void diagrammRechtsKlick(plattform::Fenster f, int doppelt, int x, int y, uintptr_t tasten);
void diagrammHorizontalScrollen(plattform::Fenster f, intptr_t leiste, int code, int position);
// set by the first mouse move over any diagram window, which loads and sets the arrow
extern bool diagrammPfeilGesetzt;

// keys: a key code with the high word of its key data (diagrammTasteAlt: Alt was held),
// a character with its repeat count
constexpr int diagrammTasteAlt = 0x2000;
// Ctrl 0x2, Shift 0x4, Alt 0x1 held for the next key only (the scroll bar's arrows)
extern int tastenModifikator;
void diagrammTaste(plattform::Fenster f, int taste, int wiederholung);
void diagrammZeichenTaste(plattform::Fenster f, unsigned char zeichen, int wiederholung);

// a command of the menu bar, a context menu or a key; answers 0
intptr_t diagrammBefehl(plattform::Fenster f, int befehl, intptr_t l, int benachrichtigung);
// before a popup of the menu bar opens: check marks, grey items, the printer list
void diagrammMenuInitialisieren(plattform::Fenster f, plattform::Menue popup, int position, int systemMenue);
