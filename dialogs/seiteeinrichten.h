// dialogs/seiteeinrichten.h - dialog 153 "Seite einrichten": margins, frame, header and
// footer, paper orientation of a page record
#pragma once
#include "platform/dialog.h"

struct SeitenEinrichtung;

intptr_t seiteEinrichtenDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);
// Opens the dialog for the record, again and again while a switch ends it, until OK (1) or
// Cancel (2). The main window as owner (or none) edits the network page; any other owner
// a diagram page, which alone offers "Seite maximal ausnutzen".
intptr_t seiteEinrichtenOeffnen(plattform::Fenster eigner, SeitenEinrichtung& seite);
