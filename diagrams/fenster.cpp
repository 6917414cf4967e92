// diagrams/fenster.cpp - the diagram window: its procedure, creation, destruction, moving,
// sizing, focus, painting, cursor and closing
#include "diagrams/diagramm.h"
#include "diagrams/fensterhandler.h"
#include "diagrams/zeichner.h"
#include "core/status.h"
#include "model/kurven.h"
#include "model/layout.h"
#include "model/netz.h"
#include "model/skript.h"
#include "platform/box.h"
#include "platform/menue.h"
#include "platform/steuerelemente.h"
#include "resources/diagrammmenue.h"
#include "texts/texte.h"
#include <algorithm>

using namespace plattform;

DiagrammCursor diagrammCursor;

namespace {

// posted to a diagram window after a paint that put notices aside
constexpr uint32_t meldungenZeigenNachricht = nachricht::Benutzer + 0x60;

// the screen mode's notice comes once in a program run; later attempts only beep
bool bildschirmModusGemeldet = false;
// a size the handler sets itself brings no second round
bool groesseWirdGesetzt = false;

NeuronDaten* neuronVon(const DiagrammDaten* d) { return d ? neuronNachNummer(d->neuronId) : nullptr; }

void pufferFreigeben(DiagrammDaten& d)
{
    for (KurvenDaten& k : d.kurven)
        kurvenPufferFreigeben(k);
}

// a further diagram's record goes for good; its window, if still there, is the caller's
void weiteresDiagrammFreigeben(DiagrammDaten* d)
{
    diagrammVerweiseLoesen(*d);
    pufferFreigeben(*d);
    diagrammGdiFreigeben(*d);
    delete d;
}

// ---- creation, destruction, moving, focus -------------------------------------------------

void diagrammFensterZerstoert(Fenster f)
{
    if (aktuellesDiagramm.messFenster == f)
        aktuellesDiagramm.messFenster = nullptr;
    DiagrammDaten* d = diagrammZuFenster(f);
    if (!d || !neuronVon(d))
        return;
    diagrammVerweiseLoesen(*d);
    d->offen = 0;
    d->fenster = nullptr;
}

void diagrammFensterVerschoben(Fenster f)
{
    DiagrammDaten* d = diagrammZuFenster(f);
    if (!d || !neuronVon(d))
        return;
    const Rechteck r = fensterRechteck(f);
    d->fensterX = r.links;
    d->fensterY = r.oben;
}

void diagrammFokusErhalten(Fenster f)
{
    if (DiagrammDaten* d = diagrammZuFenster(f); d && static_cast<int32_t>(d->zustand) > 0x8000)
        d->zustand |= 0xC000;
}

// ---- sizing --------------------------------------------------------------------------------

bool bildschirmModus()
{
    return (skriptStatus & skriptBit::Interaktiv) && skriptErgebnisArt == 4;
}

void groesseSetzen(Fenster f, int x, int y, int breite, int hoehe)
{
    groesseWirdGesetzt = true;
    verschieben(f, x, y, breite, hoehe);
    groesseWirdGesetzt = false;
}

void diagrammGroesseGeaendert(Fenster f, uintptr_t art)
{
    DiagrammDaten* d = diagrammZuFenster(f);
    if (groesseWirdGesetzt || !d)
        return;
    // the screen mode keeps the size
    if (bildschirmModus()) {
        groesseSetzen(f, d->fensterX, d->fensterY, d->breite, d->fensterHoehe);
        piepen(1234, 100);
        if (!bildschirmModusGemeldet) {
            bildschirmModusGemeldet = true;
            hinweisBox(meldungFormatieren(448));
        }
        return;
    }
    // a minimised window keeps its record as it was
    if (art == groesse::Minimiert)
        return;
    // no smaller than the smallest size the options allow
    Rechteck r = fensterRechteck(f);
    const int minB = diagrammOptionen.minimalBreite, minH = diagrammOptionen.minimalHoehe;
    if (r.breite() < minB || r.hoehe() < minH) {
        groesseSetzen(f, r.links, r.oben, std::max(r.breite(), minB), std::max(r.hoehe(), minH));
        r = fensterRechteck(f);
    }
    // the geometry; the client height not while the window is being placed
    d->fensterX = r.links;
    d->fensterY = r.oben;
    d->breite = r.breite();
    d->fensterHoehe = r.hoehe();
    if (!(anzeigeStatus & anzeigeBit::DiagrammWirdPlatziert))
        d->hoehe = clientRechteck(f).hoehe();
    // layout and curves for the new size
    if (d->neuronId) {
        if (NeuronDaten* n = neuronNachNummer(d->neuronId)) {
            diagrammLayoutBerechnen(n, d, 0);
            kurvenVorbereiten(d, -1);
        }
        d->zustand |= 0x8000;
    }
}

// ---- painting ------------------------------------------------------------------------------

intptr_t diagrammFensterZeichnen(Fenster f, Zeichenflaeche* flaeche)
{
    // a page prints: the window is painted when the job is over
    if (programmStatus & programmBit::Druckt)
        return 1;
    // the record and its neuron
    DiagrammDaten* d = diagrammZuFenster(f);
    if (!d)
        return 0;
    NeuronDaten* n = neuronVon(d);
    if (!n)
        return 1;
    // the paint surface is the neuron's for this one paint
    if (flaeche) {
        n->zeichenDC = flaeche;
        diagrammZeichnen(f);
        n->zeichenDC = nullptr;
    }
    // what the paint found to say comes after it
    if (zeichenMeldungenWarten())
        posten(f, meldungenZeigenNachricht);
    return 0;
}

// ---- closing -------------------------------------------------------------------------------

// A main diagram closes its further diagrams with it, after asking; alone it empties its
// slots and keeps its record; a further diagram's record goes. False: the window stays.
bool diagrammSchliessenPruefen(Fenster f)
{
    // the further windows of a main diagram being closed go without a question
    if (anzeigeStatus & anzeigeBit::WeitereDiagrammeSchliessen)
        return true;
    // an interactive script keeps its windows
    if (skriptStatus & skriptBit::Interaktiv) {
        piepen(500, 40);
        return false;
    }
    // imported data would be lost
    if ((programmStatus & programmBit::LaufGesperrt)
        && sysInfoBox(meldungsTexte[1733], knoepfe::JaNein) != antwort::Ja)
        return false;
    // the record
    DiagrammDaten* d = diagrammZuFenster(f);
    NeuronDaten* n = neuronVon(d);
    if (!d || !n)
        return true;
    if (d == &n->hauptDiagramm && d->naechstes) {
        // a. the further diagrams go with the main one
        if (sysInfoBox(meldungFormatieren(291, neuronAnzeigename(*n)), knoepfe::JaNein) != antwort::Ja)
            return false;
        DiagrammDaten* weitere = d->naechstes;
        d->naechstes = nullptr;
        anzeigeStatus |= anzeigeBit::WeitereDiagrammeSchliessen;
        while (weitere) {
            DiagrammDaten* naechstes = weitere->naechstes;
            if (weitere->fenster)
                senden(weitere->fenster, nachricht::Schliessen);
            weiteresDiagrammFreigeben(weitere);
            weitere = naechstes;
        }
        anzeigeStatus &= ~anzeigeBit::WeitereDiagrammeSchliessen;
    } else if (d->nummer < 1) {
        // b. the main diagram alone: its slots emptied, as from a blank template
        DiagrammDaten leer;
        for (int slot = 0; slot < kurvenProDiagramm; ++slot)
            kurveEntfernen(n, &leer, d, slot);
        pufferFreigeben(*d);
    } else {
        // c. a further diagram leaves the chain and goes
        for (DiagrammDaten* v = &n->hauptDiagramm; v->naechstes; v = v->naechstes)
            if (v->naechstes == d) {
                v->naechstes = d->naechstes;
                weiteresDiagrammFreigeben(d);
                break;
            }
    }
    return true;
}

intptr_t diagrammSystemBefehl(Fenster f, uintptr_t befehl, intptr_t l)
{
    const bool gesperrt = befehl == systembefehl::Maximieren || befehl == systembefehl::Minimieren
                          || befehl == systembefehl::Schliessen;
    if ((skriptStatus & skriptBit::Interaktiv) && gesperrt) {
        piepen(500, 40);
        return 1;
    }
    // closing goes on as Schliessen, where the questions are asked
    return standardFensterProc(f, nachricht::SystemBefehl, befehl, l);
}

} // namespace

