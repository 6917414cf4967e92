// files/netzpuffer.h - settings and network rebuilt from a text in memory
//
// An undo step, a curve data file and the copy the open command keeps of the network it
// replaces all hold a whole settings text followed by a network text. Reading one goes
// through the same readers as the files, which take their text from here instead of from
// disk.
#pragma once
#include <string>

// The text of the read under way: the undo step being restored, else the text of the
// curve data file being opened, else the copy being restored; null when none is under way.
char* netzPufferText();

// Reloads settings and network from that text: the settings part (cfgDateiLaden(0)), then
// the network part; afterwards the refresh, the main window restored and the diagram
// windows redrawn. 0 when either reader fails (a notice names it), else 1.
int netzwerkAusPufferLaden();

// The network and the settings as the writer puts them into memory, taken before an open
// deletes the network, so that a file that fails inside its reader takes nothing away.
struct NetzKopie {
    std::string text;
    int neurone = 0;              // a copy of an empty network restores the settings only
};
// false when the text could not be made (a notice said why)
bool netzwerkKopieren(NetzKopie& kopie);
// Settings and network back from the copy into the empty network, through
// netzwerkAusPufferLaden; the settings alone when the copy holds no neuron. 0 when a
// reader fails (said in a notice), else 1.
int netzwerkAusKopieLaden(NetzKopie& kopie);

// what tests put in place of the settings reader; null is cfgDateiLaden
struct NetzPufferHaken {
    int (*einstellungenLaden)(int fragen) = nullptr;
};
extern NetzPufferHaken netzPufferHaken;
