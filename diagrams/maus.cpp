// diagrams/maus.cpp - the right button and the horizontal scroll bar of the diagram windows
#include "diagrams/diagramm.h"
#include "diagrams/diagrammbefehle.h"
#include "diagrams/fensterhandler.h"
#include "model/netz.h"
#include "platform/steuerelemente.h"
#include <cstdlib>

using namespace plattform;

namespace {

bool innen(const Rechteck& r, int x, int y) { return x >= r.links && x < r.rechts && y >= r.oben && y < r.unten; }

} // namespace

void diagrammRechtsKlick(Fenster f, int, int x, int y, uintptr_t)
{
    diagrammKlickpunkt = {x, y};
    DiagrammDaten* d = f && istFenster(f) ? diagrammZuFenster(f) : nullptr;
    NeuronDaten* n = d ? neuronNachNummer(d->neuronId) : nullptr;
    if (!d || (n && n->druckAktiv))
        return;
    for (int s = 0; s < kurvenProDiagramm; ++s)
        if (d->kurven[s].anzeigen && innen(d->kurven[s].legendeRechteck, x, y)) {
            kurvenKontextMenu(f, s);
            return;
        }
    if (std::abs(x - d->yAchseUnten[0]) <= 10 && y >= d->yAchseOben[1] - 10 && y <= d->yAchseUnten[1] + 10)
        kurvenKontextMenu(f, -1);
    else
        diagrammKontextMenu(f, 0);
}

void diagrammHorizontalScrollen(Fenster f, intptr_t, int code, int)
{
    DiagrammDaten* d = f && istFenster(f) ? diagrammZuFenster(f) : nullptr;
    if (!d)
        return;
    switch (code) {
    case scroll::ZeileHoch:
    case scroll::ZeileRunter:
    case scroll::SeiteHoch:
    case scroll::SeiteRunter:
        // the key handler moves by 4 pixels with Ctrl, by 20 with Alt
        tastenModifikator = code <= scroll::ZeileRunter ? 0x2 : 0x1;
        senden(f, nachricht::TasteRunter, static_cast<uintptr_t>(code % 2 ? taste::Rechts : taste::Links));
        break;
    case scroll::DaumenPosition: {
        const ScrollZustand s = scrollLeiste(f, false);
        d->ersterSichtbarerSchritt = s.daumen;
        scrollLeisteSetzen(f, false, s.min, s.max, s.seite, s.daumen);
        break;
    }
    case scroll::DaumenZiehen:
        d->ersterSichtbarerSchritt = scrollLeiste(f, false).daumen;
        senden(f, nachricht::Befehl, machWParam(51085, 0));
        break;
    default:
        break;
    }
    if (istFenster(f)) {
        ungueltigMachen(f);
        neuZeichnen(f);
    }
}
