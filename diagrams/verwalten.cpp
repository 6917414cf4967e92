// diagrams/verwalten.cpp - closing and arranging the diagram windows of all neurons
#include "core/rahmen.h"
#include "diagrams/diagramm.h"
#include "model/netz.h"
#include "platform/box.h"
#include "texts/texte.h"
#include <cmath>

namespace {

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

} // namespace

DiagrammDaten* diagrammZuFenster(plattform::Fenster fenster)
{
    if (!fenster) {
        NeuronDaten* erstes = neuronKette.kopf;
        if (!erstes)
            return nullptr;          // nothing to fall back on: the callers check
        if (plattform::velnorInfoBox(meldungFormatieren(343, erstes->name)) == plattform::antwort::Abbrechen)
            programmBeenden();
        return &erstes->hauptDiagramm;
    }
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        for (DiagrammDaten* d = &n->hauptDiagramm; d; d = d->naechstes)
            if (d->fenster == fenster)
                return d;
    return nullptr;
}

std::vector<Kachel> kachelnBerechnen(int n, int rechts, int unten, int minimalHoehe)
{
    std::vector<Kachel> kacheln;
    if (n < 1)
        return kacheln;
    const int B = unten - 1;
    const int hMin = std::max(minimalHoehe, 100);
    int h = B / n;
    int zeilen = 0, breite = rechts;
    if (h >= hMin) {
        zeilen = std::max(B / std::max(h, 1), 1);
    } else {
        zeilen = std::max(B / (2 * hMin), 1);
        h = static_cast<int>(std::lround(static_cast<double>(B) / zeilen));
        const int spalten = (n + zeilen - 1) / zeilen;
        breite = rechts / spalten;
    }
    kacheln.reserve(n);
    for (int i = 0; i < n; ++i)
        kacheln.push_back({(i / zeilen) * breite, (i % zeilen) * h, breite, h});
    return kacheln;
}

void diagrammeVerwalten(int, int modus)
{
    // Closing all needs no window procedure. Showing, tiling and restoring come with the
    // diagram windows (diagrammAnzeigen, kachelnBerechnen).
    if (modus != 6)
        return;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        for (DiagrammDaten* d = &n->hauptDiagramm; d; d = d->naechstes) {
            fensterSchliessen(*d);
            d->offen = 0;
        }
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