// ---- what others call ------------------------------------------------------------------------

Fenster diagrammFensterErzeugen(DiagrammDaten&)
{
    Menue menue = menueLaden(diagrammMenueTabelle(sprache));
    Fenster f = fensterErzeugen(meldungsTexte[12], meldungFormatieren(694), stil::Hauptfenster, StandardPosition,
                                StandardPosition, StandardPosition, StandardPosition, nullptr, menue);
    if (!f)
        menueZerstoeren(menue);
    return f;
}

void diagrammFensterErzeugt(Fenster f)
{
    DiagrammDaten* d = diagrammZuFenster(f);
    const bool imAufbau = !d;
    if (imAufbau)
        d = aktuellesDiagramm.messDiagramm;
    if (!d)
        return;
    diagrammCursorWaehlen(f);
    // without the option the bar stays hidden; with it the layout sets it
    if (!diagrammOptionen.scrollleisteAnzeigen)
        scrollLeisteSetzen(f, false, 0, 0, 1, 0);
    // a window that exists already is sized once to and fro, so the layout follows the bar
    if (!imAufbau) {
        const Rechteck r = fensterRechteck(f);
        verschieben(f, r.links, r.oben, r.breite() + 1, r.hoehe());
        verschieben(f, r.links, r.oben, r.breite(), r.hoehe());
    }
}

