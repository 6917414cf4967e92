// dialogs/diagrammlayout.h - the layout of one diagram or of the diagram template
// ("Einstellungen zum Diagramm-Layout", 127)
#pragma once
#include "platform/dialog.h"
#include <cstdint>

// Diagram mode: the parameter is the diagram window. Template mode (programmBit::VorlagenModus
// set by the opener): the template is edited. The opener sets programmBit::ArbeitskopieAnfordern
// so that the dialog takes a fresh working copy. Result 1 (OK, 1206) or 2.
intptr_t diagrammLayoutDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);
// modal over eigner; sets the working-copy request first
intptr_t diagrammLayoutDialogOeffnen(plattform::Fenster eigner, plattform::Fenster diagrammFenster);

void diagrammTexteSetzen(plattform::Fenster dlg);
void tooltipsDiagrammLayoutDialog(plattform::Fenster dlg);

// The field a double click on an axis part asks the next opening to focus (bits 0x2 X from,
// 0x4 X to, 0x10 Y from, 0x8 Y to, 0x200/0x400 the tick intervals, 0x20/0x40 the crossings,
// 0x80/0x100 the margins); the dialog clears it.
extern uint32_t doppelklickBereich;
