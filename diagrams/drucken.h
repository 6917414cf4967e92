// diagrams/drucken.h - printing the diagrams: what a new diagram window, the main window's
// timer and the painter ask of it
#pragma once
#include "platform/fenster.h"
#include "platform/zeichnen.h"

struct DiagrammZeichner;

// the printer submenu of a diagram window, from the printer list
void druckerMenueFuellen(plattform::Fenster fenster);
// starts the search for printers in the background; the network reader calls it
void druckerSucheStarten(plattform::Fenster hauptfenster);
// main-window timer 11: ends the printer-list thread that overran; false when it could not
// be ended. It must not kill the thread in the middle of its writes (the menu and the list).
bool druckerSucheBeenden();

// ---- the painter on a page ------------------------------------------------------------
// The page of the window's diagram: its metrics and print area for the chosen printer, the
// printer fonts, and the painter's scale, offset and print rows. False: no page to paint.
bool diagrammSeiteVorbereiten(DiagrammZeichner& zeichner);
// the frame round the printable area and the frame of the page set-up, where asked for
void diagrammSeitenrahmenZeichnen(DiagrammZeichner& zeichner);
// the diagram font at this point size for the printer; null: the screen font serves
plattform::Schrift diagrammDruckSchrift(int punkte);
