// files/netzpuffer.h - settings and network rebuilt from a text in memory
//
// An undo step and a curve data file both hold a whole settings text followed by a
// network text. Reading one goes through the same readers as the files, which take their
// text from here instead of from disk.
#pragma once

// The text of the read under way: the undo step being restored, else the text of the
// curve data file being opened; null when neither is under way.
char* netzPufferText();

// Reloads settings and network from that text: the settings part (cfgDateiLaden(0)), then
// the network part; afterwards the refresh, the main window restored and the diagram
// windows redrawn. 0 when either reader fails (a notice names it), else 1.
int netzwerkAusPufferLaden();

// what tests put in place of the settings reader; null is cfgDateiLaden
struct NetzPufferHaken {
    int (*einstellungenLaden)(int fragen) = nullptr;
};
extern NetzPufferHaken netzPufferHaken;
