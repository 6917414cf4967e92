// dialogs/voltageclamp.cpp - "Voltage-Clamp Einstellungen" (229)
#include "dialogs/voltageclamp.h"
#include "core/status.h"
#include "dialogs/rahmen.h"
#include "model/netz.h"
#include "model/undo.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <cstdio>

using namespace plattform;

namespace {

enum : int { idAn = 1559, idStart = 1560, idPuls = 1561, idEnde = 1562, idBeginn = 1563, idPulsEnde = 1564,
             idAlleGleich = 1565 };

DialogRahmen rahmen;
NeuronDaten* neuron = nullptr;
Spannungsklemme kopie;

std::string zahlText(double x)
{
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.15g", x);
    return puffer;
}

void oeffnen(Fenster dlg)
{
    undoFensterlisteSpeichern(undoListe);
    neuron = markierteNeurone.erstes();
    kopie = neuron->klemme;
    tastaturHookSetzen(dlg);
}

void texte(Fenster dlg) { vorlagenTexteSetzen(dlg, vorlageVoltageClamp); }

void pulsFelderFreigeben(Fenster dlg, bool an)
{
    dialogElementAktivieren(dlg, idPuls, an);
    dialogElementAktivieren(dlg, idEnde, an);
}

void fuellen(Fenster dlg)
{
    hakenSetzen(dlg, idAn, kopie.flags & 0x1);
    elementTextSetzen(dlg, idAn, dialogTextFormatieren(30, neuronAnzeigename(*neuron)));
    hakenSetzen(dlg, idAlleGleich, kopie.alleGleich ? 1 : 0);
    elementTextSetzen(dlg, idStart, zahlText(kopie.startSpannung));
    elementTextSetzen(dlg, idPuls, zahlText(kopie.pulsSpannung));
    elementTextSetzen(dlg, idEnde, zahlText(kopie.endSpannung));
    elementTextSetzen(dlg, idBeginn, zahlText(kopie.pulsBeginn));
    elementTextSetzen(dlg, idPulsEnde, zahlText(kopie.pulsEnde));
    dialogElementFokussieren(dlg, idStart, 1);
    const bool an = kopie.flags != 0;
    for (int id : {idAlleGleich, idStart, idBeginn, idPulsEnde})
        dialogElementAktivieren(dlg, id, an);
    pulsFelderFreigeben(dlg, an && kopie.alleGleich == 0);
}

intptr_t speichern(Fenster dlg, int id)
{
    Spannungsklemme neu = kopie;
    if (!dialogZahlFeldLesen(dlg, idStart, neu.startSpannung) || !dialogZahlFeldLesen(dlg, idPuls, neu.pulsSpannung) ||
        !dialogZahlFeldLesen(dlg, idEnde, neu.endSpannung) || !dialogZahlFeldLesen(dlg, idBeginn, neu.pulsBeginn) ||
        !dialogZahlFeldLesen(dlg, idPulsEnde, neu.pulsEnde))
        return 1;
    kopie = neu;
    kopie.flags = (kopie.flags & ~0x1) | (haken(dlg, idAn) == 1 ? 0x1 : 0);
    kopie.alleGleich = haken(dlg, idAlleGleich) == 1 ? 1 : 0;
    if (kopie.alleGleich) {
        kopie.pulsSpannung = kopie.startSpannung;
        kopie.endSpannung = kopie.startSpannung;
    }
    neuron->klemme = kopie;
    undoSchrittSpeichern(undoListe);
    dialogSchliessen(dlg, rahmen, 1, true);
    if (id == befehlOkF2)
        simulationAusDialogStarten();
    return 1;
}

} // namespace

intptr_t voltageClampDlgProc(Fenster dlg, uint32_t n, uintptr_t w, intptr_t)
{
    switch (n) {
    case nachricht::Bewegen:
        dialogPositionMerken(dlg, rahmen);
        return 0;
    case nachricht::DialogInit:
        if (rahmen.frisch && !markierteNeurone.erstes()) {
            dialogSchliessen(dlg, rahmen, 2, false);   // nothing to edit: as Cancel
            return 1;
        }
        dialogInitialisieren(dlg, rahmen, {oeffnen, texte, fuellen});
        return 1;
    case nachricht::Befehl:
        switch (loWort(w)) {
        case idAn:
            kopie.flags = (kopie.flags & ~0x1) | (haken(dlg, idAn) == 1 ? 0x1 : 0);
            senden(dlg, nachricht::DialogInit, 0, 0);
            return 0;
        case idAlleGleich:
            kopie.alleGleich = haken(dlg, idAlleGleich) == 1 ? 1 : 0;
            pulsFelderFreigeben(dlg, kopie.alleGleich == 0);
            dialogElementFokussieren(dlg, idStart, 0);
            return 0;
        case 1:
        case befehlOkF2: return speichern(dlg, loWort(w));
        case 2: dialogSchliessen(dlg, rahmen, 2, true); return 0;
        }
        return 0;
    }
    return 0;
}

intptr_t voltageClampBefehl(Fenster eigner)
{
    if (markierteNeurone.anzahl() != 1)
        return 2;
    return dialogModal(vorlageVoltageClamp, eigner ? eigner : fensterhandles.hauptfenster, voltageClampDlgProc);
}
