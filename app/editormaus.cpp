// app/editormaus.cpp - marking, moving and the context menus of the network editor
#include "app/hauptfenster.h"
#include "app/netzbild.h"
#include "app/objektbild.h"
#include "app/neuroneditor.h"
#include "app/status.h"
#include "app/synapsenmenue.h"
#include "core/status.h"
#include "diagrams/diagramm.h"
#include "model/geometrie.h"
#include "model/netz.h"
#include "platform/box.h"
#include "platform/menue.h"
#include "resources/befehle.h"
#include "texts/texte.h"
#include <cmath>

using namespace plattform;

namespace {

constexpr uint32_t neuroneWerdenGezogen = 0x4;   // editierStatus

Punkt ziehPunkt;                     // where the drag stands now, drawn pixels
// the first click of a double click: a neuron's number, or the empty place
constexpr int leererPlatz = -1;
int erstGeklickt = 0;

int ungezoomt(int wert)
{
    const double zoom = zoomFaktor > 0.0 ? zoomFaktor : 1.0;
    return static_cast<int>(std::lround(wert / zoom));
}

void linksRunter(Fenster f, uintptr_t w, Punkt p)
{
    NeuronDaten* n = objektAnPunktSuchen(p);
    if (!n && objektAnklicken(f, p))
        return;
    // a double click on the empty place makes a neuron there, through the dispatcher and
    // its run lock like the menu's item
    if (!n && doppelklickAktiv && erstGeklickt == leererPlatz) {
        doppelklickAktiv = 0;
        erstGeklickt = 0;
        zeitgeberLoeschen(f, zeitgeber::Doppelklick);
        letzterKlickpunkt = p;
        hauptfensterBefehl(f, befehlNeuronNeu);
        return;
    }
    // a double click on a neuron shows its diagram; a window made during a run would take
    // curve buffers the run writes into
    if (n && doppelklickAktiv && n->nummer == erstGeklickt) {
        doppelklickAktiv = 0;
        erstGeklickt = 0;
        zeitgeberLoeschen(f, zeitgeber::Doppelklick);
        if (imLaufGesperrt(befehlDiagrammeMarkierte))
            hinweisBox(meldungsTexte[881]);
        else
            diagrammAnzeigen(n, &n->hauptDiagramm);
        return;
    }
    if (!n) {
        neuronMarkieren(nullptr, 0);
    } else if (w & (maus::Umschalt | maus::Strg)) {
        neuronMarkieren(n, n->markiert ? 0 : 1);
    } else if (!n->markiert) {
        neuronMarkieren(nullptr, 0);
        neuronMarkieren(n, 1);
    }
    // while the server thread runs the network stands still: marks only, no moves
    if (n && n->markiert && !serverLaufAktiv) {
        editierStatus |= neuroneWerdenGezogen;
        ziehPunkt = p;
    }
    erstGeklickt = n ? n->nummer : leererPlatz;
    doppelklickAktiv = 1;
    zeitgeberSetzen(f, zeitgeber::Doppelklick, static_cast<unsigned>(zeiteinstellungen.doppelklick));
    ungueltigMachen(f);
}

// moves the marked neurons by whole network units; the rest of the way stays for the next move
void ziehen(Fenster f, Punkt p)
{
    const int dx = ungezoomt(p.x - ziehPunkt.x), dy = ungezoomt(p.y - ziehPunkt.y);
    if (dx == 0 && dy == 0)
        return;
    for (NeuronDaten* n : markierteNeurone.liste) {
        n->x = std::max(0, n->x + dx);
        n->y = std::max(0, n->y + dy);
    }
    ziehPunkt.x += gezoomt(dx);
    ziehPunkt.y += gezoomt(dy);
    doppelklickAktiv = 0;          // a drag is no first click
    synapsenGeometrieErneuern();
    ungueltigMachen(f);
}

void kontextMenue(Fenster f, Punkt p)
{
    // while a neuron is being chosen for a permutation a click only marks
    if (modusStatus & modusBit::NeuronPerKlick)
        return;
    letzterKlickpunkt = p;
    NeuronDaten* n = objektAnPunktSuchen(p);
    Menue m = menueErzeugen();
    // the captions are those of the main menu's items
    const auto posten = [&](int befehl) {
        postenAnhaengen(m, 0, befehl, postenText(fensterhandles.hauptmenue, befehl, Nach::Befehl));
    };
    // the somata are drawn over the line ends, so a neuron wins over a marker it covers
    if (n) {
        if (!n->markiert) {
            neuronMarkieren(nullptr, 0);
            neuronMarkieren(n, 1);
        }
        posten(befehlNeuroneLoeschen);
        neuronMenueZeigen(m);
    } else if (!synapsenKontextMenueFuellen(m, synapsenAnPunkt(p))) {
        posten(befehlNeuronNeu);
    }
    offenesKontextMenu = m;
    const int gewaehlt = popupMenue(m, f, clientZuBildschirm(f, p));
    offenesKontextMenu = nullptr;
    menueZerstoeren(m);
    if (gewaehlt != 0)
        hauptfensterBefehl(f, gewaehlt);
    ungueltigMachen(f);
}

} // namespace

bool editorMausNachricht(Fenster f, uint32_t n, uintptr_t w, intptr_t l)
{
    const Punkt p{loWortS(l), hiWortS(l)};
    switch (n) {
    case nachricht::LinksRunter:
        linksRunter(f, w, p);
        return true;
    case nachricht::MausBewegung:
        if ((editierStatus & neuroneWerdenGezogen) && (w & maus::Links))
            ziehen(f, p);
        return true;
    case nachricht::LinksHoch:
        editierStatus &= ~neuroneWerdenGezogen;
        return true;
    case nachricht::RechtsHoch:
        kontextMenue(f, p);
        return true;
    }
    return false;
}
