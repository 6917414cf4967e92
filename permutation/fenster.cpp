// permutation/fenster.cpp - the permutation display window: opening and closing, its
// messages, the keys and the scroll bar that step through the loaded results, its menu
//
// The window's diagram is the main diagram of a neuron made for the display alone; the
// display keeps that neuron's number and looks it up at use. Between two openings the
// layout lives in the template permutationsDiagramm, which the network file stores.
#include "permutation/fenster.h"
#include "core/rahmen.h"
#include "core/status.h"
#include "diagrams/diagramm.h"
#include "dialogs/diagrammlayout.h"
#include "model/layout.h"
#include "model/netz.h"
#include "model/permutation.h"
#include "model/permutationsfenster.h"
#include "model/spikefolge.h"
#include "permutation/ergebnisse.h"
#include "permutation/spikefolge.h"
#include "platform/box.h"
#include "platform/menue.h"
#include "platform/steuerelemente.h"
#include "resources/befehle.h"
#include "resources/permutationsfenstermenue.h"
#include "texts/texte.h"
#include <algorithm>

using namespace plattform;

PermutationsAnzeige permutationsAnzeige;
NeuronDaten* (*pseudoNeuronErzeugen)() = nullptr;
void (*pseudoNeuronLoeschen)(NeuronDaten*) = nullptr;

