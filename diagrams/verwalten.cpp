// diagrams/verwalten.cpp - showing, closing, restoring and arranging the diagram windows
#include "core/rahmen.h"
#include "core/endemeldung.h"
#include "core/status.h"
#include "diagrams/diagramm.h"
#include "model/netz.h"
#include "platform/box.h"
#include "texts/texte.h"
#include <algorithm>
#include <cmath>

// A stored place comes from a file, perhaps saved on a larger screen or with the title bar
// above the top edge: the window is kept whole inside the work area, at least 100 pixels
// each way where the work area has room for that.
void imArbeitsbereichHalten(int& x, int& y, int& breite, int& hoehe)
{
    const int rechts = arbeitsbereichKanten.rechts, unten = arbeitsbereichKanten.unten;
    if (rechts < 1 || unten < 1)
        return;                      // no work area known: nothing to keep it inside
    breite = std::clamp(breite, std::min(100, rechts), rechts);
    hoehe = std::clamp(hoehe, std::min(100, unten), unten);
    x = std::clamp(x, 0, rechts - breite);
    y = std::clamp(y, 0, unten - hoehe);
}

namespace {

// diagram windows being made (diagrammErzeugen)
int fensterImAufbau = 0;

// rows of h pixels, filled column by column, each column breite wide
struct KachelMuster {
    int zeilen = 1, h = 0, breite = 0;
    Kachel kachel(int i) const { return {(i / zeilen) * breite, (i % zeilen) * h, breite, h}; }
};

KachelMuster kachelMuster(int n, int rechts, int unten, int minimalHoehe)
{
    const int B = unten - 1;
    const int hMin = std::max(minimalHoehe, 100);
    KachelMuster m{1, B / std::max(n, 1), rechts};
    if (m.h >= hMin) {
        m.zeilen = std::max(B / std::max(m.h, 1), 1);
    } else {
        m.zeilen = std::max(B / (2 * hMin), 1);
        m.h = static_cast<int>(std::lround(static_cast<double>(B) / m.zeilen));
        const int spalten = (n + m.zeilen - 1) / m.zeilen;
        m.breite = rechts / spalten;
    }
    return m;
}

// closing keeps the record and its format; buffers and window go
void fensterSchliessen(DiagrammDaten& d)
{
    for (KurvenDaten& k : d.kurven)
        kurvenPufferFreigeben(k);
    if (d.fenster) {
        plattform::fensterZerstoeren(d.fenster);
        d.fenster = nullptr;
    }
}

void alleSchliessen()
{
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        for (DiagrammDaten* d = &n->hauptDiagramm; d; d = d->naechstes) {
            fensterSchliessen(*d);
            d->offen = 0;
        }
}

// Every window closed before others are shown in their place: the samples stay, so a window
// shown again has the curves of the run, or those a curve data file brought before the
// windows were shown.
void alleFensterWegUndWerteBehalten()
{
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        for (DiagrammDaten* d = &n->hauptDiagramm; d; d = d->naechstes) {
            if (d->fenster) {
                plattform::fensterZerstoeren(d->fenster);
                d->fenster = nullptr;
            }
            d->offen = 0;
        }
}

template <class Tun>
void offeneDiagramme(Tun&& tun)
{
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        for (DiagrammDaten* d = &n->hauptDiagramm; d; d = d->naechstes)
            if (d->fenster && d->offen)
                tun(*n, *d);
}


FensterlistenEintrag imArbeitsbereich(FensterlistenEintrag e)
{
    imArbeitsbereichHalten(e.x, e.y, e.breite, e.hoehe);
    return e;
}

// the stored window list: the windows it names, at their stored places
int fensterlisteWiederherstellen()
{
    ladeStatus &= ~ladeBit::FensterlisteOeffnen;
    fensterlisteBereinigen(fensterliste);
    if (fensterliste[0].neuronId == 0)
        return -1;
    alleFensterWegUndWerteBehalten();
    int anzahl = 0;
    for (const FensterlistenEintrag& eintrag : fensterliste) {
        if (eintrag.neuronId == 0)
            break;
        const FensterlistenEintrag e = imArbeitsbereich(eintrag);
        NeuronDaten* n = neuronNachNummer(e.neuronId);
        if (!n)
            continue;
        // the walk to the diagram of that number; the last one it passes gets its window
        DiagrammDaten* gefunden = nullptr;
        for (DiagrammDaten* d = &n->hauptDiagramm; d; d = d->naechstes) {
            if (!d->naechstes && e.diagrammId > 0 && d->nummer != e.diagrammId)
                diagrammErzeugen(n, d);
            if (d->nummer == e.diagrammId) {
                gefunden = d;
                break;
            }
        }
        DiagrammDaten* gezeigt = diagrammAnzeigen(n, gefunden);
        if (!gezeigt)
            for (gezeigt = &n->hauptDiagramm; gezeigt->naechstes;)
                gezeigt = gezeigt->naechstes;
        gezeigt->fensterX = e.x;
        gezeigt->fensterY = e.y;
        gezeigt->breite = e.breite;
        gezeigt->fensterHoehe = e.hoehe;
        ++anzahl;
    }
    return anzahl;
}

// the marked neurons' main diagrams; -1: the call ends without arranging
int markierteZeigen()
{
    int& option = diagrammOptionen.strgMNurMinimieren;
    if (option == 0) {
        alleFensterWegUndWerteBehalten();
    } else {
        for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
            if (markierteNeurone.position(n) == 0)
                for (DiagrammDaten* d = &n->hauptDiagramm; d; d = d->naechstes)
                    if (d->fenster)
                        plattform::zeigen(d->fenster, plattform::anzeige::Minimiert);
    }
    int anzahl = 0;
    for (NeuronDaten* n : markierteNeurone.liste) {
        if (!n->hauptDiagramm.fenster || !n->hauptDiagramm.offen)
            diagrammAnzeigen(n, &n->hauptDiagramm);
        ++anzahl;
    }
    if (option != 0) {
        if (option == -1)
            option = 0;
        return -1;
    }
    return anzahl;
}

void kacheln(int n)
{
    if (n < 1)
        return;
    const KachelMuster m = kachelMuster(n, arbeitsbereichKanten.rechts, arbeitsbereichKanten.unten,
                                        diagrammOptionen.minimalHoehe);
    int i = 0;
    offeneDiagramme([&](NeuronDaten& neuron, DiagrammDaten& d) {
        const Kachel k = m.kachel(i++);
        plattform::verschieben(d.fenster, k.x, k.y, k.breite, k.hoehe);
        diagrammAnzeigen(&neuron, &d);
    });
}

// Every diagram shown and tiled, each window put in its tile right after it is made:
// the same windows, places and order as showing all and then tiling them, but each record
// is laid out while it is still in the caches, not once more in a second pass over all.
void alleZeigenUndKacheln()
{
    int anzahl = 0;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        for (DiagrammDaten* d = &n->hauptDiagramm; d; d = d->naechstes)
            ++anzahl;
    if (anzahl < 1)
        return;
    const KachelMuster m = kachelMuster(anzahl, arbeitsbereichKanten.rechts, arbeitsbereichKanten.unten,
                                        diagrammOptionen.minimalHoehe);
    int i = 0;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        for (DiagrammDaten* d = &n->hauptDiagramm; d; d = d->naechstes) {
            if (!d->fenster || !d->offen)
                diagrammAnzeigen(n, d);
            if (d->fenster && d->offen) {
                const Kachel k = m.kachel(i++);
                plattform::verschieben(d->fenster, k.x, k.y, k.breite, k.hoehe);
                diagrammAnzeigen(n, d);
            }
        }
}

void anGespeichertePlatzSetzen(DiagrammDaten& d)
{
    const int x = d.fensterX, y = d.fensterY, breite = d.breite, hoehe = d.fensterHoehe;
    anzeigeStatus |= anzeigeBit::DiagrammWirdPlatziert;
    plattform::verschieben(d.fenster, x, y, breite, hoehe);
    anzeigeStatus &= ~anzeigeBit::DiagrammWirdPlatziert;
    // the width to and fro, so the size handler lays the diagram out for it
    plattform::verschieben(d.fenster, x, y, breite + 1, hoehe);
    plattform::verschieben(d.fenster, x, y, breite, hoehe);
}

} // namespace

