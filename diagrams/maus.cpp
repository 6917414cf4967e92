// diagrams/maus.cpp - the mouse of the diagram windows: the measuring cursors, the dragged
// labels and second axes, double clicks that open the dialogs, the context menus and the
// horizontal scroll bar
#include "core/status.h"
#include "diagrams/ablesungen.h"
#include "diagrams/diagramm.h"
#include "diagrams/diagrammbefehle.h"
#include "diagrams/fensterhandler.h"
#include "diagrams/zeitmessung.h"
#include "dialogs/diagrammlayout.h"
#include "model/kurven.h"
#include "model/layout.h"
#include "model/netz.h"
#include "permutation/spikefolge.h"
#include "platform/steuerelemente.h"
#include "resources/diagrammmenue.h"
#include <algorithm>
#include <cmath>
#include <cstdlib>

using namespace plattform;

bool diagrammPfeilGesetzt = false;

namespace {

// edges included; a rectangle the painter left empty (a legend not drawn) holds no point
bool punktInRechteck(const Rechteck& r, int x, int y)
{
    return r.rechts > r.links && r.unten > r.oben && x >= r.links && x <= r.rechts && y >= r.oben && y <= r.unten;
}
// a field from x1 to x2 and from y1 to y2, edges included; a field whose ends cross is empty
bool feld(int x, int y, int x1, int x2, int y1, int y2) { return x >= x1 && x <= x2 && y >= y1 && y <= y2; }

void malen(Fenster f)
{
    if (istFenster(f)) {
        ungueltigMachen(f);
        neuZeichnen(f);
    }
}

void befehl(Fenster f, int b) { senden(f, nachricht::Befehl, machWParam(b, 0)); }

DiagrammDaten* diagrammVon(Fenster f, NeuronDaten** n = nullptr)
{
    DiagrammDaten* d = f && istFenster(f) ? diagrammZuFenster(f) : nullptr;
    NeuronDaten* neuron = d ? neuronNachNummer(d->neuronId) : nullptr;
    if (n)
        *n = neuron;
    return d;
}

// the current slot's curve in this diagram; none while the slot number is off the table
KurvenDaten* kurveJetzt(DiagrammDaten& d)
{
    const int s = aktuellesDiagramm.kurvenSlot;
    return s >= 0 && s < kurvenProDiagramm ? &d.kurven[s] : nullptr;
}

// true: the double click found its element (the single-click steps do not follow)
bool doppelklick(Fenster f, DiagrammDaten* d, NeuronDaten* n, int x, int y, bool strg)
{
    aktuellesDiagramm.diagramm = d;
    for (int s = 0; s < kurvenProDiagramm; ++s) {
        KurvenDaten& k = d->kurven[s];
        if (!k.anzeigen)
            continue;
        if (punktInRechteck(k.legendeRechteck, x, y)) {
            aktuellesDiagramm.kurvenSlot = s;
            befehl(f, diagrammBefehlKurven);
            return true;
        }
        if (k.eigeneYAchse && punktInRechteck(k.trefferRechteck, x, y)) {
            d->yAchse2Slot = s, d->yAchse2Quelle = d, d->yAchse2Neuron = n;
            if (zweiteYAchseDialogOeffnen)
                zweiteYAchseDialogOeffnen(*d);
            if (istFenster(f)) {
                const Rechteck r = fensterRechteck(f);
                malen(f);
                verschieben(f, r.links, r.oben, r.breite() + 10, r.hoehe() + 10);
                verschieben(f, r.links, r.oben, r.breite(), r.hoehe());
            }
            return true;
        }
    }
    const int links = d->xAchseLinks[0], rechts = d->xAchseRechts[0], zl = d->xAchseLinks[1], zr = d->xAchseRechts[1];
    const int ox = d->yAchseOben[0], oy = d->yAchseOben[1], ux = d->yAchseUnten[0], uy = d->yAchseUnten[1];
    const int halb = d->plotBreite / 2;
    const struct { bool treffer; uint32_t bit; } bereiche[] = {
        {feld(x, y, d->yAchseX - 10, d->yAchseX + 20, zl - 10, zr + 10), 0x20},
        {feld(x, y, links, rechts - halb, zl - 10, zr + 10), 0x2},
        {feld(x, y, rechts - 50, rechts, zl - 10, zr + 10), 0x200},
        {feld(x, y, rechts - halb, rechts - 50, zl - 10, zr + 10), 0x4},
        {feld(x, y, d->yAchseX - 10, d->yAchseX + 10, d->xAchseY - 20, d->xAchseY + 20), 0x40},
        {feld(x, y, ox - 10, ux + 10, oy, oy + 50), 0x400},
        {feld(x, y, ox - 10, ux + 10, oy + 50, d->xAchseY), 0x8},
        {feld(x, y, ux - 10, ux + 10, d->xAchseY, uy - 50), 0x10},
        {feld(x, y, ux - 10, ux + 10, uy - 50, uy), 0x400},
    };
    for (const auto& b : bereiche)
        if (b.treffer) {
            doppelklickBereich = b.bit;
            befehl(f, diagrammBefehlLayout);
            return true;
        }
    // the bursts of a rated train; the report is a box, after which the record is found anew
    if (n && n->spikefolge.an) {
        if (burstDoppelklick(f, x, y))
            return true;
        if (!(d = diagrammVon(f, &n)))
            return true;
    }
    // the curves, up to the first that is not the neuron's own
    for (int s = 0; s < kurvenProDiagramm; ++s) {
        KurvenDaten& k = d->kurven[s];
        if (!k.anzeigen)
            continue;
        if (k.referenz != kurvenReferenz::Eigen)
            break;
        const int punkte = std::min<int>(k.punktAnzahl, static_cast<int>(punktPlatz(k)));
        for (int i = 5; i < punkte; i += 5) {
            const int x1 = k.punkte[2 * (i - 5)], y1 = k.punkte[2 * (i - 5) + 1];
            const int x2 = k.punkte[2 * i], y2 = k.punkte[2 * i + 1];
            if (!feld(x, y, std::min(x1, x2) - 3, std::max(x1, x2) + 3, std::min(y1, y2) - 3, std::max(y1, y2) + 3))
                continue;
            k.hervorheben = 1;
            aktuellesDiagramm.diagramm = d;
            aktuellesDiagramm.kurvenSlot = s;
            if (fensterhandles.hauptfenster && zeiteinstellungen.kurvenMarkierung > 0)
                zeitgeberSetzen(fensterhandles.hauptfenster, 8, static_cast<unsigned>(zeiteinstellungen.kurvenMarkierung));
            kurvenVorbereiten(d, s);
            malen(f);
            befehl(f, strg ? kurveOptimierenBefehl(s) : diagrammBefehlKurven);
            return true;
        }
    }
    const Rechteck c = clientRechteck(f);
    if (x - c.links <= 10 || c.rechts - x <= 10) {
        doppelklickBereich = 0x80;
        befehl(f, diagrammBefehlLayout);
        return true;
    }
    if (y - c.oben <= 10 || c.unten - y <= 10) {
        doppelklickBereich = 0x100;
        befehl(f, diagrammBefehlLayout);
        return true;
    }
    doppelklickBereich = 0x1;
    befehl(f, diagrammBefehlLayout);
    return false;
}

void einfachKlick(Fenster f, DiagrammDaten* d, int x, int y)
{
    for (int s = 0; s < kurvenProDiagramm; ++s)
        if (d->kurven[s].eigeneYAchse && punktInRechteck(d->kurven[s].trefferRechteck, x, y)) {
            d->kurven[s].ziehen = 1;
            aktuellesDiagramm.diagramm = d;
            aktuellesDiagramm.kurvenSlot = s;
            return;
        }
    const bool menue = diagrammOptionen.kontextMenuCursor;
    if (d->vCursorZustand == 1 && menue)
        d->vCursorZustand = 4;
    if (d->vCursorZustand >= 3) {
        if (std::abs(x - spalteVonZeit(*d, d->vCursor1)) <= 3 && d->vCursorZustand == 5) {
            const double t = zeitAnSpalte(*d, x);
            if (!std::isnan(t))
                d->vCursor1 = d->vCursor2, d->vCursor2 = t;
        } else if (std::abs(x - spalteVonZeit(*d, d->vCursor2)) <= 3 && d->vCursorZustand == 3) {
            d->vCursorZustand = 2;
        }
        return;
    }
    if (d->hCursorZustand == 1 && menue)
        d->hCursorZustand = 4;
    if (d->hCursorZustand >= 3) {
        const int ersteSpalte = d->yAchseUnten[0] + d->verschiebungX;
        if (std::abs(y - zeileVonWert(*d, d->hCursor1)) <= 3) {
            if (std::abs(x - ersteSpalte) <= 20) {
                anzeigeStatus |= 0x40;
            } else if (const double v = wertAnZeile(*d, y); !std::isnan(v)) {
                d->hCursor1 = d->hCursor2, d->hCursor2 = v;
                if (d->hCursorZustand == 3)
                    d->hCursorZustand = 2;
            }
        } else if (std::abs(y - zeileVonWert(*d, d->hCursor2)) <= 3) {
            if (std::abs(x - ersteSpalte) <= 20)
                anzeigeStatus |= 0x40;
            else if (d->hCursorZustand == 3)
                d->hCursorZustand = 2;
        } else if (std::abs(y - zeileVonWert(*d, (d->hCursor1 + d->hCursor2) / 2)) <= 15
                   && std::abs(x - (d->xAchseRechts[0] - d->verschiebungY)) <= 20) {
            anzeigeStatus |= 0x80;
        }
        return;
    }
    // placing, inside the axes only: the first cursors of both kinds go to the click, a
    // cursor pair in the making starts or gets its second cursor there
    if (menue || !feld(x, y, d->xAchseLinks[0], d->xAchseRechts[0], d->yAchseOben[1], d->yAchseUnten[1]))
        return;
    const double t = zeitAnSpalte(*d, x), v = wertAnZeile(*d, y);
    if (std::isnan(t) || std::isnan(v))
        return;
    d->vCursor1 = t;
    d->hCursor1 = v;
    if (d->vCursorZustand == 0 && tasteGedrueckt(tastenStatus::LinksUmschalt) && !(d->zustand & 0x40000)) {
        d->vCursorZustand = 1, d->zweiterVCursor = 0, d->vCursor2 = d->vCursor1;
        d->zustand |= 0x10000;
        malen(f);
    } else if (d->vCursorZustand == 1) {
        d->vCursorZustand = 2, d->zweiterVCursor = 1, d->vCursor2 = d->vCursor1;
        d->zustand |= 0x20000;
        malen(f);
    }
    if (d->hCursorZustand == 0 && tasteGedrueckt(tastenStatus::RechtsUmschalt) && !(d->zustand & 0x10000)) {
        d->hCursorZustand = 1, d->zweiterHCursor = 0, d->hCursor2 = d->hCursor1;
        d->zustand |= 0x40000;
        malen(f);
    } else if (d->hCursorZustand == 1) {
        d->hCursorZustand = 2, d->zweiterHCursor = 1, d->hCursor2 = d->hCursor1;
        d->zustand |= 0x80000;
        malen(f);
    }
}

} // namespace

