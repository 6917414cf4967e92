// dialogs/objektdialoge.h - the dialogs of the feedback and collision objects and the
// graphics dialog both share
#pragma once
#include "model/kollision.h"
#include "model/rueckkopplung.h"
#include "platform/dialog.h"
#include <cstdint>

// which kind of object the graphics dialog edits while it is open: 1 feedback, 2 collision
namespace objektArt { constexpr int Keine = 0, Rueckkopplung = 1, Kollision = 2; }
extern int graphikObjektArt;

// "Einstellungen für Rueckkopplungsobjekt" (299); l: the object, 0 for the current one
intptr_t rueckkopplungDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);
// "Graphische Objekt-Eigenschaften" (300); l: the object of the kind graphikObjektArt names
intptr_t rueckkopplungGraphikDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);
// "Einstellungen fuer Kollisions-Objekte" (316); l: the object
intptr_t kollisionsObjektDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);

// modal over eigner (null: the main window)
intptr_t rueckkopplungDialogOeffnen(plattform::Fenster eigner, Rueckkopplungsobjekt* objekt);
intptr_t kollisionsDialogOeffnen(plattform::Fenster eigner, Kollisionsobjekt* objekt);
// the graphics dialog of one object, graphikObjektArt set while it is open
intptr_t objektGraphikDialogOeffnen(plattform::Fenster eigner, int art, void* objekt);

// the help page of the feedback objects in the browser; a failure is offered to the user
void rueckkopplungHilfeZeigen();