DiagrammDaten* diagrammZuFenster(plattform::Fenster fenster)
{
    if (!fenster) {
        NeuronDaten* erstes = neuronKette.kopf;
        if (!erstes)
            return nullptr;          // nothing to fall back on: the callers check
        endeMelden(EndeForm::InfoAbbrechen, meldungFormatieren(343, neuronAnzeigename(*erstes)));
        return &erstes->hauptDiagramm;
    }
    // the diagrams of the neuron the window names
    const intptr_t nummer = plattform::fensterDaten(fenster);
    if (NeuronDaten* n = nummer > 0 && nummer < neuronTabellenGroesse ? neuronNachNummer(static_cast<int>(nummer)) : nullptr)
        for (DiagrammDaten* d = &n->hauptDiagramm; d; d = d->naechstes)
            if (d->fenster == fenster)
                return d;
    // a window being made has no record yet
    if (nummer == 0 && fensterImAufbau > 0)
        return nullptr;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        for (DiagrammDaten* d = &n->hauptDiagramm; d; d = d->naechstes)
            if (d->fenster == fenster) {
                plattform::fensterDatenSetzen(fenster, n->nummer);
                return d;
            }
    return nullptr;
}

DiagrammFensterAufbau::DiagrammFensterAufbau() { ++fensterImAufbau; }
DiagrammFensterAufbau::~DiagrammFensterAufbau() { --fensterImAufbau; }

