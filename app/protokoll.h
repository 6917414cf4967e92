// app/protokoll.h - the protocol text window: inside the main window or a window of its own
#pragma once
#include "core/rahmen.h"
#include "platform/fenster.h"
#include <cstdint>

constexpr const char* protokollKlasse = "Velnor Protokoll";
constexpr int protokollTextId = 2;

intptr_t protokollFensterProc(plattform::Fenster f, uint32_t nachricht, uintptr_t w, intptr_t l);

// start-up: makes the text box where protokoll says, with the saved text in it
void protokollFensterErzeugen();
// the main window's layout: an embedded box lies above the status bar, at least
// protokollMindesthoehe high
void protokollEinbettungAnordnen(plattform::Fenster haupt);
void protokollAnzeigen(int an);
// moves the text box between the main window and its own window, keeping the text
void protokollEinbetten(int an);
// the font of protokoll.schrift for the box
void protokollSchriftSetzen();

// appends a text; null clears the protocol
void protokollSchreiben(const char* text);
// protokollTextSichern, which the file writers call too, is declared in core/rahmen.h