namespace {

constexpr uint32_t meldungenZeigenNachricht = nachricht::Benutzer + 0x61;
constexpr int mindestBreite = 150;
constexpr int seitenSchritt = 100;

PermutationsAnzeige& zustand() { return permutationsAnzeige; }
PermutationsErgebnisZustand& ergebnisse() { return permutationsErgebnisse; }

// the pseudo-neuron while it is the display's (a neuron the user deleted is no longer it)
NeuronDaten* pseudo()
{
    NeuronDaten* n = zustand().pseudoNeuron ? neuronNachNummer(zustand().pseudoNeuron) : nullptr;
    return n && n->hilfsneuron ? n : nullptr;
}

DiagrammDaten* pseudoDiagramm()
{
    NeuronDaten* n = pseudo();
    return n ? &n->hauptDiagramm : nullptr;
}

void piep() { piepen(1000, 100); }

bool bewertungAn() { return (modusStatus & modusBit::SpikefolgenBewertung) != 0; }

void markenStiftNeu()
{
    PermutationsAnzeige& a = zustand();
    loeschen(a.markenStift);
    loeschen(a.markenPinsel);
    a.markenStift = stiftErzeugen(stiftStil::Durchgehend, 0, a.markenFarbe);
    a.markenPinsel = pinselErzeugen(a.markenFarbe);
}

void markenFarbeNehmen()
{
    if (const NeuronDaten* n = auswerteNeuron())
        zustand().markenFarbe = n->spikefolge.kastenFarbe;
    markenStiftNeu();
}

void stifteFreigeben()
{
    PermutationsAnzeige& a = zustand();
    for (Stift* s : {&a.markenStift, &a.balkenStift}) {
        loeschen(*s);
        *s = nullptr;
    }
    for (Pinsel* p : {&a.markenPinsel, &a.balkenPinsel}) {
        loeschen(*p);
        *p = nullptr;
    }
}

// The shown result rated into the evaluation neuron and reported: the painter draws that
// neuron's bursts, so the boxes belong to what is shown. Nothing without a result or
// without an evaluation neuron.
void gezeigtesBewertenUndMelden()
{
    NeuronDaten* n = auswerteNeuron();
    const PermutationsErgebnis* e = gezeigtesPermutationsErgebnis();
    if (!n || !e)
        return;
    const int anzahl = std::min(std::max(e->apAnzahl, 0), static_cast<int>(e->apZeiten.size()));
    spikefolgeBewertenMeldung(n, e->apZeiten.data(), anzahl);
}

// the same without the report (B and the settings of dialog 284)
void gezeigtesBewerten()
{
    NeuronDaten* n = auswerteNeuron();
    const PermutationsErgebnis* e = gezeigtesPermutationsErgebnis();
    if (!n || !e)
        return;
    const int anzahl = std::min(std::max(e->apAnzahl, 0), static_cast<int>(e->apZeiten.size()));
    spikefolgeBewerten(*n, e->apZeiten.data(), anzahl);
}

int hoechstePosition() { return std::max(permutationsErgebnisAnzahl() - 1, 0); }

void scrollbereichSetzen(Fenster f)
{
    PermutationsAnzeige& a = zustand();
    a.position = std::clamp(a.position, 0, hoechstePosition());
    scrollLeisteSetzen(f, true, 0, hoechstePosition(), 1, a.position);
}

void scrollPositionSetzen(Fenster f)
{
    const ScrollZustand s = scrollLeiste(f, true);
    scrollLeisteSetzen(f, true, s.min, s.max, std::max(s.seite, 1), zustand().position);
}

// the layout back into the template (the next opening and the network file see it)
void layoutInVorlage(DiagrammDaten& d, NeuronDaten& n) { diagrammFormatKopieren(&permutationsDiagramm, &d, &n, 1); }

// The template follows the open display: a network saved meanwhile holds what closing the
// display would leave there, its layout and its place.
void vorlageNachziehen(DiagrammDaten& d, NeuronDaten& n)
{
    layoutInVorlage(d, n);
    DiagrammDaten& v = permutationsDiagramm;
    v.fensterBreite = d.fensterBreite;
    v.fensterHoehe = d.fensterHoehe;
    v.fensterX = d.fensterX;
    v.fensterY = d.fensterY;
}

// ---- handlers ------------------------------------------------------------------------------

intptr_t erstellt(Fenster f)
{
    NeuronDaten* n = pseudo();
    if (!n)
        return -1;
    fensterDatenSetzen(f, n->nummer);
    scrollbereichSetzen(f);
    return 0;
}

void zerstoert(Fenster f)
{
    NeuronDaten* n = pseudo();
    if (!n || n->hauptDiagramm.fenster != f)
        return;
    DiagrammDaten& d = n->hauptDiagramm;
    layoutInVorlage(d, *n);
    d.offen = 0;
    d.fenster = nullptr;
    if (fensterhandles.hauptfenster)
        ungueltigMachen(fensterhandles.hauptfenster);
}

void bewegt(Fenster f)
{
    NeuronDaten* n = pseudo();
    if (!n || istMinimiert(f))
        return;
    const Rechteck r = fensterRechteck(f);
    n->hauptDiagramm.fensterX = r.links;
    n->hauptDiagramm.fensterY = r.oben;
    vorlageNachziehen(n->hauptDiagramm, *n);
}

void groesseGeaendert(Fenster f, uintptr_t art)
{
    NeuronDaten* n = pseudo();
    if (!n)
        return;
    DiagrammDaten& d = n->hauptDiagramm;
    if (art != groesse::Minimiert) {
        const Rechteck r = fensterRechteck(f);
        d.fensterX = r.links;
        d.fensterY = r.oben;
        d.fensterHoehe = r.hoehe();
        d.fensterBreite = r.breite();
        if (!d.fenster)
            d.fenster = f;
        const Rechteck c = clientRechteck(f);
        d.breite = c.breite();
        d.hoehe = c.hoehe();
        diagrammLayoutBerechnen(n, &d, 0);
        vorlageNachziehen(d, *n);
    }
    if (permutationsFenster.stromreizAnzeigen) {
        permutationsDiagramm.fenster = d.fenster;
        permutationsReizkurveBerechnen(d);
    }
}

// the shown position moved by a key; true when it counts as a move
bool positionTaste(Fenster f, int t)
{
    PermutationsAnzeige& a = zustand();
    const int letzte = hoechstePosition();
    switch (t) {
    case taste::BildHoch:
        if (a.position - seitenSchritt < 0) {
            a.position = 0;
            piep();
        } else {
            a.position -= seitenSchritt;
            ungueltigMachen(f);
        }
        return true;
    case taste::BildRunter:
        if (a.position + seitenSchritt < letzte) {
            a.position += seitenSchritt;
            ungueltigMachen(f);
        } else {
            a.position = letzte;
            piep();
        }
        return true;
    case taste::Ende:
        a.position = letzte;
        ungueltigMachen(f);
        return true;
    case taste::Pos1:
        a.position = 0;
        ungueltigMachen(f);
        return true;
    case taste::Hoch:
        if (a.position > 0) {
            --a.position;
            ungueltigMachen(f);
            return true;
        }
        piep();
        return false;
    case taste::Runter:
        if (a.position < letzte) {
            ++a.position;
            ungueltigMachen(f);
        } else {
            piep();
        }
        return true;
    }
    return false;
}

void befehl(Fenster f, int id);

void tasteVerarbeiten(Fenster f, int t)
{
    const bool strg = tasteGedrueckt(tastenStatus::LinksStrg) || tasteGedrueckt(tastenStatus::RechtsStrg);
    const bool umschalt = tasteGedrueckt(tastenStatus::LinksUmschalt) || tasteGedrueckt(tastenStatus::RechtsUmschalt);
    const bool bewegt = positionTaste(f, t);
    if (t == 'B') {
        if (strg && !umschalt) {
            befehl(f, befehlPmtSpikefolgeBewerten);
        } else if (strg && umschalt) {
            if (bewertungAn() && auswerteNeuron()) {
                befehl(f, befehlPmtBurstdaten);
                if (modusStatus & modusBit::BurstBericht)
                    spikefolgeErgebnisMeldung(auswerteNeuron());
            } else {
                piep();
            }
        }
        if (bewertungAn())
            gezeigtesBewerten();
        ungueltigMachen(f);
    }
    if (bewertungAn() && bewegt)
        gezeigtesBewertenUndMelden();
    scrollPositionSetzen(f);
}

void scrollen(Fenster f, int code, int position)
{
    PermutationsAnzeige& a = zustand();
    bool bewegt = false;
    switch (code) {
    case scroll::ZeileHoch: senden(f, nachricht::TasteRunter, taste::Hoch, 1); break;
    case scroll::ZeileRunter: senden(f, nachricht::TasteRunter, taste::Runter, 1); break;
    case scroll::SeiteHoch: senden(f, nachricht::TasteRunter, taste::BildHoch, 1); break;
    case scroll::SeiteRunter: senden(f, nachricht::TasteRunter, taste::BildRunter, 1); break;
    case scroll::DaumenPosition:
    case scroll::DaumenZiehen: {
        // the track position: while dragging the bar's own, at the release the one it reports
        const int spur = code == scroll::DaumenZiehen ? scrollLeiste(f, true).daumen : static_cast<int>(position);
        a.position = std::clamp(spur, 0, hoechstePosition());
        if (code == scroll::DaumenPosition)
            scrollPositionSetzen(f);
        bewegt = true;
        break;
    }
    default: return;
    }
    if (bewertungAn() && bewegt)
        gezeigtesBewertenUndMelden();
    ungueltigMachen(f);
    neuZeichnen(f);
}

// after dialog 203: moved to its own place once to and fro, so that it lays itself out
void neuAuslegen(Fenster f)
{
    const DiagrammDaten* d = pseudoDiagramm();
    if (!d || !istFenster(f))
        return;
    const int x = d->fensterX, y = d->fensterY, b = d->fensterBreite, h = d->fensterHoehe;
    verschieben(f, x, y, b, h - 1);
    verschieben(f, x, y, b, h);
}

void layoutDialog(Fenster f)
{
    programmStatus |= programmBit::LayoutFuerPermutation;
    const intptr_t ergebnis = diagrammLayoutDialogOeffnen(f, f);
    vordergrundSetzen(f);
    ungueltigMachen(f);
    // what the dialog applied becomes the template's, and the curve follows the new axes
    NeuronDaten* n = pseudo();
    if (ergebnis != 1 || !n)
        return;
    DiagrammDaten& d = n->hauptDiagramm;
    diagrammLayoutBerechnen(n, &d, 0);
    layoutInVorlage(d, *n);
    if (permutationsFenster.stromreizAnzeigen) {
        permutationsDiagramm.fenster = d.fenster;
        permutationsReizkurveBerechnen(d);
    }
}

void befehl(Fenster f, int id)
{
    switch (id) {
    case pmtFensterBefehlDiagramm:
        layoutDialog(f);
        break;
    case pmtFensterBefehlSpikesUndBalken: {
        const Fenster vorne = vordergrundFenster();
        if (vorne)
            freigeben(vorne, false);
        permutationsfensterDialogOeffnen(f);
        if (vorne && istFenster(vorne))
            freigeben(vorne, true);
        neuAuslegen(f);
        ungueltigMachen(f);
        break;
    }
    case befehlPmtSpikefolgeBewerten: {
        // the rating goes into the evaluation neuron; once on, it can always be switched off
        NeuronDaten* n = auswerteNeuron();
        if (!n && !bewertungAn()) {
            hinweisBox(meldungsTexte[1275]);
            return;
        }
        if (n)
            spikefolgeVorgabenSetzen(n->spikefolge);
        modusStatus ^= modusBit::SpikefolgenBewertung;
        ungueltigMachen(f);
        break;
    }
    case pmtFensterBefehlSpikefolgeParameter: {
        NeuronDaten* n = auswerteNeuron();
        if (!n) {
            hinweisBox(meldungsTexte[1275]);
            return;
        }
        if (spikefolgenParameterDialogFuer(f, n) != 1)
            return;
        markenFarbeNehmen();
        gezeigtesBewerten();
        ungueltigMachen(f);
        break;
    }
    case befehlPmtBurstdaten:
        modusStatus ^= modusBit::BurstBericht;
        break;
    case pmtFensterBefehlBeenden:
        permutationFensterSchliessen();
        break;
    }
}

void menueAktualisieren(Fenster f)
{
    menuePunktHaken(f, befehlPmtSpikefolgeBewerten, bewertungAn() ? 1 : -1);
    menuePunktHaken(f, befehlPmtBurstdaten, (modusStatus & modusBit::BurstBericht) ? 1 : -1);
    if (Menue m = fensterMenue(f)) {
        grauSetzen(m, befehlPmtBurstdaten, Nach::Befehl, !(modusStatus & modusBit::IndexGeladen) || !bewertungAn());
        // without an evaluation neuron there is nothing to rate and no settings to edit
        const bool ohneNeuron = !auswerteNeuron();
        grauSetzen(m, befehlPmtSpikefolgeBewerten, Nach::Befehl, ohneNeuron && !bewertungAn());
        grauSetzen(m, pmtFensterBefehlSpikefolgeParameter, Nach::Befehl, ohneNeuron);
    }
}

// left Shift + Esc: the quick exit, without a question
void zeichen(int z)
{
    if (z != 27 || !tasteGedrueckt(tastenStatus::LinksUmschalt))
        return;
    programmStatus |= programmBit::Beschaeftigt;
    permutationFensterSchliessen();
    rahmen::programmEndeAufraeumen(0);
    programmBeenden();
}

void zeichnen(Fenster f, Zeichenflaeche* z)
{
    NeuronDaten* n = pseudo();
    if (!n || !z)
        return;
    n->zeichenDC = z;
    permutationFensterZeichnen(f);
    if (NeuronDaten* m = pseudo())
        m->zeichenDC = nullptr;
    if (zustand().ausstehendeMeldung)
        posten(f, meldungenZeigenNachricht);
}

// the notice a paint found, after it
void meldungenZeigen()
{
    const int nummer = zustand().ausstehendeMeldung;
    zustand().ausstehendeMeldung = 0;
    // nothing to show is no reason to end the program: a notice, also for 39
    if (nummer)
        hinweisBox(meldungsTexte[nummer]);
}

} // namespace