std::vector<Kachel> kachelnBerechnen(int n, int rechts, int unten, int minimalHoehe)
{
    std::vector<Kachel> kacheln;
    if (n < 1)
        return kacheln;
    const KachelMuster m = kachelMuster(n, rechts, unten, minimalHoehe);
    kacheln.reserve(n);
    for (int i = 0; i < n; ++i)
        kacheln.push_back(m.kachel(i));
    return kacheln;
}

void diagrammeVerwalten(int muster, int modus)
{
    // the action; anzahl -1 ends the call without arranging
    int anzahl = 0;
    NeuronDaten* gewaehlt = nullptr;
    switch (modus) {
    case 1:
        if (muster == 2) {
            alleZeigenUndKacheln();
            return;
        }
        for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
            for (DiagrammDaten* d = &n->hauptDiagramm; d; d = d->naechstes) {
                if (!d->fenster || !d->offen)
                    diagrammAnzeigen(n, d);
                ++anzahl;
            }
        break;
    case 2:
        offeneDiagramme([&](NeuronDaten&, DiagrammDaten&) { ++anzahl; });
        if (anzahl == 0)
            return;
        break;
    case 3:
        anzahl = fensterlisteWiederherstellen();
        break;
    case 4:
        anzahl = markierteZeigen();
        break;
    case 5:
        gewaehlt = markierteNeurone.erstes();
        break;
    case 6:
        alleSchliessen();
        return;
    }
    if (anzahl < 0)
        return;
    // the arrangement
    switch (muster) {
    case 2:
        kacheln(anzahl);
        break;
    case 5:
        offeneDiagramme([&](NeuronDaten& n, DiagrammDaten& d) {
            diagrammAnzeigen(&n, &d);
            anGespeichertePlatzSetzen(d);
        });
        break;
    case 6:
        if (gewaehlt && gewaehlt->hauptDiagramm.fenster && gewaehlt->hauptDiagramm.offen) {
            DiagrammDaten& d = gewaehlt->hauptDiagramm;
            plattform::verschieben(d.fenster, d.fensterX, d.fensterY, d.breite, d.fensterHoehe);
            diagrammAnzeigen(gewaehlt, &d);
        }
        break;
    }
}

void geladeneFensterZeigen()
{
    if (programmStatus & programmBit::DiagrammeOeffnen)
        diagrammeVerwalten(5, 3);
}

void kurvenMarkierungBeenden()
{
    DiagrammDaten* d = aktuellesDiagramm.diagramm;
    const int slot = aktuellesDiagramm.kurvenSlot;
    if (!d || slot < 0 || slot >= kurvenProDiagramm)
        return;
    d->kurven[slot].hervorheben = 0;
    if (d->fenster)
        plattform::ungueltigMachen(d->fenster);
}
