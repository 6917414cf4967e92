// dialogs/wavimport.cpp - "WAV-import features" (322)
#include "dialogs/wavimport.h"
#include "core/schluessel.h"
#include "core/status.h"
#include "dialogs/rahmen.h"
#include "model/diagramm.h"
#include "model/undo.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <cstdio>
#include <string>

using namespace plattform;

namespace {

DialogRahmen rahmen;

void oeffnen(Fenster dlg)
{
    tastaturHookSetzen(dlg);
    undoFensterlisteSpeichern(undoListe);
}

void texte(Fenster dlg) { vorlagenTexteSetzen(dlg, vorlageWavImport); }

void fuellen(Fenster dlg)
{
    char text[64];
    std::snprintf(text, sizeof text, "%lf", diagrammOptionen.wavKalibrierung);
    elementTextSetzen(dlg, wavImportId::Kalibrierung, text);
    hakenSetzen(dlg, wavImportId::Optimieren, diagrammOptionen.wavYAchseOptimieren ? 1 : 0);
}

void speichern(Fenster dlg)
{
    double kalibrierung = 0.0;
    if (!dialogZahlFeldLesen(dlg, wavImportId::Kalibrierung, kalibrierung))
        return;
    diagrammOptionen.wavKalibrierung = kalibrierung;
    diagrammOptionen.wavYAchseOptimieren = haken(dlg, wavImportId::Optimieren);
    dialogSchliessen(dlg, rahmen, 1, true);
    undoSchrittSpeichern(undoListe);
}

} // namespace

intptr_t wavImportDlgProc(Fenster dlg, uint32_t n, uintptr_t w, intptr_t)
{
    switch (n) {
    case nachricht::Bewegen: dialogPositionMerken(dlg, rahmen); return 0;
    case nachricht::DialogInit: dialogInitialisieren(dlg, rahmen, {oeffnen, texte, fuellen}); return 1;
    case nachricht::Befehl:
        // 2300 (F2) has no action here
        if (loWort(w) == 1)
            speichern(dlg);
        else if (loWort(w) == 2)
            dialogSchliessen(dlg, rahmen, 2, true);
        return 0;
    }
    return 0;
}

intptr_t wavImportDialogOeffnen(Fenster eigner)
{
    return dialogModal(vorlageWavImport, eigner ? eigner : fensterhandles.hauptfenster, wavImportDlgProc);
}