void diagrammLinksKlick(Fenster f, int, int x, int y, uintptr_t tasten)
{
    NeuronDaten* n = nullptr;
    DiagrammDaten* d = diagrammVon(f, &n);
    if (!d || (n && n->druckAktiv))
        return;
    if ((aktuellesDiagramm.messModus & 0x10) && aktuellesDiagramm.messFenster == f) {
        ereignisZeitHinzufuegen(-1.0);
        return;
    }
    if (doppelklickAktiv) {
        doppelklickAktiv = 0;
        if (doppelklick(f, d, n, x, y, tasten & maus::Strg))
            return;
        // the layout dialog may have closed the window or deleted its neuron
        if (!(d = diagrammVon(f)))
            return;
    } else {
        doppelklickAktiv = 1;
        if (fensterhandles.hauptfenster)
            zeitgeberSetzen(fensterhandles.hauptfenster, 6, static_cast<unsigned>(std::max(zeiteinstellungen.doppelklick, 1)));
    }
    einfachKlick(f, d, x, y);
}

void diagrammLinksLoslassen(Fenster f, int x, int, uintptr_t tasten)
{
    NeuronDaten* n = nullptr;
    DiagrammDaten* d = diagrammVon(f, &n);
    if (!d || !n)
        return;
    d->vCursorGegriffen = 0;
    if (KurvenDaten* k = kurveJetzt(*d))
        k->ziehen = 0;
    if (anzeigeStatus & 0x40) {
        anzeigeStatus &= ~0x40u;
        d->verschiebungX = x - d->xAchseLinks[0];
        malen(f);
        return;
    }
    if (anzeigeStatus & 0x80) {
        anzeigeStatus &= ~0x80u;
        d->verschiebungY = d->xAchseRechts[0] - x;
        malen(f);
        return;
    }
    if ((tasten & maus::Strg) && d->zweiterVCursor && (d->vCursorZustand == 2 || d->vCursorZustand == 5)
        && d->vCursor1 != d->vCursor2 && std::isfinite(d->vCursor1) && std::isfinite(d->vCursor2)) {
        d->minX = std::min(d->vCursor1, d->vCursor2);
        d->maxX = std::max(d->vCursor1, d->vCursor2);
        diagrammLayoutBerechnen(n, d, 0);
        kurvenVorbereiten(d, -1);
        d->zustand &= ~0xF0000u;
        d->vCursorZustand = 0, d->zweiterVCursor = 0, d->vCursor2 = 0.0;
        malen(f);
    }
    if (diagrammOptionen.kontextMenuCursor)
        return;
    if (d->vCursorZustand == 2) {
        d->vCursorZustand = 3;
    } else if (d->vCursorZustand == 3) {
        d->vCursorZustand = 0, d->zweiterVCursor = 0, d->vCursor2 = 0.0;
        d->zustand &= ~0x30000u;
        malen(f);
    }
    if (d->hCursorZustand == 2) {
        d->hCursorZustand = 3;
    } else if (d->hCursorZustand == 3) {
        d->hCursorZustand = 0, d->zweiterHCursor = 0, d->hCursor2 = 0.0;
        d->zustand &= ~0xC0000u;
        malen(f);
    }
}

