// app/tastatur.cpp - the main window's shortcuts, made by hand (there is no accelerator table)
#include "app/hauptfenster.h"
#include "model/diagramm.h"
#include "model/netz.h"
#include "platform/steuerelemente.h"
#include "script/epspbewertung.h"
#include "server/serverbetrieb.h"

using namespace plattform;

namespace {

bool umschalt()
{
    return plattform::tasteGedrueckt(tastenStatus::LinksUmschalt) ||
           plattform::tasteGedrueckt(tastenStatus::RechtsUmschalt);
}

bool strg()
{
    return plattform::tasteGedrueckt(tastenStatus::LinksStrg) ||
           plattform::tasteGedrueckt(tastenStatus::RechtsStrg);
}

void befehlSenden(Fenster f, int befehl)
{
    senden(f, nachricht::Befehl, machWParam(befehl, 0));
}

// F12 and Ctrl+F5 open the last dialog again. The context items of the synapses under
// the cursor number a list that lived only as long as their popup: replaying one later
// would pick whatever synapse now has that place, or one that is gone.
void letztenDialogOeffnen(Fenster f)
{
    if (letzterDialog <= 0)
        return;
    if (letzterDialog >= befehlSynapseBearbeitenErste && letzterDialog <= befehlSynapseLoeschenLetzte)
        return;
    befehlSenden(f, letzterDialog);
}

// The letter keys the diagram windows give these commands work here too (with Ctrl).
struct Buchstabe { int taste; bool umschalt; int befehl; };
constexpr Buchstabe buchstaben[] = {
    {'S', false, befehlGuiDateiSpeichern},
    {'F', true, befehlFensterInListeSpeichern},   // and then saved, below
    {'F', false, befehlDiagrammAnLetzterPosition},
    {'G', false, befehlGeoeffneteGleichgross},
    {'I', false, befehlAusListeGleichgross},
    {'L', false, befehlDiagrammeAusListe},
    {'N', true, befehlDiagrammeSchliessen},
    {'N', false, befehlDiagrammeAlle},
    {'O', false, befehlDiagrammeGeoeffnete},
    {'T', false, befehlTextfensterAnzeigen},
};

bool buchstabeGedrueckt(Fenster f, int taste)
{
    // M: with Shift the option "only minimise" holds once, with Ctrl the marked neurons' windows
    if (taste == 'M') {
        if (umschalt())
            diagrammOptionen.strgMMinimieren = -1;
        if (!strg())
            return umschalt();
        befehlSenden(f, befehlDiagrammeMarkierte);
        return true;
    }
    if (!strg())
        return false;
    if (taste == 'E' && !umschalt()) {            // rates an EPSP table of a script run
        textErgebnisAuswerten();
        return true;
    }
    for (const Buchstabe& b : buchstaben) {
        if (b.taste != taste || b.umschalt != umschalt())
            continue;
        befehlSenden(f, b.befehl);
        if (b.befehl == befehlFensterInListeSpeichern)
            befehlSenden(f, befehlGuiDateiSpeichern);
        return true;
    }
    return false;
}

} // namespace

bool tasteGedrueckt(Fenster f, int taste, bool alt)
{
    if (!alt && buchstabeGedrueckt(f, taste))
        return true;
    switch (taste) {
    case taste::F2:
        if (alt)
            befehlSenden(f, befehlSkriptInteraktiv);
        else if (strg())
            befehlSenden(f, befehlSkriptNeuLadenUndStarten);
        else if (umschalt())
            befehlSenden(f, befehlSkriptStarten);
        else
            befehlSenden(f, befehlSimulationStarten);
        return true;
    case taste::F9:
        if (alt || strg() || umschalt())
            return false;
        befehlSenden(f, befehlSynapseAendern);
        return true;
    case taste::F12:
        letztenDialogOeffnen(f);
        return true;
    case taste::Entf:
        if (alt || markierteNeurone.anzahl() == 0)
            return false;
        befehlSenden(f, befehlNeuroneLoeschen);
        return true;
    case taste::F5:
        if (!strg())
            return false;
        letztenDialogOeffnen(f);
        return true;
    }
    return false;
}

void escTasteBearbeiten(Fenster f, int zeichen)
{
    if (zeichen != 27)
        return;
    // during a script Esc asks whether to cancel the whole script (40040), once
    if ((skriptStatus & skriptBit::Laeuft) && !(skriptStatus & skriptBit::Abbrechen)) {
        befehlSenden(f, befehlSimulationAbbrechen);
        return;
    }
    // the server thread reads the abort flag: a server run stops by its own request
    if (serverLaufAktiv) {
        serverBeenden();
        return;
    }
    laufZustand.abbrechen = 1;
}