// ---- what others call ------------------------------------------------------------------------

int permutationsErgebnisAnzahl() { return static_cast<int>(ergebnisse().ergebnisse.size()); }

const PermutationsErgebnis* gezeigtesPermutationsErgebnis()
{
    PermutationsErgebnisZustand& z = ergebnisse();
    if (z.einzel.nummer != -1)
        return &z.einzel;
    if (z.ergebnisse.empty())
        return nullptr;
    PermutationsAnzeige& a = zustand();
    a.position = std::clamp(a.position, 0, static_cast<int>(z.ergebnisse.size()) - 1);
    return &z.ergebnisse[static_cast<size_t>(a.position)];
}

NeuronDaten* permutationsPseudoNeuron() { return pseudo(); }

bool permutationsNeuronEinrichten(NeuronDaten& neuron)
{
    // one display, one neuron
    if (pseudo())
        return false;
    zustand().pseudoNeuron = neuron.nummer;
    return true;
}

bool permutationFensterErzeugen()
{
    PermutationsErgebnisZustand& z = ergebnisse();
    PermutationsAnzeige& a = zustand();
    // the results of a loaded index, as many as the user asks for
    if (z.ergebnisse.empty() && z.einzel.nummer == -1 && (modusStatus & modusBit::IndexGeladen) && !z.index.empty()) {
        if (permutationErgebnisseLaden(0, -1, 0, nullptr) != 1 || z.ergebnisse.empty()) {
            modusStatus &= ~modusBit::ErgebnisseAngezeigt;
            return false;
        }
    }
    // the pseudo-neuron and its window
    NeuronDaten* n = pseudo();
    if (!n) {
        n = pseudoNeuronErzeugen ? pseudoNeuronErzeugen() : nullptr;
        if (!n || n != pseudo()) {
            modusStatus &= ~modusBit::ErgebnisseAngezeigt;
            return false;
        }
        DiagrammDaten& d = n->hauptDiagramm;
        DiagrammDaten& v = permutationsDiagramm;
        if (v.xRand == 0)
            diagrammFormatKopieren(&v, &diagrammVorlage, nullptr, 1);
        diagrammFormatKopieren(&d, &v, n, 1);
        diagrammLayoutBerechnen(n, &d, 0);
        // the geometry the template kept
        d.fensterBreite = std::max(v.fensterBreite, mindestBreite);
        d.breite = d.fensterBreite;
        d.hoehe = v.hoehe < mindestBreite ? v.fensterHoehe - 20 : v.hoehe;
        d.fensterHoehe = v.fensterHoehe;
        d.fensterX = v.fensterX;
        d.fensterY = v.fensterY;
        d.maxX = v.maxX;
        // the time axis to the latest AP of what was loaded, once per load
        if (permutationsFenster.xAchseAutomatisch && !permutationsZeitachseGerundet) {
            d.minX = 0.0;
            d.maxX = v.maxX = achsenSchrittRunden(z.spaetesterAp);
            d.xTickIntervallWirksam = d.xTickIntervall = d.maxX / 5.0;
            v.xTickIntervallWirksam = v.xTickIntervall = d.maxX / 5.0;
        }
        d.xUrsprung = d.yUrsprung = 0.0;
        v.xUrsprung = 0.0;
        if (v.minY == 0.0)
            d.minY = -80.0;
        if (v.maxY == 0.0)
            d.maxY = 40.0;
        d.horizontaleHilfslinien = 0;
        d.definierteHorizontaleHilfslinie = 0;
        balkenStiftNeuMachen();
        markenFarbeNehmen();
        a.position = 0;
        a.keineDatenGemeldet = false;
        a.rampenHinweisGezeigt = false;
        a.ausstehendeMeldung = 0;
    }
    // the window, also for a neuron whose window went another way
    DiagrammDaten& d = n->hauptDiagramm;
    if (!istFenster(d.fenster)) {
        d.fenster = nullptr;
        Menue m = menueLaden(permutationsFensterMenueTabelle(sprache));
        // the stored place may come from a larger screen
        int x = d.fensterX, y = d.fensterY, breite = std::max(d.fensterBreite, mindestBreite), hoehe = d.fensterHoehe;
        imArbeitsbereichHalten(x, y, breite, hoehe);
        const Fenster f = fensterErzeugen(meldungsTexte[13], meldungsTexte[1310], stil::Hauptfenster | stil::VScrollLeiste,
                                          x, y, breite, hoehe, nullptr, m);
        if (!f) {
            menueZerstoeren(m);
            permutationFensterSchliessen();
            return false;
        }
        d.fenster = f;
        d.offen = 1;
    }
    // the last class reaches to the end of the time axis
    if (!analyseKlassen.empty()) {
        Analyseklasse& k = analyseKlassen.back();
        const float ende = static_cast<float>(d.maxX);
        if (ende > k.start && ende > k.ende)
            k.ende = ende;
    }
    if (bewertungAn())
        gezeigtesBewertenUndMelden();
    if (!pseudo())
        return false;
    diagrammLayoutBerechnen(n, &d, 0);
    vorlageNachziehen(d, *n);
    if (istFenster(d.fenster)) {
        scrollbereichSetzen(d.fenster);
        zeigen(d.fenster, anzeige::Normal);
    }
    modusStatus |= modusBit::ErgebnisseAngezeigt;
    einstellungenAktualisieren(nullptr, 0);
    return true;
}