void diagrammMausBewegung(Fenster f, int x, int y, uintptr_t tasten)
{
    NeuronDaten* n = nullptr;
    DiagrammDaten* d = diagrammVon(f, &n);
    if (!d || !n)
        return;
    if (KurvenDaten* k = kurveJetzt(*d); k && k->ziehen) {
        if (d->plotBreite < 1)
            return;
        const double neu = 100.0 - (d->xAchseRechts[0] - x) * 100.0 / d->plotBreite;
        if (neu != k->xPos) {
            k->xPos = neu;
            malen(f);
        }
        return;
    }
    // the arrow, once: the start-up may not have loaded it. It becomes the window's own
    // cursor (the measuring window keeps the one of its measurement); a cursor set for now
    // would cover the measuring cursors until the mouse left the window.
    if (!diagrammPfeilGesetzt) {
        diagrammPfeilGesetzt = true;
        if (!diagrammCursor.standard)
            diagrammCursor.standard = standardCursor(cursorArt::Pfeil);
        diagrammCursorWaehlen(f);
    }
    if (x < d->xAchseLinks[0] || x > d->xAchseRechts[0])
        return;
    if (anzeigeStatus & 0x40) {
        d->verschiebungX = x - d->xAchseLinks[0];
        malen(f);
        return;
    }
    if (anzeigeStatus & 0x80) {
        d->verschiebungY = d->xAchseRechts[0] - x;
        malen(f);
        return;
    }
    if (vordergrundFenster() != f)
        return;
    const bool taste = tasten & maus::Links;
    const double t = zeitAnSpalte(*d, x), v = wertAnZeile(*d, y);
    auto nahe = [&](double c) { return std::abs(x - spalteVonZeit(*d, c)) <= 3; };
    if (!std::isnan(t)) {
        if (d->zweiterVCursor) {
            if ((d->vCursorZustand == 2 || (d->vCursorZustand == 5 && taste))
                && (nahe(d->vCursor1) || nahe(d->vCursor2) || d->vCursorGegriffen)) {
                d->vCursor2 = t;
                d->vCursorGegriffen = 1;
                d->vCursorAbstand = d->vCursor1 - d->vCursor2;
                malen(f);
            }
        } else if ((d->vCursorZustand == 1 || (d->vCursorZustand == 4 && taste))
                   && (nahe(d->vCursor1) || d->vCursorGegriffen)) {
            d->vCursor1 = t;
            d->vCursorGegriffen = 1;
            malen(f);
        }
    }
    if (!std::isnan(v)) {
        if (d->zweiterHCursor && (d->hCursorZustand == 2 || (d->hCursorZustand == 5 && taste))) {
            d->hCursor2 = v;
            d->hCursorAbstand = d->hCursor1 - d->hCursor2;
            malen(f);
        } else if (!d->zweiterHCursor && (d->hCursorZustand == 1 || (d->hCursorZustand == 4 && taste))) {
            d->hCursor1 = v;
            malen(f);
        }
    }
}

void diagrammRechtsKlick(Fenster f, int, int x, int y, uintptr_t)
{
    letzterKlickpunkt = {x, y};
    DiagrammDaten* d = f && istFenster(f) ? diagrammZuFenster(f) : nullptr;
    NeuronDaten* n = d ? neuronNachNummer(d->neuronId) : nullptr;
    if (!d || (n && n->druckAktiv))
        return;
    for (int s = 0; s < kurvenProDiagramm; ++s)
        if (d->kurven[s].anzeigen && punktInRechteck(d->kurven[s].legendeRechteck, x, y)) {
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
