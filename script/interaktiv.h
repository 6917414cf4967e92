// script/interaktiv.h - the interactive script window: its bars and slot colours
#pragma once
#include "script/skript.h"

// the default colours of the slots (red, green, blue, ...; slots past the twelfth black)
void interaktivFarbenSetzen(Skript& s);
// Lays out one bar per slot (at most the window's 19) in a client area of breite x hoehe
// with this margin: equal widths with a bar's width between them, standing on a common
// base, as tall as the slot's loop has gone. A client too narrow for its margins gets none.
void interaktivFensterLayout(Skript& s, int breite, int hoehe, int rand);
// the slot (1..) whose bar holds the point, edges included; 0 for none
int interaktivBalkenBei(const Skript& s, int x, int y);