void permutationFensterSchliessen()
{
    PermutationsErgebnisZustand& z = ergebnisse();
    PermutationsAnzeige& a = zustand();
    modusStatus &= ~modusBit::ErgebnisseAngezeigt;
    z.einzel = PermutationsErgebnis{};
    // the layout into the template, the window and the neuron gone
    if (NeuronDaten* n = pseudo()) {
        DiagrammDaten& d = n->hauptDiagramm;
        DiagrammDaten& v = permutationsDiagramm;
        v.fensterBreite = d.fensterBreite;
        v.fensterHoehe = d.fensterHoehe;
        v.fensterX = d.fensterX;
        v.fensterY = d.fensterY;
        if (d.fenster) {
            const Fenster f = d.fenster;
            fensterZerstoeren(f);
            d.fenster = nullptr;
        }
        if (NeuronDaten* m = pseudo()) {
            if (pseudoNeuronLoeschen)
                pseudoNeuronLoeschen(m);
        }
    }
    a.pseudoNeuron = 0;
    a.position = 0;
    a.reizPunkte.clear();
    a.klassenMarken.clear();
    a.markenKlassen = 0;
    a.ausstehendeMeldung = 0;
    stifteFreigeben();
    programmStatus &= ~programmBit::Beschaeftigt;
    if (fensterhandles.hauptfenster)
        ungueltigMachen(fensterhandles.hauptfenster);
}

