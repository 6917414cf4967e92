// model/undo.h - the editor's undo list
//
// Edits and dialogs call the two hooks below, and both store nothing: the list stays
// empty, so there is never a step to undo. The record still carries what the readers look
// at while a stored text is restored (the flag, the text, its window list). The write
// cursor that every text writer shares is textZeiger (files/xbuffer.h), not a field here.
#pragma once
#include "model/diagramm.h"
#include <string>
#include <vector>

// one stored state: the settings and network text and the open diagram windows
struct UndoKnoten {
    std::string text;
    Fensterliste fensterliste{};
};

struct UndoListe {
    std::vector<UndoKnoten> knoten;
    int redoTiefe = 0;                    // steps undone that a redo could take again
    int wiederherstellen = 0;             // 1 while a stored text is being restored
    std::string text;                     // the text being restored (settings part, then network part)
    Fensterliste fensterliste{};          // ... and its windows, which take the place of the network's
    int knotenAnzahl() const { return static_cast<int>(knoten.size()); }
};
extern UndoListe undoListe;

// after a confirmed edit: 0, nothing stored
int undoSchrittSpeichern(UndoListe& liste);
// when a dialog opens: nothing stored
void undoFensterlisteSpeichern(UndoListe& liste);
// one undo (1) or redo (2) step: the list never holds a step to take (the callers check
// its node count and redo depth first), so nothing changes; 0
int undoAusfuehren(UndoListe& liste, int richtung);
// frees every node and resets the record
void undoListeLoeschen(UndoListe& liste);