void diagrammCursorWaehlen(Fenster f)
{
    Cursor c = diagrammCursor.standard;
    if (f && f == aktuellesDiagramm.messFenster) {
        switch (aktuellesDiagramm.messModus) {
        case 16: c = diagrammCursor.zeit; break;
        case 8: c = diagrammCursor.wert; break;
        case 24: c = diagrammCursor.beide; break;
        }
    }
    fensterCursorSetzen(f, c ? c : standardCursor(cursorArt::Pfeil));
}

intptr_t diagrammFensterProc(Fenster f, uint32_t n, uintptr_t w, intptr_t l)
{
    switch (n) {
    case nachricht::Erzeugen:
        diagrammFensterErzeugt(f);
        return 0;
    case nachricht::Zerstoeren:
        diagrammFensterZerstoert(f);
        return 0;
    case nachricht::Bewegen:
        diagrammFensterVerschoben(f);
        return 0;
    case nachricht::Groesse:
        diagrammGroesseGeaendert(f, w);
        return 0;
    case nachricht::FokusErhalten:
        diagrammFokusErhalten(f);
        return 0;
    case nachricht::Zeichnen:
        return diagrammFensterZeichnen(f, reinterpret_cast<Zeichenflaeche*>(l));
    case nachricht::Schliessen:
        if (diagrammSchliessenPruefen(f))
            fensterZerstoeren(f);
        return 0;
    case nachricht::SystemBefehl:
        return diagrammSystemBefehl(f, w, l);
    case nachricht::TasteRunter:
    case nachricht::SystemTasteRunter:
        diagrammTaste(f, static_cast<int>(w),
                      hiWort(static_cast<uintptr_t>(l)) | (n == nachricht::SystemTasteRunter ? diagrammTasteAlt : 0));
        return 0;
    case nachricht::TasteHoch:
        return 0;
    case nachricht::Zeichen:
        diagrammZeichenTaste(f, static_cast<unsigned char>(w), 1);
        return 0;
    case nachricht::Befehl:
        return diagrammBefehl(f, loWort(w), l, hiWort(w));
    case nachricht::HScroll:
        diagrammHorizontalScrollen(f, l, loWort(w), static_cast<int16_t>(hiWort(w)));
        return 0;
    case nachricht::MenuePopupInit:
        diagrammMenuInitialisieren(f, reinterpret_cast<Menue>(w), static_cast<int>(l), 0);
        return 0;
    case nachricht::MausBewegung:
        diagrammMausBewegung(f, loWortS(l), hiWortS(l), w);
        return 0;
    case nachricht::LinksRunter:
        diagrammLinksKlick(f, 0, loWortS(l), hiWortS(l), w);
        return 0;
    case nachricht::LinksHoch:
        diagrammLinksLoslassen(f, loWortS(l), hiWortS(l), w);
        return 0;
    case nachricht::RechtsRunter:
        diagrammRechtsKlick(f, 0, loWortS(l), hiWortS(l), w);
        return 0;
    case meldungenZeigenNachricht:
        zeichenMeldungenZeigen();
        return 0;
    }
    return standardFensterProc(f, n, w, l);
}