void permutationsAnzeigeBefehl(Fenster f, int id)
{
    if (id == befehlPmtFensterEinstellungen) {
        permutationsfensterDialogOeffnen(f);
        if (DiagrammDaten* d = pseudoDiagramm(); d && istFenster(d->fenster)) {
            neuAuslegen(d->fenster);
            ungueltigMachen(d->fenster);
        }
        return;
    }
    // the results are the permutation mode's: outside it there is nothing to show
    if (id != befehlPmtErgebnisseDarstellen || !(modusStatus & modusBit::Permutationsmodus))
        return;
    if (ergebnisse().einzel.nummer != -1)
        modusStatus |= modusBit::ErgebnisseVerfuegbar;
    if (permutationFensterErzeugen())
        modusStatus |= modusBit::ErgebnisseAngezeigt;
}

intptr_t permutationFensterProc(Fenster f, uint32_t n, uintptr_t w, intptr_t l)
{
    if (n == nachricht::Erzeugen)
        return erstellt(f);
    // a window whose display has gone gets the default handling
    if (!pseudo() || (pseudo()->hauptDiagramm.fenster && pseudo()->hauptDiagramm.fenster != f))
        return standardFensterProc(f, n, w, l);
    switch (n) {
    case nachricht::Zerstoeren: zerstoert(f); return 0;
    case nachricht::Bewegen: bewegt(f); return 0;
    case nachricht::Groesse: groesseGeaendert(f, w); return 0;
    case nachricht::Zeichnen: zeichnen(f, reinterpret_cast<Zeichenflaeche*>(l)); return 0;
    case nachricht::TasteRunter:
    case nachricht::SystemTasteRunter: tasteVerarbeiten(f, static_cast<int>(w)); return 0;
    case nachricht::Zeichen: zeichen(static_cast<int>(w)); return 0;
    case nachricht::Befehl: befehl(f, loWort(w)); return 0;
    case nachricht::Schliessen: permutationFensterSchliessen(); return 0;
    case nachricht::SystemBefehl:
        if (w == systembefehl::Schliessen) {
            permutationFensterSchliessen();
            return 0;
        }
        return standardFensterProc(f, n, w, l);
    case nachricht::VScroll: scrollen(f, loWort(w), hiWort(w)); return 0;
    case nachricht::MenuePopupInit: menueAktualisieren(f); return 0;
    case nachricht::LinksHoch:
    case nachricht::LinksRunter:
    case nachricht::RechtsRunter:
    case nachricht::MausBewegung: return 0;
    case meldungenZeigenNachricht: meldungenZeigen(); return 0;
    }
    return standardFensterProc(f, n, w, l);
}
