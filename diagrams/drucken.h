// diagrams/drucken.h - printing the diagrams: what a new diagram window and the main
// window's timer ask of it
#pragma once
#include "platform/fenster.h"

// the printer submenu of a diagram window, from the printer list
void druckerMenueFuellen(plattform::Fenster fenster);
// starts the search for printers in the background; the network reader calls it
void druckerSucheStarten(plattform::Fenster hauptfenster);
// main-window timer 11: ends the printer-list thread that overran; false when it could not
// be ended. It must not kill the thread in the middle of its writes (the menu and the list).
bool druckerSucheBeenden();
